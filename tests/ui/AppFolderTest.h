#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include "framework/ui/AppResources.h"

// An application folder of the test's own: <root>/bin, with <root>/share/velmora
// where an installation puts the application's files.
class AppFolderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(root.path()).mkpath("share/velmora"));
        AppResources::SetApplicationFolder(bin().toStdString());
    }
    void TearDown() override { AppResources::SetApplicationFolder(""); }

    QString bin() const { return root.filePath("bin"); }
    QString shared() const { return root.filePath("share/velmora"); }

    static void writeBmp(const QString& path, const QImage& image) {
        ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
    }

    QTemporaryDir root;
};
