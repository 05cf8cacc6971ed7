#pragma once

#include <string>
#include <vector>

#include "framework/runtime/Types.h"

// One line of a fret offsets text below its header: a fret or half-fret row,
// the separator ".", or the bridge row after it, split at the tabs, each field
// trimmed.
class FretOffsetsRow {
  public:
    explicit FretOffsetsRow(std::vector<std::string> fields);

    bool isSeparator() const;
    // Field k; OutOfBoundsException naming the row when it has no field k.
    const std::string& field(std::size_t k) const;
    const std::string& label() const { return field(0); }
    // Inches from the nut, read back from the decimal field.
    Double position() const;

  private:
    std::vector<std::string> fields_;
};

// The rows of a fret offsets text in text order: the four header lines and
// every blank line are left out.
std::vector<FretOffsetsRow> FretOffsetsRows(const std::string& offsets);
