#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/Window1.h"
#include "framework/ui/ScriptedDialogs.h"
#include "outline/frmFretOutline.h"
#include "tests/support/MainWindowTest.h"
#include "tests/support/ModalGuard.h"
#include "tests/support/PdfReader.h"

namespace {

// Acts on the next modal dialog of that class once it is shown.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        act(*dialog);
    });
    poll->start();
}

// US Letter with half-inch margins: a printable area of 576 x 756 points
// whose top-left lies exactly 18 points from the paper's edges.
constexpr double kMargin = 18;
const ScriptedDialogs::PageSetupAnswer kLetter{false, 612, 792, kMargin, kMargin, kMargin, kMargin};
const ScriptedDialogs::PageSetupAnswer kLetterLandscape{false,   792,     612,    kMargin,
                                                        kMargin, kMargin, kMargin};

class OutlinePrintTest : public MainWindowTest {
  protected:
    // Presses "Print" with `boards` chosen, the page setup dialog answered
    // with `page` and the print dialog with a PDF file; returns its path.
    QString print(const ScriptedDialogs::PageSetupAnswer& page, int boards = 1) {
        QString pdf = folder.filePath(QStringLiteral("outline-%1.pdf").arg(++prints));
        ScriptedDialogs::AnswerNextPageSetupDialog(page);
        ScriptedDialogs::AnswerNextPrintDialog(pdf.toStdString());
        auto outline = frmFretOutline();
        outline->PopupMenu1()->setListIndex(boards - 1);
        QTest::mouseClick(outline->PushButton2()->Handle(), Qt::LeftButton);
        EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
        return pdf;
    }

    int prints = 0;
};

TEST_F(OutlinePrintTest, PagesFollowThePrintableWidth) {
    const struct {
        const char* scale;
        ScriptedDialogs::PageSetupAnswer page;
        int pages;
    } cases[] = {
        {"25.5", kLetter, 4},           // 1836 points at 0, 576, 1152 and 1728
        {"16", kLetter, 2},             // exactly 1152 points: no empty third page
        {"25.5", kLetterLandscape, 3},  // 756 points wide
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        enter(c.scale, "22");
        const PdfReader pdf(print(c.page));
        EXPECT_EQ(pdf.pageCount(), c.pages);
    }
}

// The print queue, and a PDF's Title, tell the job by the program and the
// board it prints.
TEST_F(OutlinePrintTest, TheJobIsNamedAfterTheProgramAndTheScaleLength) {
    for (const char* scale : {"25.5", "16"}) {
        enter(scale, "22");
        const PdfReader pdf(print(kLetter, 2));
        EXPECT_EQ(pdf.title().toStdString(),
                  std::string("Velmora \u2013 Fret Outline ") + scale + " in");
    }
}

// Checks every page of a 25.5-inch, 22-fret board: each fret line, and the
// frame's right end, at L * 72 * position points from the board's left end,
// shifted by the page offset; `left` and `top` place the printable area on
// the paper, `step` is the page step, `printable` the printable width.
void expectFullSizeLines(const PdfReader& pdf, double left, double top, double step,
                         double printable) {
    std::vector<double> frets;
    for (int n = 1; n <= 22; ++n) {
        frets.push_back(std::round(25.5 * (1 - std::pow(2.0, -n / 12.0)) * 1000) / 1000 * 72);
    }
    EXPECT_DOUBLE_EQ(frets.front(), 103.032);
    frets.push_back(1836);
    const int pages = static_cast<int>(std::ceil(1836 / step));
    ASSERT_EQ(pdf.pageCount(), pages);
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const double offset = step * (page - 1);
        std::vector<double> expected;
        // The frame's left end on page 1 is cut in half by the printable
        // area's edge: the half inside is centred at a quarter of its width.
        if (page == 1) expected.push_back(0.125);
        for (double x : frets) {
            if (x > offset && x < offset + printable) expected.push_back(x - offset);
        }
        // Across the page below the labels.
        std::vector<double> found;
        for (double x : pdf.verticalLines(page, top + 80)) found.push_back(x - left);
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) EXPECT_NEAR(found[i], expected[i], 0.1);
    }
    // The lines are thin on paper, yet drawn.
    EXPECT_NEAR(pdf.lineWidthAt(1, top + 80, left + 103.032), 0.5, 0.1);
}

