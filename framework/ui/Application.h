#pragma once

#include <memory>
#include <string>

#include "framework/runtime/Types.h"

class MenuBar;

// The application object; the program registers one subclass of it.
class Application {
  public:
    virtual ~Application() = default;

    std::shared_ptr<class MenuBar> MenuBar() const { return menuBar_; }
    void setMenuBar(std::shared_ptr<class MenuBar> menuBar);

    // True: the application quits when its last window closes.
    Boolean AutoQuit() const;
    void setAutoQuit(Boolean value);

    // The version the application was built as, "1.0.0"; Qt's application
    // version, which the framework sets from the build as Qt starts.
    std::string ShortVersion() const;

    // Raised once the event loop runs.
    virtual void Event_Open() {}

  private:
    std::shared_ptr<class MenuBar> menuBar_;
};
