#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QWidget>

#include "app/App.h"
#include "app/Window1.h"
#include "app/frmAbout.h"
#include "framework/ui/Runtime.h"
#include "tests/about/AboutFiles.h"

// The run time gives the application the icon among its files: the main
// window and a secondary window carry it without a word of their own.
TEST(WindowIconTest, TheMainWindowAndASecondaryWindowCarryTheApplicationsIcon) {
    const AboutFiles files;
    ASSERT_TRUE(files.valid());
    ASSERT_TRUE(files.put(AboutFiles::kIcon));
    ASSERT_TRUE(files.put(AboutFiles::kLogo));
    if (!App()) _RuntimeRegisterAppObject(std::make_shared<class App>());
    char program[] = "velmora";
    char* arguments[] = {program, nullptr};
    int count = 1;
    RuntimeInit(count, arguments);

    const QImage expected(AboutFiles::original(AboutFiles::kIcon));
    const std::pair<const char*, QWidget*> windows[] = {
        {"main window", Window1()->Handle()},
        {"About window", frmAbout()->Handle()},
    };
    for (const auto& [what, window] : windows) {
        SCOPED_TRACE(what);
        const QImage icon = window->windowIcon().pixmap(expected.size()).toImage();
        EXPECT_EQ(icon.convertToFormat(expected.format()), expected);
    }
    QApplication::setWindowIcon(QIcon());
}
