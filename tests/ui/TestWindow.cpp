#include "tests/ui/TestWindow.h"

std::string TestControlRecord(const std::string& name, int left, int top, int width, int height,
                              std::vector<LayoutProperty> more) {
    std::vector<LayoutProperty> record = {{"Name", name},
                                          {"Left", Integer{left}},
                                          {"Top", Integer{top}},
                                          {"Width", Integer{width}},
                                          {"Height", Integer{height}}};
    record.insert(record.end(), more.begin(), more.end());
    return EncodeLayoutRecord(record);
}

std::shared_ptr<class MenuBar> TestWindow::TestMenuBar() {
    auto item = [](auto made, const std::string& name, const std::string& text,
                   const std::string& shortcut) {
        made->setName(name);
        made->setText(text);
        made->setKeyboardShortcut(shortcut);
        made->setAutoEnable(true);
        return made;
    };
    static const auto bar = [&] {
        auto bar = std::make_shared<class MenuBar>();
        auto file = item(std::make_shared<MenuItem>(), "FileMenu", "&File", "");
        file->Append(item(std::make_shared<MenuItem>(), "cmdDo", "Do", "Cmd+D"));
        file->Append(item(std::make_shared<QuitMenuItem>(), "FileQuit", "&Quit", "Cmd+Q"));
        auto edit = item(std::make_shared<MenuItem>(), "EditMenu", "&Edit", "");
        for (const char* name :
             {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
            edit->Append(item(std::make_shared<MenuItem>(), name, name, ""));
        }
        bar->Append(file);
        bar->Append(edit);
        return bar;
    }();
    return bar;
}

void TestWindow::Layout() {
    setMenuBar(TestMenuBar());
    _SetProperties(*this, EncodeLayoutRecord({{"Width", Integer{kDesignWidth}},
                                              {"Height", Integer{kDesignHeight}},
                                              {"MinWidth", Integer{200}},
                                              {"MinHeight", Integer{kDesignHeight}},
                                              {"Title", std::string("Test Window")},
                                              {"Visible", true}}));
}

void TestWindow::CreateControls() {
    _CreateControl<TextField>(
        "Field", TestControlRecord("Field", 10, 10, 120, 22, {{"Text", std::string("design")}}))
        ->TextChange = [this](TextField& field) { events.push_back("TextChange " + field.Text()); };
    _CreateControl<CheckBox>("Box", TestControlRecord("Box", 10, 40, 120, 20, {{"Value", true}}))
        ->Action = [this](CheckBox&) { events.push_back("Action"); };
    _CreateControl<GroupBox>("Group",
                             TestControlRecord("Group", 10, 70, 150, 80, {{"Enabled", false}}));
    _CreateControl<CheckBox>("Inner", TestControlRecord("Inner", 20, 100, 100, 20,
                                                        {{"InitialParent", std::string("Group")}}));
    _CreateControl<PopupMenu>(
        "Popup",
        TestControlRecord("Popup", 10, 160, 80, 20,
                          {{"ListIndex", Integer{0}}, {"InitialValue", std::string("a\rb\rc")}}))
        ->Change = [this](PopupMenu& popup) {
        events.push_back("Change " + std::to_string(popup.ListIndex()));
    };
    auto list =
        _CreateControl<Listbox>("List", TestControlRecord("List", 170, 10, 220, 280,
                                                          {{"ColumnCount", Integer{2}},
                                                           {"ColumnWidths", std::string("25%,75%")},
                                                           {"DefaultRowHeight", Integer{22}},
                                                           {"TextSize", 12.0F},
                                                           {"LockLeft", true},
                                                           {"LockTop", true},
                                                           {"LockRight", true},
                                                           {"LockBottom", true}}));
    list->Open = [this](Listbox&) { events.push_back("List Open"); };
    _CreateControl<Canvas>("Surface", TestControlRecord("Surface", 10, 200, 100, 50));
}

void TestWindow::AddMenuHandlers(const std::shared_ptr<Window>& window) {
    ++addMenuHandlersCalls;
    if (addMenuHandlers) addMenuHandlers(static_cast<TestWindow&>(*window));
}

void TestWindow::Event_Open() { events.push_back("Open"); }

std::shared_ptr<TestWindow> TestWindowInstance() {
    return _ImplicitInstance<TestWindow>(TestWindow::kRegisteredName);
}
