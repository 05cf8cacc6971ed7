#include <gtest/gtest.h>

#include <map>
#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
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

// Runs the program with its arguments and expects it to end with status 0;
// returns what it wrote.
std::string runToSuccess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted(10000)) << program.toStdString() << " is missing";
    EXPECT_TRUE(process.waitForFinished(60000));
    std::string output = process.readAll().toStdString();
    EXPECT_EQ(process.exitCode(), 0) << output;
    return output;
}

// The keys of a desktop entry's [Desktop Entry] group.
std::map<QString, QString> desktopEntryKeys(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    std::map<QString, QString> keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('[')) inGroup = line == "[Desktop Entry]";
        const qsizetype equals = line.indexOf('=');
        if (inGroup && equals > 0)
            keys[line.left(equals).trimmed()] = line.mid(equals + 1).trimmed();
    }
    return keys;
}

// Installs the build into the prefix.
void install(const QTemporaryDir& prefix) {
    ASSERT_TRUE(prefix.isValid());
    runToSuccess(VELMORA_CMAKE, {"--install", VELMORA_BUILD_DIR, "--prefix", prefix.path()});
}
}  // namespace

TEST(InstallTest, TheBuiltProgramHasItsPicturesBesideIt) {
    expectPicturesFor(QFileInfo(VELMORA_EXECUTABLE).absolutePath());
}

TEST(InstallTest, TheInstalledProgramFindsItsPicturesUnderShare) {
    const QTemporaryDir prefix;
    ASSERT_NO_FATAL_FAILURE(install(prefix));
    const QFileInfo program(prefix.filePath("bin/velmora"));
    EXPECT_TRUE(program.isExecutable());
    for (const char* name : {"velmora icon.bmp", "TavistrelLogo2x1.bmp"}) {
        EXPECT_TRUE(QFileInfo(prefix.filePath(QStringLiteral("share/velmora/") + name)).isFile())
            << name;
        EXPECT_FALSE(QFileInfo(prefix.filePath(QStringLiteral("bin/") + name)).exists()) << name;
    }
    expectPicturesFor(program.absolutePath());
}

// The desktop's menus find the program by its entry, which desktop-file-validate
// accepts: it runs the installed velmora, opens no documents, and its icon is
// the program's picture in the prefix's hicolor theme.
TEST(InstallTest, TheDesktopEntryRunsTheProgramWithItsIconInTheHicolorTheme) {
    const QTemporaryDir prefix;
    ASSERT_NO_FATAL_FAILURE(install(prefix));
    const QString entry = prefix.filePath("share/applications/velmora.desktop");
    ASSERT_TRUE(QFileInfo(entry).isFile());
    EXPECT_EQ(runToSuccess("desktop-file-validate", {entry}), "");

    auto keys = desktopEntryKeys(entry);
    const QFileInfo program(prefix.filePath("bin/" + keys["Exec"]));
    EXPECT_TRUE(program.isFile() && program.isExecutable())
        << "Exec=" << keys["Exec"].toStdString();
    EXPECT_EQ(keys.count("MimeType"), 0u);

    const QDir theme(prefix.filePath("share/icons/hicolor"));
    const QImage picture =
        QImage(VELMORA_RESOURCES "/velmora icon.bmp").convertToFormat(QImage::Format_RGB32);
    const QStringList sizes = theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_TRUE(sizes.contains("48x48")) << sizes.join(' ').toStdString();
    for (const QString& size : sizes) {
        SCOPED_TRACE(size.toStdString());
        const QImage icon(theme.filePath(size + "/apps/" + keys["Icon"] + ".png"), "PNG");
        const int side = size.section('x', 0, 0).toInt();
        ASSERT_EQ(icon.size(), QSize(side, side));
        EXPECT_EQ(icon.convertToFormat(picture.format()),
                  picture.scaled(icon.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}
