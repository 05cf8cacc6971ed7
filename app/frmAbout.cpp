#include "app/frmAbout.h"

#include <string>

#include "app/App.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Controls.h"
#include "framework/ui/DesignRecord.h"
#include "framework/ui/Picture.h"
#include "framework/ui/System.h"

namespace {
const Color kBlue = RGB(0, 0, 255);

// Loaded at the first window that needs them, then kept for the run.
std::shared_ptr<Picture> velmoraiconPicture;
std::shared_ptr<Picture> tavistrelLogo2x1Picture;

// Where a control lies and its place in the tab order.
ControlDesign place(Integer left, Integer top, Integer width, Integer height, Integer tabIndex) {
    return {.left = left, .top = top, .width = width, .height = height, .tabIndex = tabIndex};
}

LabelDesign centred(const std::string& text) { return {.text = text, .textAlign = 1}; }
LabelDesign linkTo(const std::string& url) {
    return {.text = url, .textColor = kBlue, .underline = true};
}
LabelDesign heading(const std::string& text) { return {.text = text, .bold = true}; }
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
    static const std::string label1 = LabelRecord(
        RecordOrder::About, "Label1",
        {.left = 160, .top = 21, .width = 412, .height = 29, .tabIndex = 0, .textSize = 24},
        {.text = "Velmora", .textAlign = 1, .bold = true});
    _CreateControl<Label>("Label1", label1);

    static const std::string label2 =
        LabelRecord(RecordOrder::About, "Label2", place(160, 68, 412, 20, 1), centred("Version"));
    _CreateControl<Label>("Label2", label2);

    static const std::string label8 =
        LabelRecord(RecordOrder::About, "Label8", place(343, 206, 209, 20, 7),
                    linkTo("https://tavistrel.example/"));
    auto link = _CreateControl<Label>("Label8", label8);
    link->MouseDown = [this](Label& sender, Integer x, Integer y) {
        return Label8_MouseDown(sender, x, y);
    };
    link->MouseUp = [this](Label& sender, Integer x, Integer y) { Label8_MouseUp(sender, x, y); };
    link->Open = [this](Label& sender) { Label8_Open(sender); };

    static const std::string pushButton1 = PushButtonRecord(
        RecordOrder::About, "PushButton1",
        {.left = 492, .top = 287, .width = 80, .height = 22, .tabIndex = 8, .textSize = 0},
        {.caption = "Close", .isDefault = true, .isCancel = true});
    _CreateControl<PushButton>("PushButton1", pushButton1)->Action = [this](PushButton& sender) {
        PushButton1_Action(sender);
    };

    static const std::string canvas1 =
        CanvasRecord(RecordOrder::About, "Canvas1", place(20, 14, 128, 128, 9));
    _AddControl("Canvas1", std::make_shared<Canvas>());
    _Control<Canvas>("Canvas1")->setBackdrop(velmoraicon());
    _SetProperties(*_Control<Canvas>("Canvas1"), canvas1);

    static const std::string canvas2 =
        CanvasRecord(RecordOrder::About, "Canvas2", place(20, 270, 142, 39, 10));
    _AddControl("Canvas2", std::make_shared<Canvas>());
    _Control<Canvas>("Canvas2")->setBackdrop(TavistrelLogo2x1());
    _SetProperties(*_Control<Canvas>("Canvas2"), canvas2);

    static const std::string label10 =
        LabelRecord(RecordOrder::About, "Label10", place(160, 122, 412, 20, 12),
                    centred("Copyright © 2026 Tavistrel. All rights reserved."));
    _CreateControl<Label>("Label10", label10);

    static const std::string label11 =
        LabelRecord(RecordOrder::About, "Label11", place(20, 199, 227, 27, 13),
                    linkTo("https://tavistrel.example/gauge"));
    link = _CreateControl<Label>("Label11", label11);
    link->MouseDown = [this](Label& sender, Integer x, Integer y) {
        return Label11_MouseDown(sender, x, y);
    };
    link->MouseUp = [this](Label& sender, Integer x, Integer y) { Label11_MouseUp(sender, x, y); };
    link->Open = [this](Label& sender) { Label11_Open(sender); };

    static const std::string label12 =
        LabelRecord(RecordOrder::About, "Label12", place(20, 174, 227, 20, 14),
                    heading("String Size Formula by:"));
    _CreateControl<Label>("Label12", label12);

    static const std::string label13 =
        LabelRecord(RecordOrder::About, "Label13", place(343, 238, 209, 20, 15),
                    {.text = "support@tavistrel.example"});
    _CreateControl<Label>("Label13", label13);

    static const std::string label14 =
        LabelRecord(RecordOrder::About, "Label14", place(343, 174, 229, 20, 16),
                    heading("Contact Information:"));
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
