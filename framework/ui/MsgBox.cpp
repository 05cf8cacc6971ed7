#include "framework/ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

#include "framework/ui/ScriptedDialogs.h"

void MsgBox(const std::string& text) {
    if (ScriptedDialogs::CapturingMessages()) {
        ScriptedDialogs::RecordMessage(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
