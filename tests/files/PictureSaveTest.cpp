#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "framework/ui/TextOutputStream.h"

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

std::shared_ptr<Picture> drawnPicture() {
    auto picture = std::make_shared<Picture>(40, 12, 32);
    const auto g = picture->Graphics();
    g->setForeColor(RGB(0, 0, 0));
    g->DrawRect(0, 0, 40, 12);
    g->DrawLine(17.5, 0, 17.5, 12);
    return picture;
}

class PictureSaveTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString path(const char* name) const { return folder.filePath(name); }
    std::shared_ptr<FolderItem> item(const char* name) const {
        return std::make_shared<FolderItem>(path(name).toStdString());
    }
    QStringList entries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir folder;
};

TEST_F(PictureSaveTest, SavesAPngThatDecodesToTheSamePixelsAtSeventyTwoDpi) {
    writeBytes(path("board.png"), "an earlier file");
    const auto picture = drawnPicture();
    picture->Save(item("board.png"), Picture::SaveAsPNG);
    const QByteArray bytes = readBytes(path("board.png"));
    EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage decoded = QImage::fromData(bytes, "PNG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), picture->_Image());
    EXPECT_EQ(decoded.dotsPerMeterX(), 2835);
    EXPECT_EQ(decoded.dotsPerMeterY(), 2835);
    EXPECT_EQ(entries(), QStringList{"board.png"});
}

TEST_F(PictureSaveTest, AFileThatCannotBeWrittenRaisesIOExceptionWithTheReason) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.png"));
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"missing/board.png", "No such file or directory"},
        {"folder.png", "a folder has that name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            drawnPicture()->Save(item(c.name), Picture::SaveAsPNG);
            ADD_FAILURE() << "no exception";
        } catch (const IOException& e) {
            EXPECT_NE(e.Message().find(path(c.name).toStdString()), std::string::npos);
            EXPECT_NE(e.Message().find(c.reason), std::string::npos) << e.Message();
        }
    }
    EXPECT_EQ(entries(), QStringList{"folder.png"});
    EXPECT_THROW(drawnPicture()->Save(nullptr, Picture::SaveAsPNG), NilObjectException);
}

// A folder that refuses new files, where the file itself may be written:
// neither writer can put a temporary file beside it, so both write the file
// in place; a new file there is refused. Root ignores folder permissions, so
// as root the test runs itself again as an unprivileged user.
TEST_F(PictureSaveTest, AFolderThatRefusesNewFilesStillLetsItsFilesBeReplaced) {
    if (geteuid() == 0) {
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                QCoreApplication::applicationFilePath(),
                                "--gtest_filter=PictureSaveTest."
                                "AFolderThatRefusesNewFilesStillLetsItsFilesBeReplaced"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }
    writeBytes(path("list.html"), "earlier list");
    writeBytes(path("board.png"), "earlier board");
    ASSERT_EQ(chmod(folder.path().toLocal8Bit().constData(), 0555), 0);

    auto stream = TextOutputStream::Create(item("list.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write("the new list");
    stream.reset();
    EXPECT_EQ(readBytes(path("list.html")), "the new list");

    const auto picture = drawnPicture();
    picture->Save(item("board.png"), Picture::SaveAsPNG);
    EXPECT_EQ(QImage(path("board.png")).convertToFormat(QImage::Format_RGB32), picture->_Image());

    EXPECT_EQ(TextOutputStream::Create(item("new.html")), nullptr);
    EXPECT_THROW(picture->Save(item("new.png"), Picture::SaveAsPNG), IOException);
    EXPECT_EQ(entries(), (QStringList{"board.png", "list.html"}));
    chmod(folder.path().toLocal8Bit().constData(), 0755);
}

}  // namespace
