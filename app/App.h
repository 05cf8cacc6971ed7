#pragma once

#include <memory>

#include "framework/ui/Application.h"

// The application object: it quits when its last window closes.
class App : public Application {
  public:
    void Event_Open() override;
};

// The registered application object, or nullptr before it is registered.
std::shared_ptr<class App> App();