TEST_F(OutlinePrintTest, FretLinesLieAtTheirFullSizePositionOnEveryPage) {
    enter("25.5", "22");
    const PdfReader pdf(print(kLetter));
    expectFullSizeLines(pdf, kMargin, kMargin, 576, 576);
}

// The production road with nothing scripted: Ctrl+P, Print, the real page
// setup dialog taken as it opens (A4, 10-point margins), and the real print
// dialog's "Print to File (PDF)".
TEST_F(OutlinePrintTest, TheRealDialogsPrintToAPdfFile) {
    enter("25.5", "22");
    const QString pdfPath = folder.filePath("real dialogs.pdf");
    bool pageSetupShown = false, printDialogShown = false;
    whenShown<QPageSetupDialog>([&](QPageSetupDialog& dialog) {
        pageSetupShown = true;
        dialog.accept();
    });
    whenShown<QPrintDialog>([&](QPrintDialog& dialog) {
        printDialogShown = true;
        auto* printers = dialog.findChild<QComboBox*>("printers");
        ASSERT_NE(printers, nullptr);
        printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
        auto* file = dialog.findChild<QLineEdit*>("filename");
        ASSERT_NE(file, nullptr);
        file->setText(pdfPath);
        dialog.accept();
    });
    main->Handle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main->Handle()));
    ModalGuard::ShowAndAct(
        [&] { QTest::keyClick(main->Handle(), Qt::Key_P, Qt::ControlModifier); },
        [] {
            auto outline = Window::_GetImplicitWindow(frmFretOutline::kRegisteredName);
            ASSERT_NE(outline, nullptr);
            QTest::mouseClick(
                std::static_pointer_cast<class frmFretOutline>(outline)->PushButton2()->Handle(),
                Qt::LeftButton);
        });

    EXPECT_TRUE(pageSetupShown && printDialogShown);
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
    // Qt puts the default margins on whole device pixels of the printer.
    QPrinter defaults(QPrinter::HighResolution);
    const QRectF area = defaults.pageRect(QPrinter::DevicePixel);
    const double perPoint = defaults.resolution() / 72.0;
    EXPECT_NEAR(area.left() / perPoint, 10.02, 0.001);
    EXPECT_NEAR(area.width() / perPoint, 574.98, 0.001);
    const PdfReader pdf(pdfPath);
    const double left = area.left() / perPoint;
    expectFullSizeLines(pdf, left, area.top() / perPoint, 574, 574);
    // Each page shows exactly one page step, not the printable area's last
    // 0.98 point as well: taped at the frame's ends, the pages neither
    // overlap nor leave a gap.
    EXPECT_EQ(pdf.horizontalLines(1, left + 573.5).size(), 2u);
    EXPECT_TRUE(pdf.horizontalLines(1, left + 574.5).empty());
}

const PdfReader::Word* findWord(const std::vector<PdfReader::Word>& words, const QString& text) {
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PdfReader::Word& w) { return w.text == text; });
    return found == words.end() ? nullptr : &*found;
}

TEST_F(OutlinePrintTest, LabelsAndCaptionsOnPaper) {
    enter("25.5", "22");
    const PdfReader pdf(print(kLetter));
    const auto page1 = pdf.words(1);
    const auto* caption = findWord(page1, "Scale");
    ASSERT_NE(caption, nullptr);
    // Text size 8 on paper, its baseline 10 points below the board's top.
    EXPECT_NEAR(caption->left, kMargin + 5, 1);
    EXPECT_LT(caption->bottom, kMargin + 12.5);
    EXPECT_GT(caption->top, kMargin + 1);
    EXPECT_LT(caption->bottom - caption->top, 12);
    EXPECT_GT(caption->bottom - caption->top, 5);
    QFont eightPoints = QApplication::font();
    eightPoints.setPixelSize(8);  // on paper one unit is one point
    EXPECT_NEAR(caption->right - caption->left,
                QFontMetricsF(eightPoints).horizontalAdvance("Scale"), 1)
        << "\"Scale\" at 8 points";
    EXPECT_TRUE(pdf.text(1).contains("Scale Length: 25.5"));
    EXPECT_FALSE(pdf.text(1).contains("Dulcimer"));
    // Fret 1's label 12 points left of its line, at half the board's height.
    const auto* label = findWord(page1, "1");
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->left, kMargin + 91.032, 1);
    EXPECT_NEAR(label->bottom, kMargin + 54, 2.5);
    for (int page = 2; page <= pdf.pageCount(); ++page) {
        EXPECT_FALSE(pdf.text(page).contains("Scale Length")) << page;
    }

    main->CheckBox7()->setValue(true);
    const PdfReader dulcimer(print(kLetter));
    const auto dulcimerPage1 = dulcimer.words(1);
    const auto* second = findWord(dulcimerPage1, "Dulcimer");
    ASSERT_NE(second, nullptr);
    EXPECT_NEAR(second->left, kMargin + 5, 1);
    EXPECT_NEAR(second->bottom, kMargin + 30, 2.5);
    for (int page = 2; page <= dulcimer.pageCount(); ++page) {
        EXPECT_FALSE(dulcimer.text(page).contains("Dulcimer")) << page;
    }
}

