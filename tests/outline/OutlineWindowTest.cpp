#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "framework/ui/ScriptedDialogs.h"
#include "outline/frmFretOutline.h"
#include "tests/support/ModalGuard.h"

namespace {

std::shared_ptr<Window> openOutline() {
    return Window::_GetImplicitWindow(frmFretOutline::kRegisteredName);
}

TEST(OutlineWindowTest, OpensWithItsDesignTimeValues) {
    auto window = frmFretOutline();
    EXPECT_EQ(window->Title(), "Print Fret Outline");
    EXPECT_EQ(window->Width(), 351);
    EXPECT_EQ(window->Height(), 140);
    auto* cancel = qobject_cast<QPushButton*>(window->PushButton1()->Handle());
    auto* print = qobject_cast<QPushButton*>(window->PushButton2()->Handle());
    auto* save = qobject_cast<QPushButton*>(window->PushButton3()->Handle());
    ASSERT_TRUE(cancel && print && save);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(print->text(), "Print");
    EXPECT_EQ(save->text(), "Save");
    EXPECT_TRUE(print->isDefault());
    EXPECT_EQ(window->Label1()->Text(), "Number of Fretboards:");
    ASSERT_EQ(window->PopupMenu1()->ListCount(), 10);
    for (Integer i = 0; i < 10; ++i)
        EXPECT_EQ(window->PopupMenu1()->List(i), std::to_string(i + 1));
    EXPECT_EQ(window->PopupMenu1()->ListIndex(), 0);
    EXPECT_EQ(window->PopupMenu1()->Handle()->parentWidget(), window->GroupBox1()->Handle());
    EXPECT_EQ(window->PushButton2()->_WindowRect(), QRect(251, 98, 80, 22));
    window->Close();
}

// Ctrl+P in the main window shows the outline window modally; each way of
// leaving it without a command closes it and draws nothing.
TEST(OutlineWindowTest, ControlPOpensItAndCancelEscapeAndTheCloseBoxCloseIt) {
    if (!FileTypes1::Png()) FileTypes1::_Initialize();
    const std::pair<const char*, std::function<void(class frmFretOutline&)>> ways[] = {
        {"Cancel", [](auto& w) { QTest::mouseClick(w.PushButton1()->Handle(), Qt::LeftButton); }},
        {"Escape", [](auto& w) { QTest::keyClick(w.Handle(), Qt::Key_Escape); }},
        {"close box", [](auto& w) { w.Handle()->close(); }},
    };
    auto main = Window1();
    QCoreApplication::processEvents();
    main->TextField1()->setText("25.5");
    main->TextField2()->setText("22");
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        // The main window counts as active while its closed dialog keeps the
        // focus, so the wait is for the window itself.
        main->Handle()->activateWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QApplication::activeWindow() == main->Handle(); }));
        bool wasModal = false;
        ModalGuard::ShowAndAct(
            [&] { QTest::keyClick(main->Handle(), Qt::Key_P, Qt::ControlModifier); },
            [&, leave = leave] {
                auto outline = std::dynamic_pointer_cast<class frmFretOutline>(openOutline());
                ASSERT_NE(outline, nullptr);
                wasModal = QApplication::activeModalWidget() == outline->Handle();
                // Escape reaches the window that has the keyboard.
                EXPECT_TRUE(QTest::qWaitForWindowActive(outline->Handle()));
                leave(*outline);
            });
        EXPECT_TRUE(wasModal);
        EXPECT_EQ(openOutline(), nullptr);
        EXPECT_TRUE(ScriptedDialogs::TakeSaveDialogRequests().empty());
    }
}

TEST(OutlineWindowTest, TheNextOpeningStartsFromOneFretboardAgain) {
    auto first = frmFretOutline();
    first->PopupMenu1()->setListIndex(6);
    EXPECT_EQ(frmFretOutline(), first);
    QTest::mouseClick(first->PushButton1()->Handle(), Qt::LeftButton);
    auto second = frmFretOutline();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->PopupMenu1()->ListIndex(), 0);
    second->Close();
}

}  // namespace
