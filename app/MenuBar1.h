#pragma once

#include <memory>

#include "framework/ui/MenuItem.h"

// The one menu bar of the program: File, Edit and Tools. The application
// and the main window share its single instance.
class MenuBar1 : public MenuBar {
  public:
    MenuBar1();

    // Builders of the File, Edit and Tools menus.
    void Untitled0();
    void Untitled1();
    void Untitled2();

    // Set by the first call of the accessor, kept to the end of the run.
    static std::shared_ptr<MenuBar1> _implicitInstance;
};

// The single instance, built on the first call.
std::shared_ptr<class MenuBar1> MenuBar1();
