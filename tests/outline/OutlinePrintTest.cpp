#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "framework/ui/ScriptedDialogs.h"
#include "outline/frmFretOutline.h"
#include "tests/outline/PdfReader.h"

namespace {

// US Letter with half-inch margins: a printable area of 576 x 756 points
// whose top-left lies exactly 18 points from the paper's edges.
constexpr double kMargin = 18;
const ScriptedDialogs::PageSetupAnswer kLetter{false, 612, 792, kMargin, kMargin, kMargin, kMargin};
const ScriptedDialogs::PageSetupAnswer kLetterLandscape{false,   792,     612,    kMargin,
                                                        kMargin, kMargin, kMargin};

class OutlinePrintTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!FileTypes1::Png()) FileTypes1::_Initialize();
        ASSERT_TRUE(folder.isValid());
        ScriptedDialogs::CaptureMessages(true);
        main = Window1();
        QCoreApplication::processEvents();  // the main window's Open event
    }
    void TearDown() override {
        ScriptedDialogs::ClearPrintDialogs();
        ScriptedDialogs::CaptureMessages(false);
    }

    void enter(const char* scale, const char* frets) {
        main->TextField1()->setText(scale);
        main->TextField2()->setText(frets);
    }

    // Presses "Print" with `boards` chosen, the page setup dialog answered
    // with `page` and the print dialog with a PDF file; returns its path.
    QString print(const ScriptedDialogs::PageSetupAnswer& page, int boards = 1) {
        const QString pdf = folder.filePath(QStringLiteral("outline-%1.pdf").arg(++prints));
        ScriptedDialogs::AnswerNextPageSetupDialog(page);
        ScriptedDialogs::AnswerNextPrintDialog(pdf.toStdString());
        auto outline = frmFretOutline();
        outline->PopupMenu1()->setListIndex(boards - 1);
        QTest::mouseClick(outline->PushButton2()->Handle(), Qt::LeftButton);
        EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), nullptr);
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
        return pdf;
    }

    QTemporaryDir folder;
    int prints = 0;
    std::shared_ptr<class Window1> main;
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

TEST_F(OutlinePrintTest, FretLinesLieAtTheirFullSizePositionOnEveryPage) {
    enter("25.5", "22");
    const PdfReader pdf(print(kLetter));
    ASSERT_EQ(pdf.pageCount(), 4);
    std::vector<double> frets;
    for (int n = 1; n <= 22; ++n) {
        frets.push_back(std::round(25.5 * (1 - std::pow(2.0, -n / 12.0)) * 1000) / 1000 * 72);
    }
    EXPECT_DOUBLE_EQ(frets.front(), 103.032);
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        const double offset = 576.0 * (page - 1);
        // Across the page, below the labels: the lines that cross the board there.
        const auto lines = pdf.verticalLines(page, kMargin + 80);
        std::vector<double> expected;
        if (page == 4) expected.push_back(1836 - offset);  // the frame's right end, at 108
        for (double x : frets) {
            if (x > offset && x < offset + 576) expected.push_back(x - offset);
        }
        std::sort(expected.begin(), expected.end());
        std::vector<double> found;
        for (double x : lines) {
            // The frame's left end on page 1 is cut in half by the printable area.
            if (x > kMargin + 0.5 && x < kMargin + 576) found.push_back(x - kMargin);
        }
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) EXPECT_NEAR(found[i], expected[i], 0.1);
    }
    // The lines are thin on paper, yet drawn.
    EXPECT_NEAR(pdf.lineWidthAt(1, kMargin + 80, kMargin + 103.032), 0.5, 0.1);
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
    const auto* second = findWord(dulcimer.words(1), "Dulcimer");
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
    for (double x : pdf.verticalLines(1, kMargin + 80)) EXPECT_LT(x, kMargin + 0.5);
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
    EXPECT_NE(messages[0].find("IOException"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(pdf.toStdString()), std::string::npos) << messages[0];
    EXPECT_EQ(Window::_GetImplicitWindow(frmFretOutline::kRegisteredName), outline);
    outline->Close();
}

}  // namespace
