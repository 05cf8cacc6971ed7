#include "app/MenuBar1.h"

#include <optional>
#include <string>

std::shared_ptr<class MenuBar1> MenuBar1::_implicitInstance;

namespace {
// Without a shortcut the item's KeyboardShortcut is not set at all.
template <typename Item>
std::shared_ptr<MenuItem> newItem(const std::string& name, const std::string& text,
                                  std::optional<std::string> shortcut) {
    auto item = std::make_shared<Item>();
    item->setName(name);
    item->setAutoEnable(true);
    item->setText(text);
    item->setVisible(true);
    if (shortcut) item->setKeyboardShortcut(*shortcut);
    return item;
}

std::shared_ptr<MenuItem> separator(const std::string& name) {
    return newItem<MenuItem>(name, "-", std::nullopt);
}
}  // namespace

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() {
    Append(newItem<MenuItem>("FileMenu", "&File", ""));
    Child("FileMenu")->Append(newItem<MenuItem>("mnuSaveHTML", "Save List", "Cmd+S"));
    Child("FileMenu")->Append(newItem<MenuItem>("mnuPrint", "Print Fretboard", "Cmd+P"));
    Child("FileMenu")->Append(separator("UntitledSeparator"));
    Child("FileMenu")->Append(newItem<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
    Append(newItem<MenuItem>("EditMenu", "&Edit", ""));
    Child("EditMenu")->Append(newItem<MenuItem>("EditUndo", "&Undo", "Cmd+Z"));
    Child("EditMenu")->Append(separator("UntitledMenu1"));
    Child("EditMenu")->Append(newItem<MenuItem>("EditCut", "Cu&t", "Cmd+X"));
    Child("EditMenu")->Append(newItem<MenuItem>("EditCopy", "&Copy", "Cmd+C"));
    Child("EditMenu")->Append(newItem<MenuItem>("EditPaste", "&Paste", "Cmd+V"));
    Child("EditMenu")->Append(newItem<MenuItem>("EditClear", "&Delete", ""));
    Child("EditMenu")->Append(separator("UntitledMenu0"));
    Child("EditMenu")->Append(newItem<MenuItem>("EditSelectAll", "Select &All", "Cmd+A"));
}

void MenuBar1::Untitled2() {
    Append(newItem<MenuItem>("mnuTools", "Tools", ""));
    Child("mnuTools")->Append(newItem<MenuItem>("mnuCalcStringSize", "String Size", ""));
    Child("mnuTools")->Append(newItem<AppleMenuItem>("mnuAbout", "About...", ""));
}

std::shared_ptr<class MenuBar1> MenuBar1() {
    if (!MenuBar1::_implicitInstance)
        MenuBar1::_implicitInstance = std::make_shared<class MenuBar1>();
    return MenuBar1::_implicitInstance;
}
