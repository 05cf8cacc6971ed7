#pragma once

#include <memory>
#include <string>

#include "framework/ui/FolderItem.h"

// Shows the system's application-modal save dialog. `filter` is the Name of
// a registered FileType; the dialog offers that type's extensions ("HTML"
// registered with ".html" gives "HTML (*.html)"), or all files when no type
// of that name is registered. `name` is the proposed file name. The dialog
// opens in the folder of the file last chosen in one during this run, or in
// Documents (home, when there is none) at first, and asks before an existing
// file is replaced. Returns the chosen file, or nullptr when the user cancels.
std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter, const std::string& name);
