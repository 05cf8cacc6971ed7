#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Printing.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/support/PdfReader.h"

namespace {

const ScriptedDialogs::PageSetupAnswer kLetter{false, 612, 792, 18, 18, 18, 18};

class PrintingTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ScriptedDialogs::CaptureMessages(true);
    }
    void TearDown() override {
        ScriptedDialogs::ClearPrintDialogs();
        ScriptedDialogs::CaptureMessages(false);
    }

    // A job printing to a PDF in the folder on the page answered.
    std::shared_ptr<Graphics> startJob(const ScriptedDialogs::PageSetupAnswer& page,
                                       const QString& pdf) {
        auto setup = std::make_shared<PrinterSetup>();
        ScriptedDialogs::AnswerNextPageSetupDialog(page);
        EXPECT_TRUE(setup->PageSetupDialog());
        ScriptedDialogs::AnswerNextPrintDialog(pdf.toStdString());
        return OpenPrinterDialog(setup);
    }

    QTemporaryDir folder;
};

TEST_F(PrintingTest, WidthIsThePrintableWidthInWholePointsRoundedDown) {
    // A4 with 10-point margins: Qt puts the margins on whole device pixels,
    // which leaves 574.98 points.
    EXPECT_EQ(PrinterSetup().Width(), 574);
    const struct {
        ScriptedDialogs::PageSetupAnswer page;
        Integer width;
    } cases[] = {
        {kLetter, 576},
        {{false, 792, 612, 18, 18, 18, 18}, 756},  // landscape
        {{false, 612, 792, 10, 10, 10, 10}, 591},  // margins on device pixels: 591.96
    };
    for (const auto& c : cases) {
        PrinterSetup setup;
        ScriptedDialogs::AnswerNextPageSetupDialog(c.page);
        ASSERT_TRUE(setup.PageSetupDialog());
        EXPECT_EQ(setup.Width(), c.width) << c.page.paperWidth;
    }
}

TEST_F(PrintingTest, CancelledDialogsKeepTheSetupAndStartNoJob) {
    auto setup = std::make_shared<PrinterSetup>();
    ScriptedDialogs::CancelNextPageSetupDialog();
    EXPECT_FALSE(setup->PageSetupDialog());
    EXPECT_EQ(setup->Width(), 574);
    ScriptedDialogs::CancelNextPrintDialog();
    EXPECT_EQ(OpenPrinterDialog(setup), nullptr);
    EXPECT_THROW(OpenPrinterDialog(nullptr), NilObjectException);
}

// One unit is one point of paper and the origin the printable area's
// top-left, whatever the printer's resolution.
TEST_F(PrintingTest, UnitsArePointsFromThePrintableAreasCorner) {
    const QString path = folder.filePath("points.pdf");
    {
        const auto g = startJob(kLetter, path);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->Width(), 576);
        EXPECT_EQ(g->Height(), 756);
        g->DrawLine(100.25, 50, 100.25, 150);
        g->DrawRect(200, 60, 72, 36);
        g->NextPage();
        g->DrawLine(300, 0, 300, 100);
        g->DrawLine(600, 0, 600, 100);  // beyond the printable width: not printed
    }
    const PdfReader pdf(path);
    ASSERT_EQ(pdf.pageCount(), 2);
    const auto lines = pdf.verticalLines(1, 18 + 80);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NEAR(lines[0], 118.25, 0.05);
    EXPECT_NEAR(lines[1], 218, 0.05);
    EXPECT_NEAR(lines[2], 290, 0.05);
    EXPECT_NEAR(pdf.lineWidthAt(1, 18 + 80, 118.25), 0.5, 0.05);
    const auto edges = pdf.horizontalLines(1, 18 + 236);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_NEAR(edges[0], 78, 0.05);
    EXPECT_NEAR(edges[1], 114, 0.05);
    const auto page2 = pdf.verticalLines(2, 18 + 50);
    ASSERT_EQ(page2.size(), 1u);
    EXPECT_NEAR(page2[0], 318, 0.05);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(PrintingTest, AJobThatCannotStartRaisesIOExceptionNamingItsFile) {
    const QString path = folder.filePath("missing/outline.pdf");
    try {
        startJob(kLetter, path);
        ADD_FAILURE() << "no exception";
    } catch (const IOException& e) {
        EXPECT_NE(e.Message().find(path.toStdString()), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("No such file or directory"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PrintingTest, AJobCutShortIsReportedWhenItEnds) {
    const QString path = folder.filePath("cut.pdf");
    auto g = startJob(kLetter, path);
    ASSERT_NE(g, nullptr);
    for (int x = 0; x < 500; ++x) g->DrawLine(x, 0, x, 700);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 2000;  // a full disk, as the file is finished
    setrlimit(RLIMIT_FSIZE, &limited);
    g.reset();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    const auto messages = ScriptedDialogs::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Could not print to \"" + path.toStdString() + "\""),
              std::string::npos)
        << messages[0];
}

}  // namespace
