#pragma once

#include <memory>
#include <string>

#include "framework/ui/FolderItem.h"

class ReplacingFile;

// Writes text to a file without ever leaving a half-written one: the text
// goes to a temporary file beside the target, which replaces the target only
// when the last reference to the stream goes and everything was written
// (where the folder refuses the temporary file or its rename, the file is
// rewritten in place then, and only once the room for the new text is
// reserved).
//
// Failures surface where they can be raised: Write raises IOException (and
// discards what was written, so the earlier file of that name stays as it
// was). Replacing the target happens in the destructor, which must not
// throw: a failure there is shown to the user in a message box instead. A
// stream released while an exception unwinds is discarded, not committed.
class TextOutputStream {
  public:
    // The stream for `file`, or nullptr when the file cannot be created (its
    // folder is missing, or refuses a new file, or a folder has that name, or
    // an earlier file may not be written, or a pipe has no reader); why goes
    // to the log.
    // NilObjectException when `file` is nil.
    static std::shared_ptr<TextOutputStream> Create(const std::shared_ptr<FolderItem>& file);

    // Appends the text as UTF-8. IOException when it cannot all be written,
    // and on every later call.
    void Write(const std::string& text);

    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

  private:
    TextOutputStream(std::unique_ptr<ReplacingFile> file, std::string nativePath);
    void commit();

    std::unique_ptr<ReplacingFile> file_;  // nullptr once a write has failed
    std::string nativePath_;
    int exceptionsInFlightAtCreation_;
};
