#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "tests/ui/TestWindow.h"

// Apart from the other window tests: once the event loop has quit, Qt ends
// every later modal loop of the process at once.
TEST(QuitTest, TheQuitItemClosesTheWindowsAndEndsTheEventLoop) {
    auto window = TestWindowInstance();
    QTimer::singleShot(0, [&] { window->Handle()->findChild<QAction*>("FileQuit")->trigger(); });
    QTimer failSafe;
    failSafe.callOnTimeout([] { QCoreApplication::exit(99); });
    failSafe.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(Window::_GetImplicitWindow(TestWindow::kRegisteredName), nullptr);
}
