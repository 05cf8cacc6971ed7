#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableView>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/ui/TestWindow.h"

namespace {
class ListboxTest : public testing::Test {
  protected:
    std::shared_ptr<TestWindow> window = TestWindowInstance();
    std::shared_ptr<Listbox> list = window->List();
};
}  // namespace

TEST_F(ListboxTest, RowsAreAddedAtTheEndAndFilledByCell) {
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->LastIndex(), -1);
    list->AddRow({"1"});
    list->AddRow({"2", "two", "ignored"});
    list->setCell(list->LastIndex(), 1, "second");
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->LastIndex(), 1);
    EXPECT_EQ(list->Cell(0, 0), "1");
    EXPECT_EQ(list->Cell(0, 1), "");
    EXPECT_EQ(list->Cell(1, 1), "second");
    list->DeleteAllRows();
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->LastIndex(), -1);
}

// Inside a handler the list's own answers follow every change at once, while
// the view learns of the rows when the handler that changed them returns.
TEST_F(ListboxTest, RowsChangedByAHandlerReachTheViewWhenItReturns) {
    const QAbstractItemModel* shown = static_cast<QTableView*>(list->Handle())->model();
    list->AddRow({"old"});
    list->AddRow({"older"});
    EXPECT_EQ(shown->rowCount(), 2);  // no handler: at once
    EventDispatch::RaiseEvent([&] {
        list->DeleteAllRows();
        EventDispatch::RaiseEvent([&] {
            list->AddRow({"a"});
            list->setCell(0, 1, "one");
            EXPECT_EQ(list->ListCount(), 1);
        });
        EXPECT_EQ(shown->rowCount(), 1);  // the nested handler has returned
        EXPECT_EQ(shown->data(shown->index(0, 1)).toString(), "one");
        list->AddRow({"b"});
        list->AddRow({"c"});
        EXPECT_EQ(list->ListCount(), 3);
        EXPECT_EQ(list->Cell(2, 0), "c");
        EXPECT_EQ(shown->rowCount(), 1);
    });
    EXPECT_EQ(shown->rowCount(), 3);
    EXPECT_EQ(shown->data(shown->index(2, 0)).toString(), "c");
}

TEST_F(ListboxTest, CellsOutsideTheListAreOutOfBounds) {
    list->AddRow({"only"});
    for (auto [row, column] : {std::pair{1, 0}, {-1, 0}, {0, 2}, {0, -1}}) {
        EXPECT_THROW(list->Cell(row, column), OutOfBoundsException) << row << "," << column;
        EXPECT_THROW(list->setCell(row, column, "x"), OutOfBoundsException);
    }
    EXPECT_THROW(list->setHeading(2, "x"), OutOfBoundsException);
}

TEST_F(ListboxTest, HeadingsAndPercentageWidths) {
    list->setHeading(0, "Fret #");
    list->setHeading(1, "Nut to Fret");
    auto* view = static_cast<QTableView*>(list->Handle());
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), "Nut to Fret");
    EXPECT_EQ(list->Heading(0), "Fret #");
    const int width = view->viewport()->width();
    EXPECT_EQ(view->columnWidth(0) + view->columnWidth(1), width);
    EXPECT_NEAR(view->columnWidth(0), width / 4.0, 1.0);
    EXPECT_EQ(view->verticalHeader()->defaultSectionSize(), 22);
}

TEST_F(ListboxTest, OnlyTheDirectionThatLeavesTheRowsInTheirOrderIsTaken) {
    list->setColumnSortDirection(1, 0);
    EXPECT_EQ(list->ColumnSortDirection(1), 0);
    for (Integer direction : {Integer{1}, Integer{-1}}) {
        EXPECT_THROW(list->setColumnSortDirection(0, direction), UnsupportedFormatException)
            << direction;
        EXPECT_EQ(list->ColumnSortDirection(0), 0) << direction;
    }
    EXPECT_THROW(list->setColumnSortDirection(2, 0), OutOfBoundsException);
    EXPECT_THROW(list->ColumnSortDirection(-1), OutOfBoundsException);
}

TEST_F(ListboxTest, EveryPaintedCellIsOfferedItsOwnSurfaceBeforeItsText) {
    list->AddRow({"a", "b"});
    list->AddRow({"c", "d"});
    std::set<std::tuple<Integer, Integer, Integer, Integer>> painted;
    list->CellBackgroundPaint = [&](Listbox&, Graphics& g, Integer row, Integer column) {
        painted.insert({row, column, g.Width(), g.Height()});
        g.setForeColor(RGB(255, 0, 0));
        for (Integer y = 0; y < g.Height(); ++y) {
            const auto line = static_cast<Double>(y);
            g.DrawLine(0, line, static_cast<Double>(g.Width()), line);
        }
        return false;
    };
    auto* view = static_cast<QTableView*>(list->Handle());
    const QImage image = view->viewport()->grab().toImage();

    const Integer w0 = view->columnWidth(0), w1 = view->columnWidth(1);
    EXPECT_TRUE(painted.count({0, 0, w0, 22}));
    EXPECT_TRUE(painted.count({1, 1, w1, 22}));
    // The empty area below the rows is offered with row indexes past the end.
    EXPECT_TRUE(painted.count({2, 0, w0, 22}));
    // The background stays inside its cell, and the text is drawn over it.
    const QRect cell = view->visualRect(view->model()->index(1, 0));
    EXPECT_EQ(image.pixelColor(cell.right(), cell.bottom()), QColor(255, 0, 0));
    int dark = 0;
    for (int x = cell.left(); x < cell.right(); ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            dark += image.pixelColor(x, y).red() < 128;
    }
    EXPECT_GT(dark, 0) << "no text over the background";
}

