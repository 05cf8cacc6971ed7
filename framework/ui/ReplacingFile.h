#pragma once

#include <memory>
#include <string>
#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// How a failed save of the file at `path` is told to the user.
std::string SaveFailure(const std::string& path, const std::string& reason);

// The calls by which a save reaches the disk, replaceable so that a test can
// make them fail as a failing disk or a refusing folder does.
struct SaveSystemCalls {
    ssize_t (*pwrite)(int fd, const void* data, size_t size, off_t offset);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};
SaveSystemCalls& CurrentSaveSystemCalls();

// The one way the framework writes a file the user named. Released without
// Commit, or after a failure, the earlier file stays as it was and nothing
// else is left in its folder. Every failure is told in the system's own words
// for the step that failed.
// - A file is written to a temporary file beside it (a link: beside the file
//   it leads to; a name too long to take the temporary suffix is shortened),
//   which on Commit is flushed to the disk and renamed over it: the file holds
//   the old content or the new, never a mix.
// - Where the folder refuses the temporary file or the rename (it takes no new
//   files, or it is append-only, or sticky and the file another user's, or
//   something is mounted over the file), an earlier file is rewritten in place
//   on Commit instead, under an exclusive lock that keeps other writers out for
//   as long as it takes; one that does not come within a few seconds refuses
//   the save. Room for the new bytes is reserved first, and the old bytes they
//   land on are kept to be put back should writing fail; so every failure to
//   write leaves the earlier file whole, unless putting them back fails too,
//   which is told as such. What is not covered: a crash between writing the
//   new bytes and cutting off a longer old file's tail leaves the new bytes
//   followed by that tail, and a disk that fails to confirm the cut (or the
//   rename) makes Commit report a failure over the new content.
// - A device or a pipe (no earlier content to keep) is written as the bytes
//   come. A pipe that nobody reads is refused at once; one whose reader holds
//   it open but does not read is waited for, as by any program that writes to
//   a pipe; one whose reader leaves refuses the rest ("Broken pipe").
class ReplacingFile {
  public:
    struct Opened {
        std::unique_ptr<ReplacingFile> file;  // nullptr when it cannot be written
        QString reason;                       // then why not
    };
    // Fails where the file's folder is missing or refuses it, a folder has
    // that name, an earlier file may not be written, or a pipe has no reader.
    static Opened Open(const QString& path);

    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the file system takes only part of the bytes, or a pipe's
    // reader has left; the file is then abandoned, and ErrorString says why
    // ("File too large", "No space left on device").
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Puts the written bytes in the file's place; false, with the reason in
    // ErrorString, when that fails and the earlier file stays.
    bool Commit();
    QString ErrorString() const { return error_; }

  private:
    enum class Way {
        ThroughTemporaryFile,  // written beside the file, renamed over it on Commit
        InPlace,               // kept until Commit, then written over the file
        AsTheBytesCome,        // a device or a pipe
    };
    ReplacingFile(Way way, int fd, QByteArray target, QByteArray temporary);
    static Opened openInPlace(const QByteArray& target);
    static Opened openAsTheBytesCome(const QByteArray& target);
    bool fail(const QString& reason);
    bool failWithErrno();
    QString removeTemporaryFile();
    bool commitThroughTemporaryFile();
    bool rewriteInPlaceInstead(int renameError);
    bool commitInPlace();

    Way way_;
    int fd_;                // the temporary file, the file itself, or the device
    QByteArray target_;     // the file replaced, as the system names it
    QByteArray temporary_;  // the temporary file's name while it is there
    qint64 written_ = 0;    // into the temporary file
    QByteArray pending_;    // in place: the new bytes, written on Commit
    bool failed_ = false;
    QString error_;
};
