#include "framework/ui/TextOutputStream.h"

#include <exception>

#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/MsgBox.h"

std::shared_ptr<TextOutputStream> TextOutputStream::Create(
    const std::shared_ptr<FolderItem>& file) {
    if (!file) throw NilObjectException("TextOutputStream.Create was given no file");
    const QString path = QString::fromStdString(file->NativePath());
    // QSaveFile would only fail at the final rename onto a folder.
    if (QFileInfo(path).isDir()) return nullptr;
    auto saveFile = std::make_unique<QSaveFile>(path);
    // Unbuffered, so that each failure surfaces in the Write that causes it,
    // with the file system's own reason.
    if (!saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return nullptr;
    return std::shared_ptr<TextOutputStream>(
        new TextOutputStream(std::move(saveFile), file->NativePath()));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file, std::string nativePath)
    : file_(std::move(file)),
      nativePath_(std::move(nativePath)),
      exceptionsInFlightAtCreation_(std::uncaught_exceptions()) {}

void TextOutputStream::Write(const std::string& text) {
    if (!file_)
        throw IOException("Could not write to \"" + nativePath_ + "\": an earlier write failed");
    // A short write sets no error; writing the rest makes the file system
    // name its reason ("File too large", "No space left on device").
    const char* next = text.data();
    qint64 left = static_cast<qint64>(text.size());
    while (left > 0) {
        const qint64 written = file_->write(next, left);
        if (written <= 0) break;
        next += written;
        left -= written;
    }
    if (left == 0) return;
    const std::string reason = file_->errorString().toStdString();
    // Deleting an uncommitted QSaveFile removes its temporary file.
    file_.reset();
    throw IOException("Could not write to \"" + nativePath_ + "\": " + reason);
}

TextOutputStream::~TextOutputStream() {
    if (!file_) return;
    if (std::uncaught_exceptions() > exceptionsInFlightAtCreation_) {
        // The operation failed elsewhere: keep the earlier file as it was.
        file_->cancelWriting();
        return;
    }
    commit();
}

void TextOutputStream::commit() {
    if (file_->commit()) return;
    const std::string message =
        "Could not save \"" + nativePath_ + "\": " + file_->errorString().toStdString();
    try {
        MsgBox(message);
    } catch (...) {
        qCritical("%s", message.c_str());
    }
}
