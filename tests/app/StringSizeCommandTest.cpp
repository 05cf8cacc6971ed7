#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWindow>

#include "app/Window1.h"
#include "gauge/frmCalcStringSize.h"
#include "tests/app/FreshStart.h"
#include "tests/support/ModalGuard.h"

namespace {
// What the gauge window holds while it is shown.
struct Seen {
    std::string length, note, shown;
    bool modal = false;
};

class StringSizeCommandTest : public FreshStartTest {
  protected:
    void SetUp() override {
        FreshStartTest::SetUp();
        window = Window1();
        QCoreApplication::processEvents();  // the main window's Open event
    }

    // Chooses Tools > "String Size"; once the gauge window has opened, looks
    // at it, runs the step, then closes it with its button.
    Seen chooseStringSize(const std::function<void(class frmCalcStringSize&)>& step = {}) {
        Seen seen;
        auto* command = window->Handle()->findChild<QAction*>("mnuCalcStringSize");
        EXPECT_NE(command, nullptr);
        ModalGuard::ShowAndAct(
            [&] {
                if (command) command->trigger();
            },
            [&] {
                auto gauge = frmCalcStringSize();
                seen.modal = QApplication::activeModalWidget() == gauge->Handle();
                seen.length = gauge->TextField1()->Text();
                seen.note = gauge->PopupMenu1()->List(gauge->PopupMenu1()->ListIndex());
                seen.shown = gauge->Label5()->Text();
                if (step) step(*gauge);
                QTest::mouseClick(gauge->PushButton1()->Handle(), Qt::LeftButton);
            });
        EXPECT_EQ(Window::_GetImplicitWindow(frmCalcStringSize::kRegisteredName), nullptr)
            << "the window has closed when the command returns";
        return seen;
    }

    std::shared_ptr<class Window1> window;
};
}  // namespace

TEST_F(StringSizeCommandTest, TheScaleLengthGoesOverAsTypedWhenItIsAbove0) {
    struct Case {
        const char* scaleLength;
        const char* length;
        const char* shown;
    };
    const Case cases[] = {
        {"25.5", "25.5", "String Size: 10"}, {"25.50", "25.50", "String Size: 10"},
        {"", "25", "String Size: 11"},       {"0", "25", "String Size: 11"},
        {"-25", "25", "String Size: 11"},    {"abc", "25", "String Size: 11"},
        {"0.5", "0.5", "String Size: N/A"},
    };
    for (const Case& c : cases) {
        window->TextField1()->setText(c.scaleLength);
        const Seen seen = chooseStringSize();
        EXPECT_TRUE(seen.modal) << c.scaleLength;
        EXPECT_EQ(seen.length, c.length) << c.scaleLength;
        EXPECT_EQ(seen.note, "D4") << c.scaleLength;
        EXPECT_EQ(seen.shown, c.shown) << c.scaleLength;
        EXPECT_EQ(window->TextField1()->Text(), c.scaleLength) << "the main window keeps its text";
    }
}

TEST_F(StringSizeCommandTest, ClosingAndReopeningForgetsTheNoteAndTheLength) {
    const Seen first = chooseStringSize([](class frmCalcStringSize& gauge) {
        gauge.PopupMenu1()->setListIndex(87);
        QTest::keyClicks(gauge.TextField1()->Handle(), "0");
        EXPECT_EQ(gauge.Label5()->Text(), "String Size: 11") << "A0 at 250 inches";
    });
    EXPECT_EQ(first.shown, "String Size: 11");

    const Seen second = chooseStringSize();
    EXPECT_EQ(second.length, "25");
    EXPECT_EQ(second.note, "D4");
    EXPECT_EQ(second.shown, "String Size: 11");
}

TEST_F(StringSizeCommandTest, TheGaugeWindowOpensOverTheMainWindow) {
    QRect main = window->Handle()->geometry();
    QRect gaugeFrame;
    QWindow* transientParent = nullptr;
    chooseStringSize([&](class frmCalcStringSize& gauge) {
        gaugeFrame = gauge.Handle()->geometry();
        transientParent = gauge.Handle()->windowHandle()->transientParent();
    });
    EXPECT_TRUE(main.contains(gaugeFrame)) << "over the main window";
    const QPoint offset = gaugeFrame.center() - main.center();
    EXPECT_LE(offset.manhattanLength(), 2) << "centred";
    EXPECT_EQ(transientParent, window->Handle()->windowHandle());
}

TEST_F(StringSizeCommandTest, TheCommandIsHandled) {
    ModalGuard::ShowAndAct([&] { EXPECT_TRUE(window->_mnuCalcStringSize_Action()); },
                           [] { frmCalcStringSize()->Close(); });
}
