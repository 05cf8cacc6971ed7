#include "outline/frmFretOutline.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "engine/FretOffsetsRows.h"
#include "framework/runtime/Math.h"
#include "framework/runtime/Text.h"
#include "framework/ui/DesignRecord.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Printing.h"
#include "framework/ui/SaveDialog.h"

namespace {
const Color kBlack = RGB(0, 0, 0);
const Color kWhite = RGB(255, 255, 255);

constexpr Double kBoardHeight = 1.5 * kUnitsPerInch;
constexpr Integer kBoardPitch = 144;

// The engine object of the main window's last recalculation.
std::shared_ptr<cFretCalculator> fretData() {
    auto data = ::Window1()->thisFretData;
    if (!data) throw NilObjectException("the main window has no fret table");
    return data;
}

// The fret and half-fret rows of a fret offsets text, in text order, up to
// the separator: the bridge row after it is no fret.
std::vector<FretOffsetsRow> fretRows(const std::string& offsets) {
    std::vector<FretOffsetsRow> rows = FretOffsetsRows(offsets);
    const auto separator = std::find_if(
        rows.begin(), rows.end(), [](const FretOffsetsRow& row) { return row.isSeparator(); });
    rows.erase(separator, rows.end());
    return rows;
}

// Where one board lies on its surface and how it is framed: the picture frames
// its own edges, the board length truncated to whole pixels; the paper frames
// the board length itself.
struct BoardPlace {
    Double left, top;  // the nut's end of the board
    Double frameWidth, height;
    Double captionX;
};

// The board's frame, a line and a label for each fret row, and its captions,
// in the surface's current colour and text size.
void drawBoard(Graphics& g, const std::vector<FretOffsetsRow>& rows, const BoardPlace& place) {
    g.DrawRect(place.left, place.top, place.frameWidth, place.height);
    for (const FretOffsetsRow& row : rows) {
        const Double x = row.position() * kUnitsPerInch + place.left;
        g.DrawLine(x, place.top, x, place.top + place.height);
        g.DrawString(row.label(), x - 12, place.top + place.height / 2, 0, false);
    }
    g.DrawString("Scale Length: " + Str(fretData()->scale_length), place.captionX, place.top + 10,
                 0, false);
    if (fretData()->isDulcimer) g.DrawString("Dulcimer", place.captionX, place.top + 30, 0, false);
}
}  // namespace

std::shared_ptr<class frmFretOutline> frmFretOutline() {
    return _ImplicitInstance<class frmFretOutline>(frmFretOutline::kRegisteredName);
}

void frmFretOutline::Layout() {
    static const std::string record = WindowRecord({.width = 351,
                                                    .height = 140,
                                                    .frame = 1,
                                                    .title = "Print Fret Outline",
                                                    .closeButton = true,
                                                    .resizeable = false,
                                                    .maximizeButton = false,
                                                    .minimizeButton = false,
                                                    .liveResize = false});
    _SetProperties(*this, record);
}

void frmFretOutline::CreateControls() { _CreateControls0(); }

// Each control gets its record before its handler exists, so design-time
// values raise no event of the window.
void frmFretOutline::_CreateControls0() {
    static const std::string pushButton1 = PushButtonRecord(
        RecordOrder::FretOutline, "PushButton1",
        {.left = 20, .top = 98, .width = 80, .height = 22, .tabIndex = 1, .textSize = 0},
        {.caption = "Cancel", .isCancel = true});
    _CreateControl<PushButton>("PushButton1", pushButton1)->Action = [this](PushButton& control) {
        PushButton1_Action(control);
    };

    static const std::string pushButton2 = PushButtonRecord(
        RecordOrder::FretOutline, "PushButton2",
        {.left = 251, .top = 98, .width = 80, .height = 22, .tabIndex = 2, .textSize = 0},
        {.caption = "Print", .isDefault = true});
    _CreateControl<PushButton>("PushButton2", pushButton2)->Action = [this](PushButton& control) {
        PushButton2_Action(control);
    };

    static const std::string pushButton3 = PushButtonRecord(
        RecordOrder::FretOutline, "PushButton3",
        {.left = 159, .top = 98, .width = 80, .height = 22, .tabIndex = 5, .textSize = 0},
        {.caption = "Save"});
    _CreateControl<PushButton>("PushButton3", pushButton3)->Action = [this](PushButton& control) {
        PushButton3_Action(control);
    };

    static const std::string groupBox1 = GroupBoxRecord(
        RecordOrder::FretOutline, "GroupBox1",
        {.left = 20, .top = 20, .width = 311, .height = 59, .tabIndex = 6, .textSize = 0}, false);
    _CreateControl<GroupBox>("GroupBox1", groupBox1);

    static const std::string popupMenu1 = [] {
        std::string items = "1";
        for (Integer count = 2; count <= 10; ++count) items += Chr(13) + Str(count);
        return PopupMenuRecord(RecordOrder::FretOutline, "PopupMenu1",
                               {.left = 192,
                                .top = 40,
                                .width = 119,
                                .height = 20,
                                .tabIndex = 0,
                                .initialParent = "GroupBox1"},
                               items);
    }();
    _CreateControl<PopupMenu>("PopupMenu1", popupMenu1);

    static const std::string label1 = LabelRecord(RecordOrder::FretOutline, "Label1",
                                                  {.left = 40,
                                                   .top = 40,
                                                   .width = 140,
                                                   .height = 20,
                                                   .tabIndex = 1,
                                                   .initialParent = "GroupBox1"},
                                                  {.text = "Number of Fretboards:"});
    _CreateControl<Label>("Label1", label1);
}

