#pragma once

#include <string>

#include "framework/runtime/Types.h"

// A file location, usually one the user chose in a save dialog. The file
// itself need not exist yet.
class FolderItem {
  public:
    // The path in the platform's own form (UTF-8); a relative path is taken
    // from the current folder.
    explicit FolderItem(const std::string& nativePath);

    const std::string& NativePath() const { return nativePath_; }
    // The last component of the path: "Fret Calc.html".
    std::string Name() const;
    Boolean Exists() const;

  private:
    std::string nativePath_;
};
