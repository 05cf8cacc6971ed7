#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "framework/ui/ScriptedDialogs.h"
#include "framework/ui/TextOutputStream.h"
#include "tests/support/ExpectIOException.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace {

std::shared_ptr<Picture> drawnPicture() {
    auto picture = std::make_shared<Picture>(40, 12, 32);
    const auto g = picture->Graphics();
    g->setForeColor(RGB(0, 0, 0));
    g->DrawRect(0, 0, 40, 12);
    g->DrawLine(17.5, 0, 17.5, 12);
    return picture;
}

// Noise does not compress: a PNG of some 40 KB.
std::shared_ptr<Picture> bigPicture() {
    auto picture = std::make_shared<Picture>(100, 100, 32);
    const auto g = picture->Graphics();
    unsigned seed = 7;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            seed = seed * 1103515245 + 12345;
            g->setForeColor(RGB(seed >> 24, (seed >> 16) & 255, (seed >> 8) & 255));
            g->FillRect(x, y, 1, 1);
        }
    }
    return picture;
}

using PictureSaveTest = TempFolderTest;

TEST_F(PictureSaveTest, SavesAPngThatDecodesToTheSamePixelsAtSeventyTwoDpi) {
    writeBytes(pathOf("board.png"), "an earlier file");
    const auto picture = drawnPicture();
    picture->Save(itemOf("board.png"), Picture::SaveAsPNG);
    const QByteArray bytes = readBytes(pathOf("board.png"));
    EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage decoded = QImage::fromData(bytes, "PNG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture->_Image());
    EXPECT_EQ(decoded.dotsPerMeterX(), 2835);
    EXPECT_EQ(decoded.dotsPerMeterY(), 2835);
    EXPECT_EQ(folderEntries(), QStringList{"board.png"});
}

TEST_F(PictureSaveTest, AFileThatCannotBeWrittenRaisesIOExceptionWithTheReason) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.png"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"missing/board.png", "No such file or directory"},
        {"folder.png", "a folder has that name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message =
            ExpectIOException([&] { drawnPicture()->Save(itemOf(c.name), Picture::SaveAsPNG); });
        EXPECT_NE(message.find(pathOf(c.name).toStdString()), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
    EXPECT_EQ(folderEntries(), QStringList{"folder.png"});
    EXPECT_THROW(drawnPicture()->Save(nullptr, Picture::SaveAsPNG), NilObjectException);
}

// Root ignores folder permissions: as root, a test about them runs itself
// again without the capabilities that let it, still the owner of its build
// and temporary folders, wherever they lie, but held to their permissions
// like any user. True when it did (and checked the re-run's result).
bool ranWithoutOverridingPermissions(const std::string& test) {
    if (geteuid() != 0 || prctl(PR_CAPBSET_READ, CAP_DAC_OVERRIDE) != 1) return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv",
                {"--inh-caps=-all", "--bounding-set=-dac_override,-dac_read_search,-fowner",
                 QCoreApplication::applicationFilePath(),
                 QString::fromStdString("--gtest_filter=PictureSaveTest." + test)});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    return true;
}

// A folder that refuses new files, where the file itself may be written:
// neither writer can put a temporary file beside it, so both write the file
// in place, and what was longer before is cut to the new bytes; a new file
// there is refused.
TEST_F(PictureSaveTest, AFolderThatRefusesNewFilesStillLetsItsFilesBeReplaced) {
    if (ranWithoutOverridingPermissions("AFolderThatRefusesNewFilesStillLetsItsFilesBeReplaced"))
        return;
    const auto picture = drawnPicture();
    picture->Save(itemOf("expected.png"), Picture::SaveAsPNG);
    const QByteArray expectedBoard = readBytes(pathOf("expected.png"));
    writeBytes(pathOf("list.html"), QByteArray(qsizetype{64} * 1024, 'l'));
    writeBytes(pathOf("board.png"), QByteArray(qsizetype{64} * 1024, 'b'));
    ASSERT_EQ(chmod(folder_.path().toLocal8Bit().constData(), 0555), 0);

    auto stream = TextOutputStream::Create(itemOf("list.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write("the new list");
    stream.reset();
    EXPECT_EQ(readBytes(pathOf("list.html")), "the new list");

    picture->Save(itemOf("board.png"), Picture::SaveAsPNG);
    EXPECT_EQ(readBytes(pathOf("board.png")), expectedBoard);

    EXPECT_EQ(TextOutputStream::Create(itemOf("new.html")), nullptr);
    EXPECT_THROW(picture->Save(itemOf("new.png"), Picture::SaveAsPNG), IOException);
    EXPECT_EQ(folderEntries(), (QStringList{"board.png", "expected.png", "list.html"}));
    chmod(folder_.path().toLocal8Bit().constData(), 0755);
}

// An earlier file far larger than memory is replaced in place keeping only
// the bytes the new ones land on.
TEST_F(PictureSaveTest, AHugeEarlierFileIsReplacedInPlaceWithoutBeingRead) {
    if (ranWithoutOverridingPermissions("AHugeEarlierFileIsReplacedInPlaceWithoutBeingRead"))
        return;
    {
        QFile huge(pathOf("list.html"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(qint64{32} << 30));  // sparse: no room taken
    }
    ASSERT_EQ(chmod(folder_.path().toLocal8Bit().constData(), 0555), 0);
    auto stream = TextOutputStream::Create(itemOf("list.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write("the new list");
    stream.reset();
    chmod(folder_.path().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(readBytes(pathOf("list.html")), "the new list");
}

// Written in place past a size limit, both files keep their earlier bytes,
// whole: refused while reserving room for a longer content, or midway
// through writing a shorter one over a longer earlier file.
TEST_F(PictureSaveTest, AFullDiskLeavesTheEarlierFilesWhereTheFolderRefusesNewOnes) {
    if (ranWithoutOverridingPermissions(
            "AFullDiskLeavesTheEarlierFilesWhereTheFolderRefusesNewOnes"))
        return;
    const struct {
        const char* what;
        qsizetype earlierSize;
    } cases[] = {
        {"shorter earlier files", 1700},
        {"longer earlier files", qsizetype{96} * 1024},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray earlierList(c.earlierSize, 'l');
        const QByteArray earlierBoard =
            QByteArray("\x89PNG earlier board") + QByteArray(c.earlierSize, 'b');
        writeBytes(pathOf("list.html"), earlierList);
        writeBytes(pathOf("board.png"), earlierBoard);
        ASSERT_EQ(chmod(folder_.path().toLocal8Bit().constData(), 0555), 0);
        ScriptedDialogs::CaptureMessages(true);
        {
            const FileSizeLimit limit(4096);
            auto stream = TextOutputStream::Create(itemOf("list.html"));
            ASSERT_NE(stream, nullptr);
            stream->Write(std::string(std::size_t{64} * 1024, 'n'));
            stream.reset();
            EXPECT_EQ(
                ExpectIOException(
                    [&] { bigPicture()->Save(itemOf("board.png"), Picture::SaveAsPNG); }),
                "Could not save \"" + pathOf("board.png").toStdString() + "\": File too large.");
        }
        const auto messages = ScriptedDialogs::TakeMessages();
        ScriptedDialogs::CaptureMessages(false);
        chmod(folder_.path().toLocal8Bit().constData(), 0755);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0],
                  "Could not save \"" + pathOf("list.html").toStdString() + "\": File too large.");
        EXPECT_EQ(readBytes(pathOf("list.html")), earlierList);
        EXPECT_EQ(readBytes(pathOf("board.png")), earlierBoard);
        EXPECT_EQ(folderEntries(), (QStringList{"board.png", "list.html"}));
    }
}

// A new picture that does not fit leaves nothing behind; a device that takes
// no data refuses both writers, with the system's reason.
TEST_F(PictureSaveTest, WhatDoesNotFitIsRefusedWithTheReason) {
    // Replacing the device with a file, as a writer that mistook it for one
    // would, spoils the machine for every later run: said plainly.
    ASSERT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile())
        << "/dev/full is no longer the device";
    {
        const FileSizeLimit limit(4096);
        EXPECT_EQ(
            ExpectIOException([&] { bigPicture()->Save(itemOf("board.png"), Picture::SaveAsPNG); }),
            "Could not save \"" + pathOf("board.png").toStdString() + "\": File too large.");
    }
    EXPECT_TRUE(folderEntries().isEmpty());

    EXPECT_EQ(ExpectIOException([] {
                  drawnPicture()->Save(std::make_shared<FolderItem>("/dev/full"),
                                       Picture::SaveAsPNG);
              }),
              "Could not save \"/dev/full\": No space left on device.");
    auto stream = TextOutputStream::Create(std::make_shared<FolderItem>("/dev/full"));
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(ExpectIOException([&] { stream->Write("the list"); }),
              "Could not save \"/dev/full\": No space left on device.");
}

}  // namespace
