#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "tests/ui/AppFolderTest.h"
#include "tests/ui/FourPixels.h"

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

namespace {

bool isBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

// The rows [first, last] that hold a dark pixel, or {-1, -1}.
std::pair<int, int> darkRows(const QImage& image) {
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

TEST(PictureTest, SizeMustLieInOneTo32767) {
    const std::pair<Integer, Integer> refused[] = {
        {0, 10}, {10, 0}, {-1, 10}, {32768, 1}, {1, 32768}};
    for (const auto& [width, height] : refused) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        try {
            Picture picture(width, height, 32);
            ADD_FAILURE() << "no exception";
        } catch (const OutOfBoundsException& e) {
            EXPECT_EQ(e.Message(), "Width/Height needs to be in the range 1-32767");
        }
    }
    const Picture widest(32767, 1, 32);
    EXPECT_EQ(widest.Width(), 32767);
    EXPECT_EQ(widest.Height(), 1);
    EXPECT_THROW(Picture(10, 10, 16), UnsupportedFormatException);
}

TEST(PictureTest, ANewPictureIsWhiteAtSeventyTwoDotsPerInch) {
    Picture picture(3, 2, 32);
    EXPECT_EQ(picture._Image().pixel(2, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture._Image().dotsPerMeterX(), 2835);
    EXPECT_EQ(picture.Graphics(), picture.Graphics());
    EXPECT_EQ(picture.Graphics()->Width(), 3);
    EXPECT_EQ(picture.Graphics()->Height(), 2);
}

// On pixels every coordinate falls to the pixel that contains it, and lines
// have no grey edges.
TEST(PictureTest, LinesAndFramesAreCrispOnWholePixels) {
    Picture picture(20, 10, 32);
    const auto g = picture.Graphics();
    g->setForeColor(RGB(0, 0, 0));
    g->DrawLine(3.97, 0, 3.97, 10);
    g->DrawRect(6, 1, 10, 5);  // columns 6 to 15, rows 1 to 5
    g->DrawLine(0.5, 8.9, 19.2, 8.9);
    const QImage& image = picture._Image();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << x << "," << y;
        }
    }
    for (int y = 0; y < 10; ++y) EXPECT_TRUE(isBlack(image, 3, y)) << y;
    EXPECT_FALSE(isBlack(image, 2, 3) || isBlack(image, 4, 3));
    for (int x = 6; x <= 15; ++x) EXPECT_TRUE(isBlack(image, x, 1) && isBlack(image, x, 5)) << x;
    for (int y = 1; y <= 5; ++y) EXPECT_TRUE(isBlack(image, 6, y) && isBlack(image, 15, y)) << y;
    EXPECT_FALSE(isBlack(image, 16, 3) || isBlack(image, 10, 6) || isBlack(image, 10, 3));
    for (int x = 0; x < 20; ++x) EXPECT_TRUE(isBlack(image, x, 8)) << x;

    g->setForeColor(RGB(0, 0, 255));
    g->FillRect(7, 2, 8, 3);
    EXPECT_EQ(image.pixel(7, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(14, 4), qRgb(0, 0, 255));
    EXPECT_TRUE(isBlack(image, 15, 4) && isBlack(image, 10, 5));
}

TEST(PictureTest, TextSizeIsInPixelsAndYIsTheBaseline) {
    const auto textRows = [](Double size) {
        Picture picture(120, 60, 32);
        const auto g = picture.Graphics();
        g->setTextSize(size);
        g->DrawString("HI", 2, 40);
        return darkRows(picture._Image());
    };
    const auto [top9, bottom9] = textRows(9);
    EXPECT_EQ(bottom9, 39) << "capitals stand on the baseline";
    EXPECT_GE(bottom9 - top9 + 1, 5);
    EXPECT_LE(bottom9 - top9 + 1, 9);
    const auto [top36, bottom36] = textRows(36);
    EXPECT_EQ(bottom36, 39);
    EXPECT_NEAR(bottom36 - top36 + 1, 4 * (bottom9 - top9 + 1), 4);
}

TEST(PictureTest, WrappedTextTakesSeveralLinesAndCondensedTextOne) {
    const auto rows = [](Double wrap, Boolean condense) {
        Picture picture(300, 100, 32);
        const auto g = picture.Graphics();
        g->setTextSize(10);
        g->DrawString("Scale Length Frets Octave", 0, 20, wrap, condense);
        const QImage& image = picture._Image();
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) right = x;
            }
        }
        return std::make_pair(darkRows(image), right);
    };
    const auto [plainRows, plainRight] = rows(0, false);
    EXPECT_GT(plainRight, 60);
    EXPECT_LT(plainRows.second, 25);
    const auto [wrappedRows, wrappedRight] = rows(60, false);
    EXPECT_LT(wrappedRight, 60);
    EXPECT_GT(wrappedRows.second, 35) << "further lines below the first";
    const auto [condensedRows, condensedRight] = rows(60, true);
    EXPECT_LT(condensedRight, 60);
    EXPECT_LT(condensedRows.second, 25);
}

}  // namespace