// A cell's text looks as it did when it was elided to its width and then
// drawn with drawText in the list's font, on either side of the width at
// which it stops fitting, where that path does more than draw one line, and
// whatever the desktop's default font.
TEST_F(ListboxTest, CellTextIsDrawnWholeWhenItFitsAndElidedWhenNot) {
    auto* view = static_cast<QTableView*>(list->Handle());
    const QFont listFont = view->font();
    const QFontMetrics metrics(listFont);
    // A number whose width is a whole number of pixels, to fill its cell
    // exactly; digits are as wide as each other, in 64ths of a pixel.
    QString exact;
    for (int digits = 1; exact.isEmpty() && digits <= 64; ++digits) {
        const QString text = QString("1234567890").repeated(7).left(digits);
        const qreal width = QFontMetricsF(view->font()).horizontalAdvance(text);
        if (width == std::floor(width)) exact = text;
    }
    ASSERT_FALSE(exact.isEmpty());
    const int exactWidth = metrics.horizontalAdvance(exact);
    ASSERT_LE(exactWidth + 6, view->viewport()->width());
    const QString tooLong = "Nut to fret along the whole scale";

    struct Case {
        QString text;
        int textWidth;
        bool whole;
        int rowHeight = 22;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool otherDesktopFont = false;
    };
    const Case cases[] = {
        {exact, exactWidth, true},
        {exact, exactWidth - 1, false},
        {"25.5", exactWidth, true},
        {tooLong, exactWidth, false},
        {"", exactWidth, true},
        {"1\t2", 2 * exactWidth, true},  // drawText's own tab stops
        {"1\n2", exactWidth, true},      // and line breaks
        {"25.5", exactWidth, true, 8},   // clipped to a row lower than the text
        {"25.5", exactWidth, true, 22, Qt::RightToLeft},
        {tooLong, exactWidth, false, 22, Qt::RightToLeft},
        {"25.5", exactWidth, true, 22, Qt::LeftToRight, true},
        {tooLong, exactWidth, false, 22, Qt::LeftToRight, true},
    };
    // Small, bold and italic: nothing like the list's, and low enough for its rows.
    const QFont desktopFont = QApplication::font();
    QFont otherDesktopFont = desktopFont;
    otherDesktopFont.setPixelSize(9);
    otherDesktopFont.setBold(true);
    otherDesktopFont.setItalic(true);
    struct AsBeforeAfterwards {
        QFont font;
        ~AsBeforeAfterwards() {
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QApplication::setFont(font);
        }
    } asBeforeAfterwards{desktopFont};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " in " + std::to_string(c.textWidth) + " by " +
                     std::to_string(c.rowHeight));
        ASSERT_EQ(metrics.elidedText(c.text, Qt::ElideRight, c.textWidth) == c.text, c.whole);
        QGuiApplication::setLayoutDirection(c.direction);  // the painters' direction
        QApplication::setFont(c.otherDesktopFont ? otherDesktopFont : desktopFont);
        ASSERT_EQ(view->font(), listFont);
        view->verticalHeader()->setDefaultSectionSize(c.rowHeight);
        list->setColumnWidths(std::to_string(c.textWidth + 6));
        list->DeleteAllRows();
        list->AddRow({""});
        list->AddRow({""});  // below an empty row, that shows what spills out
        const QRect cell = view->visualRect(view->model()->index(1, 0));
        ASSERT_EQ(cell.width(), c.textWidth + 6);
        QImage expected = view->viewport()->grab().toImage();
        list->setCell(1, 0, c.text.toStdString());
        const QImage drawn = view->viewport()->grab().toImage();

        QPainter painter(&expected);
        painter.setLayoutDirection(c.direction);
        painter.setFont(listFont);
        painter.setPen(view->palette().color(QPalette::Text));
        painter.drawText(cell.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(c.text, Qt::ElideRight, c.textWidth));
        painter.end();
        EXPECT_EQ(drawn, expected);
    }
}

TEST_F(ListboxTest, AFailingPaintHandlerIsReportedOnceAfterPainting) {
    ScriptedDialogs::CaptureMessages(true);
    list->AddRow({"a"});
    list->CellBackgroundPaint = [](Listbox&, Graphics&, Integer, Integer) -> Boolean {
        throw OutOfBoundsException("cell");
    };
    list->Handle()->grab();  // one painting, every cell failing
    list->CellBackgroundPaint = nullptr;
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty()) << "no message box while painting";
    QCoreApplication::processEvents();
    EXPECT_EQ(ScriptedDialogs::TakeMessages(), std::vector<std::string>{"cell"});
    EXPECT_EQ(list->Cell(0, 0), "a");
}
