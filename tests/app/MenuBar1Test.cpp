#include <gtest/gtest.h>

#include <typeinfo>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "tests/app/FreshStart.h"

namespace {
class MenuBar1Test : public FreshStartTest {};

enum class Kind { Item, Quit, About };

struct Row {
    const char* menu;
    const char* name;
    Kind kind;
    const char* text;
    const char* shortcut;
};

// The whole tree in the order it is built.
const Row kTree[] = {
    {"FileMenu", "mnuSaveHTML", Kind::Item, "Save List", "Cmd+S"},
    {"FileMenu", "mnuPrint", Kind::Item, "Print Fretboard", "Cmd+P"},
    {"FileMenu", "UntitledSeparator", Kind::Item, "-", ""},
    {"FileMenu", "FileQuit", Kind::Quit, "&Quit", "Cmd+Q"},
    {"EditMenu", "EditUndo", Kind::Item, "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", Kind::Item, "-", ""},
    {"EditMenu", "EditCut", Kind::Item, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", Kind::Item, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", Kind::Item, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", Kind::Item, "&Delete", ""},
    {"EditMenu", "UntitledMenu0", Kind::Item, "-", ""},
    {"EditMenu", "EditSelectAll", Kind::Item, "Select &All", "Cmd+A"},
    {"mnuTools", "mnuCalcStringSize", Kind::Item, "String Size", ""},
    {"mnuTools", "mnuAbout", Kind::About, "About...", ""},
};

Kind kindOf(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item)) return Kind::Quit;
    if (dynamic_cast<const AppleMenuItem*>(&item)) return Kind::About;
    return Kind::Item;
}
}  // namespace

TEST_F(MenuBar1Test, TheAccessorBuildsOneMenuBar) {
    EXPECT_EQ(MenuBar1::_implicitInstance, nullptr);
    auto bar = ::MenuBar1();
    EXPECT_EQ(::MenuBar1(), bar);
    EXPECT_EQ(MenuBar1::_implicitInstance, bar);
}

TEST_F(MenuBar1Test, TheTreeHoldsEveryItemInItsOrder) {
    auto bar = ::MenuBar1();
    ASSERT_EQ(bar->Count(), 3);
    const std::pair<const char*, const char*> titles[] = {
        {"FileMenu", "&File"}, {"EditMenu", "&Edit"}, {"mnuTools", "Tools"}};
    std::vector<std::shared_ptr<MenuItem>> items;
    for (Integer t = 0; t < 3; ++t) {
        auto title = bar->Item(t);
        EXPECT_EQ(title->Name(), titles[t].first);
        EXPECT_EQ(title->Text(), titles[t].second);
        EXPECT_EQ(title->KeyboardShortcut(), "");
        for (Integer i = 0; i < title->Count(); ++i) items.push_back(title->Item(i));
    }
    ASSERT_EQ(items.size(), std::size(kTree));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Row& row = kTree[i];
        const MenuItem& item = *items[i];
        EXPECT_EQ(item.Name(), row.name);
        EXPECT_EQ(item.Text(), row.text) << row.name;
        EXPECT_EQ(item.KeyboardShortcut(), row.shortcut) << row.name;
        EXPECT_EQ(kindOf(item), row.kind) << row.name;
        EXPECT_TRUE(item.AutoEnable() && item.Visible()) << row.name;
        EXPECT_EQ(bar->Child(row.menu)->_Lookup(row.name).get(), &item);
    }
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 4);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(bar->Child("mnuTools")->Count(), 2);
    EXPECT_THROW(bar->Child("HelpMenu"), NilObjectException);
}

TEST_F(MenuBar1Test, TheMainWindowsItemAccessorsFindTheirItems) {
    auto window = Window1();
    auto bar = ::MenuBar1();
    EXPECT_EQ(window->UntitledMenu0(), bar->Child("EditMenu")->Item(6));
    EXPECT_EQ(window->UntitledMenu1(), bar->Child("EditMenu")->Item(1));
    EXPECT_EQ(window->mnuAbout(), bar->Child("mnuTools")->Item(1));
    EXPECT_EQ(window->FileQuit(), bar->Child("FileMenu")->Item(3));
    for (const auto& item :
         {window->mnuTools(), window->mnuCalcStringSize(), window->EditMenu(),
          window->EditSelectAll(), window->EditClear(), window->EditPaste(), window->EditCopy(),
          window->EditCut(), window->EditUndo(), window->FileMenu(), window->UntitledSeparator(),
          window->mnuPrint(), window->mnuSaveHTML()}) {
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(bar->_Lookup(item->Name()), item);
    }
}

TEST_F(MenuBar1Test, TheWindowShowsTheMenusWithThePlatformsShortcuts) {
    auto window = Window1();
    auto* bar = window->Handle()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* action : bar->actions()) titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Tools"}));
    auto shortcut = [&](const char* name) {
        return window->Handle()->findChild<QAction*>(name)->shortcut();
    };
    EXPECT_EQ(shortcut("mnuSaveHTML"), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(shortcut("FileQuit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(shortcut("EditSelectAll"), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_TRUE(shortcut("EditClear").isEmpty());
}

TEST_F(MenuBar1Test, TheSeparatorsAreBareLines) {
    auto window = Window1();
    for (const char* name : {"UntitledSeparator", "UntitledMenu1", "UntitledMenu0"}) {
        auto* action = window->Handle()->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_TRUE(action->isSeparator()) << name;
        EXPECT_EQ(action->text(), "") << name;
    }
}
