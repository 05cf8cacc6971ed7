#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {
// Runs a driver script with its arguments on a virtual X display of its own
// and expects it to end with status 0; returns what it wrote.
std::string runOnVirtualDisplay(const QStringList& scriptAndArguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");  // the X display, not offscreen
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("xvfb-run", QStringList{"-a"} + scriptAndArguments);
    EXPECT_TRUE(process.waitForStarted(10000)) << "xvfb-run is missing";
    const bool finished = process.waitForFinished(90000);
    if (!finished) process.kill();
    std::string output = process.readAll().toStdString();
    EXPECT_TRUE(finished) << output;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(process.exitCode(), 0) << output;
    return output;
}
}  // namespace

// The real program on a virtual X display, driven by synthetic keystrokes:
// what is typed fills the table, which Ctrl+S saves through the real dialog.
TEST(ProcessTest, TypingFillsTheTableThatCtrlSSavesAndCtrlQEndsWithStatusZero) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString saved = QDir(folder.path()).filePath("frets.html");
    const std::string output =
        runOnVirtualDisplay({VELMORA_DRIVER_SCRIPT, VELMORA_EXECUTABLE, saved});

    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << output;
    const std::string page = file.readAll().toStdString();
    const std::string cell = "<TD ALIGN=CENTER>";
    EXPECT_NE(page.find("Scale Length: 25.5</P>Number of Frets: 24</P>"), std::string::npos)
        << page;
    // The 25.5-inch scale's first and last frets, then the bridge.
    EXPECT_NE(page.find("<TR>" + cell + "1" + cell + "1.431" + cell + "--"), std::string::npos)
        << page;
    EXPECT_NE(page.find("<TR>" + cell + "24" + cell + "19.125" + cell + ".379"), std::string::npos)
        << page;
    EXPECT_NE(page.find(cell + "Last Fret to Bridge" + cell + "6.375\""), std::string::npos)
        << page;
}

// Under a window manager every opening of each dialog shows it, as a dialog
// of the main window: a map that the window manager lost would leave the
// program blocked in its modal loop with nothing on screen.
TEST(ProcessTest, UnderAWindowManagerEachDialogShowsAtEveryOneOfManyOpenings) {
    runOnVirtualDisplay({VELMORA_DIALOGS_SCRIPT, VELMORA_EXECUTABLE, "30"});
}
