#include "framework/ui/Application.h"

#include <QApplication>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/MenuItem.h"

void Application::setMenuBar(std::shared_ptr<class MenuBar> menuBar) {
    _RequireUIThread();
    menuBar_ = std::move(menuBar);
}

Boolean Application::AutoQuit() const { return QApplication::quitOnLastWindowClosed(); }

void Application::setAutoQuit(Boolean value) { QApplication::setQuitOnLastWindowClosed(value); }
