#include "framework/ui/ReplacingFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include <QFile>

namespace {

// The temporary file is the file's name followed by a dot and six letters.
constexpr qsizetype kTemporaryNameSuffix = 7;
// How long a rewrite in place waits for another writer to finish.
constexpr std::chrono::seconds kLockPatience{3};

// The call's result, made again for as long as a signal interrupts it.
template <typename Call>
auto retryingInterrupted(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) return result;
    }
}

QString reasonOf(int error) { return qt_error_string(error); }

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// Writes `size` bytes at `offset`. Returns how many were written; fewer than
// `size` with errno set when the rest did not fit.
qint64 writeAt(int fd, const char* data, qint64 size, qint64 offset = 0) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t written = retryingInterrupted([&] {
            return CurrentSaveSystemCalls().pwrite(fd, data + done,
                                                   static_cast<size_t>(size - done),
                                                   static_cast<off_t>(offset + done));
        });
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
        const ssize_t got = retryingInterrupted([&] {
            return ::pread(fd, bytes.data() + done, static_cast<size_t>(size - done),
                           static_cast<off_t>(done));
        });
        if (got < 0) return false;
        if (got == 0) break;  // shorter than it was a moment ago
        done += got;
    }
    bytes.truncate(static_cast<qsizetype>(done));
    return true;
}

int flush(int fd) {
    return retryingInterrupted([fd] { return CurrentSaveSystemCalls().fsync(fd); });
}

// The append-only and immutable flags, and whether something is mounted
// there: what the system says of the path, or nothing where it cannot tell.
quint64 attributesOf(const QByteArray& path) {
    struct statx status {};
    if (::statx(AT_FDCWD, path.constData(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS, &status) != 0)
        return 0;
    return status.stx_attributes & status.stx_attributes_mask;
}

// Whether the folder is known to refuse renaming a file over the earlier one:
// told by the system beforehand, so that no temporary file is made in vain.
bool refusesRenameOver(const QByteArray& target, const struct stat& file) {
    const QByteArray folderPath = folderOf(target);
    struct stat folder {};
    if (::stat(folderPath.constData(), &folder) != 0) return false;
    if (folder.st_dev != file.st_dev) return true;
    constexpr quint64 kFixed = STATX_ATTR_APPEND | STATX_ATTR_IMMUTABLE;
    if ((attributesOf(target) & (kFixed | STATX_ATTR_MOUNT_ROOT)) != 0) return true;
    if ((attributesOf(folderPath) & kFixed) != 0) return true;
    // A sticky folder lets only the file's owner, or its own, replace it.
    const uid_t self = ::geteuid();
    return (folder.st_mode & S_ISVTX) != 0 && file.st_uid != self && folder.st_uid != self;
}

QByteArray randomLetters(int count) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    QByteArray letters;
    for (int i = 0; i < count; ++i) letters.append(kLetters[pick(generator)]);
    return letters;
}

struct TemporaryFile {
    int fd = -1;
    QByteArray path;
    int error = 0;
};

// A new file beside `target`, read and written, with the earlier file's
// permissions where there is one (`earlierMode`), else a new file's.
TemporaryFile createTemporaryFile(const QByteArray& target, const mode_t* earlierMode) {
    const QByteArray folder = folderOf(target);
    QByteArray stem = target.mid(target.lastIndexOf('/') + 1);
    const long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype limit = nameMax > 0 ? static_cast<qsizetype>(nameMax) : NAME_MAX;
    stem.truncate(std::max<qsizetype>(0, limit - kTemporaryNameSuffix));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = folder + '/' + stem + '.' + randomLetters(6);
        const int fd = retryingInterrupted(
            [&] { return ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666); });
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return {-1, {}, errno};
        if (earlierMode && ::fchmod(fd, *earlierMode & 0777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(path.constData());
            return {-1, {}, error};
        }
        return {fd, path, 0};
    }
    return {-1, {}, EEXIST};
}

// The file, read as well as written: a rewrite in place reads the old bytes
// it is to put back should writing fail. -1 with errno set when refused.
int openToRewrite(const QByteArray& target) {
    return retryingInterrupted([&] { return ::open(target.constData(), O_RDWR | O_CLOEXEC); });
}

