#include "gauge/frmCalcStringSize.h"

#include <string>

#include "framework/runtime/Math.h"
#include "framework/runtime/Text.h"
#include "framework/ui/DesignRecord.h"

namespace {
// A plain steel string at a fixed tension.
constexpr Double kTension = 13.8;         // pounds-force
constexpr Double kGravity = 386.4;        // inches per second squared
constexpr Double kSteelDensity = 0.283;   // pounds-mass per cubic inch
constexpr Double kPi = 3.14159265358979;  // the value the gauges were worked out with
constexpr Double kReferencePitch = 440;   // hertz, at "A4"
constexpr Double kReferenceIndex = 39;    // "A4" in the note list
constexpr Double kSemitoneExponent = 0.08333333333333333;
constexpr Double kThousandthsPerInch = 1000;
constexpr Double kShortestLength = 1;    // inches, excluded
constexpr Double kLongestLength = 1000;  // inches, excluded

constexpr Integer kOpeningNote = 46;  // "D4"

// The notes from "C8" down by semitone to "A0", one carriage return apart.
std::string noteList() {
    static const char* const notes[] = {
        "C8",
        "B7",
        "A7#",
        "A7",
        "G7#",
        "G7",
        "F7#",
        "F7",
        "E7",
        "D7#",
        "D7",
        "C7#",
        "C7",
        "B6",
        "A6#",
        "A6",
        "G6#",
        "G6",
        "F6#",
        "F6",
        "E6",
        "D6#",
        "D6",
        "C6#",
        "C6",
        "B5",
        "A5#",
        "A5",
        "G5#",
        "G5",
        "F5#",
        "F5",
        "E5",
        "D5#",
        "D5",
        "C5#",
        "C5 (octave above middle c)",
        "B4",
        "A4#",
        "A4",
        "G4#",
        "G4",
        "F4#",
        "F4",
        "E4",
        "D4#",
        "D4",
        "C4# ",
        "C4 - (middle c)",
        "B3",
        "A3#",
        "A3",
        "G3#",
        "G3",
        "F3#",
        "F3",
        "E3",
        "D3#",
        "D3",
        "C3#",
        "C3 (octave below middle c)",
        "B2",
        "A2#",
        "A2",
        "G2#",
        "G2",
        "F2#",
        "F2",
        "E2",
        "D2#",
        "D2",
        "C2#",
        "C2",
        "B1",
        "A1#",
        "A1",
        "G1#",
        "G1",
        "F1#",
        "F1",
        "E1",
        "D1#",
        "D1",
        "C1#",
        "C1",
        "B0",
        "A0#",
        "A0",
    };
    std::string list;
    for (const char* note : notes) {
        if (!list.empty()) list += Chr(13);
        list += note;
    }
    return list;
}
}  // namespace

std::shared_ptr<class frmCalcStringSize> frmCalcStringSize() {
    return _ImplicitInstance<class frmCalcStringSize>(frmCalcStringSize::kRegisteredName);
}

void frmCalcStringSize::Layout() {
    static const std::string record = WindowRecord({.width = 391,
                                                    .height = 264,
                                                    .frame = 1,
                                                    .title = "Calculate String Size",
                                                    .closeButton = false,
                                                    .resizeable = false,
                                                    .maximizeButton = false,
                                                    .minimizeButton = false,
                                                    .placement = 1,
                                                    .liveResize = false});
    _SetProperties(*this, record);
}

void frmCalcStringSize::CreateControls() { _CreateControls0(); }