TEST_F(OutlinePrintTest, TenBoardsLieTwoInchesApart) {
    enter("25.5", "22");
    // Paper tall enough for all ten boards: 1404 points printable.
    const PdfReader pdf(print({false, 612, 1450, kMargin, kMargin, kMargin, kMargin}, 10));
    EXPECT_EQ(pdf.pageCount(), 4);
    // Down a column between frets 2 and 3: each board's top and bottom edge.
    const auto edges = pdf.horizontalLines(1, kMargin + 230);
    ASSERT_EQ(edges.size(), 20u);
    // The first board's top edge is cut in half by the printable area.
    EXPECT_NEAR(edges[0] - kMargin, 0.125, 0.1);
    for (std::size_t board = 1; board < 10; ++board) {
        EXPECT_NEAR(edges[2 * board] - kMargin, 144.0 * board, 0.1) << board;
        EXPECT_NEAR(edges[2 * board + 1] - kMargin, 144.0 * board + 108, 0.1) << board;
    }
    EXPECT_NEAR(edges[18] - kMargin, 1296, 0.1);

    // Every board has fret lines of its own from its top to its bottom: along
    // fret 1's line, one dark run per board (the frame's edges joined to it),
    // centred half-way down the board.
    const auto runs = pdf.horizontalLines(1, kMargin + 103.032);
    ASSERT_EQ(runs.size(), 10u);
    for (std::size_t board = 0; board < 10; ++board) {
        EXPECT_NEAR(runs[board] - kMargin, 144.0 * board + 54, 0.2) << board;
    }
    // Across the fourth board (top at 432) just inside its edges: every fret
    // line that the first board shows; in the gap below it none.
    const auto firstBoard = pdf.verticalLines(1, kMargin + 80);
    ASSERT_EQ(firstBoard.size(), 7u);  // the frame's left end and frets 1 to 6
    for (double y : {433.0, 539.0}) {
        const auto fourth = pdf.verticalLines(1, kMargin + y);
        ASSERT_EQ(fourth.size(), firstBoard.size()) << y;
        for (std::size_t i = 0; i < fourth.size(); ++i) {
            EXPECT_NEAR(fourth[i], firstBoard[i], 0.05) << y;
        }
    }
    EXPECT_TRUE(pdf.verticalLines(1, kMargin + 558).empty());

    // Each board's own label of fret 1, half-way down it, and its own caption
    // 10 points below its top.
    auto wordsOnPage1 = [words = pdf.words(1)](const QString& text) {
        std::vector<PdfReader::Word> found;
        std::copy_if(words.begin(), words.end(), std::back_inserter(found),
                     [&](const PdfReader::Word& w) { return w.text == text; });
        std::sort(found.begin(), found.end(),
                  [](const auto& a, const auto& b) { return a.top < b.top; });
        return found;
    };
    const auto labels = wordsOnPage1("1");
    const auto captions = wordsOnPage1("Scale");
    ASSERT_EQ(labels.size(), 10u);
    ASSERT_EQ(captions.size(), 10u);
    for (std::size_t board = 0; board < 10; ++board) {
        SCOPED_TRACE(board);
        const double top = kMargin + 144.0 * static_cast<double>(board);
        EXPECT_NEAR(labels[board].left, kMargin + 91.032, 1);
        EXPECT_NEAR(labels[board].bottom, top + 54, 2.5);
        EXPECT_NEAR(captions[board].left, kMargin + 5, 1);
        EXPECT_NEAR(captions[board].bottom, top + 10, 2.5);
    }
}

