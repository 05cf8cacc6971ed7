#include "framework/ui/DesignRecord.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/LayoutRecord.h"

namespace {
const Color kBlack = RGB(0, 0, 0);
const Color kWhite = RGB(255, 255, 255);

using Values = std::map<std::string, LayoutValue, std::less<>>;
using Names = std::vector<std::string_view>;

// What every control's record can hold, whatever its kind and window.
Values commonValues(const std::string& name, const ControlDesign& design) {
    return {
        {"Name", name},
        {"Index", Integer{-2147483648}},  // no control array
        {"InitialParent", design.initialParent},
        {"Left", design.left},
        {"Top", design.top},
        {"Width", design.width},
        {"Height", design.height},
        {"LockLeft", true},
        {"LockTop", true},
        {"LockRight", design.lockedOnAllSides},
        {"LockBottom", design.lockedOnAllSides},
        {"TabPanelIndex", Integer{0}},
        {"TabIndex", design.tabIndex},
        {"TabStop", true},
        {"Enabled", design.enabled},
        {"Visible", true},
        {"HelpTag", std::string()},
        {"AutoDeactivate", true},
        {"TextFont", std::string("System")},
        {"TextSize", design.textSize},
        {"TextUnit", TextUnit{0}},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"DataField", std::string()},
        {"DataSource", std::string()},
    };
}

// The main window's and the outline's: what every control has, by name.
const Names kByName = {
    "AutoDeactivate", "Bold",     "Enabled",   "Height",  "HelpTag",   "Italic",        "Left",
    "LockBottom",     "LockLeft", "LockRight", "LockTop", "TabIndex",  "TabPanelIndex", "TabStop",
    "TextFont",       "TextSize", "TextUnit",  "Top",     "Underline", "Visible",       "Width"};

// The string gauge's: name, place and what every control has.
const Names kGaugeHead = {"Name",       "Index",    "InitialParent",  "Left",     "Top",
                          "Width",      "Height",   "LockLeft",       "LockTop",  "LockRight",
                          "LockBottom", "TabIndex", "TabPanelIndex",  "TabStop",  "Enabled",
                          "Visible",    "HelpTag",  "AutoDeactivate", "TextFont", "TextSize",
                          "TextUnit",   "Bold",     "Italic",         "Underline"};

// The About window's: name and place; each kind lists the rest.
const Names kAboutHead = {"Name",          "Index",    "Left",    "Top",       "Width",
                          "Height",        "LockLeft", "LockTop", "LockRight", "LockBottom",
                          "TabPanelIndex", "TabIndex", "TabStop"};

// A kind's own properties in the orders of the windows that have the kind.
struct OwnOrder {
    std::vector<RecordOrder> orders;
    Names names;
};

const Names& ownNames(const std::vector<OwnOrder>& ownOrders, RecordOrder order,
                      std::string_view kind) {
    for (const OwnOrder& own : ownOrders) {
        if (std::ranges::find(own.orders, order) != own.orders.end()) return own.names;
    }
    throw UnsupportedFormatException("no record order of this window has a " + std::string(kind));
}

// A control that can show a database field holds an empty DataField and
// DataSource.
enum class Binding { None, DataField };

std::string controlRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                          Binding binding, const Values& own, const Names& ownNames) {
    Values values = commonValues(name, design);
    for (const auto& [property, value] : own) values.insert_or_assign(property, value);

    const Names dataBinding =
        binding == Binding::DataField ? Names{"DataField", "DataSource"} : Names{};
    Names names;
    auto append = [&names](const Names& more) {
        names.insert(names.end(), more.begin(), more.end());
    };
    switch (order) {
        case RecordOrder::MainWindow:
        case RecordOrder::FretOutline:
            names = {"InitialParent"};
            append(dataBinding);
            append(kByName);
            append(ownNames);
            append({"Index", "Name"});
            break;
        case RecordOrder::StringGauge:
            names = kGaugeHead;
            append(dataBinding);
            append(ownNames);
            break;
        case RecordOrder::About:
            names = kAboutHead;
            append(ownNames);
            break;
    }

    std::vector<LayoutProperty> record;
    for (const std::string_view property : names) {
        const auto found = values.find(property);
        if (found == values.end()) {
            throw UnsupportedFormatException("the record of " + name + " has no value for " +
                                             std::string(property));
        }
        record.push_back({std::string(property), found->second});
    }
    return EncodeLayoutRecord(record);
}

