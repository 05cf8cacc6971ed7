#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "framework/ui/AppResources.h"
#include "framework/ui/Picture.h"

namespace {
// Both pictures, read as the About window reads them, from the application
// in that folder.
void expectPicturesFor(const QString& applicationFolder) {
    AppResources::SetApplicationFolder(applicationFolder.toStdString());
    const auto icon = Picture::_OpenFromApp("velmora icon.bmp");
    const auto logo = Picture::_OpenFromApp("TavistrelLogo2x1.bmp");
    AppResources::SetApplicationFolder("");
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(std::make_pair(icon->Width(), icon->Height()),
              std::make_pair(Integer{128}, Integer{128}));
    EXPECT_EQ(std::make_pair(logo->Width(), logo->Height()),
              std::make_pair(Integer{142}, Integer{39}));
}
}  // namespace

TEST(InstallTest, TheBuiltProgramHasItsPicturesBesideIt) {
    expectPicturesFor(QFileInfo(VELMORA_EXECUTABLE).absolutePath());
}

TEST(InstallTest, TheInstalledProgramFindsItsPicturesUnderShare) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(VELMORA_CMAKE, {"--install", VELMORA_BUILD_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

    const QFileInfo program(prefix.filePath("bin/velmora"));
    EXPECT_TRUE(program.isExecutable());
    for (const char* name : {"velmora icon.bmp", "TavistrelLogo2x1.bmp"}) {
        EXPECT_TRUE(QFileInfo(prefix.filePath(QStringLiteral("share/velmora/") + name)).isFile())
            << name;
        EXPECT_FALSE(QFileInfo(prefix.filePath(QStringLiteral("bin/") + name)).exists()) << name;
    }
    expectPicturesFor(program.absolutePath());
}
