#include "framework/ui/TextOutputStream.h"

#include <exception>
#include <utility>

#include <QtGlobal>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/ReplacingFile.h"

std::shared_ptr<TextOutputStream> TextOutputStream::Create(
    const std::shared_ptr<FolderItem>& file) {
    if (!file) throw NilObjectException("TextOutputStream.Create was given no file");
    auto opened = ReplacingFile::Open(QString::fromStdString(file->NativePath()));
    if (!opened.file) {
        // The caller tells the user in its own words; the system's are kept
        // for whoever looks into it.
        qWarning("%s", SaveFailure(file->NativePath(), opened.reason.toStdString()).c_str());
        return nullptr;
    }
    return std::shared_ptr<TextOutputStream>(
        new TextOutputStream(std::move(opened.file), file->NativePath()));
}

TextOutputStream::TextOutputStream(std::unique_ptr<ReplacingFile> file, std::string nativePath)
    : file_(std::move(file)),
      nativePath_(std::move(nativePath)),
      exceptionsInFlightAtCreation_(std::uncaught_exceptions()) {}

void TextOutputStream::Write(const std::string& text) {
    if (!file_) {
        throw IOException(SaveFailure(nativePath_, "an earlier write failed"));
    }
    if (file_->Write(text.data(), static_cast<qint64>(text.size()))) return;
    const std::string reason = file_->ErrorString().toStdString();
    file_.reset();
    throw IOException(SaveFailure(nativePath_, reason));
}

TextOutputStream::~TextOutputStream() {
    // Released uncommitted, the file keeps its earlier content: the
    // operation failed elsewhere.
    if (!file_ || std::uncaught_exceptions() > exceptionsInFlightAtCreation_) return;
    commit();
}

void TextOutputStream::commit() {
    if (file_->Commit()) return;
    ShowFailureOrLog(SaveFailure(nativePath_, file_->ErrorString().toStdString()));
}
