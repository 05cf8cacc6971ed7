#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/Window1.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MainWindowTest.h"

namespace {

const std::string kPageFor25Inches2Frets =
    "<head><title>Fret Calc</title></head>"
    "Scale Length: 25</P>Number of Frets: 2</P>Frets Per Octave: 12</P></P></P>"
    "<TABLE BORDER=0 WIDTH=750><CAPTION></CAPTION>"
    "<TR><TH>Fret #<TH>Nut to Fret<TH>Fret to Fret<TH>Nut to Fret<TH>Fret to Fret"
    "<TH>Nut mm<TH>Fret mm"
    "<TR><TD ALIGN=CENTER>1<TD ALIGN=CENTER>1.403<TD ALIGN=CENTER>--<TD ALIGN=CENTER>1 26/64"
    "<TD ALIGN=CENTER>--<TD ALIGN=CENTER>35.640<TD ALIGN=CENTER>--"
    "<TR><TD ALIGN=CENTER>2<TD ALIGN=CENTER>2.728<TD ALIGN=CENTER>1.324<TD ALIGN=CENTER>2 47/64"
    "<TD ALIGN=CENTER>1 21/64<TD ALIGN=CENTER>69.279<TD ALIGN=CENTER>33.640"
    "<TR><TD ALIGN=CENTER><TD ALIGN=CENTER><TD ALIGN=CENTER><TD ALIGN=CENTER>"
    "<TD ALIGN=CENTER><TD ALIGN=CENTER><TD ALIGN=CENTER>"
    "<TR><TD ALIGN=CENTER>Last Fret to Bridge<TD ALIGN=CENTER>22.272\"<TD ALIGN=CENTER>22 17/64\""
    "<TD ALIGN=CENTER>565.721 mm<TD ALIGN=CENTER><TD ALIGN=CENTER><TD ALIGN=CENTER>"
    "</TABLE><P></P>";

std::string contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

void writeFile(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

using SaveListTest = MainWindowTest;

TEST_F(SaveListTest, WritesTheWholeTableAsOneLineOfHtml) {
    enter("25", "2");
    ScriptedDialogs::AnswerNextSaveDialog(path("frets.html").toStdString());
    EXPECT_TRUE(main->_mnuSaveHTML_Action());

    EXPECT_EQ(contentsOf(path("frets.html")), kPageFor25Inches2Frets);
    const auto requests = ScriptedDialogs::TakeSaveDialogRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nameFilter, "HTML (*.html)");
    EXPECT_EQ(requests[0].proposedName, "Fret Calc.html");
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(SaveListTest, ADulcimersHalfFretIsARowOfItsOwnAfterItsFret) {
    enter("27", "7");
    main->CheckBox7()->setValue(true);  // Six+ is on by design
    ScriptedDialogs::AnswerNextSaveDialog(path("dulcimer.html").toStdString());
    EXPECT_TRUE(main->_mnuSaveHTML_Action());

    const std::string page = contentsOf(path("dulcimer.html"));
    const std::string cell = "<TD ALIGN=CENTER>";
    const std::string halfFret = "<TR>" + cell + "6+" + cell + "12.697" + cell + ".850" + cell +
                                 "12 45/64" + cell + "54/64" + cell + "322.510" + cell + "21.602";
    const std::size_t at = page.find(halfFret);
    ASSERT_NE(at, std::string::npos) << page;
    EXPECT_NE(page.rfind("<TR>" + cell + "6" + cell + "11.847", at), std::string::npos) << page;
    EXPECT_EQ(page.find("<TR>" + cell + "7" + cell + "13.500"), at + halfFret.size()) << page;
    EXPECT_EQ(page.find('+'), at + 4 + cell.size() + 1) << "one half fret only";
}

TEST_F(SaveListTest, ThePageKeepsTheDecimalsOfEveryPrecision) {
    enter("25.5", "2");
    const struct {
        const char *inches, *mm, *bridgeInches, *bridgeMm;
    } precisions[] = {
        {"1.4", "36.4", "22.7", "577.0"},
        {"1.43", "36.35", "22.72", "577.04"},
        {"1.431", "36.353", "22.718", "577.035"},
        {"1.4312", "36.3526", "22.7179", "577.0351"},
        {"1.43121", "36.35261", "22.71792", "577.03510"},
    };
    const std::string cell = "<TD ALIGN=CENTER>";
    for (Integer index = 0; index < 5; ++index) {
        SCOPED_TRACE(index + 1);
        main->PopupMenu1()->setListIndex(index);
        const auto& p = precisions[index];
        const QString file = path("precision.html");
        ScriptedDialogs::AnswerNextSaveDialog(file.toStdString());
        EXPECT_TRUE(main->_mnuSaveHTML_Action());
        const std::string page = contentsOf(file);
        const std::string fret1 = "<TR>" + cell + "1" + cell + p.inches + cell + "--" + cell +
                                  "1 28/64" + cell + "--" + cell + p.mm + cell + "--<TR>";
        EXPECT_NE(page.find(fret1), std::string::npos) << page;
        const std::string bridge = "Last Fret to Bridge" + cell + p.bridgeInches + "\"" + cell +
                                   "22 46/64\"" + cell + p.bridgeMm + " mm" + cell;
        EXPECT_NE(page.find(bridge), std::string::npos) << page;
    }
}

TEST_F(SaveListTest, TypedTextIsWrittenAsTypedButCannotBecomeMarkup) {
    main->TextField1()->setText(" <b>& ");
    main->TextField2()->setText("2 frets");
    ScriptedDialogs::AnswerNextSaveDialog(path("escaped.html").toStdString());
    EXPECT_TRUE(main->_mnuSaveHTML_Action());
    const std::string page = contentsOf(path("escaped.html"));
    EXPECT_NE(page.find("Scale Length:  &lt;b&gt;&amp; </P>Number of Frets: 2 frets</P>"),
              std::string::npos)
        << page;
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

TEST_F(SaveListTest, AnEmptyListIsRefusedBeforeAnyDialog) {
    ScriptedDialogs::CancelNextSaveDialog();
    EXPECT_TRUE(main->_mnuSaveHTML_Action());
    EXPECT_EQ(ScriptedDialogs::TakeMessages(),
              std::vector<std::string>{"There are no frets to export."});
    EXPECT_TRUE(ScriptedDialogs::TakeSaveDialogRequests().empty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(SaveListTest, CancellingTheDialogWritesAndSaysNothing) {
    enter("25", "2");
    ScriptedDialogs::CancelNextSaveDialog();
    EXPECT_TRUE(main->_mnuSaveHTML_Action());
    EXPECT_EQ(ScriptedDialogs::TakeSaveDialogRequests().size(), 1u);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(SaveListTest, AFileThatCannotBeCreatedIsReported) {
    enter("25", "2");
    ScriptedDialogs::AnswerNextSaveDialog(path("no such folder/frets.html").toStdString());
    EXPECT_TRUE(main->_mnuSaveHTML_Action());
    EXPECT_EQ(ScriptedDialogs::TakeMessages(), std::vector<std::string>{"Error creating file."});
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(SaveListTest, AFailedWriteKeepsTheEarlierFileAndTheTable) {
    enter("25.5", "100");
    const std::string earlier = "the luthier's earlier table";
    writeFile(path("frets.html"), earlier);
    ScriptedDialogs::AnswerNextSaveDialog(path("frets.html").toStdString());
    {
        const FileSizeLimit limit(4096);  // the 100-fret page is far larger
        // The shortcut takes the framework's own road, which reports the failure.
        main->Handle()->activateWindow();
        QTest::keyClick(main->Handle(), Qt::Key_S, Qt::ControlModifier);
    }

    const auto messages = ScriptedDialogs::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Could not save \"")) << messages[0];
    EXPECT_NE(messages[0].find("File too large"), std::string::npos) << messages[0];
    EXPECT_EQ(contentsOf(path("frets.html")), earlier);
    EXPECT_EQ(files(), QStringList{"frets.html"});
    EXPECT_EQ(main->Listbox1()->ListCount(), 102);
    EXPECT_EQ(Window1(), main);
}

TEST_F(SaveListTest, ControlSReachesTheCommandFromTheMainWindow) {
    enter("25", "2");
    ScriptedDialogs::AnswerNextSaveDialog(path("shortcut.html").toStdString());
    main->Handle()->activateWindow();
    QTest::keyClick(main->Handle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(contentsOf(path("shortcut.html")), kPageFor25Inches2Frets);
}

}  // namespace
