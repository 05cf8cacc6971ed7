#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QSize>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Color.h"
#include "framework/ui/ControlHost.h"
#include "framework/ui/Properties.h"

class MenuBar;
class MenuItem;
class QWidget;
class RectControl;
class WindowWidget;

// A top-level window: its menu bar at the top, and below it a client area of
// the design size in which the controls keep their design positions.
//
// A window class derives from Window and is reached through its implicit
// instance (_ImplicitInstance): the open window registered under the class's
// name, or else a new one, which takes its design-time values in Layout,
// creates its controls in CreateControls and is then held by the framework
// until it closes.
class Window : public PropertyTarget,
               public ControlHost,
               public std::enable_shared_from_this<Window> {
  public:
    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The open window registered under that name, or nullptr.
    static std::shared_ptr<Window> _GetImplicitWindow(std::string_view registeredName);
    // Every open window, oldest first.
    static std::vector<std::shared_ptr<Window>> _OpenWindows();

    // The client area's size.
    Integer Width() const;
    Integer Height() const;
    std::string Title() const;
    Boolean Visible() const;

    std::shared_ptr<class MenuBar> MenuBar() const { return menuBar_; }
    void setMenuBar(std::shared_ptr<class MenuBar> menuBar);

    // A window whose record makes it visible shows itself once the event loop
    // runs; code that shows it before then shows it once, in its own way.
    void Show();
    // Shows the window application-modal; returns when it has closed.
    void ShowModal();
    void Close();

    // The window holds the control under that name from now on.
    void _AddControl(const std::string& name, std::shared_ptr<RectControl> control);
    // Raises NilObjectException when no control has that name.
    std::shared_ptr<RectControl> _ControlByName(const std::string& name) const override;
    // The control of that name as its class; IllegalCastException otherwise.
    template <typename Control>
    std::shared_ptr<Control> _Control(const std::string& name) const {
        auto control = std::dynamic_pointer_cast<Control>(_ControlByName(name));
        if (!control) throw IllegalCastException("control " + name + " is of another class");
        return control;
    }
    // Creates, registers and fetches back a control, then applies its record.
    template <typename Control>
    std::shared_ptr<Control> _CreateControl(const std::string& name, std::string_view record) {
        _AddControl(name, std::make_shared<Control>());
        auto control = _Control<Control>(name);
        _SetProperties(*control, record);
        return control;
    }

    // The item of that name anywhere in the window's menu bar as its class,
    // or nullptr; NilObjectException when the window has no menu bar.
    template <typename Item>
    std::shared_ptr<Item> _MenuItem(const std::string& name) const {
        if (!menuBar_) throw NilObjectException("the window has no menu bar");
        auto item = _LookupMenuItem(name);
        if (!item) return nullptr;
        auto typed = std::dynamic_pointer_cast<Item>(item);
        if (!typed) throw IllegalCastException("menu item " + name + " is of another class");
        return typed;
    }

    // From now on choosing the menu item of that name while this window is
    // active runs the handler; True means it handled the command.
    void _AddMenuHandler(const std::string& name, std::function<Boolean()> handler);

    void _SetProperty(const LayoutProperty& property) override;

    // The toolkit window, for the framework's own use and for tests.
    QWidget* Handle() const;
    QWidget* _ContentWidget() const override;
    QSize _SizeDelta() const override;
    void _ContentResized();
    void _MenuItemChosen(const MenuItem& item);
    void _Closed();
    // Return or Enter presses the default button, Escape the cancel button;
    // True when one was pressed.
    Boolean _PressButtonForKey(int key);

  protected:
    // Window events, raised by the framework.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(const std::shared_ptr<Window>& window) { (void)window; }
    virtual void Event_Open() {}

    // Builds a new window of class W and registers it under registeredName.
    template <typename W>
    friend std::shared_ptr<W> _ImplicitInstance(std::string_view registeredName);
    void _Construct(std::string_view registeredName);

  private:
    std::shared_ptr<MenuItem> _LookupMenuItem(const std::string& name) const;
    void applySizeLimits();
    void orderFocusChain();
    void applyBackColor();
    QWidget* windowInFront() const;
    void placeOver(QWidget& parent);

    static constexpr Integer kFrameMovableModal = 1;
    static constexpr Integer kPlacementOverParent = 1;

    std::unique_ptr<WindowWidget> widget_;
    std::string registeredName_;
    std::shared_ptr<class MenuBar> menuBar_;
    std::vector<std::pair<std::string, std::shared_ptr<RectControl>>> controls_;
    std::map<std::string, std::function<Boolean()>> menuHandlers_;
    QSize designSize_{100, 100}, minSize_{0, 0}, maxSize_{32000, 32000};
    Boolean visible_ = true, resizeable_ = true, menuBarVisible_ = true;
    Boolean hasBackColor_ = false;
    Color backColor_;
    Boolean open_ = false, constructed_ = false;
    Integer frame_ = 0, placement_ = 0;
    Boolean placed_ = false;
};

template <typename W>
std::shared_ptr<W> _ImplicitInstance(std::string_view registeredName) {
    if (auto open = Window::_GetImplicitWindow(registeredName)) {
        auto window = std::dynamic_pointer_cast<W>(open);
        if (!window) throw IllegalCastException("window " + std::string(registeredName));
        return window;
    }
    auto window = std::make_shared<W>();
    window->_Construct(registeredName);
    return window;
}
