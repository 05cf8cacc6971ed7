#include "framework/ui/ScriptedDialogs.h"

#include <utility>

namespace ScriptedDialogs {
namespace {
bool capturing = false;
std::vector<std::string> messages;
}  // namespace

void CaptureMessages(bool capture) {
    capturing = capture;
    if (!capture) messages.clear();
}

bool CapturingMessages() { return capturing; }

void RecordMessage(const std::string& text) { messages.push_back(text); }

std::vector<std::string> TakeMessages() { return std::exchange(messages, {}); }

}  // namespace ScriptedDialogs
