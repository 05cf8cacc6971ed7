#include "framework/ui/ReplacingFile.h"

#include <QFileInfo>
#include <QSaveFile>

std::unique_ptr<QSaveFile> _OpenReplacingFile(const QString& path, QString& reason) {
    // QSaveFile would only fail at the final rename onto a folder.
    if (QFileInfo(path).isDir()) {
        reason = QStringLiteral("a folder has that name");
        return nullptr;
    }
    auto file = std::make_unique<QSaveFile>(path);
    file->setDirectWriteFallback(true);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file->errorString();
        return nullptr;
    }
    return file;
}

bool _WriteAll(QSaveFile& file, const char* data, qint64 size) {
    // A short write sets no error; writing the rest makes the file system
    // name its reason.
    while (size > 0) {
        const qint64 written = file.write(data, size);
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}
