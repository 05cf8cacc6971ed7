#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <set>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "tests/app/FreshStart.h"
#include "tests/support/PaintCounter.h"

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

    // Replaces the field's text as a user does: select all, then type.
    static void retype(TextField& field, const char* text) {
        QTest::keyClick(field.Handle(), Qt::Key_A, Qt::ControlModifier);
        type(field, text);
    }

    // Clicks the box on its tick mark.
    static void click(CheckBox& box) {
        QWidget* widget = box.Handle();
        QStyleOptionButton option;
        option.initFrom(widget);
        const QRect mark =
            widget->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, mark.center());
    }

    // Every cell of the list, row by row.
    std::vector<std::vector<std::string>> table() const {
        std::vector<std::vector<std::string>> rows;
        auto list = window->Listbox1();
        for (Integer row = 0; row < list->ListCount(); ++row) {
            rows.emplace_back();
            for (Integer column = 0; column < 7; ++column) {
                rows.back().push_back(list->Cell(row, column));
            }
        }
        return rows;
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

// A keystroke rebuilds the table and the list is painted once for it, with
// its scroll position kept.
TEST_F(Window1Test, AKeystrokePaintsTheListOnce) {
    window->TextField2()->setText("100");
    window->TextField1()->setText("25");
    auto* view = static_cast<QTableView*>(window->Listbox1()->Handle());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Handle()));
    PaintCounter counter(view->viewport());
    // The list's paints for a change: however slow the machine, the first is
    // waited for, then whatever is still posted or due runs, a second paint
    // with it.
    auto paintsFor = [&](const std::function<void()>& change) {
        counter.paints = 0;
        change();
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints >= 1; }));
        EXPECT_TRUE(QTest::qWaitFor([] {
            return !QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
        })) << "the window never settles";
        return counter.paints;
    };
    paintsFor([&] { view->verticalScrollBar()->setValue(40); });
    for (const char* key : {".", "5"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(paintsFor([&] { type(*window->TextField1(), key); }), 1);
    }
    EXPECT_EQ(window->Listbox1()->ListCount(), 102);
    EXPECT_EQ(view->model()->rowCount(), 102);
    EXPECT_EQ(view->verticalScrollBar()->value(), 40);
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

// Each input, changed by the user, rebuilds the table at once; changed back,
// it gives the very table it started from.
TEST_F(Window1Test, EveryInputRebuildsTheTableWhenTheUserChangesIt) {
    window->TextField1()->setText("25.5");
    window->TextField2()->setText("12");
    auto& w = *window;
    const struct {
        const char* input;
        bool dulcimer;  // the "Dulcimer" box before the change
        std::function<void()> change, changeBack;
        int row, column;
        const char *before, *after;
    } cases[] = {
        {"scale length", false, [&] { retype(*w.TextField1(), "27"); },
         [&] { retype(*w.TextField1(), "25.5"); }, 0, 1, "1.431", "1.515"},
        {"number of frets", false,
         [&] { QTest::keyClick(w.TextField2()->Handle(), Qt::Key_Backspace); },
         [&] { type(*w.TextField2(), "2"); }, 1, 0, "2", ""},
        {"frets per octave", false,
         [&] { QTest::keyClick(w.TextField3()->Handle(), Qt::Key_Backspace); },
         [&] { type(*w.TextField3(), "2"); }, 0, 1, "1.431", "12.750"},
        {"precision", false, [&] { QTest::keyClick(w.PopupMenu1()->Handle(), Qt::Key_Down); },
         [&] { QTest::keyClick(w.PopupMenu1()->Handle(), Qt::Key_Up); }, 0, 1, "1.431", "1.4312"},
        {"Simplify Factions", false, [&] { click(*w.cbSimplify()); },
         [&] { click(*w.cbSimplify()); }, 0, 3, "1 28/64", "1 7/16"},
        {"Dulcimer", false, [&] { click(*w.CheckBox7()); }, [&] { click(*w.CheckBox7()); }, 0, 1,
         "1.431", "2.782"},
        // On a dulcimer with the design's Six+: 1 2 3 4 5 6 6+ 7 ...
        {"Zero+", true, [&] { click(*w.CheckBox1()); }, [&] { click(*w.CheckBox1()); }, 0, 0, "1",
         "0+"},
        {"One+", true, [&] { click(*w.CheckBox2()); }, [&] { click(*w.CheckBox2()); }, 1, 0, "2",
         "1+"},
        {"Three+", true, [&] { click(*w.CheckBox3()); }, [&] { click(*w.CheckBox3()); }, 3, 0, "4",
         "3+"},
        {"Four+", true, [&] { click(*w.CheckBox4()); }, [&] { click(*w.CheckBox4()); }, 4, 0, "5",
         "4+"},
        {"Six+", true, [&] { click(*w.CheckBox5()); }, [&] { click(*w.CheckBox5()); }, 6, 0, "6+",
         "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        window->CheckBox7()->setValue(c.dulcimer);
        const auto before = table();
        ASSERT_GT(before.size(), static_cast<std::size_t>(c.row));
        EXPECT_EQ(before[c.row][c.column], c.before);

        c.change();
        const auto after = table();
        ASSERT_GT(after.size(), static_cast<std::size_t>(c.row));
        EXPECT_EQ(after[c.row][c.column], c.after);

        c.changeBack();
        EXPECT_EQ(table(), before);
    }
}

// Ticked alone on a 16-fret dulcimer, each box gives its half fret in every
// octave that the frets reach, each row right after its diatonic fret.
TEST_F(Window1Test, EachHalfFretBoxAloneGivesItsOwnRows) {
    window->TextField1()->setText("27");
    window->TextField2()->setText("16");
    window->CheckBox7()->setValue(true);
    auto& w = *window;
    const struct {
        const char* box;
        std::shared_ptr<CheckBox> (Window1::*accessor)() const;
        std::set<int> after;  // the diatonic frets followed by a half fret
        const char* firstPosition;
    } cases[] = {
        {"Zero+", &Window1::CheckBox1, {0, 7, 14}, "1.515"},  // semitone 1
        {"One+", &Window1::CheckBox2, {1, 8, 15}, "4.296"},   // semitone 3
        {"Three+", &Window1::CheckBox3, {3, 10}, "7.908"},    // semitone 6
        {"Four+", &Window1::CheckBox4, {4, 11}, "9.991"},     // semitone 8
        {"Six+", &Window1::CheckBox5, {6, 13}, "12.697"},     // semitone 11
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        for (const auto& box :
             {w.CheckBox1(), w.CheckBox2(), w.CheckBox3(), w.CheckBox4(), w.CheckBox5()})
            box->setValue(false);
        ASSERT_FALSE(anyHalfFret(labels()));
        click(*(w.*c.accessor)());

        std::vector<std::string> expected;
        if (c.after.contains(0)) expected.push_back("0+");
        for (int fret = 1; fret <= 16; ++fret) {
            expected.push_back(std::to_string(fret));
            if (c.after.contains(fret)) expected.push_back(std::to_string(fret) + "+");
        }
        expected.insert(expected.end(), {"", "Last Fret to Bridge"});
        EXPECT_EQ(labels(), expected);

        const auto rows = labels();
        const auto first = std::find_if(rows.begin(), rows.end(), [](const std::string& label) {
            return label.ends_with("+");
        });
        ASSERT_NE(first, rows.end());
        EXPECT_EQ(window->Listbox1()->Cell(first - rows.begin(), 1), c.firstPosition);
    }
}

// 25.5 inches, two frets: every decimal field, in inches and millimetres,
// has as many decimals as the precision chosen.
TEST_F(Window1Test, EveryPrecisionShowsItsOwnNumberOfDecimals) {
    window->TextField1()->setText("25.5");
    window->TextField2()->setText("2");
    using Row = std::vector<std::string>;
    const struct {
        Row fret1, fret2, bridge;
    } precisions[] = {
        {{"1.4", "36.4"}, {"2.8", "1.4", "70.7", "34.3"}, {"22.7\"", "577.0 mm"}},
        {{"1.43", "36.35"}, {"2.78", "1.35", "70.66", "34.31"}, {"22.72\"", "577.04 mm"}},
        {{"1.431", "36.353"}, {"2.782", "1.351", "70.665", "34.312"}, {"22.718\"", "577.035 mm"}},
        {{"1.4312", "36.3526"},
         {"2.7821", "1.3509", "70.6649", "34.3123"},
         {"22.7179\"", "577.0351 mm"}},
        {{"1.43121", "36.35261"},
         {"2.78208", "1.35088", "70.66490", "34.31229"},
         {"22.71792\"", "577.03510 mm"}},
    };
    auto list = window->Listbox1();
    for (Integer index = 0; index < 5; ++index) {
        SCOPED_TRACE(index + 1);
        window->PopupMenu1()->setListIndex(index);
        const auto& p = precisions[index];
        ASSERT_EQ(list->ListCount(), 4);
        EXPECT_EQ((Row{list->Cell(0, 1), list->Cell(0, 5)}), p.fret1);
        EXPECT_EQ((Row{list->Cell(1, 1), list->Cell(1, 2), list->Cell(1, 5), list->Cell(1, 6)}),
                  p.fret2);
        EXPECT_EQ((Row{list->Cell(3, 1), list->Cell(3, 3)}), p.bridge);
    }
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

// Every pixel of the empty row's cells. Pixel row y of a 22-pixel cell lies
// y/22 of the way from white to D1D4D3, each channel cut down to a whole
// number: red falls by 46/22 a row, green by 43/22, blue by 2. The black edge
// covers the whole height.
TEST_F(Window1Test, TheEmptyRowsCellsArePaintedPixelForPixel) {
    constexpr QRgb kGradient[] = {
        0xFFFFFF, 0xFCFDFD, 0xFAFBFB, 0xF8F9F9, 0xF6F7F7, 0xF4F5F5, 0xF2F3F3, 0xF0F1F1,
        0xEEEFEF, 0xECEDED, 0xEAEBEB, 0xE8E9E9, 0xE5E7E7, 0xE3E5E5, 0xE1E3E3, 0xDFE1E1,
        0xDDDFDF, 0xDBDDDD, 0xD9DBDB, 0xD7D9D9, 0xD5D7D7, 0xD3D5D5,
    };
    window->TextField1()->setText("25");
    window->TextField2()->setText("2");
    auto* view = static_cast<QTableView*>(window->Listbox1()->Handle());
    const QImage image = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window->Listbox1()->Cell(2, 0), "");
    for (int column = 0; column < 7; ++column) {
        SCOPED_TRACE(column);
        const QRect cell = view->visualRect(view->model()->index(2, column));
        ASSERT_EQ(cell.height(), static_cast<int>(std::size(kGradient)));
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                const QRgb expected = x == cell.width() - 1 ? 0x000000 : kGradient[y];
                ASSERT_EQ(image.pixel(cell.left() + x, cell.top() + y) & RGB_MASK, expected)
                    << "at " << x << ", " << y;
            }
        }
    }
}

TEST_F(Window1Test, ResizingGrowsTheListAndItsColumnsAndMovesNothingElse) {
    QWidget* top = window->Handle();
    const QRect label = window->Label1()->Handle()->geometry();
    window->TextField1()->setText("25");
    window->TextField2()->setText("24");  // more rows than the list shows
    top->resize(top->width() + 100, top->height() + 50);
    EXPECT_EQ(window->Listbox1()->Handle()->geometry(), QRect(309, 14, 730, 466));
    // The columns keep their shares and fill the list's new width.
    const auto* view = static_cast<QTableView*>(window->Listbox1()->Handle());
    const int width = view->viewport()->width();
    ASSERT_GT(width, 700);
    int columns = 0;
    for (int column = 0; column < 7; ++column) {
        EXPECT_NEAR(view->columnWidth(column), width * (column == 0 ? 0.10 : 0.15), 1.0) << column;
        columns += view->columnWidth(column);
    }
    EXPECT_EQ(columns, width);
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
