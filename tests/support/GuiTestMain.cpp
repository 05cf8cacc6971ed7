#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "framework/ui/Runtime.h"
#include "framework/ui/ScriptedDialogs.h"
#include "framework/ui/Window.h"
#include "tests/support/ModalGuard.h"

namespace {
int expectedModalScopes = 0;

void closeModal(QWidget& modal) {
    if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
        dialog->reject();
    } else {
        modal.close();
    }
}

// Whatever a test scripted, captured or left unanswered goes with it: the next
// test starts with the real dialogs.
void resetScriptedDialogs() {
    ScriptedDialogs::CaptureMessages(false);
    ScriptedDialogs::TakeMessages();
    ScriptedDialogs::ClearSaveDialogs();
    ScriptedDialogs::ClearPrintDialogs();
}

// Checks for an unexpected modal window while a test runs, also from inside
// the modal window's own event loop.
class ModalWindowListener : public testing::EmptyTestEventListener {
  public:
    ModalWindowListener() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || expectedModalScopes > 0) return;
            ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString()
                          << "\"";
            closeModal(*modal);
        });
    }
    void OnTestStart(const testing::TestInfo&) override { timer_.start(); }
    void OnTestEnd(const testing::TestInfo&) override {
        // Each test leaves no window behind for the next; the guard stays on
        // while they close.
        for (const auto& window : Window::_OpenWindows()) window->Close();
        QCoreApplication::sendPostedEvents();
        timer_.stop();
        resetScriptedDialogs();
    }

  private:
    QTimer timer_;
};
}  // namespace

ModalGuard::Expected::Expected() { ++expectedModalScopes; }
ModalGuard::Expected::~Expected() { --expectedModalScopes; }

void ModalGuard::ShowAndAct(const std::function<void()>& show, const std::function<void()>& act) {
    // Long enough for Qt's own dialogs under the sanitizers.
    constexpr int kPatienceMs = 15000;
    const Expected modal;
    bool acted = false;
    bool stayedOpen = false;
    // Turns still pending when `show` returns are dropped with it.
    QObject turns;
    // The first turn comes before what showing the window posts.
    QTimer::singleShot(0, &turns, [&] {
        QTimer::singleShot(0, &turns, [&] {
            acted = true;
            act();
        });
    });
    QTimer deadline;
    deadline.callOnTimeout([&] {
        if (!stayedOpen) ADD_FAILURE() << "a modal window stayed open";
        stayedOpen = true;
        deadline.setInterval(50);  // and the one behind it, if any
        if (QWidget* open = QApplication::activeModalWidget()) closeModal(*open);
    });
    deadline.start(kPatienceMs);
    show();
    EXPECT_TRUE(acted) << "no modal loop ran while showing";
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RuntimeInit(argc, argv);  // as the program starts, but on the application above
    testing::InitGoogleTest(&argc, argv);
    auto& listeners = testing::UnitTest::GetInstance()->listeners();
    auto* guard = new ModalWindowListener;
    listeners.Append(guard);
    const int status = RUN_ALL_TESTS();
    delete listeners.Release(guard);
    RuntimePerformFinalizers();
    return status;
}
