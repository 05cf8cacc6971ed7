#include "framework/ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

#include "framework/ui/ScriptedDialogs.h"

namespace {
void showBox(QMessageBox::Icon icon, const std::string& text) {
    if (ScriptedDialogs::CapturingMessages()) {
        ScriptedDialogs::RecordMessage(text);
        return;
    }
    // VELMORA_PRODUCT_NAME: the project's name in the build, the program's
    // name as users know it rather than the executable's.
    QMessageBox box(icon, QStringLiteral(VELMORA_PRODUCT_NAME), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
}  // namespace

void MsgBox(const std::string& text) { showBox(QMessageBox::NoIcon, text); }

void ShowFailure(const std::string& text) { showBox(QMessageBox::Warning, text); }

void ShowFailureOrLog(const std::string& text) noexcept {
    try {
        ShowFailure(text);
    } catch (...) {
        qCritical("%s", text.c_str());
    }
}
