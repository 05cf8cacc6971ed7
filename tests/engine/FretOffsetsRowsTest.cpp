#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/FretOffsetsRows.h"
#include "engine/cFretCalculator.h"
#include "framework/runtime/Exceptions.h"

namespace {

std::vector<std::string> labels(const std::vector<FretOffsetsRow>& rows) {
    std::vector<std::string> column;
    for (const FretOffsetsRow& row : rows) column.push_back(row.isSeparator() ? "." : row.label());
    return column;
}

}  // namespace

// A dulcimer with a half fret after the nut: the header and blank lines are
// gone, the half-fret row stands in text order and the bridge row, with its
// empty fields, follows the separator.
TEST(FretOffsetsRowsTest, RowsFollowTheTextBelowItsHeader) {
    cFretCalculator calculator;
    calculator.setScaleLength(27);
    calculator.setNumFrets(3);
    calculator.isDulcimer = true;
    calculator.setDulcHalfFrets(true, false, false, false, false);
    calculator.calcDulcFrets();

    const std::vector<FretOffsetsRow> rows = FretOffsetsRows(calculator.FretAsOffsets());
    EXPECT_EQ(labels(rows),
              (std::vector<std::string>{"0+", "1", "2", "3", ".", "Last Fret to Bridge"}));
    EXPECT_DOUBLE_EQ(rows[0].position(), 1.515);
    EXPECT_EQ(rows[1].field(2), "1.430");
    EXPECT_EQ(rows[5].field(3), "513.769 mm");
    EXPECT_EQ(rows[5].field(6), "");
}

TEST(FretOffsetsRowsTest, FieldsAreTrimmedAndAMissingOneIsOutOfBounds) {
    const std::vector<FretOffsetsRow> rows = FretOffsetsRows(
        "Number of Frets: 2\nScale Length: 25\nFrets Per Octave: 12\n\n 1 \t 1.403 \n  \n2\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label(), "1");
    EXPECT_DOUBLE_EQ(rows[0].position(), 1.403);
    EXPECT_THROW(rows[1].position(), OutOfBoundsException);
}
