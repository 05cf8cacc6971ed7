#pragma once

#include <string>

// Shows text in an application-modal message box and returns once the user
// has dismissed it.
void MsgBox(const std::string& text);
// The same for a failure, told in its own words, in a warning box.
void ShowFailure(const std::string& text);
// A failure found where nothing may be raised, as when a file or a print job
// is let go: shown as ShowFailure does, or sent to the log when it cannot be.
void ShowFailureOrLog(const std::string& text) noexcept;
