#pragma once

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QString>

// Root ignores folder permissions and sticky folders: as root, a test about
// them runs itself again without the capabilities that let it, still the
// owner of its build and temporary folders, wherever they lie, but held to
// their permissions like any user. True when it did (and checked the re-run's
// result): the calling test then returns.
inline bool RanWithoutOverridingPermissions() {
    if (geteuid() != 0 || prctl(PR_CAPBSET_READ, CAP_DAC_OVERRIDE) != 1) return false;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        "setpriv",
        {"--inh-caps=-all", "--bounding-set=-dac_override,-dac_read_search,-fowner",
         QCoreApplication::applicationFilePath(),
         QStringLiteral("--gtest_filter=%1.%2")
             .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    return true;
}
