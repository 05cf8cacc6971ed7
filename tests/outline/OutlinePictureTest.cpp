#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include "app/Window1.h"
#include "framework/runtime/Text.h"
#include "framework/ui/ScriptedDialogs.h"
#include "outline/frmFretOutline.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MainWindowTest.h"

namespace {

bool isBlack(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }
bool isDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

std::vector<int> blackColumns(const QImage& image, int y) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (isBlack(image, x, y)) columns.push_back(x);
    }
    return columns;
}

int darkPixelsIn(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) count += isDark(image, x, y);
    }
    return count;
}

// The bounding box of every pixel with any ink in the area, the light edges
// of smoothed text included.
QRect inkIn(const QImage& image, const QRect& area) {
    QRect ink;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Where the glyphs of the text, drawn at 9 pixels with its baseline starting
// at x, y, cover the picture.
QRectF glyphsAt(const QString& text, double x, double y) {
    QFont ninePixels = QApplication::font();
    ninePixels.setPixelSize(9);  // in the picture one unit is one pixel
    return QFontMetricsF(ninePixels).tightBoundingRect(text).translated(x, y);
}

// The ink covers the glyphs' box: rows exactly, as the glyphs sit on whole
// pixels vertically; across, centred on it within a pixel and as wide give or
// take two, as each glyph starts on a whole pixel.
void expectInkOver(const QRect& ink, const QRectF& glyphs) {
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.left() + ink.width() / 2.0, glyphs.center().x(), 0.75) << "centre";
    EXPECT_NEAR(ink.width(), glyphs.width(), 2) << "width";
    EXPECT_NEAR(ink.top(), glyphs.top(), 0.5) << "top";
    EXPECT_NEAR(ink.bottom() + 1, glyphs.bottom(), 0.5) << "bottom";
}

// The position of each fret of an equal-tempered 12-tone scale, in inches
// rounded to `decimals` places as the fret table shows them, and the pixel
// column of its line.
std::vector<double> fretPositions(double scale, int frets, int decimals) {
    const double unit = std::pow(10.0, decimals);
    std::vector<double> positions;
    for (int n = 1; n <= frets; ++n) {
        positions.push_back(std::round(scale * (1 - std::pow(2.0, -n / 12.0)) * unit) / unit);
    }
    return positions;
}

std::vector<int> fretColumns(double scale, int frets, int decimals) {
    std::vector<int> columns;
    for (double position : fretPositions(scale, frets, decimals)) {
        columns.push_back(static_cast<int>(std::floor(position * 72)));
    }
    return columns;
}

class OutlinePictureTest : public MainWindowTest {
  protected:
    void enter(const char* scale, const char* frets, int precisionIndex = 2) {
        MainWindowTest::enter(scale, frets);
        main->PopupMenu1()->setListIndex(precisionIndex);
    }

    // Presses "Save" in a new outline window and answers the save dialog.
    QImage save(const char* name) {
        ScriptedDialogs::AnswerNextSaveDialog(path(name).toStdString());
        QTest::mouseClick(frmFretOutline()->PushButton3()->Handle(), Qt::LeftButton);
        return QImage(path(name));
    }
};

TEST_F(OutlinePictureTest, OneBoardAtSeventyTwoPixelsPerInch) {
    enter("25.5", "22");
    const QImage image = save("Fret Layout.png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1836, 108));
    // 72 dots per inch: printed at 100 % the board is full size.
    EXPECT_EQ(image.dotsPerMeterX(), 2835);
    EXPECT_EQ(image.dotsPerMeterY(), 2835);
    const auto requests = ScriptedDialogs::TakeSaveDialogRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nameFilter, "image/png (*.png)");
    EXPECT_EQ(requests[0].proposedName, "Fret Layout.png");
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);

    // A black frame on the picture's four edges, white inside.
    for (int x = 0; x < image.width(); ++x) {
        ASSERT_TRUE(isBlack(image, x, 0) && isBlack(image, x, 107)) << "column " << x;
    }
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_TRUE(isBlack(image, 0, y) && isBlack(image, 1835, y)) << "row " << y;
    }
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1834, 106), qRgb(255, 255, 255));

    // Below the text, each row holds the frame and exactly the 22 fret lines.
    std::vector<int> expected = fretColumns(25.5, 22, 3);
    EXPECT_EQ(expected.front(), 103);  // 1.431 inches
    expected.insert(expected.begin(), 0);
    expected.push_back(1835);
    for (int y : {1, 20, 40, 70, 90, 106}) EXPECT_EQ(blackColumns(image, y), expected) << y;

    // Each label in 9-pixel text, its baseline starting 12 pixels left of its
    // line at half height: fret 1's at 91.032, 54.
    const std::vector<double> positions = fretPositions(25.5, 22, 3);
    for (std::size_t fret = 1; fret + 1 < expected.size(); ++fret) {
        SCOPED_TRACE(fret);
        const QString label = QString::number(fret);
        const QRect between(expected[fret - 1] + 1, 20, expected[fret] - expected[fret - 1] - 1,
                            80);
        expectInkOver(inkIn(image, between), glyphsAt(label, positions[fret - 1] * 72 - 12, 54));
    }
    // The caption in 9-pixel text in the top left corner, its baseline
    // starting at 5, 10; nothing below it.
    expectInkOver(inkIn(image, QRect(1, 1, expected[1] - 1, 19)),
                  glyphsAt("Scale Length: 25.5", 5, 10));
    EXPECT_EQ(darkPixelsIn(image, QRect(5, 20, 90, 20)), 0) << "no second caption";
}

