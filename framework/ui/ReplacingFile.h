#pragma once

#include <memory>
#include <string>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QSaveFile;

// How a failed save of the file at `path` is told to the user.
std::string SaveFailure(const std::string& path, const std::string& reason);

// The one way the framework writes a file the user named. Released without
// Commit, or after a failure, the earlier file stays as it was.
// - The bytes go to a temporary file beside the target, which replaces it
//   whole on Commit: the file holds the old content or the new, never a mix.
// - Where no temporary file can be put beside it (the folder refuses new
//   files, or the name is too long to take a suffix), the file is rewritten
//   in place on Commit. Room for the new bytes is reserved first, and the old
//   bytes they land on are kept to be put back should writing fail; so every
//   failure to write leaves the earlier file whole. What is not covered: a
//   crash between writing the new bytes and cutting off a longer old file's
//   tail leaves the new bytes followed by that tail, and a disk that fails
//   to confirm the cut makes Commit report a failure over the new content.
// - A device or a pipe (no earlier content to keep) is written as the bytes
//   come; a pipe that nobody reads refuses them.
class ReplacingFile {
  public:
    // The file, or nullptr and the reason when it cannot be written (its
    // folder is missing or refuses it, a folder has that name, or an earlier
    // file there may not be both read and written).
    static std::unique_ptr<ReplacingFile> Open(const QString& path, QString& reason);

    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the file system takes only part of the bytes, or a pipe
    // has nobody reading it; the file is then abandoned, and ErrorString says
    // why ("File too large", "No space left on device").
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Puts the written bytes in the file's place; false, with the reason in
    // ErrorString, when that fails and the earlier file stays.
    bool Commit();
    QString ErrorString() const { return error_; }

  private:
    ReplacingFile(std::unique_ptr<QSaveFile> replacement, int fd, bool inPlace);
    static std::unique_ptr<ReplacingFile> openDevice(const QByteArray& nativePath, QString& reason);
    bool fail(int error);
    bool commitInPlace();

    std::unique_ptr<QSaveFile> replacement_;  // the temporary file beside the target
    int fd_;                                  // the target itself, where written directly
    bool inPlace_;                            // written on Commit, the old bytes kept
    QByteArray pending_;
    bool failed_ = false;
    QString error_;
};
