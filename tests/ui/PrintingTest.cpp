#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Printing.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/support/ExpectIOException.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PdfReader.h"

namespace {

const ScriptedDialogs::PageSetupAnswer kLetter{false, 612, 792, 18, 18, 18, 18};

class PrintingTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ScriptedDialogs::CaptureMessages(true);
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
    EXPECT_EQ(pdf.title(), "Velmora");  // a job the program gave no name of its own
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

// A page carries only what shows on it: drawing wholly off the printable area
// adds nothing to the file, while what reaches into it is printed.
TEST_F(PrintingTest, WhatFallsWhollyOffThePageIsLeftOutOfIt) {
    auto print = [&](const char* name, bool offThePage) {
        QString path = folder.filePath(name);
        const auto g = startJob(kLetter, path);
        g->setTextSize(8);
        g->DrawLine(100, 10, 100, 200);
        g->DrawRect(-100, 50, 150, 40);  // its left side is off the page
        g->DrawString("Edge", 573, 300);
        if (offThePage) {
            for (int i = 0; i < 300; ++i) {
                g->DrawLine(-1 - i * 0.37, 0, -1 - i * 0.37, 700);
                g->DrawLine(577 + i * 0.41, 0, 577 + i * 0.41, 700);
                g->DrawLine(0, 757 + i * 0.43, 576, 757 + i * 0.43);
                g->DrawRect(600 + i, 100, 50, 50);
                g->DrawString("Off " + std::to_string(i), 578 + i, 400);
                g->DrawString("Off " + std::to_string(i), -60 - i, 400);
                g->DrawString("Off " + std::to_string(i), 100, 770 + i);
                g->DrawString("Off " + std::to_string(i), 100, -10 - i);
            }
        }
        return path;
    };
    const PdfReader bare(print("bare.pdf", false));
    const PdfReader full(print("full.pdf", true));
    EXPECT_LT(QFile(full.path()).size(), QFile(bare.path()).size() + 200);
    std::vector<std::string> words;
    for (const auto& word : full.words(1)) words.push_back(word.text.toStdString());
    EXPECT_EQ(words, std::vector<std::string>{"Edge"});
    // The frame's top and bottom and its right side, the marker line.
    const auto across = full.horizontalLines(1, 18 + 20);
    ASSERT_EQ(across.size(), 2u);
    EXPECT_NEAR(across[0], 68, 0.05);
    EXPECT_NEAR(across[1], 108, 0.05);
    const auto down = full.verticalLines(1, 18 + 70);
    ASSERT_EQ(down.size(), 2u);
    EXPECT_NEAR(down[0], 68, 0.05);
    EXPECT_NEAR(down[1], 118, 0.05);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(PrintingTest, AJobThatCannotStartRaisesIOExceptionNamingItsFile) {
    const QString path = folder.filePath("missing/outline.pdf");
    const std::string message = ExpectIOException([&] { startJob(kLetter, path); });
    EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
    EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    EXPECT_FALSE(QFile::exists(path));
}

// Fifteen pages of lines: far more than the limit lets through.
void drawPages(Graphics& g) {
    for (int page = 0; page < 15; ++page) {
        if (page > 0) g.NextPage();
        for (int x = 0; x < 500; ++x) g.DrawLine(x, 0, x, 700);
    }
}

// A full disk as the job ends: an earlier PDF of that name stays byte for
// byte, a new one is not left behind, and the failure is said once.
TEST_F(PrintingTest, AJobThatDoesNotFitKeepsTheEarlierFileAndIsReportedOnce) {
    const QByteArray earlier = "%PDF-1.4 the earlier outline, kept whole %%EOF";
    for (const bool existed : {true, false}) {
        SCOPED_TRACE(existed ? "an earlier file" : "a new file");
        const QString path = folder.filePath(existed ? "earlier.pdf" : "new.pdf");
        if (existed) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(earlier);
        }
        {
            auto g = startJob(kLetter, path);
            ASSERT_NE(g, nullptr);
            drawPages(*g);
            const FileSizeLimit limit(4096);
            g.reset();
        }
        const auto messages = ScriptedDialogs::TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind(
                      "Could not print to \"" + path.toStdString() + "\": File too large.", 0),
                  0u)
            << messages[0];
        if (existed) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), earlier);
        } else {
            EXPECT_FALSE(QFile::exists(path));
        }
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"earlier.pdf"});
}

// Printing to a device that takes no data is no success either.
TEST_F(PrintingTest, ADeviceThatRefusesTheJobIsReportedOnce) {
    // Replacing the device with a file, as a writer that mistook it for one
    // would, spoils the machine for every later run: said plainly.
    ASSERT_TRUE(QFileInfo("/dev/full").exists() && !QFileInfo("/dev/full").isFile())
        << "/dev/full is no longer the device";
    {
        auto g = startJob(kLetter, "/dev/full");
        ASSERT_NE(g, nullptr);
        g->DrawLine(10, 0, 10, 100);
    }
    EXPECT_EQ(
        ScriptedDialogs::TakeMessages(),
        std::vector<std::string>{"Could not print to \"/dev/full\": No space left on device."});
}

// Half a template is worse than none: a job left by an exception prints
// nothing, whatever it had drawn, and keeps the earlier file.
TEST_F(PrintingTest, AJobAbandonedByAnExceptionPrintsNothing) {
    const QString earlier = folder.filePath("earlier.pdf");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    for (const QString& path : {earlier, folder.filePath("new.pdf")}) {
        SCOPED_TRACE(path.toStdString());
        try {
            auto g = startJob(kLetter, path);
            ASSERT_NE(g, nullptr);
            g->DrawLine(10, 0, 10, 100);
            g->NextPage();
            throw NilObjectException("the window is gone");
        } catch (const NilObjectException&) {
        }
    }
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"earlier.pdf"});
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

}  // namespace
