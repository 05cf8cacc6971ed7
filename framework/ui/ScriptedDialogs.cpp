#include "framework/ui/ScriptedDialogs.h"

#include <deque>
#include <utility>

namespace ScriptedDialogs {
namespace {
bool capturing = false;
std::vector<std::string> messages;
std::deque<SaveDialogAnswer> saveAnswers;
std::vector<SaveDialogRequest> saveRequests;
std::deque<PageSetupAnswer> pageSetupAnswers;
std::deque<PrintDialogAnswer> printAnswers;

template <typename Answer>
std::optional<Answer> takeOldest(std::deque<Answer>& answers) {
    if (answers.empty()) return std::nullopt;
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
}  // namespace

void CaptureMessages(bool capture) {
    capturing = capture;
    if (!capture) messages.clear();
}

bool CapturingMessages() { return capturing; }

void RecordMessage(const std::string& text) { messages.push_back(text); }

std::vector<std::string> TakeMessages() { return std::exchange(messages, {}); }

void AnswerNextSaveDialog(const std::string& chosenPath) {
    saveAnswers.push_back({false, chosenPath});
}

void CancelNextSaveDialog() { saveAnswers.push_back({true, {}}); }

std::optional<SaveDialogAnswer> TakeSaveDialogAnswer(const SaveDialogRequest& request) {
    if (saveAnswers.empty()) return std::nullopt;
    SaveDialogAnswer answer = std::move(saveAnswers.front());
    saveAnswers.pop_front();
    saveRequests.push_back(request);
    return answer;
}

std::vector<SaveDialogRequest> TakeSaveDialogRequests() { return std::exchange(saveRequests, {}); }

void ClearSaveDialogs() {
    saveAnswers.clear();
    saveRequests.clear();
}

void AnswerNextPageSetupDialog(const PageSetupAnswer& page) {
    PageSetupAnswer answer = page;
    answer.cancelled = false;
    pageSetupAnswers.push_back(answer);
}

void CancelNextPageSetupDialog() { pageSetupAnswers.push_back({.cancelled = true}); }

void AnswerNextPrintDialog(const std::string& pdfPath) { printAnswers.push_back({false, pdfPath}); }

void CancelNextPrintDialog() { printAnswers.push_back({true, {}}); }

std::optional<PageSetupAnswer> TakePageSetupDialogAnswer() { return takeOldest(pageSetupAnswers); }

std::optional<PrintDialogAnswer> TakePrintDialogAnswer() { return takeOldest(printAnswers); }

void ClearPrintDialogs() {
    pageSetupAnswers.clear();
    printAnswers.clear();
}

}  // namespace ScriptedDialogs
