#include "framework/ui/System.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/ui/ScriptedDialogs.h"

std::shared_ptr<MouseCursor> System::Cursors::FingerPointer() {
    static const auto cursor = std::make_shared<MouseCursor>(Qt::PointingHandCursor);
    return cursor;
}

void ShowURL(const std::string& url) {
    if (ScriptedDialogs::RecordingURLs()) {
        ScriptedDialogs::RecordURL(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}
