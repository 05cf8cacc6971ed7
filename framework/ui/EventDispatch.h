#pragma once

#include <exception>
#include <functional>

#include "framework/runtime/Types.h"

// How the framework runs the program's event and menu handlers. Controls and
// windows raise their events through here; the run time above them only
// installs the exception helper.

// Calls function(argument) and gives back the RuntimeException it raised, or
// nullptr; any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);
std::exception_ptr _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
// The helper through which event dispatch gets a handler's exception back.
void _RuntimeSetExceptionHelper(ExceptionHelper helper);

namespace EventDispatch {

// Raises ThreadAccessingUIException off the user-interface thread.
void RequireUIThread();

// Runs an event or menu handler. An exception it passes on is shown to the
// user as a warning in its own words, or in one plain sentence when it has
// none; its class goes to standard error (LogException), and the application
// goes on. Returns whether the handler ran to its end.
Boolean RaiseEvent(const std::function<void()>& handler);
// The same for handlers that run while a widget paints: the message is shown
// once painting is over, and a handler failing on every paint is reported once.
Boolean RaisePaintEvent(const std::function<void()>& handler);

// Whether an event or menu handler is running now.
Boolean HandlerRunning();
// Runs `task` once the handler now running (the innermost, when handlers
// nest) has returned, before control goes back to whatever raised it; at once
// when no handler runs.
void WhenHandlerReturns(std::function<void()> task);

// Writes the class and the message of any exception on standard error, for
// whoever looks into a failure.
void LogException(const std::exception_ptr& exception);

}  // namespace EventDispatch
