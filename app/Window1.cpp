#include "app/Window1.h"

#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "app/frmAbout.h"
#include "engine/FretOffsetsRows.h"
#include "framework/runtime/Math.h"
#include "framework/runtime/Text.h"
#include "framework/ui/DesignRecord.h"
#include "gauge/frmCalcStringSize.h"
#include "outline/frmFretOutline.h"

namespace {
const Color kBlack = RGB(0, 0, 0);

std::string halfFretRecord(const std::string& name, Integer top, Integer tabIndex,
                           const std::string& caption, Boolean value) {
    return CheckBoxRecord(RecordOrder::MainWindow, name,
                          {.left = 53,
                           .top = top,
                           .width = 140,
                           .height = 20,
                           .tabIndex = tabIndex,
                           .initialParent = "GroupBox1"},
                          caption, value);
}
}  // namespace

std::shared_ptr<class Window1> Window1() {
    return _ImplicitInstance<class Window1>(Window1::kRegisteredName);
}

void Window1::Layout() {
    setMenuBar(::MenuBar1());
    static const std::string record = WindowRecord({.width = 959,
                                                    .height = 450,
                                                    .minHeight = 450,
                                                    .frame = 0,
                                                    .title = "Velmora",
                                                    .closeButton = true,
                                                    .resizeable = true,
                                                    .maximizeButton = true,
                                                    .minimizeButton = true,
                                                    .liveResize = true});
    _SetProperties(*this, record);
}

void Window1::CreateControls() { _CreateControls0(); }

