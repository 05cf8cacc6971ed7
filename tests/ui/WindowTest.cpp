#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QWidget>

#include "framework/ui/ScriptedDialogs.h"
#include "tests/support/ModalGuard.h"
#include "tests/ui/TestWindow.h"

namespace {
class WindowTest : public testing::Test {
  protected:
    void SetUp() override { ScriptedDialogs::CaptureMessages(true); }
    void TearDown() override { TestWindow::addMenuHandlers = nullptr; }

    static void trigger(TestWindow& window, const char* itemName) {
        auto* action = window.Handle()->findChild<QAction*>(itemName);
        ASSERT_NE(action, nullptr) << itemName;
        action->trigger();
    }
};
}  // namespace

TEST_F(WindowTest, TheImplicitInstanceIsTheOpenWindowUntilItCloses) {
    auto first = TestWindowInstance();
    EXPECT_EQ(TestWindowInstance(), first);
    EXPECT_EQ(Window::_GetImplicitWindow(TestWindow::kRegisteredName), first);

    first->Close();
    EXPECT_EQ(Window::_GetImplicitWindow(TestWindow::kRegisteredName), nullptr);
    auto second = TestWindowInstance();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Field()->Text(), "design");
}

TEST_F(WindowTest, TheFrameworkReleasesAClosedWindow) {
    std::weak_ptr<TestWindow> closed = TestWindowInstance();
    closed.lock()->Close();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(closed.expired());
}

TEST_F(WindowTest, RecordsRaiseNoHandlerAndOpenComesAfterTheAccessorReturns) {
    auto window = TestWindowInstance();
    EXPECT_EQ(window->Field()->Text(), "design");
    EXPECT_TRUE(window->Box()->Value());
    EXPECT_EQ(window->Popup()->ListIndex(), 0);
    // The controls' Open events come during construction, the window's later.
    EXPECT_EQ(window->events, std::vector<std::string>{"List Open"});

    QCoreApplication::processEvents();
    EXPECT_EQ(window->events, (std::vector<std::string>{"List Open", "Open"}));
}

TEST_F(WindowTest, AGroupBoxDisablesTheControlsItHolds) {
    auto window = TestWindowInstance();
    EXPECT_EQ(window->Inner()->Handle()->parentWidget(), window->Group()->Handle());
    EXPECT_FALSE(window->Inner()->Handle()->isEnabled());
    window->Group()->setEnabled(true);
    EXPECT_TRUE(window->Inner()->Handle()->isEnabled());
    // Positions are window coordinates, also inside the group box.
    EXPECT_EQ(window->Inner()->Handle()->geometry().topLeft(), QPoint(10, 30));
}

TEST_F(WindowTest, TheMenuBarSitsAboveTheClientAreaOfDesignSize) {
    auto window = TestWindowInstance();
    auto* bar = window->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int menuBarHeight = bar->height();
    EXPECT_GT(menuBarHeight, 0);
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_EQ(window->_ContentWidget()->geometry(),
              QRect(0, menuBarHeight, TestWindow::kDesignWidth, TestWindow::kDesignHeight));
    EXPECT_EQ(window->Handle()->height(), TestWindow::kDesignHeight + menuBarHeight);
    EXPECT_EQ(window->Field()->Handle()->geometry(), QRect(10, 10, 120, 22));
}

TEST_F(WindowTest, ResizingMovesOnlyWhatIsLockedToTheMovingEdges) {
    auto window = TestWindowInstance();
    QCoreApplication::processEvents();  // on screen, where resizing lays out at once
    QWidget* top = window->Handle();
    top->resize(top->width() + 50, top->height() + 30);
    EXPECT_EQ(window->List()->Handle()->geometry(), QRect(170, 10, 270, 310));
    EXPECT_EQ(window->Field()->Handle()->geometry(), QRect(10, 10, 120, 22));
    EXPECT_EQ(window->Width(), TestWindow::kDesignWidth + 50);
    EXPECT_EQ(window->Height(), TestWindow::kDesignHeight + 30);
    // The record's minimum height is the client area's.
    EXPECT_EQ(top->minimumHeight() - window->_ContentWidget()->y(), TestWindow::kDesignHeight);
}