// Each control gets its record before its handler exists, so design-time
// values raise no event of the window.
void frmCalcStringSize::_CreateControls0() {
    static const std::string groupBox1 =
        GroupBoxRecord(RecordOrder::StringGauge, "GroupBox1",
                       {.left = 20, .top = 14, .width = 351, .height = 152, .tabIndex = 8}, true);
    _CreateControl<GroupBox>("GroupBox1", groupBox1);

    static const std::string label1 = LabelRecord(RecordOrder::StringGauge, "Label1",
                                                  {.left = 43,
                                                   .top = 85,
                                                   .width = 100,
                                                   .height = 20,
                                                   .tabIndex = 0,
                                                   .initialParent = "GroupBox1"},
                                                  {.text = "Open Tuning"});
    _CreateControl<Label>("Label1", label1);

    static const std::string popupMenu1 = PopupMenuRecord(RecordOrder::StringGauge, "PopupMenu1",
                                                          {.left = 155,
                                                           .top = 84,
                                                           .width = 198,
                                                           .height = 20,
                                                           .tabIndex = 1,
                                                           .initialParent = "GroupBox1",
                                                           .textSize = 0},
                                                          noteList());
    _CreateControl<PopupMenu>("PopupMenu1", popupMenu1)->Change = [this](PopupMenu& control) {
        PopupMenu1_Change(control);
    };

    static const std::string label2 = LabelRecord(RecordOrder::StringGauge, "Label2",
                                                  {.left = 43,
                                                   .top = 43,
                                                   .width = 146,
                                                   .height = 20,
                                                   .tabIndex = 2,
                                                   .initialParent = "GroupBox1"},
                                                  {.text = "Vibrating String Length"});
    _CreateControl<Label>("Label2", label2);

    static const std::string textField1 = TextFieldRecord(RecordOrder::StringGauge, "TextField1",
                                                          {.left = 201,
                                                           .top = 43,
                                                           .width = 80,
                                                           .height = 22,
                                                           .tabIndex = 3,
                                                           .initialParent = "GroupBox1"},
                                                          "25");
    _CreateControl<TextField>("TextField1", textField1)->TextChange = [this](TextField& control) {
        TextField1_TextChange(control);
    };

    static const std::string label3 = LabelRecord(RecordOrder::StringGauge, "Label3",
                                                  {.left = 293,
                                                   .top = 43,
                                                   .width = 60,
                                                   .height = 20,
                                                   .tabIndex = 4,
                                                   .initialParent = "GroupBox1"},
                                                  {.text = "inches"});
    _CreateControl<Label>("Label3", label3);

    static const std::string label5 = LabelRecord(RecordOrder::StringGauge, "Label5",
                                                  {.left = 43,
                                                   .top = 127,
                                                   .width = 310,
                                                   .height = 20,
                                                   .tabIndex = 6,
                                                   .initialParent = "GroupBox1",
                                                   .textSize = 0},
                                                  {.text = "String Size: 11", .textAlign = 1});
    _CreateControl<Label>("Label5", label5);

    static const std::string pushButton1 = PushButtonRecord(
        RecordOrder::StringGauge, "PushButton1",
        {.left = 291, .top = 222, .width = 80, .height = 22, .tabIndex = 0, .textSize = 0},
        {.caption = "Close", .isDefault = true, .isCancel = true});
    _CreateControl<PushButton>("PushButton1", pushButton1)->Action = [this](PushButton& control) {
        PushButton1_Action(control);
    };

    static const std::string label4 =
        LabelRecord(RecordOrder::StringGauge, "Label4",
                    {.left = 20, .top = 178, .width = 351, .height = 32, .tabIndex = 7},
                    {.text = "Calcualtion assumes a 13.8 lbs-force string tension and a string "
                             "density of 0.283 lbs-mass/cubic inch for steel.",
                     .multiline = true});
    _CreateControl<Label>("Label4", label4);
}

std::shared_ptr<GroupBox> frmCalcStringSize::GroupBox1() const {
    return _Control<GroupBox>("GroupBox1");
}
std::shared_ptr<Label> frmCalcStringSize::Label1() const { return _Control<Label>("Label1"); }
std::shared_ptr<PopupMenu> frmCalcStringSize::PopupMenu1() const {
    return _Control<PopupMenu>("PopupMenu1");
}
std::shared_ptr<Label> frmCalcStringSize::Label2() const { return _Control<Label>("Label2"); }
std::shared_ptr<TextField> frmCalcStringSize::TextField1() const {
    return _Control<TextField>("TextField1");
}
std::shared_ptr<Label> frmCalcStringSize::Label3() const { return _Control<Label>("Label3"); }
std::shared_ptr<Label> frmCalcStringSize::Label5() const { return _Control<Label>("Label5"); }
std::shared_ptr<PushButton> frmCalcStringSize::PushButton1() const {
    return _Control<PushButton>("PushButton1");
}
std::shared_ptr<Label> frmCalcStringSize::Label4() const { return _Control<Label>("Label4"); }

void frmCalcStringSize::PopupMenu1_Change(PopupMenu&) { showGaugeOrNA(); }

void frmCalcStringSize::TextField1_TextChange(TextField&) { showGaugeOrNA(); }

void frmCalcStringSize::PushButton1_Action(PushButton&) { Close(); }

// The open window selects "D4", which raises Change and shows its gauge.
void frmCalcStringSize::Event_Open() { PopupMenu1()->setListIndex(kOpeningNote); }

void frmCalcStringSize::showGaugeOrNA() {
    const Double length = Val(TextField1()->Text());
    if (length > kShortestLength && length < kLongestLength) {
        FindStringSize();
    } else {
        Label5()->setText("String Size: N/A");
    }
}

// The string's diameter d = sqrt(T g / (rho pi)) / (L f), with f the note's
// pitch in equal temperament from A4 = 440 Hz.
void frmCalcStringSize::FindStringSize() {
    const Double length = Val(TextField1()->Text());
    const auto index = static_cast<Double>(PopupMenu1()->ListIndex());
    const Double semitones = kReferenceIndex - index;  // above A4 when positive

    Double frequency;
    if (semitones == 0) {
        frequency = kReferencePitch;
    } else {
        const Double ratio = Pow(2, kSemitoneExponent);
        const Double steps = Abs(semitones);
        if (semitones < 0) {
            frequency = kReferencePitch / Pow(ratio, steps);
        } else {
            frequency = kReferencePitch * Pow(ratio, steps);
        }
    }

    const Double k = Sqrt((kTension * kGravity) / (kSteelDensity * kPi));
    const Double diameter = k / (length * frequency) * kThousandthsPerInch;
    Label5()->setText("String Size: " + Format(diameter, "###"));
}
