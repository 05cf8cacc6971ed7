#pragma once

#include <memory>

#include "framework/ui/Window.h"

class Canvas;
class Label;
class Picture;
class PushButton;

// The About window: the product's icon, name and version, the legal notice,
// the string-size formula's credit, the maker's contact details and logo.
// The two web addresses open in the browser when clicked.
class frmAbout : public Window {
  public:
    static constexpr const char* kRegisteredName = "frmAbout.frmAbout";

    std::shared_ptr<Label> Label1() const;
    std::shared_ptr<Label> Label2() const;
    std::shared_ptr<Label> Label8() const;
    std::shared_ptr<PushButton> PushButton1() const;
    std::shared_ptr<Canvas> Canvas1() const;
    std::shared_ptr<Canvas> Canvas2() const;
    std::shared_ptr<Label> Label10() const;
    std::shared_ptr<Label> Label11() const;
    std::shared_ptr<Label> Label12() const;
    std::shared_ptr<Label> Label13() const;
    std::shared_ptr<Label> Label14() const;

    Boolean Label8_MouseDown(Label& sender, Integer x, Integer y);
    void Label8_MouseUp(Label& sender, Integer x, Integer y);
    void Label8_Open(Label& sender);
    void PushButton1_Action(PushButton& sender);
    Boolean Label11_MouseDown(Label& sender, Integer x, Integer y);
    void Label11_MouseUp(Label& sender, Integer x, Integer y);
    void Label11_Open(Label& sender);

  protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;

  private:
    void _CreateControls0();
};

// The open About window, or a new one.
std::shared_ptr<class frmAbout> frmAbout();

// The two pictures, each read from the application's files the first time a
// window asks for it and kept for the rest of the run; nullptr, and tried
// again at the next call, while the file is missing or unreadable.
std::shared_ptr<Picture> velmoraicon();
// White is see-through in the logo.
std::shared_ptr<Picture> TavistrelLogo2x1();
