#include "app/Startup.h"

#include <exception>

#include "app/App.h"
#include "app/FileTypes1.h"
#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Runtime.h"

namespace {
constexpr Double kFrameworkInterfaceVersion = 2018.02;
}

void _Main() {
    try {
        _RuntimeSetExceptionHelper(_CallFunctionWithExceptionHandling);
        _RuntimeDeclareInterfaceVersion(kFrameworkInterfaceVersion);
        _EarlyStartup();
        _RunFrameworkInitialization(_LateStartup);
        _RuntimeRun();
    } catch (...) {
        _UnhandledException(std::current_exception());
    }
}

void _EarlyStartup() {
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() { FileTypes1::_Initialize(); }

void _NewAppInstance() {
    auto application = std::make_shared<class App>();
    application->setMenuBar(MenuBar1());
    _RuntimeRegisterAppObject(application);
}

void _ApplicationAddMenuHandlers() {
    // The application handles no menu command of its own; the main window does.
}

void _LateStartup() { _MakeDefaultView(); }

void _MakeDefaultView() { Window1(); }
