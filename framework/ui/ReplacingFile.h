#pragma once

#include <memory>

#include <QString>
#include <QtGlobal>

class QSaveFile;

// The one way the framework writes a file the user named: the bytes go to a
// temporary file beside it, which replaces the file whole on commit, so a
// failed or abandoned write leaves the earlier file as it was. Where the
// folder refuses the temporary file but the file itself may be written, it
// is written in place instead, so that only a file that truly cannot be
// written is refused.
//
// Opened unbuffered, so that each failure surfaces in the write that causes
// it, with the file system's own reason. Returns nullptr, and the reason in
// `reason`, when the file cannot be created (its folder is missing or
// refuses it, or a folder has that name).
std::unique_ptr<QSaveFile> _OpenReplacingFile(const QString& path, QString& reason);

// Writes all the bytes; false when the file system takes only part of them,
// its reason then in file.errorString() ("File too large", "No space left on
// device").
bool _WriteAll(QSaveFile& file, const char* data, qint64 size);
