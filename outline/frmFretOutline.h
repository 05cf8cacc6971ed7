#pragma once

#include <memory>

#include "framework/ui/Controls.h"
#include "framework/ui/Window.h"

// The fret outline window: prints one to ten full-size fret outlines of the
// main window's table, or saves one as a PNG picture. It computes nothing
// itself and reads the table afresh at each button press.
class frmFretOutline : public Window {
  public:
    static constexpr const char* kRegisteredName = "frmFretOutline.frmFretOutline";

    std::shared_ptr<PushButton> PushButton1() const;
    std::shared_ptr<PushButton> PushButton2() const;
    std::shared_ptr<PushButton> PushButton3() const;
    std::shared_ptr<GroupBox> GroupBox1() const;
    std::shared_ptr<PopupMenu> PopupMenu1() const;
    std::shared_ptr<Label> Label1() const;

    // "Cancel", "Print" and "Save".
    void PushButton1_Action(PushButton& control);
    void PushButton2_Action(PushButton& control);
    void PushButton3_Action(PushButton& control);

    // One board as a PNG picture in a file the user chooses.
    void FileHorz();
    // The chosen number of boards on the printer the user chooses, sliced
    // into pages of the printable width.
    void PrintHorz();

  protected:
    void Layout() override;
    void CreateControls() override;

  private:
    void _CreateControls0();
};

// The open fret outline window, or a new one.
std::shared_ptr<class frmFretOutline> frmFretOutline();
