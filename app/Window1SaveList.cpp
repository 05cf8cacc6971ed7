#include <string>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/SaveDialog.h"
#include "framework/ui/TextOutputStream.h"

namespace {

// Typed text and cells go into markup: "<", ">" and "&" must not become tags
// or entities of the page.
std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

Boolean Window1::_mnuSaveHTML_Action() {
    if (!(0 < Listbox1()->ListCount())) {
        MsgBox("There are no frets to export.");
        return true;
    }

    const auto html = FileTypes1::HTML();
    if (!html) throw NilObjectException("the HTML file type is not registered");
    const auto file = GetSaveFolderItem(html->Operator_Convert(), "Fret Calc.html");
    if (!file) return true;

    const auto stream = TextOutputStream::Create(file);
    if (!stream) {
        MsgBox("Error creating file.");
        return true;
    }

    std::string page = "<head><title>Fret Calc</title></head>";
    page += escaped(Label1()->Text()) + " " + escaped(TextField1()->Text()) + "</P>";
    page += escaped(Label4()->Text()) + " " + escaped(TextField2()->Text()) + "</P>";
    page += escaped(Label5()->Text()) + " " + escaped(TextField3()->Text()) + "</P></P></P>";
    page += "<TABLE BORDER=0 WIDTH=750><CAPTION></CAPTION>";
    page += "<TR>";
    for (const char* heading : kListHeadings) page += std::string("<TH>") + heading;
    for (Integer row = 0; row <= Listbox1()->ListCount() - 1; ++row) {
        page += "<TR><TD ALIGN=CENTER>" + escaped(Listbox1()->Cell(row, 0));
        for (Integer column = 1; column <= 6; ++column) {
            page += "<TD ALIGN=CENTER>" + escaped(Listbox1()->Cell(row, column));
        }
    }
    page += "</TABLE>";
    page += "<P></P>";

    stream->Write(page);
    return true;
}
