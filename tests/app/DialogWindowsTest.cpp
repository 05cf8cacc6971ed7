#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/app/FreshStart.h"
#include "tests/support/ModalGuard.h"

namespace {
// Every show and hide of a top-level window, in order, with the window's
// modality at that moment.
class WindowShowsAndHides : public QObject {
  public:
    struct Seen {
        std::string what, title;
        bool modal = false;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;

    WindowShowsAndHides() { qApp->installEventFilter(this); }
    ~WindowShowsAndHides() override { qApp->removeEventFilter(this); }

    void mark(const std::string& what) { seen.push_back({what, "", false}); }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        const bool show = event->type() == QEvent::Show;
        if (!show && event->type() != QEvent::Hide) return false;
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow()) {
            seen.push_back(
                {show ? "show" : "hide", widget->windowTitle().toStdString(), widget->isModal()});
        }
        return false;
    }
};

void PrintTo(const WindowShowsAndHides::Seen& seen, std::ostream* out) {
    *out << seen.what << " \"" << seen.title << "\"" << (seen.modal ? " modal" : "");
}

// What a secondary window is once its modal loop runs.
struct Opened {
    std::vector<WindowShowsAndHides::Seen> seen;
    Qt::WindowType type = Qt::Widget;
    QWindow* transientParent = nullptr;
};

class DialogWindowsTest : public FreshStartTest {
  protected:
    void SetUp() override {
        FreshStartTest::SetUp();
        FileTypes1::_Initialize();
        _RuntimeRegisterAppObject(std::make_shared<class App>());
        ScriptedDialogs::CaptureMessages(true);
        main = Window1();
        QCoreApplication::processEvents();  // on screen and opened
        main->Handle()->activateWindow();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QApplication::activeWindow() == main->Handle(); }));
    }
    void TearDown() override { EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty()); }

    // Chooses the menu command; once the window it opens has run its Open
    // event inside its modal loop, notes what it is and closes it.
    Opened choose(const char* command, const char* registeredName) {
        WindowShowsAndHides events;
        Opened opened;
        auto* action = main->Handle()->findChild<QAction*>(command);
        EXPECT_NE(action, nullptr) << command;
        ModalGuard::ShowAndAct(
            [&] {
                if (action) action->trigger();
            },
            [&] {
                events.mark("modal loop");
                auto window = Window::_GetImplicitWindow(registeredName);
                if (!window) return;
                QWidget* handle = window->Handle();
                opened.type = handle->windowType();
                opened.transientParent = handle->windowHandle()->transientParent();
                window->Close();
            });
        EXPECT_EQ(Window::_GetImplicitWindow(registeredName), nullptr) << "closed";
        opened.seen = std::move(events.seen);
        return opened;
    }

    std::shared_ptr<class Window1> main;
};

struct Command {
    const char* name;
    const char* registeredName;
    const char* title;
};
const Command kCommands[] = {
    {"mnuPrint", "frmFretOutline.frmFretOutline", "Print Fret Outline"},
    {"mnuCalcStringSize", "frmCalcStringSize.frmCalcStringSize", "Calculate String Size"},
    {"mnuAbout", "frmAbout.frmAbout", "About"},
};
}  // namespace

// Shown once, already modal, before its modal loop runs: a hide and a second
// show are what window managers may lose, leaving the program blocked behind
// a window that never appears.
TEST_F(DialogWindowsTest, EachWindowIsShownOnceAndModalBeforeItsModalLoop) {
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.name);
        const Opened opened = choose(command.name, command.registeredName);
        const std::vector<WindowShowsAndHides::Seen> expected = {{"show", command.title, true},
                                                                 {"modal loop", "", false}};
        ASSERT_GE(opened.seen.size(), expected.size());
        EXPECT_EQ(std::vector(opened.seen.begin(), opened.seen.begin() + expected.size()),
                  expected);
    }
}

// A dialog of the main window: window managers keep it above the main window,
// place it over it and offer no minimise that would hide it alone.
TEST_F(DialogWindowsTest, EachWindowIsADialogOfTheMainWindow) {
    for (const Command& command : kCommands) {
        SCOPED_TRACE(command.name);
        const Opened opened = choose(command.name, command.registeredName);
        EXPECT_EQ(opened.type, Qt::Dialog);
        EXPECT_EQ(opened.transientParent, main->Handle()->windowHandle());
    }
}
