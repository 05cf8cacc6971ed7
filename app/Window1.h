#pragma once

#include <array>
#include <memory>

#include "engine/cFretCalculator.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Window.h"

// The main window: the instrument's inputs on the left, the fret table on
// the right, recomputed from scratch on every change of an input.
class Window1 : public Window {
  public:
    static constexpr const char* kRegisteredName = "Window1.Window1";
    // The fret table's column headings, on screen and in the saved page.
    static constexpr std::array<const char*, 7> kListHeadings = {
        "Fret #",       "Nut to Fret", "Fret to Fret", "Nut to Fret",
        "Fret to Fret", "Nut mm",      "Fret mm"};

    // The engine object of the last recalculation; nullptr before the first.
    std::shared_ptr<cFretCalculator> thisFretData;

    std::shared_ptr<Label> Label1() const;
    std::shared_ptr<TextField> TextField1() const;
    std::shared_ptr<Label> Label2() const;
    std::shared_ptr<TextField> TextField2() const;
    std::shared_ptr<Label> Label4() const;
    std::shared_ptr<GroupBox> GroupBox1() const;
    std::shared_ptr<CheckBox> CheckBox1() const;
    std::shared_ptr<CheckBox> CheckBox2() const;
    std::shared_ptr<CheckBox> CheckBox3() const;
    std::shared_ptr<CheckBox> CheckBox4() const;
    std::shared_ptr<CheckBox> CheckBox5() const;
    std::shared_ptr<CheckBox> CheckBox7() const;
    std::shared_ptr<TextField> TextField3() const;
    std::shared_ptr<Label> Label5() const;
    std::shared_ptr<Label> Label6() const;
    std::shared_ptr<PopupMenu> PopupMenu1() const;
    std::shared_ptr<Listbox> Listbox1() const;
    std::shared_ptr<CheckBox> cbSimplify() const;

    void TextField1_TextChange(TextField& control);
    void TextField2_TextChange(TextField& control);
    void CheckBox1_Action(CheckBox& control);
    void CheckBox2_Action(CheckBox& control);
    void CheckBox3_Action(CheckBox& control);
    void CheckBox4_Action(CheckBox& control);
    void CheckBox5_Action(CheckBox& control);
    void CheckBox7_Action(CheckBox& control);
    void TextField3_TextChange(TextField& control);
    void PopupMenu1_Change(PopupMenu& control);
    Boolean Listbox1_CellBackgroundPaint(Listbox& control, Graphics& g, Integer row,
                                         Integer column);
    void Listbox1_Open(Listbox& control);
    void cbSimplify_Action(CheckBox& control);

    std::shared_ptr<MenuItem> mnuTools() const;
    std::shared_ptr<AppleMenuItem> mnuAbout() const;
    std::shared_ptr<MenuItem> mnuCalcStringSize() const;
    std::shared_ptr<MenuItem> EditMenu() const;
    std::shared_ptr<MenuItem> EditSelectAll() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<MenuItem> EditClear() const;
    std::shared_ptr<MenuItem> EditPaste() const;
    std::shared_ptr<MenuItem> EditCopy() const;
    std::shared_ptr<MenuItem> EditCut() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;
    std::shared_ptr<MenuItem> EditUndo() const;
    std::shared_ptr<MenuItem> FileMenu() const;
    std::shared_ptr<QuitMenuItem> FileQuit() const;
    std::shared_ptr<MenuItem> UntitledSeparator() const;
    std::shared_ptr<MenuItem> mnuPrint() const;
    std::shared_ptr<MenuItem> mnuSaveHTML() const;

    // Shows the About window until the user closes it.
    Boolean _mnuAbout_Action();
    // Saves the fret table as an HTML page in a file the user chooses.
    Boolean _mnuSaveHTML_Action();
    // Shows the fret outline window modally.
    Boolean _mnuPrint_Action();
    // Opens the string gauge window with this window's scale length, when
    // there is one above 0.
    Boolean _mnuCalcStringSize_Action();

    // Rebuilds the fret table from the inputs through a new engine object.
    void RedrawList();

  protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(const std::shared_ptr<Window>& window) override;
    void Event_Open() override;

  private:
    void _CreateControls0();
};

// The open main window, or a new one.
std::shared_ptr<class Window1> Window1();
