#include "app/frmAbout.h"

#include <string>
#include <vector>

#include "app/App.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Controls.h"
#include "framework/ui/DesignRecord.h"
#include "framework/ui/LayoutRecord.h"
#include "framework/ui/Picture.h"
#include "framework/ui/System.h"

namespace {
const Color kBlack = RGB(0, 0, 0);
const Color kBlue = RGB(0, 0, 255);

// Loaded at the first window that needs them, then kept for the run.
std::shared_ptr<Picture> velmoraiconPicture;
std::shared_ptr<Picture> tavistrelLogo2x1Picture;

struct Place {
    Integer left, top, width, height, tabIndex;
};

struct TextStyle {
    float size = 12;
    Boolean bold = false;
    Boolean underline = false;
    Integer align = 0;  // 0 left, 1 centred
    Color color = kBlack;
};

// What every control's record begins with.
std::vector<LayoutProperty> recordHead(const std::string& name, const Place& place) {
    return {{"Name", name},
            {"Index", Integer{-2147483648}},
            {"Left", place.left},
            {"Top", place.top},
            {"Width", place.width},
            {"Height", place.height},
            {"LockLeft", true},
            {"LockTop", true},
            {"LockRight", false},
            {"LockBottom", false},
            {"TabPanelIndex", Integer{0}},
            {"TabIndex", place.tabIndex},
            {"TabStop", true}};
}

std::string record(std::vector<LayoutProperty> head, const std::vector<LayoutProperty>& own) {
    head.insert(head.end(), own.begin(), own.end());
    return EncodeLayoutRecord(head);
}

std::string labelRecord(const std::string& name, const Place& place, const std::string& text,
                        const TextStyle& style) {
    return record(recordHead(name, place), {{"Text", text},
                                            {"TextAlign", style.align},
                                            {"TextColor", style.color},
                                            {"Multiline", false},
                                            {"Enabled", true},
                                            {"Visible", true},
                                            {"Selectable", false},
                                            {"HelpTag", std::string()},
                                            {"AutoDeactivate", true},
                                            {"Transparent", false},
                                            {"TextFont", std::string("System")},
                                            {"TextSize", style.size},
                                            {"TextUnit", TextUnit{0}},
                                            {"Bold", style.bold},
                                            {"Italic", false},
                                            {"Underline", style.underline},
                                            {"DataSource", std::string()},
                                            {"DataField", std::string()},
                                            {"InitialParent", std::string()}});
}

std::string canvasRecord(const std::string& name, const Place& place) {
    return record(recordHead(name, place), {{"Visible", true},
                                            {"HelpTag", std::string()},
                                            {"AutoDeactivate", true},
                                            {"Enabled", true},
                                            {"UseFocusRing", true},
                                            {"AcceptFocus", false},
                                            {"AcceptTabs", false},
                                            {"DoubleBuffer", false},
                                            {"EraseBackground", true},
                                            {"Transparent", true},
                                            {"InitialParent", std::string()}});
}

const TextStyle kCentred = {.align = 1};
const TextStyle kLink = {.underline = true, .color = kBlue};
const TextStyle kHeading = {.bold = true};
}  // namespace

std::shared_ptr<class frmAbout> frmAbout() {
    return _ImplicitInstance<class frmAbout>(frmAbout::kRegisteredName);
}

std::shared_ptr<Picture> velmoraicon() {
    if (!velmoraiconPicture) velmoraiconPicture = Picture::_OpenFromApp("velmora icon.bmp");
    return velmoraiconPicture;
}

std::shared_ptr<Picture> TavistrelLogo2x1() {
    if (!tavistrelLogo2x1Picture) {
        tavistrelLogo2x1Picture = Picture::_OpenFromApp("TavistrelLogo2x1.bmp");
        if (tavistrelLogo2x1Picture) tavistrelLogo2x1Picture->setTransparent(1);
    }
    return tavistrelLogo2x1Picture;
}

// A fixed-size dialog without menu bar, close box, zoom or minimise button.
void frmAbout::Layout() {
    static const std::string record = WindowRecord({.width = 592,
                                                    .height = 329,
                                                    .frame = 1,
                                                    .title = "About",
                                                    .closeButton = false,
                                                    .resizeable = false,
                                                    .maximizeButton = false,
                                                    .minimizeButton = false,
                                                    .liveResize = false});
    _SetProperties(*this, record);
}

void frmAbout::CreateControls() { _CreateControls0(); }