const std::vector<RecordOrder> kMainAndOutline = {RecordOrder::MainWindow,
                                                  RecordOrder::FretOutline};
}  // namespace

std::string WindowRecord(const WindowDesign& design) {
    return EncodeLayoutRecord({
        {"Width", design.width},
        {"Height", design.height},
        {"MinWidth", Integer{64}},
        {"MinHeight", design.minHeight},
        {"MaxWidth", Integer{32000}},
        {"MaxHeight", Integer{32000}},
        {"Frame", design.frame},
        {"Title", design.title},
        {"CloseButton", design.closeButton},
        {"Resizeable", design.resizeable},
        {"MaximizeButton", design.maximizeButton},
        {"MinimizeButton", design.minimizeButton},
        {"FullScreenButton", false},
        {"Composite", false},
        {"MacProcID", Integer{0}},
        {"Placement", design.placement},
        {"Visible", true},
        {"LiveResize", design.liveResize},
        {"FullScreen", false},
        {"HasBackColor", false},
        {"BackColor", kWhite},
        {"MenuBarVisible", true},
    });
}

std::string LabelRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                        const LabelDesign& label) {
    static const std::vector<OwnOrder> ownOrders = {
        {kMainAndOutline,
         {"Multiline", "Selectable", "Text", "TextAlign", "TextColor", "Transparent"}},
        {{RecordOrder::StringGauge},
         {"Text", "TextAlign", "TextColor", "Multiline", "Selectable", "Transparent"}},
        {{RecordOrder::About},
         {"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible", "Selectable",
          "HelpTag", "AutoDeactivate", "Transparent", "TextFont", "TextSize", "TextUnit", "Bold",
          "Italic", "Underline", "DataSource", "DataField", "InitialParent"}},
    };
    return controlRecord(order, name, design, Binding::DataField,
                         {{"Text", label.text},
                          {"TextAlign", label.textAlign},
                          {"TextColor", label.textColor},
                          {"Multiline", label.multiline},
                          {"Selectable", false},
                          {"Transparent", false},
                          {"Bold", label.bold},
                          {"Underline", label.underline}},
                         ownNames(ownOrders, order, "label"));
}

std::string TextFieldRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                            const std::string& text) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::MainWindow},
         {"AcceptTabs", "Alignment", "AutomaticallyCheckSpelling", "BackColor", "Border", "CueText",
          "Format", "LimitText", "Mask", "Password", "ReadOnly", "Text", "TextColor", "Transparent",
          "UseFocusRing"}},
        {{RecordOrder::StringGauge},
         {"Text", "Border", "UseFocusRing", "BackColor", "TextColor", "Alignment", "LimitText",
          "Format", "Mask", "CueText", "Password", "ReadOnly", "AcceptTabs",
          "AutomaticallyCheckSpelling", "Transparent"}},
    };
    return controlRecord(order, name, design, Binding::DataField,
                         {{"AcceptTabs", false},
                          {"Alignment", Integer{0}},
                          {"AutomaticallyCheckSpelling", false},
                          {"BackColor", kWhite},
                          {"Border", true},
                          {"CueText", std::string()},
                          {"Format", std::string()},
                          {"LimitText", Integer{0}},
                          {"Mask", std::string()},
                          {"Password", false},
                          {"ReadOnly", false},
                          {"Text", text},
                          {"TextColor", kBlack},
                          {"Transparent", true},
                          {"UseFocusRing", true}},
                         ownNames(ownOrders, order, "text field"));
}

std::string CheckBoxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                           const std::string& caption, Boolean value, Boolean transparent) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::MainWindow}, {"Caption", "State", "Transparent", "Value"}},
    };
    return controlRecord(order, name, design, Binding::DataField,
                         {{"Caption", caption},
                          {"State", Integer{value ? 1 : 0}},
                          {"Transparent", transparent},
                          {"Value", value}},
                         ownNames(ownOrders, order, "check box"));
}

