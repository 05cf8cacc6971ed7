#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "framework/ui/AppResources.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "tests/ui/TestWindow.h"

namespace {
// An application folder of the test's own: <root>/bin, with <root>/share/velmora
// where an installation puts the application's files.
class AppFolderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(root.path()).mkpath("share/velmora"));
        AppResources::_SetApplicationFolder(bin().toStdString());
    }
    void TearDown() override { AppResources::_SetApplicationFolder(""); }

    QString bin() const { return root.filePath("bin"); }
    QString shared() const { return root.filePath("share/velmora"); }

    static void writeBmp(const QString& path, const QImage& image) {
        ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
    }

    QTemporaryDir root;
};

// Four pixels: white, red / blue, white.
QImage fourPixels() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(1, 0, Qt::red);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::white);
    return image;
}
}  // namespace

TEST_F(AppFolderTest, FilesAreFoundBesideTheExecutableFirstThenWhereInstalled) {
    EXPECT_EQ(AppResources::Path("a b.bmp"), "");
    writeBmp(shared() + "/a b.bmp", fourPixels());
    EXPECT_EQ(AppResources::Path("a b.bmp"), (shared() + "/a b.bmp").toStdString());
    writeBmp(bin() + "/a b.bmp", fourPixels());
    EXPECT_EQ(AppResources::Path("a b.bmp"), (bin() + "/a b.bmp").toStdString());
    // A folder of that name is no file.
    ASSERT_TRUE(QDir(bin()).mkpath("folder.bmp"));
    EXPECT_EQ(AppResources::Path("folder.bmp"), "");
}

TEST_F(AppFolderTest, OpenFromAppReadsAPictureOrGivesNil) {
    writeBmp(bin() + "/four.bmp", fourPixels());
    const auto picture = Picture::_OpenFromApp("four.bmp");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Height(), 2);
    EXPECT_EQ(picture->Transparent(), 0);
    EXPECT_EQ(picture->_Image().pixelColor(1, 0), QColor(Qt::red));

    EXPECT_EQ(Picture::_OpenFromApp("missing.bmp"), nullptr);
    for (const QByteArray& bytes : {QByteArray(), QByteArray("BM\x10\0\0\0 truncated", 16)}) {
        QFile file(bin() + "/broken.bmp");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(Picture::_OpenFromApp("broken.bmp"), nullptr) << bytes.size() << " bytes";
    }
}

TEST(PictureTest, TransparentIsZeroOrOne) {
    Picture picture(fourPixels());
    picture.setTransparent(1);
    EXPECT_EQ(picture.Transparent(), 1);
    EXPECT_THROW(picture.setTransparent(2), OutOfBoundsException);
    EXPECT_THROW(picture.setTransparent(-1), OutOfBoundsException);
    EXPECT_EQ(picture.Transparent(), 1);
}

TEST(CanvasTest, TheBackdropLiesAtTheTopLeftInItsOwnSizeUnderWhatPaintDraws) {
    auto window = TestWindowInstance();
    auto canvas = window->Surface();  // 100 x 50
    const QColor behind = canvas->Handle()->palette().color(QPalette::Window);
    ASSERT_NE(behind, QColor(Qt::white));
    auto picture = std::make_shared<Picture>(fourPixels());
    canvas->setBackdrop(picture);
    EXPECT_EQ(canvas->Backdrop(), picture);
    canvas->Paint = [](Canvas&, Graphics& g) {
        g.setForeColor(RGB(0, 255, 0));
        g.DrawLine(1, 1, 10, 1);  // over the backdrop's last row
    };

    QImage shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(2, 0), behind) << "not scaled to the canvas";
    EXPECT_EQ(shown.pixelColor(99, 49), behind);

    // White is not drawn on a see-through picture; other colours are.
    picture->setTransparent(1);
    canvas->Paint = nullptr;
    shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), behind);
    EXPECT_EQ(shown.pixelColor(1, 1), behind);
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 1), QColor(Qt::blue));

    canvas->setBackdrop(nullptr);
    shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 0), behind);
}
