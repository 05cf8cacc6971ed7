#include "framework/ui/EventDispatch.h"

#include <cstdlib>
#include <cxxabi.h>
#include <iostream>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/MsgBox.h"

namespace {
struct Dispatch {
    ExceptionHelper exceptionHelper = _CallFunctionWithExceptionHandling;
    bool paintReportPending = false;
    int handlersRunning = 0;
    std::vector<std::function<void()>> afterHandler;  // of the handler running
};

Dispatch& dispatch() {
    static Dispatch state;
    return state;
}

std::string demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 ? name.get() : type.name();
}

// The class name and message of any exception.
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

// What the user is told: the failure in its own words, which say what failed
// and why. Its class is for whoever looks into it, on standard error.
std::string userReport(const std::exception_ptr& exception) {
    EventDispatch::LogException(exception);
    const std::string message = describe(exception).second;
    // One without words comes from the program itself, not from what the user did.
    return message.empty() ? "An internal error stopped the last action." : message;
}

void callHandler(void* handler) { (*static_cast<const std::function<void()>*>(handler))(); }

// The handler's exception, whatever its kind: event dispatch must not let
// one unwind through the toolkit.
std::exception_ptr runHandler(const std::function<void()>& handler) {
    try {
        return dispatch().exceptionHelper(callHandler,
                                          const_cast<std::function<void()>*>(&handler));
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

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
    dispatch().exceptionHelper = helper ? helper : _CallFunctionWithExceptionHandling;
}

void EventDispatch::LogException(const std::exception_ptr& exception) {
    auto [className, message] = describe(exception);
    std::cerr << "Unhandled exception " << className;
    if (!message.empty()) std::cerr << ": " << message;
    std::cerr << std::endl;
}

void EventDispatch::RequireUIThread() {
    if (QCoreApplication::instance() && QThread::currentThread() != qApp->thread()) {
        throw ThreadAccessingUIException("user-interface objects serve the main thread only");
    }
}

Boolean EventDispatch::HandlerRunning() { return dispatch().handlersRunning > 0; }

void EventDispatch::WhenHandlerReturns(std::function<void()> task) {
    if (HandlerRunning()) {
        dispatch().afterHandler.push_back(std::move(task));
    } else {
        task();
    }
}

Boolean EventDispatch::RaiseEvent(const std::function<void()>& handler) {
    ++dispatch().handlersRunning;
    std::exception_ptr exception = runHandler(handler);
    --dispatch().handlersRunning;
    // Those of nested handlers have run already. A task may leave another behind.
    while (!dispatch().afterHandler.empty()) {
        const auto tasks = std::exchange(dispatch().afterHandler, {});
        for (const auto& task : tasks) task();
    }
    if (!exception) return true;
    ShowFailure(userReport(exception));
    return false;
}

Boolean EventDispatch::RaisePaintEvent(const std::function<void()>& handler) {
    std::exception_ptr exception = runHandler(handler);
    if (!exception) return true;
    if (!dispatch().paintReportPending) {
        dispatch().paintReportPending = true;
        QTimer::singleShot(0, [report = userReport(exception)] {
            ShowFailure(report);
            dispatch().paintReportPending = false;
        });
    }
    return false;
}
