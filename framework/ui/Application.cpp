#include "framework/ui/Application.h"

#include <utility>

#include <QApplication>
#include <QCoreApplication>

#include "framework/ui/EventDispatch.h"
#include "framework/ui/MenuItem.h"

namespace {
// VELMORA_SHORT_VERSION: the project's version in the build.
void setVersionFromBuild() {
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_SHORT_VERSION));
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(setVersionFromBuild)

void Application::setMenuBar(std::shared_ptr<class MenuBar> menuBar) {
    EventDispatch::RequireUIThread();
    menuBar_ = std::move(menuBar);
}

Boolean Application::AutoQuit() const { return QApplication::quitOnLastWindowClosed(); }

void Application::setAutoQuit(Boolean value) { QApplication::setQuitOnLastWindowClosed(value); }

std::string Application::ShortVersion() const {
    return QCoreApplication::applicationVersion().toStdString();
}