// Holds the file's exclusive lock while it lives, once granted. A file system
// that keeps no locks is written without one.
class ExclusiveLock {
  public:
    explicit ExclusiveLock(int fd) : fd_(fd) {
        const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
        for (;;) {
            if (retryingInterrupted([fd] { return ::flock(fd, LOCK_EX | LOCK_NB); }) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK) return;
            if (std::chrono::steady_clock::now() >= deadline) {
                refused_ = true;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~ExclusiveLock() {
        if (held_) ::flock(fd_, LOCK_UN);
    }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

    // Another program held the file all the while.
    bool Refused() const { return refused_; }

  private:
    int fd_;
    bool held_ = false;
    bool refused_ = false;
};

}  // namespace

SaveSystemCalls& CurrentSaveSystemCalls() {
    static SaveSystemCalls calls{::pwrite, ::fsync, ::rename, ::unlink};
    return calls;
}

std::string SaveFailure(const std::string& path, const std::string& reason) {
    return "Could not save \"" + path + "\": " + reason + ".";
}

ReplacingFile::Opened ReplacingFile::Open(const QString& path) {
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat earlier {};
    const bool exists = ::stat(nativePath.constData(), &earlier) == 0;
    if (exists && S_ISDIR(earlier.st_mode))
        return {nullptr, QStringLiteral("a folder has that name")};
    if (exists && !S_ISREG(earlier.st_mode)) return openAsTheBytesCome(nativePath);
    if (exists && ::faccessat(AT_FDCWD, nativePath.constData(), W_OK, AT_EACCESS) != 0)
        return {nullptr, reasonOf(errno)};

    // A link is replaced where it leads, and stays a link.
    QByteArray target = nativePath;
    if (exists) {
        std::unique_ptr<char, decltype(&std::free)> resolved(
            ::realpath(nativePath.constData(), nullptr), &std::free);
        if (!resolved) return {nullptr, reasonOf(errno)};
        target = resolved.get();
        if (refusesRenameOver(target, earlier)) return openInPlace(target);
    }
    const TemporaryFile temporary =
        createTemporaryFile(target, exists ? &earlier.st_mode : nullptr);
    if (temporary.fd >= 0) {
        return {std::unique_ptr<ReplacingFile>(new ReplacingFile(
                    Way::ThroughTemporaryFile, temporary.fd, target, temporary.path)),
                {}};
    }
    // A folder that takes no new files may still let its files be written.
    if (!exists) return {nullptr, reasonOf(temporary.error)};
    return openInPlace(target);
}

ReplacingFile::Opened ReplacingFile::openInPlace(const QByteArray& target) {
    const int fd = openToRewrite(target);
    if (fd < 0) return {nullptr, reasonOf(errno)};
    return {std::unique_ptr<ReplacingFile>(new ReplacingFile(Way::InPlace, fd, target, {})), {}};
}

// Opened without waiting: a pipe that nobody reads would hold the program in
// open() until a reader came.
ReplacingFile::Opened ReplacingFile::openAsTheBytesCome(const QByteArray& target) {
    const int fd = retryingInterrupted(
        [&] { return ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); });
    if (fd < 0) {
        struct stat status {};
        if (errno == ENXIO && ::stat(target.constData(), &status) == 0 &&
            S_ISFIFO(status.st_mode)) {
            return {nullptr, QStringLiteral("it is a pipe that no program is reading from")};
        }
        return {nullptr, reasonOf(errno)};
    }
    // From here on written as any file: a slow reader is waited for.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const QString reason = reasonOf(errno);
        ::close(fd);
        return {nullptr, reason};
    }
    return {std::unique_ptr<ReplacingFile>(new ReplacingFile(Way::AsTheBytesCome, fd, target, {})),
            {}};
}

ReplacingFile::ReplacingFile(Way way, int fd, QByteArray target, QByteArray temporary)
    : way_(way), fd_(fd), target_(std::move(target)), temporary_(std::move(temporary)) {}

ReplacingFile::~ReplacingFile() {
    const QString leftover = removeTemporaryFile();
    if (!leftover.isEmpty()) qWarning("%s", qPrintable(leftover));
    if (fd_ >= 0) ::close(fd_);
}

// Empty once the temporary file is gone, or else what is left and why.
QString ReplacingFile::removeTemporaryFile() {
    if (temporary_.isEmpty()) return {};
    const QByteArray path = std::exchange(temporary_, {});
    if (retryingInterrupted([&] { return CurrentSaveSystemCalls().unlink(path.constData()); }) ==
            0 ||
        errno == ENOENT)
        return {};
    return QStringLiteral("The temporary file \"%1\" is left in its folder: %2")
        .arg(QFile::decodeName(path), reasonOf(errno));
}

bool ReplacingFile::fail(const QString& reason) {
    error_ = reason;
    failed_ = true;
    const QString leftover = removeTemporaryFile();
    if (!leftover.isEmpty()) error_ += QStringLiteral(". ") + leftover;
    return false;
}

bool ReplacingFile::failWithErrno() { return fail(reasonOf(errno)); }

