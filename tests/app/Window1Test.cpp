#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "tests/app/FreshStart.h"

namespace {
class Window1BeforeOpenTest : public FreshStartTest {};

class Window1Test : public FreshStartTest {
  protected:
    void SetUp() override {
        FreshStartTest::SetUp();
        window = Window1();
        QCoreApplication::processEvents();  // the window's Open event
    }

    // Types the text into the field, key by key.
    static void type(TextField& field, const char* text) {
        QTest::keyClicks(field.Handle(), QString::fromUtf8(text));
    }

    std::vector<std::string> labels() const {
        std::vector<std::string> column;
        auto list = window->Listbox1();
        for (Integer row = 0; row < list->ListCount(); ++row) column.push_back(list->Cell(row, 0));
        return column;
    }

    std::shared_ptr<class Window1> window;
};

bool anyHalfFret(const std::vector<std::string>& labels) {
    return std::any_of(labels.begin(), labels.end(),
                       [](const std::string& label) { return label.ends_with("+"); });
}
}  // namespace

TEST_F(Window1BeforeOpenTest, TheRecordsAloneRaiseNoHandler) {
    auto window = Window1();
    EXPECT_EQ(window->thisFretData, nullptr);
    EXPECT_EQ(window->Listbox1()->ColumnCount(), 7);
    EXPECT_EQ(window->Listbox1()->ListCount(), 0);
    EXPECT_EQ(window->TextField1()->Text(), "");
    EXPECT_EQ(window->TextField2()->Text(), "");
    EXPECT_EQ(window->TextField3()->Text(), "12");
    ASSERT_EQ(window->PopupMenu1()->ListCount(), 5);
    for (Integer i = 0; i < 5; ++i) EXPECT_EQ(window->PopupMenu1()->List(i), std::to_string(i + 1));
    EXPECT_TRUE(window->CheckBox5()->Value());
    for (const auto& box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(),
                            window->CheckBox4(), window->CheckBox7(), window->cbSimplify()}) {
        EXPECT_FALSE(box->Value()) << box->Caption();
    }
    EXPECT_FALSE(window->GroupBox1()->Enabled());
    EXPECT_FALSE(window->CheckBox5()->Handle()->isEnabled());
    EXPECT_EQ(window->Label2()->Text(), "Inches\r");
    EXPECT_EQ(window->Title(), "Velmora");
}

TEST_F(Window1Test, OpeningSelectsPrecisionThreeAndLeavesTheListEmpty) {
    EXPECT_EQ(window->PopupMenu1()->ListIndex(), 2);
    ASSERT_NE(window->thisFretData, nullptr);
    EXPECT_EQ(window->thisFretData->num_frets, 0);
    EXPECT_EQ(window->thisFretData->precision, 3);
    EXPECT_EQ(window->Listbox1()->ListCount(), 0);
    const std::vector<std::string> headings = {"Fret #",      "Nut to Fret",  "Fret to Fret",
                                               "Nut to Fret", "Fret to Fret", "Nut mm",
                                               "Fret mm"};
    for (Integer column = 0; column < 7; ++column) {
        EXPECT_EQ(window->Listbox1()->Heading(column), headings[column]);
    }
}

TEST_F(Window1Test, EveryAccessorCallReturnsTheOneMainWindow) {
    EXPECT_EQ(Window1(), window);
    EXPECT_EQ(Window1(), window);
    EXPECT_EQ(window->Label2(), window->Label2());
    EXPECT_EQ(window->Label6()->Text(), "Precision:");
    EXPECT_EQ(window->MenuBar(), ::MenuBar1());
}

TEST_F(Window1Test, EachKeystrokeOfTheScaleLengthBuildsAFullTable) {
    window->TextField2()->setText("12");
    std::vector<Double> lengths;
    std::shared_ptr<cFretCalculator> previous = window->thisFretData;
    for (const char* key : {"2", "5", ".", "5"}) {
        type(*window->TextField1(), key);
        EXPECT_NE(window->thisFretData, previous);
        previous = window->thisFretData;
        lengths.push_back(window->thisFretData->scale_length);
        EXPECT_EQ(window->Listbox1()->ListCount(), 14);  // 12 frets, the empty row, the bridge
    }
    EXPECT_EQ(lengths, (std::vector<Double>{2, 25, 25, 25.5}));
    EXPECT_EQ(window->TextField1()->Text(), "25.5");
}

TEST_F(Window1Test, TheFretsTextIsTruncatedAndClampedByTheEngine) {
    window->TextField1()->setText("25");
    EXPECT_EQ(window->Listbox1()->ListCount(), 0) << "no frets typed yet";
    const std::vector<std::pair<const char*, Integer>> cases = {
        {"2", 2}, {"24.9", 24}, {"-3.7", 0}, {"99999999999999999999", 0}, {"abc", 0}};
    for (const auto& [text, frets] : cases) {
        window->TextField2()->setText(text);
        EXPECT_EQ(window->thisFretData->num_frets, frets) << text;
        EXPECT_EQ(window->Listbox1()->ListCount(), frets > 0 ? frets + 2 : 0) << text;
    }
}

TEST_F(Window1Test, TheRowsFollowTheFretOffsetsText) {
    window->TextField1()->setText("25");
    window->TextField2()->setText("2");
    EXPECT_EQ(labels(), (std::vector<std::string>{"1", "2", "", "Last Fret to Bridge"}));
    auto list = window->Listbox1();
    EXPECT_EQ(list->Cell(0, 2), "--");
    for (Integer column = 0; column < 7; ++column) EXPECT_EQ(list->Cell(2, column), "");
    EXPECT_EQ(list->Cell(3, 6), "");
    EXPECT_TRUE(list->Cell(3, 1).ends_with("\""));
    EXPECT_EQ(list->Cell(0, 1), "1.403");

    window->PopupMenu1()->setListIndex(4);
    EXPECT_EQ(window->thisFretData->precision, 5);
    EXPECT_EQ(list->Cell(0, 1), "1.40314");
}