std::string PushButtonRecord(RecordOrder order, const std::string& name,
                             const ControlDesign& design, const PushButtonDesign& button) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::FretOutline},
         {"ButtonStyle", "Cancel", "Caption", "Default", "Transparent"}},
        {{RecordOrder::StringGauge},
         {"Caption", "Default", "Cancel", "ButtonStyle", "Transparent"}},
        {{RecordOrder::About},
         {"Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
          "ButtonStyle", "Transparent", "TextFont", "TextSize", "TextUnit", "Bold", "Italic",
          "Underline", "InitialParent"}},
    };
    return controlRecord(order, name, design, Binding::None,
                         {{"Caption", button.caption},
                          {"Default", button.isDefault},
                          {"Cancel", button.isCancel},
                          {"ButtonStyle", Integer{0}},
                          {"Transparent", true}},
                         ownNames(ownOrders, order, "push button"));
}

std::string GroupBoxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                           Boolean transparent) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::MainWindow, RecordOrder::FretOutline, RecordOrder::StringGauge},
         {"Caption", "Transparent"}},
    };
    return controlRecord(order, name, design, Binding::None,
                         {{"Caption", std::string()}, {"Transparent", transparent}},
                         ownNames(ownOrders, order, "group box"));
}

std::string PopupMenuRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                            const std::string& items) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::MainWindow}, {"ListIndex", "InitialValue", "Transparent"}},
        {{RecordOrder::FretOutline, RecordOrder::StringGauge},
         {"InitialValue", "ListIndex", "Transparent"}},
    };
    return controlRecord(
        order, name, design, Binding::DataField,
        {{"InitialValue", items}, {"ListIndex", Integer{0}}, {"Transparent", true}},
        ownNames(ownOrders, order, "pop-up menu"));
}

std::string ListboxRecord(RecordOrder order, const std::string& name, const ControlDesign& design,
                          Integer columnCount, const std::string& columnWidths) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::MainWindow}, {"AutoHideScrollbars",  "Border",
                                     "ColumnCount",         "ColumnsResizable",
                                     "ColumnWidths",        "DefaultRowHeight",
                                     "EnableDrag",          "EnableDragReorder",
                                     "GridLinesHorizontal", "GridLinesVertical",
                                     "HasHeading",          "HeadingIndex",
                                     "Hierarchical",        "InitialValue",
                                     "RequiresSelection",   "ScrollbarHorizontal",
                                     "ScrollBarVertical",   "SelectionType",
                                     "ShowDropIndicator",   "Transparent",
                                     "UseFocusRing",        "_ScrollOffset",
                                     "_ScrollWidth"}},
    };
    return controlRecord(order, name, design, Binding::DataField,
                         {{"AutoHideScrollbars", true},
                          {"Border", true},
                          {"ColumnCount", columnCount},
                          {"ColumnsResizable", false},
                          {"ColumnWidths", columnWidths},
                          {"DefaultRowHeight", Integer{22}},
                          {"EnableDrag", false},
                          {"EnableDragReorder", false},
                          {"GridLinesHorizontal", Integer{0}},
                          {"GridLinesVertical", Integer{0}},
                          {"HasHeading", true},
                          {"HeadingIndex", Integer{-1}},
                          {"Hierarchical", false},
                          {"InitialValue", std::string()},
                          {"RequiresSelection", false},
                          {"ScrollbarHorizontal", false},
                          {"ScrollBarVertical", true},
                          {"SelectionType", Integer{0}},
                          {"ShowDropIndicator", false},
                          {"Transparent", true},
                          {"UseFocusRing", true},
                          {"_ScrollOffset", Integer{0}},
                          {"_ScrollWidth", Integer{-1}}},
                         ownNames(ownOrders, order, "list"));
}

std::string CanvasRecord(RecordOrder order, const std::string& name, const ControlDesign& design) {
    static const std::vector<OwnOrder> ownOrders = {
        {{RecordOrder::About},
         {"Visible", "HelpTag", "AutoDeactivate", "Enabled", "UseFocusRing", "AcceptFocus",
          "AcceptTabs", "DoubleBuffer", "EraseBackground", "Transparent", "InitialParent"}},
    };
    return controlRecord(order, name, design, Binding::None,
                         {{"UseFocusRing", true},
                          {"AcceptFocus", false},
                          {"AcceptTabs", false},
                          {"DoubleBuffer", false},
                          {"EraseBackground", true},
                          {"Transparent", true}},
                         ownNames(ownOrders, order, "canvas"));
}