bool ReplacingFile::Write(const char* data, qint64 size) {
    if (failed_) return false;
    switch (way_) {
        case Way::InPlace:
            pending_.append(data, static_cast<qsizetype>(size));
            return true;
        case Way::ThroughTemporaryFile: {
            // Each failure surfaces in the write that causes it.
            const qint64 written = writeAt(fd_, data, size, written_);
            written_ += written;
            return written == size || failWithErrno();
        }
        case Way::AsTheBytesCome:
            while (size > 0) {
                const ssize_t written = retryingInterrupted(
                    [&] { return ::write(fd_, data, static_cast<size_t>(size)); });
                if (written < 0) return failWithErrno();
                if (written == 0) return fail(reasonOf(ENOSPC));
                data += written;
                size -= written;
            }
            return true;
    }
    return false;
}

bool ReplacingFile::Commit() {
    if (failed_) return false;
    switch (way_) {
        case Way::InPlace:
            return commitInPlace();
        case Way::ThroughTemporaryFile:
            return commitThroughTemporaryFile();
        case Way::AsTheBytesCome:
            if (::close(std::exchange(fd_, -1)) != 0) return failWithErrno();
            return true;
    }
    return false;
}

bool ReplacingFile::commitThroughTemporaryFile() {
    // On the disk before it takes the earlier file's place: a disk that fails
    // to confirm it keeps the earlier file.
    if (flush(fd_) != 0) return failWithErrno();
    if (CurrentSaveSystemCalls().rename(temporary_.constData(), target_.constData()) != 0) {
        const int error = errno;
        struct stat status {};
        if (::stat(target_.constData(), &status) == 0 && S_ISREG(status.st_mode))
            return rewriteInPlaceInstead(error);
        return fail(reasonOf(error));
    }
    temporary_.clear();
    ::close(std::exchange(fd_, -1));
    // The rename is on the disk once its folder is; some file systems cannot
    // flush a folder, and say so with EINVAL.
    const int folder = retryingInterrupted(
        [&] { return ::open(folderOf(target_).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (folder < 0) return true;
    const bool flushed = flush(folder) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(folder);
    return flushed || fail(reasonOf(error));
}

// The folder refused the rename over the earlier file: the written bytes are
// taken back from the temporary file, which goes, and written in place.
bool ReplacingFile::rewriteInPlaceInstead(int renameError) {
    if (!readAt(fd_, written_, pending_)) return failWithErrno();
    const QString leftover = removeTemporaryFile();
    if (!leftover.isEmpty()) return fail(reasonOf(renameError) + QStringLiteral(". ") + leftover);
    ::close(fd_);
    fd_ = openToRewrite(target_);
    if (fd_ < 0) return failWithErrno();
    way_ = Way::InPlace;
    return commitInPlace();
}

bool ReplacingFile::commitInPlace() {
    const ExclusiveLock lock(fd_);
    if (lock.Refused()) return fail(QStringLiteral("another program is writing to it"));
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return failWithErrno();
    const off_t oldSize = status.st_size;
    const auto newSize = static_cast<off_t>(pending_.size());
    // Only the old bytes that the new ones land on need keeping: those
    // beyond stay where they are until the final truncate.
    QByteArray overwritten;
    if (!readAt(fd_, std::min<qint64>(oldSize, newSize), overwritten)) return failWithErrno();
    // Room for the new bytes first: a full disk or a size limit refuses it
    // here, while the old bytes are still whole.
    if (newSize > 0) {
        int error = 0;
        do {
            error = ::posix_fallocate(fd_, 0, newSize);
        } while (error == EINTR);
        if (error != 0) {
            (void)::ftruncate(fd_, oldSize);  // what a partial reservation added
            return fail(reasonOf(error));
        }
    }
    const qint64 written = writeAt(fd_, pending_.constData(), pending_.size());
    if (written < pending_.size() || flush(fd_) != 0 ||
        retryingInterrupted([&] { return ::ftruncate(fd_, newSize); }) != 0) {
        const QString reason = reasonOf(errno);
        // The old bytes that were written over go back, within the room
        // they took before.
        const qint64 changed = std::min<qint64>(written, overwritten.size());
        if (writeAt(fd_, overwritten.constData(), changed) != changed ||
            retryingInterrupted([&] { return ::ftruncate(fd_, oldSize); }) != 0 ||
            flush(fd_) != 0) {
            return fail(reason + QStringLiteral(". The earlier file could not be restored: ") +
                        reasonOf(errno));
        }
        return fail(reason);
    }
    // The old tail is cut: nothing is left to put back.
    if (flush(fd_) != 0) return failWithErrno();
    return true;
}
