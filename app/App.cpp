#include "app/App.h"

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Runtime.h"

void App::Event_Open() {
    auto application = ::App();
    if (!application) throw NilObjectException("no application object");
    application->setAutoQuit(true);
}

std::shared_ptr<class App> App() {
    auto object = _GetAppObject();
    if (!object) return nullptr;
    auto application = std::dynamic_pointer_cast<class App>(object);
    if (!application) throw IllegalCastException("the application object is not an App");
    return application;
}