// Each page carries its own slice of the boards only: no word lies wholly
// outside its printable area, and the captions are on the first page alone.
TEST_F(OutlinePrintTest, EachPageCarriesOnlyWhatShowsOnIt) {
    enter("25.5", "22");
    const PdfReader pdf(print(kLetter, 10));
    ASSERT_EQ(pdf.pageCount(), 4);
    const QRectF printable(kMargin, kMargin, 576, 756);
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        int captions = 0;
        for (const auto& word : pdf.words(page)) {
            const QRectF box(QPointF(word.left, word.top), QPointF(word.right, word.bottom));
            EXPECT_TRUE(box.intersects(printable)) << word.text.toStdString();
            if (word.text == "Scale") ++captions;
        }
        EXPECT_EQ(captions, page == 1 ? 6 : 0);  // the boards whose caption is above 756
    }
}

TEST_F(OutlinePrintTest, OneBoardIsASingleStrip) {
    enter("25.5", "22");
    const PdfReader pdf(print({false, 612, 1450, kMargin, kMargin, kMargin, kMargin}, 1));
    const auto edges = pdf.horizontalLines(2, kMargin + 230);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_NEAR(edges[0] - kMargin, 0.125, 0.1);  // half of it beyond the printable area
    EXPECT_NEAR(edges[1] - kMargin, 108, 0.1);
}

TEST_F(OutlinePrintTest, NoFretsPrintsTheFrameAndCaption) {
    enter("25.5", "");
    const PdfReader pdf(print(kLetter));
    EXPECT_EQ(pdf.pageCount(), 4);
    EXPECT_TRUE(pdf.text(1).contains("Scale Length: 25.5"));
    // Across the board: the frame's left end, cut in half by the printable
    // area's edge, and no fret line after it.
    const auto lines = pdf.verticalLines(1, kMargin + 80);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0] - kMargin, 0.125, 0.1);
}

// No real page is without printable width; should one be, the first slice
// is all that is printed rather than pages for ever.
TEST_F(OutlinePrintTest, APageWithoutPrintableWidthPrintsTheFirstSliceOnly) {
    enter("25.5", "22");
    const PdfReader pdf(print({false, 100, 300, 49.9, 18, 49.9, 18}));
    EXPECT_EQ(pdf.pageCount(), 1);
}

TEST_F(OutlinePrintTest, CancellingEitherDialogPrintsNothingAndCloses) {
    enter("25.5", "22");
    for (bool atPageSetup : {true, false}) {
        SCOPED_TRACE(atPageSetup ? "page setup" : "print");
        const QString pdf = folder.filePath("cancelled.pdf");
        if (atPageSetup) {
            ScriptedDialogs::CancelNextPageSetupDialog();
            ScriptedDialogs::AnswerNextPrintDialog(pdf.toStdString());  // never reached
        } else {
            ScriptedDialogs::AnswerNextPageSetupDialog(kLetter);
            ScriptedDialogs::CancelNextPrintDialog();
        }
        QTest::mouseClick(frmFretOutline()->PushButton2()->Handle(), Qt::LeftButton);
        EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
        // After a cancelled page setup the print dialog is not shown.
        EXPECT_EQ(ScriptedDialogs::TakePrintDialogAnswer().has_value(), atPageSetup);
    }
}

TEST_F(OutlinePrintTest, APdfThatCannotBeCreatedIsReportedNotPassedOver) {
    enter("25.5", "22");
    const QString pdf = folder.filePath("no such folder/outline.pdf");
    ScriptedDialogs::AnswerNextPageSetupDialog(kLetter);
    ScriptedDialogs::AnswerNextPrintDialog(pdf.toStdString());
    auto outline = frmFretOutline();
    QTest::mouseClick(outline->PushButton2()->Handle(), Qt::LeftButton);
    const auto messages = ScriptedDialogs::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Could not print to \"")) << messages[0];
    EXPECT_NE(messages[0].find(pdf.toStdString()), std::string::npos) << messages[0];
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), outline);
    outline->Close();
}

}  // namespace
