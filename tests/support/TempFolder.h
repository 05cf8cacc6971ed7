#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "framework/ui/FolderItem.h"

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Takes new files away from a folder, as a folder of another user's does,
// for as long as it lives: the folder is writable again whatever the test
// found.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path)) {
        EXPECT_EQ(chmod(path_.constData(), 0555), 0);
    }
    ~ReadOnlyFolder() { chmod(path_.constData(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    QByteArray path_;
};

// Each test writes its files in a fresh temporary folder, removed after it.
class TempFolderTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString pathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    std::shared_ptr<FolderItem> itemOf(const QString& name) const {
        return std::make_shared<FolderItem>(pathOf(name).toStdString());
    }
    // Everything in the folder, hidden files and leftovers included.
    QStringList folderEntries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    QTemporaryDir folder_;
};
