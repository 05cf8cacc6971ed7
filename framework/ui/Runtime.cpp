#include "framework/ui/Runtime.h"

#include <csignal>
#include <cstdlib>
#include <string>
#include <utility>

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/AppResources.h"
#include "framework/ui/Application.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Window.h"

namespace {
constexpr Double kInterfaceVersion = 2018.02;

struct RunTime {
    std::unique_ptr<QApplication> qtApplication;
    std::shared_ptr<Application> application;
    int exitStatus = 0;
};

RunTime& runTime() {
    static RunTime state;
    return state;
}
}  // namespace

void RuntimeInit(int& argc, char** argv) {
    // A save past a file-size limit, or into a pipe whose reader has left,
    // is to fail with its reason ("File too large", "Broken pipe") and keep
    // the earlier file, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    if (!QApplication::instance())
        runTime().qtApplication = std::make_unique<QApplication>(argc, argv);
    // Quitting on the last window waits for the application's AutoQuit.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window carries the application's icon, which the desktop's task
    // bar and window switcher show. VELMORA_ICON_FILE: its picture among the
    // application's files.
    const std::string icon = AppResources::Path(VELMORA_ICON_FILE);
    if (!icon.empty()) QApplication::setWindowIcon(QIcon(QString::fromStdString(icon)));
}

void _RuntimeDeclareInterfaceVersion(Double version) {
    if (version > kInterfaceVersion) {
        throw UnsupportedFormatException("the program needs framework interface version " +
                                         std::to_string(version));
    }
}

void _RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
    runTime().application = std::move(application);
}

std::shared_ptr<Application> _GetAppObject() { return runTime().application; }

void _RunFrameworkInitialization(void (*callback)()) { callback(); }

void _RuntimeRun() {
    QTimer::singleShot(0, [] {
        if (auto application = _GetAppObject()) {
            EventDispatch::RaiseEvent([&] { application->Event_Open(); });
        }
    });
    runTime().exitStatus = QApplication::exec();
}

void _UnhandledException(const std::exception_ptr& exception) {
    EventDispatch::LogException(exception);
    runTime().exitStatus = EXIT_FAILURE;
}

void RuntimePerformFinalizers() {
    for (const auto& window : Window::_OpenWindows()) window->Close();
    // Closed windows are released from the event queue.
    QCoreApplication::sendPostedEvents();
    runTime().application.reset();
}

int RuntimeExit() {
    runTime().qtApplication.reset();
    return runTime().exitStatus;
}