TEST_F(WindowTest, MenuHandlersAreAddedBeforeTheFirstCommandAndRunWhenChosen) {
    int chosen = 0;
    TestWindow::addMenuHandlers = [&](TestWindow& window) {
        window._AddMenuHandler("cmdDo", [&] { return ++chosen, true; });
    };
    auto window = TestWindowInstance();
    EXPECT_EQ(window->addMenuHandlersCalls, 1);
    trigger(*window, "cmdDo");
    trigger(*window, "cmdDo");
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(window->addMenuHandlersCalls, 1);
}

TEST_F(WindowTest, ShortcutsUseThePlatformsPrimaryModifier) {
    auto window = TestWindowInstance();
    auto* action = window->Handle()->findChild<QAction*>("cmdDo");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(window->Handle()->findChild<QAction*>("FileQuit")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));
}

TEST_F(WindowTest, TheEditItemsWorkOnTheFocusedTextField) {
    auto window = TestWindowInstance();
    auto* field = static_cast<QLineEdit*>(window->Field()->Handle());
    QApplication::setActiveWindow(window->Handle());
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);

    trigger(*window, "EditSelectAll");
    EXPECT_EQ(field->selectedText(), "design");
    trigger(*window, "EditCut");
    EXPECT_EQ(field->text(), "");
    trigger(*window, "EditPaste");
    trigger(*window, "EditPaste");
    EXPECT_EQ(field->text(), "designdesign");
    trigger(*window, "EditUndo");
    EXPECT_EQ(field->text(), "design");
    trigger(*window, "EditSelectAll");
    trigger(*window, "EditCopy");
    trigger(*window, "EditClear");
    EXPECT_EQ(field->text(), "");
    trigger(*window, "EditPaste");
    EXPECT_EQ(field->text(), "design");
}

TEST_F(WindowTest, AHandlersExceptionIsReportedAndTheWindowGoesOn) {
    TestWindow::addMenuHandlers = [](TestWindow& window) {
        window._AddMenuHandler("cmdDo",
                               []() -> Boolean { throw NilObjectException("the list is gone"); });
    };
    auto window = TestWindowInstance();
    window->Field()->TextChange = [](TextField&) { throw OutOfBoundsException("row 7"); };

    trigger(*window, "cmdDo");
    window->Field()->setText("typed");
    EXPECT_EQ(ScriptedDialogs::TakeMessages(),
              (std::vector<std::string>{"the list is gone", "row 7"}));
    EXPECT_EQ(TestWindowInstance(), window);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Field()->Text(), "typed");
}

TEST_F(WindowTest, ShowModalReturnsWhenTheWindowHasClosed) {
    auto window = TestWindowInstance();
    bool wasModal = false;
    ModalGuard::ShowAndAct([&] { window->ShowModal(); },
                           [&] {
                               wasModal = QApplication::activeModalWidget() == window->Handle();
                               window->Close();
                           });
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(Window::_GetImplicitWindow(TestWindow::kRegisteredName), nullptr);
}

TEST_F(WindowTest, TheBackColorKeepsItsAlphaLikeTheControlsColours) {
    auto window = TestWindowInstance();
    window->_SetProperty({"BackColor", RGB(10, 20, 30, 64)});
    window->_SetProperty({"HasBackColor", true});
    EXPECT_EQ(window->_ContentWidget()->palette().color(QPalette::Window), QColor(10, 20, 30, 191));
    window->Field()->_SetProperty({"BackColor", RGB(10, 20, 30, 64)});
    EXPECT_EQ(window->Field()->Handle()->palette().color(QPalette::Base), QColor(10, 20, 30, 191));
}
