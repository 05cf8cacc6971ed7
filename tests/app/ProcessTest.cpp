#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

// The real program on a virtual X display, driven by synthetic keystrokes.
TEST(ProcessTest, TypingIntoTheWindowAndPressingCtrlQEndsWithStatusZero) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");  // the X display, not offscreen
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("xvfb-run", {"-a", VELMORA_DRIVER_SCRIPT, VELMORA_EXECUTABLE});
    ASSERT_TRUE(process.waitForStarted(10000)) << "xvfb-run is missing";
    const bool finished = process.waitForFinished(90000);
    if (!finished) process.kill();
    const std::string output = process.readAll().toStdString();
    ASSERT_TRUE(finished) << output;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(process.exitCode(), 0) << output;
}
