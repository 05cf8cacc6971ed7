#pragma once

#include <exception>
#include <memory>

#include "framework/runtime/Types.h"

class Application;

// The run time of one process: one QApplication, the application object,
// the event loop and the reports of exceptions nobody handled. It sits above
// the windows; event dispatch below them is in EventDispatch.h.

// First call of the process: creates the QApplication from main's arguments,
// where there is none yet, gives it the icon among the application's files,
// when there is one, and sets what the framework's promises rest on (a write
// refused by the system fails with its reason; no signal ends the run).
void RuntimeInit(int& argc, char** argv);
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
void _UnhandledException(const std::exception_ptr& exception);
// Closes every open window and releases the application object.
void RuntimePerformFinalizers();
// Ends the run time; returns the process's exit status.
int RuntimeExit();