TEST_F(Window1Test, TheDulcimerBoxSwitchesTheGroupAndTheHalfFrets) {
    window->TextField1()->setText("25");
    window->TextField2()->setText("10");
    window->CheckBox3()->setValue(true);
    EXPECT_FALSE(anyHalfFret(labels())) << "half frets count only on a dulcimer";

    window->CheckBox7()->setValue(true);
    EXPECT_TRUE(window->GroupBox1()->Enabled());
    EXPECT_TRUE(window->CheckBox1()->Handle()->isEnabled());
    EXPECT_TRUE(window->thisFretData->isDulcimer);
    auto rows = labels();
    auto three = std::find(rows.begin(), rows.end(), "3");
    ASSERT_NE(three, rows.end());
    EXPECT_EQ(*(three + 1), "3+");
    EXPECT_NE(std::find(rows.begin(), rows.end(), "6+"), rows.end());

    window->CheckBox3()->setValue(false);
    rows = labels();
    EXPECT_EQ(std::find(rows.begin(), rows.end(), "3+"), rows.end());

    window->CheckBox7()->setValue(false);
    EXPECT_FALSE(window->GroupBox1()->Enabled());
    EXPECT_FALSE(window->CheckBox5()->Handle()->isEnabled());
    EXPECT_FALSE(anyHalfFret(labels()));
    EXPECT_TRUE(window->CheckBox5()->Value()) << "the boxes keep their values";
}

TEST_F(Window1Test, SimplifyReachesTheEngine) {
    window->TextField1()->setText("25");
    window->TextField2()->setText("3");
    window->cbSimplify()->setValue(true);
    EXPECT_TRUE(window->thisFretData->Simplify);
}

TEST_F(Window1Test, EachCellIsPaintedWithTheGradientAndABlackRightEdge) {
    window->TextField1()->setText("25");
    window->TextField2()->setText("2");
    auto* view = static_cast<QTableView*>(window->Listbox1()->Handle());
    const QImage image = view->viewport()->grab().toImage();
    auto rgb = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return std::tuple{c.red(), c.green(), c.blue()};
    };
    for (int column : {0, 6}) {
        const QRect cell = view->visualRect(view->model()->index(3, column));
        ASSERT_EQ(cell.height(), 22);
        const int x = cell.left() + 1;
        EXPECT_EQ(rgb(x, cell.top()), std::tuple(255, 255, 255));
        EXPECT_EQ(rgb(x, cell.top() + 1), std::tuple(252, 253, 253));
        EXPECT_EQ(rgb(x, cell.top() + 11), std::tuple(232, 233, 233));
        EXPECT_EQ(rgb(x, cell.top() + 21), std::tuple(211, 213, 213));
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            EXPECT_EQ(rgb(cell.right(), y), std::tuple(0, 0, 0)) << "column " << column;
        }
        // Below the last row the list shows its own background.
        const QRect below = cell.translated(0, 22);
        ASSERT_LT(below.bottom(), view->viewport()->height());
        const QColor base = view->viewport()->palette().color(QPalette::Base);
        EXPECT_EQ(image.pixelColor(x, below.bottom()), base);
        EXPECT_EQ(image.pixelColor(below.right(), below.top()), base);
    }
}

TEST_F(Window1Test, ResizingGrowsTheListAndMovesNothingElse) {
    QWidget* top = window->Handle();
    const QRect label = window->Label1()->Handle()->geometry();
    top->resize(top->width() + 100, top->height() + 50);
    EXPECT_EQ(window->Listbox1()->Handle()->geometry(), QRect(309, 14, 730, 466));
    EXPECT_EQ(window->Label1()->Handle()->geometry(), label);
    EXPECT_EQ(window->TextField1()->Handle()->geometry(), QRect(132, 13, 80, 22));
    const int menuBar = window->Handle()->findChild<QMenuBar*>()->height();
    EXPECT_EQ(top->minimumHeight(), 450 + menuBar);
}

TEST_F(Window1Test, OnlySimplifyFactionsUsesTheDefaultTextSize) {
    EXPECT_EQ(window->TextField1()->Handle()->font().pixelSize(), 12);
    EXPECT_EQ(window->Label1()->Handle()->font().pixelSize(), 12);
    EXPECT_EQ(window->cbSimplify()->Handle()->font(), QApplication::font());
    EXPECT_EQ(window->cbSimplify()->Caption(), "Simplify Factions");
}

TEST_F(Window1Test, TheTabKeyFollowsTheTabOrder) {
    QApplication::setActiveWindow(window->Handle());
    window->TextField1()->Handle()->setFocus();
    std::vector<QWidget*> chain = {QApplication::focusWidget()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(chain,
              (std::vector<QWidget*>{window->TextField1()->Handle(), window->TextField2()->Handle(),
                                     window->TextField3()->Handle(), window->PopupMenu1()->Handle(),
                                     window->CheckBox7()->Handle()}));
}

TEST_F(Window1Test, ClosingTheWindowReleasesItsEngineObject) {
    window->TextField2()->setText("5");
    std::weak_ptr<cFretCalculator> engine = window->thisFretData;
    window->Close();
    window.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(engine.expired());
    EXPECT_EQ(Window1()->thisFretData, nullptr) << "a new window after the old one closed";
}
