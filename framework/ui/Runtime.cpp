#include "framework/ui/Runtime.h"

#include <cxxabi.h>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <typeinfo>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Application.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/Window.h"

namespace {
constexpr Double kInterfaceVersion = 2018.02;

struct RunTime {
    std::unique_ptr<QApplication> qtApplication;
    ExceptionHelper exceptionHelper = _CallFunctionWithExceptionHandling;
    std::shared_ptr<Application> application;
    int exitStatus = 0;
    bool paintReportPending = false;
};

RunTime& runTime() {
    static RunTime state;
    return state;
}

std::string demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 ? name.get() : type.name();
}

// The class name and message of any exception, for the reports.
std::pair<std::string, std::string> describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return {e.ClassName(), e.Message()};
    } catch (const std::exception& e) {
        return {demangled(typeid(e)), e.what()};
    } catch (...) {
        return {"unknown exception", ""};
    }
}

std::string userReport(const std::exception_ptr& exception) {
    auto [className, message] = describe(exception);
    std::string text = "An exception of class " + className + " was not handled.";
    if (!message.empty()) text += "\n\n" + message;
    return text;
}

void callHandler(void* handler) { (*static_cast<const std::function<void()>*>(handler))(); }

// The handler's exception, whatever its kind: event dispatch must not let
// one unwind through the toolkit.
std::exception_ptr runHandler(const std::function<void()>& handler) {
    try {
        return runTime().exceptionHelper(callHandler, const_cast<std::function<void()>*>(&handler));
    } catch (...) {
        return std::current_exception();
    }
}
}  // namespace

std::exception_ptr _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
    try {
        function(argument);
        return nullptr;
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
}

void RuntimeInit(int& argc, char** argv) {
    if (!QApplication::instance())
        runTime().qtApplication = std::make_unique<QApplication>(argc, argv);
    // Quitting on the last window waits for the application's AutoQuit.
    QApplication::setQuitOnLastWindowClosed(false);
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
    runTime().exceptionHelper = helper ? helper : _CallFunctionWithExceptionHandling;
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
            _RaiseEvent([&] { application->Event_Open(); });
        }
    });
    runTime().exitStatus = QApplication::exec();
}

void _UnhandledException(std::exception_ptr exception) {
    auto [className, message] = describe(exception);
    std::cerr << "Unhandled exception " << className;
    if (!message.empty()) std::cerr << ": " << message;
    std::cerr << std::endl;
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

void _RequireUIThread() {
    if (QCoreApplication::instance() && QThread::currentThread() != qApp->thread()) {
        throw ThreadAccessingUIException("user-interface objects serve the main thread only");
    }
}

Boolean _RaiseEvent(const std::function<void()>& handler) {
    std::exception_ptr exception = runHandler(handler);
    if (!exception) return true;
    MsgBox(userReport(exception));
    return false;
}

Boolean _RaisePaintEvent(const std::function<void()>& handler) {
    std::exception_ptr exception = runHandler(handler);
    if (!exception) return true;
    if (!runTime().paintReportPending) {
        runTime().paintReportPending = true;
        QTimer::singleShot(0, [report = userReport(exception)] {
            MsgBox(report);
            runTime().paintReportPending = false;
        });
    }
    return false;
}
