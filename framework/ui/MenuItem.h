#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/runtime/Types.h"

class QKeySequence;

// One entry of a menu tree: a menu title, a command or a separator (Text
// "-"). Windows build their toolkit menus from the tree.
class MenuItem {
  public:
    virtual ~MenuItem() = default;

    const std::string& Name() const { return name_; }
    void setName(std::string value) { name_ = std::move(value); }
    // "&" marks the access key that follows it.
    const std::string& Text() const { return text_; }
    void setText(std::string value) { text_ = std::move(value); }
    // "Cmd+S": Cmd is the platform's primary modifier; empty for none.
    const std::string& KeyboardShortcut() const { return keyboardShortcut_; }
    void setKeyboardShortcut(std::string value) { keyboardShortcut_ = std::move(value); }
    Boolean AutoEnable() const { return autoEnable_; }
    void setAutoEnable(Boolean value) { autoEnable_ = value; }
    Boolean Visible() const { return visible_; }
    void setVisible(Boolean value) { visible_ = value; }

    Boolean IsSeparator() const { return text_ == "-"; }
    QKeySequence Shortcut() const;

    void Append(std::shared_ptr<MenuItem> item);
    Integer Count() const { return static_cast<Integer>(children_.size()); }
    // Raises OutOfBoundsException outside 0 to Count() - 1.
    std::shared_ptr<MenuItem> Item(Integer index) const;
    // The direct child of that name; raises NilObjectException when there is none.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The item of that name anywhere below this one, or nullptr.
    std::shared_ptr<MenuItem> _Lookup(const std::string& name) const;

    // What the framework does when the item is chosen and no handler took it.
    virtual void _DefaultAction() const;

  private:
    std::string name_, text_, keyboardShortcut_;
    Boolean autoEnable_ = false;
    Boolean visible_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// The menu titles of a window or of the application.
class MenuBar : public MenuItem {};

// Quits the application.
class QuitMenuItem : public MenuItem {
  public:
    void _DefaultAction() const override;
};

// The application's About item; this platform shows it where it is appended.
class AppleMenuItem : public MenuItem {};
