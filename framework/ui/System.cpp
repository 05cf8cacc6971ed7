#include "framework/ui/System.h"

#include <QDesktopServices>
#include <QUrl>

std::shared_ptr<MouseCursor> System::Cursors::FingerPointer() {
    static const auto cursor = std::make_shared<MouseCursor>(Qt::PointingHandCursor);
    return cursor;
}

void ShowURL(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::StrictMode));
}
