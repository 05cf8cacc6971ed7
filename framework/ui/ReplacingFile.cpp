#include "framework/ui/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// QSaveFile's temporary file is the target's name followed by ".XXXXXX".
constexpr qsizetype kTemporaryNameSuffix = 7;

// Writes `size` bytes at offset 0. Returns how many were written; fewer than
// `size` with errno set when the rest did not fit.
qint64 writeAt(int fd, const char* data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t written =
            ::pwrite(fd, data + done, static_cast<size_t>(size - done), static_cast<off_t>(done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) break;
        if (written == 0) {
            errno = ENOSPC;
            break;
        }
        done += written;
    }
    return done;
}

// The file's first `size` bytes, fewer if it is shorter; false with errno set
// when they cannot be read.
bool readAt(int fd, qint64 size, QByteArray& bytes) {
    bytes.resize(static_cast<qsizetype>(size));
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, static_cast<size_t>(size - done),
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;  // shorter than it was a moment ago
        done += got;
    }
    bytes.truncate(static_cast<qsizetype>(done));
    return true;
}

// Whether the folder takes a name as long as the file's with QSaveFile's
// suffix added.
bool hasRoomForTemporaryName(const QFileInfo& info) {
    const long nameMax =
        ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    const qsizetype limit = nameMax > 0 ? static_cast<qsizetype>(nameMax) : NAME_MAX;
    return QFile::encodeName(info.fileName()).size() + kTemporaryNameSuffix <= limit;
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
    if (info.exists() && !info.isFile()) return openDevice(nativePath, reason);
    // An earlier file whose name leaves no room for the temporary one could
    // only be replaced by a rename that fails: it is written in place.
    if (!info.exists() || hasRoomForTemporaryName(info)) {
        // Unbuffered, so that each failure surfaces in the write that causes
        // it, with the file system's own reason.
        auto replacement = std::make_unique<QSaveFile>(path);
        if (replacement->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return std::unique_ptr<ReplacingFile>(
                new ReplacingFile(std::move(replacement), -1, false));
        }
        reason = replacement->errorString();
        if (!info.exists()) return nullptr;
    }
    // The file is rewritten in place on Commit, which reads the old bytes it
    // is to put back should writing fail: read as well as write.
    const int fd = ::open(nativePath.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return nullptr;
    }
    return std::unique_ptr<ReplacingFile>(new ReplacingFile(nullptr, fd, true));
}

// A device or a pipe holds no earlier content to keep. Opened without
// waiting: a pipe that nobody reads would hold the program in open() until a
// reader came.
std::unique_ptr<ReplacingFile> ReplacingFile::openDevice(const QByteArray& nativePath,
                                                         QString& reason) {
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        struct stat status {};
        if (errno == ENXIO && ::stat(nativePath.constData(), &status) == 0 &&
            S_ISFIFO(status.st_mode)) {
            // Told when the bytes are written, as when a reader leaves early.
            std::unique_ptr<ReplacingFile> unread(new ReplacingFile(nullptr, -1, false));
            unread->failed_ = true;
            unread->error_ = QStringLiteral("it is a pipe that no program is reading from");
            return unread;
        }
        reason = qt_error_string(errno);
        return nullptr;
    }
    // From here on written as any file: a slow reader is waited for.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        reason = qt_error_string(errno);
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<ReplacingFile>(new ReplacingFile(nullptr, fd, false));
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
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return fail(errno);
    const off_t oldSize = status.st_size;
    const auto newSize = static_cast<off_t>(pending_.size());
    // Only the old bytes that the new ones land on need keeping: those
    // beyond stay where they are until the final truncate.
    QByteArray overwritten;
    if (!readAt(fd_, std::min<qint64>(oldSize, newSize), overwritten)) return fail(errno);
    // Room for the new bytes first: a full disk or a size limit refuses it
    // here, while the old bytes are still whole.
    if (newSize > 0) {
        const int error = ::posix_fallocate(fd_, 0, newSize);
        if (error != 0) {
            (void)::ftruncate(fd_, oldSize);  // what a partial reservation added
            return fail(error);
        }
    }
    const qint64 written = writeAt(fd_, pending_.constData(), pending_.size());
    if (written < pending_.size() || ::fsync(fd_) != 0 || ::ftruncate(fd_, newSize) != 0) {
        const int error = errno;
        // The old bytes that were written over go back, within the room
        // they took before.
        const qint64 changed = std::min<qint64>(written, overwritten.size());
        if (writeAt(fd_, overwritten.constData(), changed) == changed &&
            ::ftruncate(fd_, oldSize) == 0) {
            (void)::fsync(fd_);
        }
        return fail(error);
    }
    // The old tail is cut: nothing is left to put back.
    if (::fsync(fd_) != 0) return fail(errno);
    return true;
}
