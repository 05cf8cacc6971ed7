#include "framework/ui/DesignRecord.h"

#include "framework/ui/Color.h"

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
        {"BackColor", RGB(255, 255, 255)},
        {"MenuBarVisible", true},
    });
}

std::string ControlRecord(const std::string& name, const ControlDesign& design,
                          const std::vector<LayoutProperty>& own) {
    std::vector<LayoutProperty> record = {{"InitialParent", design.initialParent}};
    if (design.dataBound) {
        record.push_back({"DataField", std::string()});
        record.push_back({"DataSource", std::string()});
    }
    const std::vector<LayoutProperty> common = {
        {"AutoDeactivate", true},
        {"Bold", false},
        {"Enabled", design.enabled},
        {"Height", design.height},
        {"HelpTag", std::string()},
        {"Italic", false},
        {"Left", design.left},
        {"LockBottom", design.lockedOnAllSides},
        {"LockLeft", true},
        {"LockRight", design.lockedOnAllSides},
        {"LockTop", true},
        {"TabIndex", design.tabIndex},
        {"TabPanelIndex", Integer{0}},
        {"TabStop", true},
        {"TextFont", std::string("System")},
        {"TextSize", design.textSize},
        {"TextUnit", TextUnit{0}},
        {"Top", design.top},
        {"Underline", false},
        {"Visible", true},
        {"Width", design.width},
    };
    record.insert(record.end(), common.begin(), common.end());
    record.insert(record.end(), own.begin(), own.end());
    record.push_back({"Index", Integer{-2147483648}});
    record.push_back({"Name", name});
    return EncodeLayoutRecord(record);
}

std::string LabelRecord(const std::string& name, const ControlDesign& design,
                        const std::string& text) {
    return ControlRecord(name, design,
                         {{"Multiline", false},
                          {"Selectable", false},
                          {"Text", text},
                          {"TextAlign", Integer{0}},
                          {"TextColor", RGB(0, 0, 0)},
                          {"Transparent", false}});
}
