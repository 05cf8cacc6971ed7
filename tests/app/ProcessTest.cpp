#include <gtest/gtest.h>

#include <sys/stat.h>

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

// A save that cannot be made, into a file passing the program's file-size
// limit or into a pipe that nobody reads, ends in one message: the program
// goes on, Ctrl+Q still ends it with status 0, and what was there stays.
TEST(ProcessTest, ASaveRefusedByTheSystemIsToldAndTheProgramGoesOn) {
    const struct {
        const char* what;
        const char* name;
        const char* frets;
        const char* sizeLimit;
    } cases[] = {
        {"past a file-size limit", "frets.html", "100", "8192"},
        {"a pipe nobody reads", "frets.fifo", "2", "unlimited"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString target = QDir(folder.path()).filePath(c.name);
        const QByteArray earlier = "<head><title>Fret Calc</title></head>an earlier list";
        const bool pipe = QString(c.name).endsWith(".fifo");
        if (pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write(earlier), earlier.size());
        }

        const std::string output = runOnVirtualDisplay(
            {VELMORA_DRIVER_SCRIPT, VELMORA_EXECUTABLE, target, c.frets, "refused", c.sizeLimit});

        EXPECT_NE(output.find("a message was shown"), std::string::npos) << output;
        EXPECT_EQ(
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{c.name});
        if (pipe) {
            struct stat status {};
            ASSERT_EQ(stat(QFile::encodeName(target).constData(), &status), 0);
            EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the pipe was replaced";
        } else {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), earlier);
        }
    }
}

// Under a window manager every opening of each dialog shows it, as a dialog
// of the main window: a map that the window manager lost would leave the
// program blocked in its modal loop with nothing on screen.
TEST(ProcessTest, UnderAWindowManagerEachDialogShowsAtEveryOneOfManyOpenings) {
    runOnVirtualDisplay({VELMORA_DIALOGS_SCRIPT, VELMORA_EXECUTABLE, "30"});
}
