#pragma once

#include <string>

#include "framework/runtime/Types.h"
#include "framework/ui/Color.h"

// What sets a window's design apart; the rest of its layout record is the
// same in every window: no full-screen button, a white but unused back colour,
// the menu bar shown.
struct WindowDesign {
    Integer width, height;
    Integer minHeight = 64;
    Integer frame;
    std::string title;
    Boolean closeButton, resizeable, maximizeButton, minimizeButton;
    Integer placement = 0;
    Boolean liveResize;
};

// The window's layout record, its properties in the order the window applies
// them: size and limits, frame and title, buttons, placement, then the rest.
std::string WindowRecord(const WindowDesign& design);

// The order in which a window's control records list their properties. Each
// window keeps the order of its own design; the values are the same in all.
enum class RecordOrder {
    // InitialParent and the data binding first, then what every control has,
    // by name, the control's own properties, Index and Name last. A pop-up
    // lists its index before its items.
    MainWindow,
    // The main window's order, but a pop-up lists its items first.
    FretOutline,
    // Name, Index and the place first, then what every control has, the data
    // binding and the control's own properties.
    StringGauge,
    // Name, Index and the place first, then an order of each control kind.
    About,
};

// Where a control lies and what it shares with its window's other controls:
// locked to the left and top, visible, system font, no control array.
struct ControlDesign {
    Integer left, top, width, height, tabIndex;
    std::string initialParent = {};
    Boolean enabled = true;
    float textSize = 12;
    Boolean lockedOnAllSides = false;
};

// A label: one line of left-aligned black text unless said otherwise.
struct LabelDesign {
    std::string text;
    Integer textAlign = 0;  // 0 left, 1 centred
    Color textColor = RGB(0, 0, 0);
    Boolean multiline = false;
    Boolean bold = false;
    Boolean underline = false;
};

struct PushButtonDesign {
    std::string caption;
    Boolean isDefault = false;  // pressed by Return
    Boolean isCancel = false;   // pressed by Escape
};

// The control records of each kind, in the order of the window they belong to.
// A kind that window has no order for raises UnsupportedFormatException.
std::string LabelRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                        const LabelDesign& label);
// A bordered field with black text on white, no limit, mask or cue.
std::string TextFieldRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                            const std::string& text);
std::string CheckBoxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                           const std::string& caption, Boolean value, Boolean transparent = true);
std::string PushButtonRecord(RecordOrder order, const std::string& name,
                             const ControlDesign& design, const PushButtonDesign& button);
// A group box without a caption.
std::string GroupBoxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                           Boolean transparent);
// The items one carriage return apart, the first selected.
std::string PopupMenuRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                            const std::string& items);
// A list with a heading, no rows, single selection and a vertical scroll bar;
// the column widths are percentages, one comma apart.
std::string ListboxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                          Integer columnCount, const std::string& columnWidths);
// A canvas that takes no focus and shows its backdrop.
std::string CanvasRecord(RecordOrder order, const std::string& name, const ControlDesign& design);
