#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "framework/ui/AppResources.h"

// An application folder of its own for a test, holding copies of the real
// pictures (VELMORA_RESOURCES: the repository's resources folder), which the
// test may take away or spoil.
class AboutFiles {
  public:
    static constexpr const char* kIcon = "velmora icon.bmp";
    static constexpr const char* kLogo = "TavistrelLogo2x1.bmp";

    AboutFiles() { AppResources::SetApplicationFolder(folder_.path().toStdString()); }
    ~AboutFiles() { AppResources::SetApplicationFolder(""); }

    bool valid() const { return folder_.isValid(); }
    QString path(const char* name) const { return folder_.filePath(name); }
    static QString original(const char* name) {
        return QStringLiteral(VELMORA_RESOURCES "/") + name;
    }

    bool put(const char* name) const {
        QFile::remove(path(name));
        return QFile::copy(original(name), path(name));
    }
    bool remove(const char* name) const { return QFile::remove(path(name)); }
    bool spoil(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write("BM this is no picture") > 0;
    }

  private:
    QTemporaryDir folder_;
};