// Each control gets its record before its handlers exist, so design-time
// values raise no event of the window.
void Window1::_CreateControls0() {
    static const std::string label1 =
        LabelRecord(RecordOrder::MainWindow, "Label1",
                    {.left = 20, .top = 14, .width = 100, .height = 20, .tabIndex = 0},
                    {.text = "Scale Length:"});
    _CreateControl<Label>("Label1", label1);

    static const std::string textField1 =
        TextFieldRecord(RecordOrder::MainWindow, "TextField1",
                        {.left = 132, .top = 13, .width = 80, .height = 22, .tabIndex = 1}, "");
    _CreateControl<TextField>("TextField1", textField1)->TextChange = [this](TextField& control) {
        TextField1_TextChange(control);
    };

    static const std::string label2 =
        LabelRecord(RecordOrder::MainWindow, "Label2",
                    {.left = 224, .top = 14, .width = 61, .height = 20, .tabIndex = 2},
                    {.text = "Inches" + Chr(13)});
    _CreateControl<Label>("Label2", label2);

    static const std::string textField2 =
        TextFieldRecord(RecordOrder::MainWindow, "TextField2",
                        {.left = 132, .top = 46, .width = 80, .height = 22, .tabIndex = 4}, "");
    _CreateControl<TextField>("TextField2", textField2)->TextChange = [this](TextField& control) {
        TextField2_TextChange(control);
    };

    static const std::string label4 =
        LabelRecord(RecordOrder::MainWindow, "Label4",
                    {.left = 20, .top = 47, .width = 108, .height = 20, .tabIndex = 3},
                    {.text = "Number of Frets:"});
    _CreateControl<Label>("Label4", label4);

    static const std::string groupBox1 = GroupBoxRecord(
        RecordOrder::MainWindow, "GroupBox1",
        {.left = 37, .top = 197, .width = 175, .height = 158, .tabIndex = 10, .enabled = false},
        true);
    _CreateControl<GroupBox>("GroupBox1", groupBox1);

    // The five half-fret boxes inside the group box, in creation order.
    struct HalfFretBox {
        const char* name;
        Integer top, tabIndex;
        const char* caption;
        Boolean value;
        void (Window1::*handler)(CheckBox&);
    };
    static const HalfFretBox halfFrets[] = {
        {"CheckBox1", 220, 0, "Zero+", false, &Window1::CheckBox1_Action},
        {"CheckBox2", 245, 1, "One+", false, &Window1::CheckBox2_Action},
        {"CheckBox3", 269, 2, "Three+", false, &Window1::CheckBox3_Action},
        {"CheckBox4", 293, 3, "Four+", false, &Window1::CheckBox4_Action},
        {"CheckBox5", 318, 4, "Six+", true, &Window1::CheckBox5_Action},
    };
    static const std::vector<std::string> halfFretRecords = [] {
        std::vector<std::string> records;
        for (const HalfFretBox& box : halfFrets) {
            records.push_back(
                halfFretRecord(box.name, box.top, box.tabIndex, box.caption, box.value));
        }
        return records;
    }();
    for (std::size_t i = 0; i < std::size(halfFrets); ++i) {
        _CreateControl<CheckBox>(halfFrets[i].name, halfFretRecords[i])->Action =
            [this, handler = halfFrets[i].handler](CheckBox& control) {
                (this->*handler)(control);
            };
    }

    static const std::string checkBox7 = CheckBoxRecord(
        RecordOrder::MainWindow, "CheckBox7",
        {.left = 20, .top = 177, .width = 100, .height = 20, .tabIndex = 9}, "Dulcimer", false);
    _CreateControl<CheckBox>("CheckBox7", checkBox7)->Action = [this](CheckBox& control) {
        CheckBox7_Action(control);
    };

    static const std::string textField3 =
        TextFieldRecord(RecordOrder::MainWindow, "TextField3",
                        {.left = 132, .top = 80, .width = 80, .height = 22, .tabIndex = 6}, "12");
    _CreateControl<TextField>("TextField3", textField3)->TextChange = [this](TextField& control) {
        TextField3_TextChange(control);
    };

    static const std::string label5 =
        LabelRecord(RecordOrder::MainWindow, "Label5",
                    {.left = 20, .top = 81, .width = 108, .height = 20, .tabIndex = 5},
                    {.text = "Frets Per Octave:"});
    _CreateControl<Label>("Label5", label5);

    static const std::string label6 =
        LabelRecord(RecordOrder::MainWindow, "Label6",
                    {.left = 20, .top = 113, .width = 108, .height = 20, .tabIndex = 7},
                    {.text = "Precision:"});
    _CreateControl<Label>("Label6", label6);

    // The record lists the index before the items; Open selects "3" anyway.
    // The items are appended to a named separator: GCC 12 falsely warns
    // (-Wrestrict) on "literal" + a temporary string.
    static const std::string cr = Chr(13);
    static const std::string popupMenu1 =
        PopupMenuRecord(RecordOrder::MainWindow, "PopupMenu1",
                        {.left = 132, .top = 113, .width = 80, .height = 20, .tabIndex = 8},
                        "1" + cr + "2" + cr + "3" + cr + "4" + cr + "5");
    _CreateControl<PopupMenu>("PopupMenu1", popupMenu1)->Change = [this](PopupMenu& control) {
        PopupMenu1_Change(control);
    };

    static const std::string listbox1 = ListboxRecord(RecordOrder::MainWindow, "Listbox1",
                                                      {.left = 309,
                                                       .top = 14,
                                                       .width = 630,
                                                       .height = 416,
                                                       .tabIndex = 12,
                                                       .lockedOnAllSides = true},
                                                      7, "10%,15%,15%,15%,15%,15%,15%");
    auto list = _CreateControl<Listbox>("Listbox1", listbox1);
    list->CellBackgroundPaint = [this](Listbox& control, Graphics& g, Integer row, Integer column) {
        return Listbox1_CellBackgroundPaint(control, g, row, column);
    };
    list->Open = [this](Listbox& control) { Listbox1_Open(control); };

    static const std::string simplify = CheckBoxRecord(
        RecordOrder::MainWindow, "cbSimplify",
        {.left = 20, .top = 145, .width = 192, .height = 20, .tabIndex = 13, .textSize = 0},
        "Simplify Factions", false, false);
    _CreateControl<CheckBox>("cbSimplify", simplify)->Action = [this](CheckBox& control) {
        cbSimplify_Action(control);
    };
}

