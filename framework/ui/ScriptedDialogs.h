#pragma once

#include <string>
#include <vector>

// Answers for the dialogs that would otherwise wait for a person. Only tests
// script them; with nothing scripted every dialog is the real one.
namespace ScriptedDialogs {

// While capturing, MsgBox records its text instead of showing a box.
void CaptureMessages(bool capture);
bool CapturingMessages();
void RecordMessage(const std::string& text);
// The messages recorded since the last call, oldest first.
std::vector<std::string> TakeMessages();

}  // namespace ScriptedDialogs