// The lines lie where the table's texts put them, at every precision: fret 1
// of 25.5 inches at 1.4 inches (100.8) with one decimal, 1.43 (102.96) with
// two. From three decimals on the rounding moves a line by less than a pixel.
TEST_F(OutlinePictureTest, LinesFollowTheTablesPrecision) {
    const int fretOneColumns[] = {100, 102, 103, 103, 103};
    for (int decimals = 1; decimals <= 5; ++decimals) {
        SCOPED_TRACE(decimals);
        enter("25.5", "22", decimals - 1);
        const QImage image = save("precision.png");
        std::vector<int> expected = fretColumns(25.5, 22, decimals);
        EXPECT_EQ(expected.front(), fretOneColumns[decimals - 1]);
        expected.insert(expected.begin(), 0);
        expected.push_back(1835);
        EXPECT_EQ(blackColumns(image, 90), expected);
    }
}

TEST_F(OutlinePictureTest, DulcimerHalfFretsAndCaption) {
    enter("25.5", "12");
    main->CheckBox7()->setValue(true);  // Six+ is checked from the start
    int sixPlus = -1;
    for (Integer row = 0; row < main->Listbox1()->ListCount(); ++row) {
        if (main->Listbox1()->Cell(row, 0) == "6+")
            sixPlus = static_cast<int>(std::floor(Val(main->Listbox1()->Cell(row, 1)) * 72));
    }
    ASSERT_GT(sixPlus, 0);

    const QImage image = save("dulcimer.png");
    const std::vector<int> columns = blackColumns(image, 90);
    EXPECT_NE(std::find(columns.begin(), columns.end(), sixPlus), columns.end());
    EXPECT_GT(darkPixelsIn(image, QRect(sixPlus - 14, 45, 13, 10)), 0) << "label 6+";
    EXPECT_GT(darkPixelsIn(image, QRect(5, 21, 60, 10)), 10) << "Dulcimer";
}

TEST_F(OutlinePictureTest, BoardSizesFollowTheScaleLength) {
    const struct {
        const char* scale;
        const char* frets;
        int width;
    } cases[] = {
        {"", "", 864},  // the fields as the window opens: 12 inches
        {"25.4", "22", 1828},
        {"120", "100", 8640},
        {"0.01", "2", 1},  // less than a pixel still makes a picture
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        enter(c.scale, c.frets);
        const QImage image = save("size.png");
        EXPECT_EQ(image.size(), QSize(c.width, 108));
        EXPECT_TRUE(isBlack(image, 0, 50) && isBlack(image, c.width - 1, 50));
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
    }
    enter("", "");
    const QImage empty = save("empty.png");
    EXPECT_EQ(blackColumns(empty, 90), (std::vector<int>{0, 863})) << "no fret, no line";
    EXPECT_GT(darkPixelsIn(empty, QRect(5, 1, 60, 10)), 20) << "the caption stays";
}

TEST_F(OutlinePictureTest, TheFretboardCountChangesNothing) {
    enter("25.5", "22");
    const QImage one = save("one.png");
    ScriptedDialogs::AnswerNextSaveDialog(path("ten.png").toStdString());
    auto outline = frmFretOutline();
    outline->PopupMenu1()->setListIndex(9);
    QTest::mouseClick(outline->PushButton3()->Handle(), Qt::LeftButton);
    EXPECT_EQ(QImage(path("ten.png")), one);
}

TEST_F(OutlinePictureTest, CancellingTheSaveDialogWritesNothingAndCloses) {
    enter("25.5", "22");
    ScriptedDialogs::CancelNextSaveDialog();
    QTest::mouseClick(frmFretOutline()->PushButton3()->Handle(), Qt::LeftButton);
    EXPECT_EQ(ScriptedDialogs::TakeSaveDialogRequests().size(), 1u);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(OutlinePictureTest, AFailedWriteIsReportedAndKeepsTheEarlierFile) {
    enter("25.5", "22");
    const QByteArray earlier = "the luthier's earlier outline";
    {
        QFile file(path("Fret Layout.png"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    auto outline = frmFretOutline();
    ScriptedDialogs::AnswerNextSaveDialog(path("Fret Layout.png").toStdString());
    {
        const FileSizeLimit limit(200);  // the picture takes several kilobytes
        QTest::mouseClick(outline->PushButton3()->Handle(), Qt::LeftButton);
    }
    const auto messages = ScriptedDialogs::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Could not save \"")) << messages[0];
    EXPECT_NE(messages[0].find("File too large"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(path("Fret Layout.png").toStdString()), std::string::npos);
    QFile file(path("Fret Layout.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), earlier);
    EXPECT_EQ(files(), QStringList{"Fret Layout.png"});
    // The window stays open, so the user may try another place.
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), outline);
}

}  // namespace
