#include "engine/FretOffsetsRows.h"

#include <utility>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Text.h"

namespace {
// "Number of Frets: ", "Scale Length: ", "Frets Per Octave: " and a blank line.
constexpr std::size_t kHeaderLines = 4;
}  // namespace

FretOffsetsRow::FretOffsetsRow(std::vector<std::string> fields) : fields_(std::move(fields)) {}

bool FretOffsetsRow::isSeparator() const { return fields_.size() == 1 && fields_[0] == "."; }

const std::string& FretOffsetsRow::field(std::size_t k) const {
    if (k >= fields_.size()) {
        throw OutOfBoundsException("fret row " + fields_[0] + " has no field " + std::to_string(k));
    }
    return fields_[k];
}

Double FretOffsetsRow::position() const { return Val(field(1)); }

std::vector<FretOffsetsRow> FretOffsetsRows(const std::string& offsets) {
    const std::vector<std::string> lines = Split(offsets, EndOfLine());
    std::vector<FretOffsetsRow> rows;
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        if (Trim(lines[i]).empty()) continue;
        std::vector<std::string> fields = Split(lines[i], Chr(9));
        for (std::string& field : fields) field = Trim(field);
        rows.emplace_back(std::move(fields));
    }
    return rows;
}
