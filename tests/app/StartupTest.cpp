#include <gtest/gtest.h>

#include <exception>
#include <thread>

#include <QApplication>
#include <QTimer>

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "app/Window1.h"
#include "framework/ui/Runtime.h"
#include "tests/app/FreshStart.h"

namespace {
class StartupTest : public FreshStartTest {};
}  // namespace

TEST_F(StartupTest, EarlyStartupRegistersTheFileTypesAndTheApplicationButOpensNoWindow) {
    EXPECT_EQ(App(), nullptr);
    _EarlyStartup();
    EXPECT_EQ(FileTypeRegistry::All().size(), 3u);
    ASSERT_NE(App(), nullptr);
    EXPECT_EQ(App()->MenuBar(), ::MenuBar1());
    EXPECT_TRUE(Window::_OpenWindows().empty()) << "no window before the late start-up";

    _LateStartup();
    EXPECT_EQ(Window::_OpenWindows().size(), 1u);
    EXPECT_EQ(Window1()->MenuBar(), App()->MenuBar());
}

// Off the user-interface thread the application object cannot take its menu
// bar: the early start-up stops there, and what it did before shows the order.
TEST_F(StartupTest, TheFileTypesAreRegisteredBeforeTheApplicationObjectIsMade) {
    std::exception_ptr stopped;
    std::thread([&] {
        try {
            _EarlyStartup();
        } catch (...) {
            stopped = std::current_exception();
        }
    }).join();
    ASSERT_NE(stopped, nullptr);
    EXPECT_THROW(std::rethrow_exception(stopped), ThreadAccessingUIException);
    EXPECT_EQ(FileTypeRegistry::All().size(), 3u) << "the file types come first";
    EXPECT_NE(FileTypes1::HTML(), nullptr);
    EXPECT_EQ(App(), nullptr) << "the application object is registered last";
}

TEST_F(StartupTest, TheApplicationsOpenEventSetsAutoQuit) {
    _NewAppInstance();
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_FALSE(App()->AutoQuit());
    App()->Event_Open();
    EXPECT_TRUE(App()->AutoQuit());
}

TEST_F(StartupTest, AnotherApplicationObjectIsNoApp) {
    _RuntimeRegisterAppObject(std::make_shared<Application>());
    EXPECT_THROW(App(), IllegalCastException);
}

TEST_F(StartupTest, ClosingTheMainWindowEndsTheEventLoop) {
    _EarlyStartup();
    _RunFrameworkInitialization(_LateStartup);
    QApplication::setQuitOnLastWindowClosed(false);  // until the application opens
    // Once the event loop runs, the application's Open has set AutoQuit.
    QTimer::singleShot(50, [] { Window1()->Close(); });
    QTimer failSafe;
    failSafe.callOnTimeout([] { QCoreApplication::exit(99); });
    failSafe.start(5000);
    _RuntimeRun();
    EXPECT_TRUE(App()->AutoQuit());
    EXPECT_EQ(Window::_GetImplicitWindow(Window1::kRegisteredName), nullptr);
    EXPECT_EQ(RuntimeExit(), 0);
}
