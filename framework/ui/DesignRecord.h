#pragma once

#include <string>
#include <vector>

#include "framework/runtime/Types.h"
#include "framework/ui/LayoutRecord.h"

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

// Where a control lies and what it shares with its window's other controls.
struct ControlDesign {
    Integer left, top, width, height, tabIndex;
    std::string initialParent = {};
    Boolean enabled = true;
    float textSize = 12;
    Boolean lockedOnAllSides = false;
    // An empty DataField and DataSource, as every control that can show a
    // database field holds them.
    Boolean dataBound = true;
};

// A control's layout record with its properties sorted: InitialParent and the
// data binding first, then what every control has by name, the control's
// `own` properties as given, Index and Name last.
std::string ControlRecord(const std::string& name, const ControlDesign& design,
                          const std::vector<LayoutProperty>& own);

// A plain label's record in that order: black text, left aligned, one line.
std::string LabelRecord(const std::string& name, const ControlDesign& design,
                        const std::string& text);
