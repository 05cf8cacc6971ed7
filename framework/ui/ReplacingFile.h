#pragma once

#include <memory>
#include <string>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QSaveFile;

// How a failed save of the file at `path` is told to the user.
std::string SaveFailure(const std::string& path, const std::string& reason);

// The one way the framework writes a file the user named. It ends with the
// whole new content or with the earlier file byte for byte, never with a
// mixture or a stump:
// - the bytes go to a temporary file beside the target, which replaces it
//   whole on Commit;
// - where the folder refuses the temporary file but the file itself may be
//   written, the bytes are kept until Commit, which reserves the room for
//   them in the file before it touches the old bytes, and puts the old bytes
//   back should writing still fail;
// - a device (no earlier content to keep) is written as the bytes come.
// Released without Commit, or after a failure, the earlier file stays.
class ReplacingFile {
  public:
    // The file, or nullptr and the reason when it cannot be written (its
    // folder is missing or refuses it, a folder has that name, or an earlier
    // file there could not be kept for putting back).
    static std::unique_ptr<ReplacingFile> Open(const QString& path, QString& reason);

    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when the file system takes only part of the bytes; the file is
    // then abandoned, and ErrorString says why ("File too large", "No space
    // left on device").
    bool Write(const char* data, qint64 size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }
    // Puts the written bytes in the file's place; false, with the reason in
    // ErrorString, when that fails and the earlier file stays.
    bool Commit();
    QString ErrorString() const { return error_; }

  private:
    ReplacingFile(std::unique_ptr<QSaveFile> replacement, int fd, bool inPlace);
    bool fail(int error);
    bool commitInPlace();

    std::unique_ptr<QSaveFile> replacement_;  // the temporary file beside the target
    int fd_;                                  // the target itself, where written directly
    bool inPlace_;                            // written on Commit, the old bytes kept
    QByteArray pending_;
    bool failed_ = false;
    QString error_;
};
