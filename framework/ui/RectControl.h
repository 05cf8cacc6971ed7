#pragma once

#include <memory>
#include <string>

#include <QPointer>
#include <QRect>

#include "framework/runtime/Types.h"
#include "framework/ui/Properties.h"

class MouseCursor;
class QWidget;
class ControlHost;

// A control: a toolkit widget placed in a window at its design position, in
// window coordinates, and kept there as the window resizes according to its
// locks. The control owns its widget.
class RectControl : public PropertyTarget {
  public:
    ~RectControl() override;
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& InitialParent() const { return initialParent_; }
    Integer TabIndex() const { return tabIndex_; }

    // The control's own setting; inside a disabled container it is disabled
    // whatever this says.
    Boolean Enabled() const;
    void setEnabled(Boolean value);
    Boolean Visible() const { return visible_; }
    void setVisible(Boolean value);
    // The pointer's shape over the control; nullptr: the arrow.
    std::shared_ptr<class MouseCursor> MouseCursor() const { return mouseCursor_; }
    void setMouseCursor(std::shared_ptr<class MouseCursor> cursor);

    // The toolkit widget, for the framework's own use and for tests.
    QWidget* Handle() const;
    // Where the control lies now, in window coordinates.
    QRect _WindowRect() const;

    void _SetProperty(const LayoutProperty& property) override;

    // Called by the window that registers the control.
    void _Attach(ControlHost& window);
    // Puts the widget where its design rectangle and locks say.
    void _Place();
    // The control's Open event, raised once all controls of its window exist.
    virtual void _RaiseOpen() {}
    // Whether typing goes into the control: its window's focus starts in the
    // first that takes it.
    virtual Boolean _TakesTyping() const { return false; }
    // Presses the control when it answers to this key (Return, Enter or
    // Escape, as a Qt::Key); False when it does not or cannot be pressed.
    virtual Boolean _PressForKey(int /*key*/) { return false; }

  protected:
    RectControl(QWidget* widget, std::string className);
    const std::string& _ClassName() const { return className_; }

  private:
    void applyFont();

    QPointer<QWidget> widget_;
    std::string className_;
    ControlHost* window_ = nullptr;
    std::string name_, initialParent_;
    QRect designRect_;
    Boolean lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
    Boolean visible_ = true;
    Integer tabIndex_ = 0;
    std::shared_ptr<class MouseCursor> mouseCursor_;
    std::string textFont_ = "System";
    float textSize_ = 0;
    Boolean bold_ = false, italic_ = false, underline_ = false;
};