std::shared_ptr<PushButton> frmFretOutline::PushButton1() const {
    return _Control<PushButton>("PushButton1");
}
std::shared_ptr<PushButton> frmFretOutline::PushButton2() const {
    return _Control<PushButton>("PushButton2");
}
std::shared_ptr<PushButton> frmFretOutline::PushButton3() const {
    return _Control<PushButton>("PushButton3");
}
std::shared_ptr<GroupBox> frmFretOutline::GroupBox1() const {
    return _Control<GroupBox>("GroupBox1");
}
std::shared_ptr<PopupMenu> frmFretOutline::PopupMenu1() const {
    return _Control<PopupMenu>("PopupMenu1");
}
std::shared_ptr<Label> frmFretOutline::Label1() const { return _Control<Label>("Label1"); }

void frmFretOutline::PushButton1_Action(PushButton&) { Close(); }

void frmFretOutline::PushButton2_Action(PushButton&) {
    PrintHorz();
    Close();
}

void frmFretOutline::PushButton3_Action(PushButton&) {
    FileHorz();
    Close();
}

void frmFretOutline::FileHorz() {
    const Double boardLength = fretData()->scale_length * kUnitsPerInch;
    // A board shorter than one pixel still makes a picture, one pixel wide.
    const auto picture =
        std::make_shared<Picture>(std::max<Integer>(ToInteger(boardLength), 1), 108, 32);
    const auto g = picture->Graphics();
    g->setForeColor(kWhite);
    g->FillRect(0, 0, static_cast<Double>(g->Width()), static_cast<Double>(g->Height()));
    g->setForeColor(kBlack);
    const std::vector<FretOffsetsRow> rows = fretRows(fretData()->FretAsOffsets());
    g->setTextSize(9);
    drawBoard(*g, rows,
              {.left = 0,
               .top = 0,
               .frameWidth = static_cast<Double>(g->Width()),
               .height = static_cast<Double>(g->Height()),
               .captionX = 5});

    const auto png = FileTypes1::Png();
    if (!png) throw NilObjectException("the PNG file type is not registered");
    const auto file = GetSaveFolderItem(png->Operator_Convert(), "Fret Layout.png");
    if (!file) return;
    picture->Save(file, Picture::SaveAsPNG);
}

void frmFretOutline::PrintHorz() {
    const auto setup = std::make_shared<PrinterSetup>();
    // The print queue and a PDF's Title tell the boards by their scale length.
    setup->setJobName("Fret Outline " + Str(fretData()->scale_length) + " in");
    if (!setup->PageSetupDialog()) return;
    const auto g = OpenPrinterDialog(setup);
    if (!g) return;

    const Double boardLength = fretData()->scale_length * kUnitsPerInch;
    g->setForeColor(kBlack);
    const std::vector<FretOffsetsRow> rows = fretRows(fretData()->FretAsOffsets());
    g->setTextSize(8);

    // Every page shows the next slice of every board, the boards shifted
    // left by the page offset.
    Integer pageOffset = 0;
    while (static_cast<Double>(pageOffset) < boardLength) {
        Integer boardTop = 0;
        for (Integer board = 0; board <= PopupMenu1()->ListIndex(); ++board) {
            drawBoard(*g, rows,
                      {.left = -static_cast<Double>(pageOffset),
                       .top = static_cast<Double>(boardTop),
                       .frameWidth = boardLength,
                       .height = kBoardHeight,
                       // Beyond the printable width on every page but the first.
                       .captionX = static_cast<Double>(pageOffset + 5)});
            boardTop += kBoardPitch;
        }
        const Integer step = setup->Width();
        // A page with no printable width would never move on: its one slice is all.
        if (step <= 0) break;
        pageOffset += step;
        if (static_cast<Double>(pageOffset) >= boardLength) break;
        g->NextPage();
    }
}
