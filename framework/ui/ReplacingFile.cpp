#include "framework/ui/ReplacingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Writes all the bytes at offset 0; false with errno set when they do not all fit.
bool writeAllAt(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return false;
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

// The file's bytes from offset 0; false with errno set when they cannot be read.
bool readAll(int fd, QByteArray& bytes) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return false;
    bytes.resize(static_cast<qsizetype>(status.st_size));
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done), done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;  // shorter than it was a moment ago
        done += got;
    }
    bytes.truncate(static_cast<qsizetype>(done));
    return true;
}

}  // namespace

std::string SaveFailure(const std::string& path, const std::string& reason) {
    return "Could not save \"" + path + "\": " + reason + ".";
}

std::unique_ptr<ReplacingFile> ReplacingFile::Open(const QString& path, QString& reason) {
    const QFileInfo info(path);
    // QSaveFile would only fail at the final rename onto a folder.
    if (info.isDir()) {
        reason = QStringLiteral("a folder has that name");
        return nullptr;
    }
    const QByteArray nativePath = QFile::encodeName(path);
    // A device or a pipe holds no earlier content to keep.
    if (info.exists() && !info.isFile()) {
        const int fd = ::open(nativePath.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            reason = qt_error_string(errno);
            return nullptr;
        }
        return std::unique_ptr<ReplacingFile>(new ReplacingFile(nullptr, fd, false));
    }
    // Unbuffered, so that each failure surfaces in the write that causes it,
    // with the file system's own reason.
    auto replacement = std::make_unique<QSaveFile>(path);
    if (replacement->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return std::unique_ptr<ReplacingFile>(new ReplacingFile(std::move(replacement), -1, false));
    }
    reason = replacement->errorString();
    if (!info.exists()) return nullptr;
    // The folder refuses the temporary file. The file is rewritten in place
    // on Commit, which needs its old bytes to put back: read as well as write.
    const int fd = ::open(nativePath.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return nullptr;
    }
    return std::unique_ptr<ReplacingFile>(new ReplacingFile(nullptr, fd, true));
}

ReplacingFile::ReplacingFile(std::unique_ptr<QSaveFile> replacement, int fd, bool inPlace)
    : replacement_(std::move(replacement)), fd_(fd), inPlace_(inPlace) {}

// Deleting an uncommitted QSaveFile removes its temporary file.
ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReplacingFile::fail(int error) {
    if (error != 0) error_ = qt_error_string(error);
    failed_ = true;
    replacement_.reset();
    return false;
}

bool ReplacingFile::Write(const char* data, qint64 size) {
    if (failed_) return false;
    if (inPlace_) {
        pending_.append(data, static_cast<qsizetype>(size));
        return true;
    }
    while (size > 0) {
        qint64 written = 0;
        if (replacement_) {
            // A short write sets no error; writing the rest makes the file
            // system name its reason.
            written = replacement_->write(data, size);
            if (written <= 0) {
                error_ = replacement_->errorString();
                return fail(0);
            }
        } else {
            written = ::write(fd_, data, static_cast<size_t>(size));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return fail(written < 0 ? errno : ENOSPC);
        }
        data += written;
        size -= written;
    }
    return true;
}

bool ReplacingFile::Commit() {
    if (failed_) return false;
    if (inPlace_) return commitInPlace();
    if (replacement_) {
        if (replacement_->commit()) return true;
        error_ = replacement_->errorString();
        return fail(0);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    return true;
}

bool ReplacingFile::commitInPlace() {
    QByteArray old;
    if (!readAll(fd_, old)) return fail(errno);  // nothing touched yet
    const auto oldSize = static_cast<off_t>(old.size());
    const auto newSize = static_cast<off_t>(pending_.size());
    // Room for the new bytes first: a full disk or a size limit refuses it
    // here, while the old bytes are still whole.
    if (newSize > 0) {
        const int error = ::posix_fallocate(fd_, 0, newSize);
        if (error != 0) {
            (void)::ftruncate(fd_, oldSize);  // what a partial reservation added
            return fail(error);
        }
    }
    if (writeAllAt(fd_, pending_) && ::ftruncate(fd_, newSize) == 0 && ::fsync(fd_) == 0) {
        return true;
    }
    const int error = errno;
    // Within the room the old bytes took before.
    if (writeAllAt(fd_, old) && ::ftruncate(fd_, oldSize) == 0) (void)::fsync(fd_);
    return fail(error);
}
