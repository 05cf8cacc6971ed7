#pragma once

#include <optional>
#include <string>
#include <vector>

// Answers for the dialogs that would otherwise wait for a person. Only tests
// script them; with nothing scripted every dialog is the real one.
namespace ScriptedDialogs {

// While capturing, MsgBox and ShowFailure record their text instead of
// showing a box.
void CaptureMessages(bool capture);
bool CapturingMessages();
void RecordMessage(const std::string& text);
// The messages recorded since the last call, oldest first.
std::vector<std::string> TakeMessages();

// What a save dialog is asked to show: the name filter in Qt's form
// ("HTML (*.html)") and the proposed file name.
struct SaveDialogRequest {
    std::string nameFilter;
    std::string proposedName;
};

struct SaveDialogAnswer {
    bool cancelled = false;
    std::string chosenPath;
};

// Queue the answer to the next save dialog: the file chosen, or cancel.
// Queued answers are used oldest first; while one is queued the dialog is
// not shown.
void AnswerNextSaveDialog(const std::string& chosenPath);
void CancelNextSaveDialog();
// For GetSaveFolderItem: the oldest queued answer, recording the request it
// answers; nullopt when nothing is queued, so the real dialog is shown.
std::optional<SaveDialogAnswer> TakeSaveDialogAnswer(const SaveDialogRequest& request);
// The requests answered from the queue since the last call, oldest first.
std::vector<SaveDialogRequest> TakeSaveDialogRequests();
// Drops the answers no dialog has used and the recorded requests.
void ClearSaveDialogs();

// A page chosen in a page setup dialog, in points; landscape when the paper
// is wider than high.
struct PageSetupAnswer {
    bool cancelled = false;
    double paperWidth = 0, paperHeight = 0;
    double marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
};

// What a print dialog is answered with: printing to a PDF file, or cancel.
struct PrintDialogAnswer {
    bool cancelled = false;
    std::string pdfPath;
};

// Queue the answer to the next page setup dialog or print dialog; used
// oldest first, and while one is queued that dialog is not shown.
void AnswerNextPageSetupDialog(const PageSetupAnswer& page);
void CancelNextPageSetupDialog();
void AnswerNextPrintDialog(const std::string& pdfPath);
void CancelNextPrintDialog();
// The oldest queued answer, or nullopt: the real dialog is shown.
std::optional<PageSetupAnswer> TakePageSetupDialogAnswer();
std::optional<PrintDialogAnswer> TakePrintDialogAnswer();
// Drops the answers no page setup or print dialog has used.
void ClearPrintDialogs();

}  // namespace ScriptedDialogs
