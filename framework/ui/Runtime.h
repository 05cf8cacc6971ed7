#pragma once

#include <exception>
#include <functional>
#include <memory>

#include "framework/runtime/Types.h"

class Application;

// The run time of one process: one QApplication, the application object,
// the event loop and the reports of exceptions nobody handled.

// Calls function(argument) and gives back the RuntimeException it raised, or
// nullptr; any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);
std::exception_ptr _CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// First call of the process: creates the QApplication from main's arguments.
void RuntimeInit(int& argc, char** argv);
// The helper through which event dispatch gets a handler's exception back.
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
// The framework interface version the program is written against; a newer
// one than this framework provides raises UnsupportedFormatException.
void _RuntimeDeclareInterfaceVersion(Double version);
void _RuntimeRegisterAppObject(std::shared_ptr<Application> application);
std::shared_ptr<Application> _GetAppObject();
// Completes the framework's set-up and calls callback during it.
void _RunFrameworkInitialization(void (*callback)());
// Raises the application's Open event, then runs the event loop until the
// application quits.
void _RuntimeRun();
// Reports an exception that reached the start routine on standard error;
// the run then ends with a failure status.
void _UnhandledException(std::exception_ptr exception);
// Closes every open window and releases the application object.
void RuntimePerformFinalizers();
// Ends the run time; returns the process's exit status.
int RuntimeExit();

// Raises ThreadAccessingUIException off the user-interface thread.
void _RequireUIThread();

// Runs an event or menu handler. An exception it passes on is shown to the
// user in a modal message naming its class and message, and the application
// goes on. Returns whether the handler ran to its end.
Boolean _RaiseEvent(const std::function<void()>& handler);
// The same for handlers that run while a widget paints: the message is shown
// once painting is over, and a handler failing on every paint is reported once.
Boolean _RaisePaintEvent(const std::function<void()>& handler);
