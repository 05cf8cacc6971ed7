#pragma once

#include <string>

// Shows text in an application-modal message box and returns once the user
// has dismissed it.
void MsgBox(const std::string& text);
// The same for a failure found where nothing may be raised, as when a file or
// a print job is let go: text that cannot be shown goes to the log.
void MsgBoxOrLog(const std::string& text) noexcept;