// Each control gets its record before its handlers exist; a canvas gets its
// picture before its record.
void frmAbout::_CreateControls0() {
    static const std::string label1 = labelRecord("Label1", {160, 21, 412, 29, 0}, "Velmora",
                                                  {.size = 24, .bold = true, .align = 1});
    _CreateControl<Label>("Label1", label1);

    static const std::string label2 =
        labelRecord("Label2", {160, 68, 412, 20, 1}, "Version", kCentred);
    _CreateControl<Label>("Label2", label2);

    static const std::string label8 =
        labelRecord("Label8", {343, 206, 209, 20, 7}, "https://tavistrel.example/", kLink);
    auto link = _CreateControl<Label>("Label8", label8);
    link->MouseDown = [this](Label& sender, Integer x, Integer y) {
        return Label8_MouseDown(sender, x, y);
    };
    link->MouseUp = [this](Label& sender, Integer x, Integer y) { Label8_MouseUp(sender, x, y); };
    link->Open = [this](Label& sender) { Label8_Open(sender); };

    static const std::string pushButton1 = record(recordHead("PushButton1", {492, 287, 80, 22, 8}),
                                                  {{"Caption", std::string("Close")},
                                                   {"Default", true},
                                                   {"Cancel", true},
                                                   {"Enabled", true},
                                                   {"Visible", true},
                                                   {"HelpTag", std::string()},
                                                   {"AutoDeactivate", true},
                                                   {"ButtonStyle", Integer{0}},
                                                   {"Transparent", true},
                                                   {"TextFont", std::string("System")},
                                                   {"TextSize", 0.0f},
                                                   {"TextUnit", TextUnit{0}},
                                                   {"Bold", false},
                                                   {"Italic", false},
                                                   {"Underline", false},
                                                   {"InitialParent", std::string()}});
    _CreateControl<PushButton>("PushButton1", pushButton1)->Action = [this](PushButton& sender) {
        PushButton1_Action(sender);
    };

    static const std::string canvas1 = canvasRecord("Canvas1", {20, 14, 128, 128, 9});
    _AddControl("Canvas1", std::make_shared<Canvas>());
    _Control<Canvas>("Canvas1")->setBackdrop(velmoraicon());
    _SetProperties(*_Control<Canvas>("Canvas1"), canvas1);

    static const std::string canvas2 = canvasRecord("Canvas2", {20, 270, 142, 39, 10});
    _AddControl("Canvas2", std::make_shared<Canvas>());
    _Control<Canvas>("Canvas2")->setBackdrop(TavistrelLogo2x1());
    _SetProperties(*_Control<Canvas>("Canvas2"), canvas2);

    static const std::string label10 =
        labelRecord("Label10", {160, 122, 412, 20, 12},
                    "Copyright © 2026 Tavistrel. All rights reserved.", kCentred);
    _CreateControl<Label>("Label10", label10);

    static const std::string label11 =
        labelRecord("Label11", {20, 199, 227, 27, 13}, "https://tavistrel.example/gauge", kLink);
    link = _CreateControl<Label>("Label11", label11);
    link->MouseDown = [this](Label& sender, Integer x, Integer y) {
        return Label11_MouseDown(sender, x, y);
    };
    link->MouseUp = [this](Label& sender, Integer x, Integer y) { Label11_MouseUp(sender, x, y); };
    link->Open = [this](Label& sender) { Label11_Open(sender); };

    static const std::string label12 =
        labelRecord("Label12", {20, 174, 227, 20, 14}, "String Size Formula by:", kHeading);
    _CreateControl<Label>("Label12", label12);

    static const std::string label13 =
        labelRecord("Label13", {343, 238, 209, 20, 15}, "support@tavistrel.example", {});
    _CreateControl<Label>("Label13", label13);

    static const std::string label14 =
        labelRecord("Label14", {343, 174, 229, 20, 16}, "Contact Information:", kHeading);
    _CreateControl<Label>("Label14", label14);
}

std::shared_ptr<Label> frmAbout::Label1() const { return _Control<Label>("Label1"); }
std::shared_ptr<Label> frmAbout::Label2() const { return _Control<Label>("Label2"); }
std::shared_ptr<Label> frmAbout::Label8() const { return _Control<Label>("Label8"); }
std::shared_ptr<PushButton> frmAbout::PushButton1() const {
    return _Control<PushButton>("PushButton1");
}
std::shared_ptr<Canvas> frmAbout::Canvas1() const { return _Control<Canvas>("Canvas1"); }
std::shared_ptr<Canvas> frmAbout::Canvas2() const { return _Control<Canvas>("Canvas2"); }
std::shared_ptr<Label> frmAbout::Label10() const { return _Control<Label>("Label10"); }
std::shared_ptr<Label> frmAbout::Label11() const { return _Control<Label>("Label11"); }
std::shared_ptr<Label> frmAbout::Label12() const { return _Control<Label>("Label12"); }
std::shared_ptr<Label> frmAbout::Label13() const { return _Control<Label>("Label13"); }
std::shared_ptr<Label> frmAbout::Label14() const { return _Control<Label>("Label14"); }

// True: the release of this press comes here too, wherever it happens.
Boolean frmAbout::Label8_MouseDown(Label&, Integer, Integer) { return true; }

// Once a press began on the link, the release opens it, inside the label or not.
void frmAbout::Label8_MouseUp(Label& sender, Integer, Integer) { ShowURL(sender.Text()); }

void frmAbout::Label8_Open(Label& sender) {
    sender.setMouseCursor(System::Cursors::FingerPointer());
}

void frmAbout::PushButton1_Action(PushButton&) { Close(); }

Boolean frmAbout::Label11_MouseDown(Label&, Integer, Integer) { return true; }

void frmAbout::Label11_MouseUp(Label& sender, Integer, Integer) { ShowURL(sender.Text()); }

void frmAbout::Label11_Open(Label& sender) {
    sender.setMouseCursor(System::Cursors::FingerPointer());
}

void frmAbout::Event_Open() {
    const auto application = ::App();
    if (!application) throw NilObjectException("no application object");
    Label2()->setText("Version " + application->ShortVersion());
}
