#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/Canvas.h"
#include "framework/ui/Controls.h"
#include "framework/ui/LayoutRecord.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Window.h"

// A small window class built the way the program's windows are: a menu bar,
// a record, and controls whose handlers are attached after their records.
class TestWindow : public Window {
  public:
    static constexpr const char* kRegisteredName = "TestWindow.TestWindow";
    static constexpr int kDesignWidth = 400;
    static constexpr int kDesignHeight = 300;

    std::vector<std::string> events;
    // Run by AddMenuHandlers while the window is built; tests register their
    // menu handlers here.
    static inline std::function<void(TestWindow&)> addMenuHandlers;
    int addMenuHandlersCalls = 0;

    std::shared_ptr<TextField> Field() const { return _Control<TextField>("Field"); }
    std::shared_ptr<CheckBox> Box() const { return _Control<CheckBox>("Box"); }
    std::shared_ptr<GroupBox> Group() const { return _Control<GroupBox>("Group"); }
    std::shared_ptr<CheckBox> Inner() const { return _Control<CheckBox>("Inner"); }
    std::shared_ptr<PopupMenu> Popup() const { return _Control<PopupMenu>("Popup"); }
    std::shared_ptr<Listbox> List() const { return _Control<Listbox>("List"); }
    std::shared_ptr<Canvas> Surface() const { return _Control<Canvas>("Surface"); }

    static std::shared_ptr<class MenuBar> TestMenuBar();

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(const std::shared_ptr<Window>& window) override;
    void Event_Open() override;
};

std::shared_ptr<TestWindow> TestWindowInstance();

// A control record: its name, position and size, and further properties.
std::string TestControlRecord(const std::string& name, int left, int top, int width, int height,
                              std::vector<LayoutProperty> more = {});
