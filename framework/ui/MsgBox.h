#pragma once

#include <string>

// Shows text in an application-modal message box and returns once the user
// has dismissed it.
void MsgBox(const std::string& text);
