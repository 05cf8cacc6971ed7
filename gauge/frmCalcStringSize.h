#pragma once

#include <memory>

#include "framework/ui/Controls.h"
#include "framework/ui/Window.h"

// The string gauge tool: the diameter of a plain steel string, in thousandths
// of an inch, for the note its open string sounds and its vibrating length.
// The whole state lives in the controls; every opening starts afresh.
class frmCalcStringSize : public Window {
  public:
    static constexpr const char* kRegisteredName = "frmCalcStringSize.frmCalcStringSize";

    std::shared_ptr<GroupBox> GroupBox1() const;
    std::shared_ptr<Label> Label1() const;
    std::shared_ptr<PopupMenu> PopupMenu1() const;
    std::shared_ptr<Label> Label2() const;
    std::shared_ptr<TextField> TextField1() const;
    std::shared_ptr<Label> Label3() const;
    std::shared_ptr<Label> Label5() const;
    std::shared_ptr<PushButton> PushButton1() const;
    std::shared_ptr<Label> Label4() const;

    void PopupMenu1_Change(PopupMenu& control);
    void TextField1_TextChange(TextField& control);
    void PushButton1_Action(PushButton& control);

    // Writes the gauge for the current length and note into Label5.
    void FindStringSize();

  protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

  private:
    void _CreateControls0();
    // The gauge for a length strictly between 1 and 1000 inches, else N/A.
    void showGaugeOrNA();
};

// The open string gauge window, or a new one.
std::shared_ptr<class frmCalcStringSize> frmCalcStringSize();
