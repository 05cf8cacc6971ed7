#pragma once

#include <functional>
#include <optional>
#include <string>

#include "framework/ui/RectControl.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Text the user cannot edit; a multiline label wraps it at word breaks.
//
// A press of the left button raises MouseDown; when that returns True the
// label also gets the press's MouseUp, wherever the button is released.
// X and Y are the pointer's position in the label.
class Label : public RectControl {
  public:
    Label();
    std::string Text() const;
    void setText(const std::string& value);
    void _SetProperty(const LayoutProperty& property) override;
    void _RaiseOpen() override;

    std::function<Boolean(Label&, Integer x, Integer y)> MouseDown;
    std::function<void(Label&, Integer x, Integer y)> MouseUp;
    std::function<void(Label&)> Open;

  private:
    QLabel* label_;
};

// A one-line text entry. Setting Text raises TextChange like typing does.
class TextField : public RectControl {
  public:
    TextField();
    std::string Text() const;
    void setText(const std::string& value);
    void _SetProperty(const LayoutProperty& property) override;
    Boolean _TakesTyping() const override { return true; }

    std::function<void(TextField&)> TextChange;

  private:
    QLineEdit* field_;
};

// Setting Value or State raises Action like a click does.
class CheckBox : public RectControl {
  public:
    CheckBox();
    Boolean Value() const;
    void setValue(Boolean value);
    // 0 unchecked, 1 checked, 2 indeterminate.
    Integer State() const;
    void setState(Integer value);
    std::string Caption() const;
    void _SetProperty(const LayoutProperty& property) override;

    std::function<void(CheckBox&)> Action;

  private:
    QCheckBox* box_;
};

// A pop-up list of texts. Setting ListIndex to another item raises Change.
class PopupMenu : public RectControl {
  public:
    PopupMenu();
    Integer ListIndex() const;
    void setListIndex(Integer index);
    Integer ListCount() const;
    // Raises OutOfBoundsException outside 0 to ListCount() - 1.
    std::string List(Integer index) const;
    void AddRow(const std::string& text);
    void _SetProperty(const LayoutProperty& property) override;

    std::function<void(PopupMenu&)> Change;

  private:
    QComboBox* combo_;
    // A record's ListIndex that comes before the items it selects among.
    std::optional<Integer> pendingListIndex_;
};

// Return presses the window's default button and Escape its cancel button,
// wherever the focus is.
class PushButton : public RectControl {
  public:
    PushButton();
    Boolean Default() const;
    Boolean Cancel() const { return cancel_; }
    void _SetProperty(const LayoutProperty& property) override;

    // Clicks the button, raising Action; False when it is disabled or hidden.
    Boolean _Press();
    // Return and Enter press the default button, Escape the cancel button.
    Boolean _PressForKey(int key) override;

    std::function<void(PushButton&)> Action;

  private:
    QPushButton* button_;
    Boolean cancel_ = false;
};

// A frame holding the controls whose InitialParent names it; disabling it
// disables them.
class GroupBox : public RectControl {
  public:
    GroupBox();
    void _SetProperty(const LayoutProperty& property) override;

  private:
    QGroupBox* group_;
};
