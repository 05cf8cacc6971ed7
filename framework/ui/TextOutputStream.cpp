#include "framework/ui/TextOutputStream.h"

#include <exception>

#include <QSaveFile>
#include <QtGlobal>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/ReplacingFile.h"

std::shared_ptr<TextOutputStream> TextOutputStream::Create(
    const std::shared_ptr<FolderItem>& file) {
    if (!file) throw NilObjectException("TextOutputStream.Create was given no file");
    QString reason;
    auto saveFile = _OpenReplacingFile(QString::fromStdString(file->NativePath()), reason);
    if (!saveFile) return nullptr;
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
    if (_WriteAll(*file_, text.data(), static_cast<qint64>(text.size()))) return;
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