std::shared_ptr<Label> Window1::Label1() const { return _Control<Label>("Label1"); }
std::shared_ptr<TextField> Window1::TextField1() const { return _Control<TextField>("TextField1"); }
std::shared_ptr<Label> Window1::Label2() const { return _Control<Label>("Label2"); }
std::shared_ptr<TextField> Window1::TextField2() const { return _Control<TextField>("TextField2"); }
std::shared_ptr<Label> Window1::Label4() const { return _Control<Label>("Label4"); }
std::shared_ptr<GroupBox> Window1::GroupBox1() const { return _Control<GroupBox>("GroupBox1"); }
std::shared_ptr<CheckBox> Window1::CheckBox1() const { return _Control<CheckBox>("CheckBox1"); }
std::shared_ptr<CheckBox> Window1::CheckBox2() const { return _Control<CheckBox>("CheckBox2"); }
std::shared_ptr<CheckBox> Window1::CheckBox3() const { return _Control<CheckBox>("CheckBox3"); }
std::shared_ptr<CheckBox> Window1::CheckBox4() const { return _Control<CheckBox>("CheckBox4"); }
std::shared_ptr<CheckBox> Window1::CheckBox5() const { return _Control<CheckBox>("CheckBox5"); }
std::shared_ptr<CheckBox> Window1::CheckBox7() const { return _Control<CheckBox>("CheckBox7"); }
std::shared_ptr<TextField> Window1::TextField3() const { return _Control<TextField>("TextField3"); }
std::shared_ptr<Label> Window1::Label5() const { return _Control<Label>("Label5"); }
std::shared_ptr<Label> Window1::Label6() const { return _Control<Label>("Label6"); }
std::shared_ptr<PopupMenu> Window1::PopupMenu1() const { return _Control<PopupMenu>("PopupMenu1"); }
std::shared_ptr<Listbox> Window1::Listbox1() const { return _Control<Listbox>("Listbox1"); }
std::shared_ptr<CheckBox> Window1::cbSimplify() const { return _Control<CheckBox>("cbSimplify"); }

void Window1::TextField1_TextChange(TextField&) { RedrawList(); }
void Window1::TextField2_TextChange(TextField&) { RedrawList(); }
void Window1::CheckBox1_Action(CheckBox&) { RedrawList(); }
void Window1::CheckBox2_Action(CheckBox&) { RedrawList(); }
void Window1::CheckBox3_Action(CheckBox&) { RedrawList(); }
void Window1::CheckBox4_Action(CheckBox&) { RedrawList(); }
void Window1::CheckBox5_Action(CheckBox&) { RedrawList(); }

void Window1::CheckBox7_Action(CheckBox& control) {
    GroupBox1()->setEnabled(control.Value());
    RedrawList();
}

void Window1::TextField3_TextChange(TextField&) { RedrawList(); }
void Window1::PopupMenu1_Change(PopupMenu&) { RedrawList(); }
void Window1::cbSimplify_Action(CheckBox&) { RedrawList(); }

void Window1::Listbox1_Open(Listbox& control) {
    for (Integer column = 0; column < 7; ++column) {
        control.setHeading(column, kListHeadings[static_cast<std::size_t>(column)]);
    }
    for (Integer column = 0; column < 7; ++column) control.setColumnSortDirection(column, 0);
}

// A white-to-grey gradient, one line per pixel row, closed by a black right edge.
Boolean Window1::Listbox1_CellBackgroundPaint(Listbox& control, Graphics& g, Integer row, Integer) {
    if (row > control.ListCount() - 1) return false;
    const Color start = RGB(255, 255, 255);
    const Color end = RGB(209, 212, 211);
    const Integer height = g.Height();
    const Integer width = g.Width();
    const auto h = static_cast<Double>(height);
    for (Integer y = height; y >= 0; --y) {
        auto channel = [&](Integer s, Integer e) {
            return ToInteger(static_cast<Double>(y) / h * static_cast<Double>(e) +
                             static_cast<Double>(height - y) / h * static_cast<Double>(s));
        };
        g.setForeColor(RGB(channel(start.Red(), end.Red()), channel(start.Green(), end.Green()),
                           channel(start.Blue(), end.Blue()), 0));
        g.DrawLine(0, static_cast<Double>(y), static_cast<Double>(width), static_cast<Double>(y));
    }
    g.setForeColor(kBlack);
    g.DrawLine(static_cast<Double>(width - 1), 0, static_cast<Double>(width - 1),
               static_cast<Double>(height));
    return false;
}

std::shared_ptr<MenuItem> Window1::mnuTools() const { return _MenuItem<MenuItem>("mnuTools"); }
std::shared_ptr<AppleMenuItem> Window1::mnuAbout() const {
    return _MenuItem<AppleMenuItem>("mnuAbout");
}
std::shared_ptr<MenuItem> Window1::mnuCalcStringSize() const {
    return _MenuItem<MenuItem>("mnuCalcStringSize");
}
std::shared_ptr<MenuItem> Window1::EditMenu() const { return _MenuItem<MenuItem>("EditMenu"); }
std::shared_ptr<MenuItem> Window1::EditSelectAll() const {
    return _MenuItem<MenuItem>("EditSelectAll");
}
std::shared_ptr<MenuItem> Window1::UntitledMenu0() const {
    return _MenuItem<MenuItem>("UntitledMenu0");
}
std::shared_ptr<MenuItem> Window1::EditClear() const { return _MenuItem<MenuItem>("EditClear"); }
std::shared_ptr<MenuItem> Window1::EditPaste() const { return _MenuItem<MenuItem>("EditPaste"); }
std::shared_ptr<MenuItem> Window1::EditCopy() const { return _MenuItem<MenuItem>("EditCopy"); }
std::shared_ptr<MenuItem> Window1::EditCut() const { return _MenuItem<MenuItem>("EditCut"); }
std::shared_ptr<MenuItem> Window1::UntitledMenu1() const {
    return _MenuItem<MenuItem>("UntitledMenu1");
}
std::shared_ptr<MenuItem> Window1::EditUndo() const { return _MenuItem<MenuItem>("EditUndo"); }
std::shared_ptr<MenuItem> Window1::FileMenu() const { return _MenuItem<MenuItem>("FileMenu"); }
std::shared_ptr<QuitMenuItem> Window1::FileQuit() const {
    return _MenuItem<QuitMenuItem>("FileQuit");
}
std::shared_ptr<MenuItem> Window1::UntitledSeparator() const {
    return _MenuItem<MenuItem>("UntitledSeparator");
}
std::shared_ptr<MenuItem> Window1::mnuPrint() const { return _MenuItem<MenuItem>("mnuPrint"); }
std::shared_ptr<MenuItem> Window1::mnuSaveHTML() const {
    return _MenuItem<MenuItem>("mnuSaveHTML");
}

void Window1::AddMenuHandlers(const std::shared_ptr<Window>& window) {
    const auto main = std::dynamic_pointer_cast<class Window1>(window);
    if (!main) throw IllegalCastException("AddMenuHandlers was given another window");
    std::weak_ptr<class Window1> self = main;
    _AddMenuHandler("mnuAbout", [self] {
        const auto window = self.lock();
        if (!window) throw NilObjectException("the main window is gone");
        return window->_mnuAbout_Action();
    });
    _AddMenuHandler("mnuSaveHTML", [self] {
        const auto window = self.lock();
        if (!window) throw NilObjectException("the main window is gone");
        return window->_mnuSaveHTML_Action();
    });
    _AddMenuHandler("mnuPrint", [self] {
        const auto window = self.lock();
        if (!window) throw NilObjectException("the main window is gone");
        return window->_mnuPrint_Action();
    });
    _AddMenuHandler("mnuCalcStringSize", [self] {
        const auto window = self.lock();
        if (!window) throw NilObjectException("the main window is gone");
        return window->_mnuCalcStringSize_Action();
    });
}

void Window1::Event_Open() { PopupMenu1()->setListIndex(2); }

Boolean Window1::_mnuAbout_Action() {
    ::frmAbout()->ShowModal();
    return true;
}

Boolean Window1::_mnuPrint_Action() {
    ::frmFretOutline()->ShowModal();
    return true;
}

// The length goes over as typed, so the gauge window judges it itself.
Boolean Window1::_mnuCalcStringSize_Action() {
    if (Val(TextField1()->Text()) > 0) {
        ::frmCalcStringSize()->TextField1()->setText(TextField1()->Text());
    }
    ::frmCalcStringSize()->ShowModal();
    return true;
}

void Window1::RedrawList() {
    const auto list = Listbox1();  // one look-up for the whole table
    list->DeleteAllRows();
    thisFretData = std::make_shared<cFretCalculator>();
    thisFretData->setScaleLength(Val(TextField1()->Text()));
    thisFretData->setNumFrets(ToInteger(Val(TextField2()->Text())));
    thisFretData->setFretsPerOctave(ToInteger(Val(TextField3()->Text())));
    thisFretData->setPrecision(PopupMenu1()->ListIndex() + 1);
    thisFretData->isDulcimer = CheckBox7()->Value();
    thisFretData->Simplify = cbSimplify()->Value();
    if (CheckBox7()->Value()) {
        thisFretData->setDulcHalfFrets(CheckBox1()->Value(), CheckBox2()->Value(),
                                       CheckBox3()->Value(), CheckBox4()->Value(),
                                       CheckBox5()->Value());
        thisFretData->calcDulcFrets();
    } else {
        thisFretData->calcFrets();
    }

    for (const FretOffsetsRow& row : FretOffsetsRows(thisFretData->FretAsOffsets())) {
        if (row.isSeparator()) {
            list->AddRow({""});
            continue;
        }
        list->AddRow({row.label()});
        for (Integer k = 1; k <= 6; ++k) {
            list->setCell(list->LastIndex(), k, row.field(static_cast<std::size_t>(k)));
        }
    }
}
