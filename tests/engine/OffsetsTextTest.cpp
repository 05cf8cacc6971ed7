#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/cFretCalculator.h"
#include "framework/runtime/Text.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines = Split(text, "\n");
    EXPECT_EQ(lines.back(), "") << "the text must end with a line ending";
    lines.pop_back();
    return lines;
}

std::string row(std::vector<std::string> fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    return line;
}

cFretCalculator equalTempered(double scale, Integer frets, Integer precision, bool simplify) {
    cFretCalculator calculator;
    calculator.setScaleLength(scale);
    calculator.setNumFrets(frets);
    calculator.setFretsPerOctave(12);
    calculator.setPrecision(precision);
    calculator.Simplify = simplify;
    calculator.calcFrets();
    return calculator;
}

cFretCalculator dulcimer(double scale, Integer frets, Integer precision, bool simplify,
                         std::array<bool, 5> halfFrets) {
    cFretCalculator calculator;
    calculator.setScaleLength(scale);
    calculator.setNumFrets(frets);
    calculator.setPrecision(precision);
    calculator.isDulcimer = true;
    calculator.Simplify = simplify;
    calculator.setDulcHalfFrets(halfFrets[0], halfFrets[1], halfFrets[2], halfFrets[3],
                                halfFrets[4]);
    calculator.calcDulcFrets();
    return calculator;
}

// Lines of the 25.5-inch, 24-fret table by fret number; the rest is checked for shape.
void expectRows(const std::vector<std::string>& lines, const std::map<int, std::string>& rows) {
    for (const auto& [fret, expected] : rows) EXPECT_EQ(lines.at(3 + fret), expected) << fret;
}

TEST(OffsetsTextTest, ScaleLength25Point5WithThreeDecimals) {
    const auto lines = linesOf(equalTempered(25.5, 24, 3, false).FretAsOffsets());
    ASSERT_EQ(lines.size(), 4u + 24 + 2);
    EXPECT_EQ(lines[0], "Number of Frets: 24");
    EXPECT_EQ(lines[1], "Scale Length: 25.5");
    EXPECT_EQ(lines[2], "Frets Per Octave: 12");
    EXPECT_EQ(lines[3], "");
    expectRows(lines,
               {
                   {1, row({"1", "1.431", "--", "1 28/64", "--", "36.353", "--"})},
                   {2, row({"2", "2.782", "1.351", "2 50/64", "1 22/64", "70.665", "34.312"})},
                   {3, row({"3", "4.057", "1.275", "4 4/64", "1 18/64", "103.051", "32.386"})},
                   {8, row({"8", "9.436", ".955", "9 28/64", "61/64", "239.675", "24.262"})},
                   {12, row({"12", "12.750", ".758", "12 48/64", "49/64", "323.850", "19.257"})},
                   {23, row({"23", "18.746", ".402", "18 48/64", "26/64", "476.146", "10.201"})},
                   {24, row({"24", "19.125", ".379", "19 8/64", "24/64", "485.775", "9.629"})},
               });
    EXPECT_EQ(lines[28], ".");
    EXPECT_EQ(lines[29], "Last Fret to Bridge\t6.375\"\t6 24/64\"\t161.925 mm\t\t\t");
    for (int fret = 1; fret <= 24; ++fret) {
        const auto fields = Split(lines[3 + fret], "\t");
        ASSERT_EQ(fields.size(), 7u) << fret;
        EXPECT_EQ(fields[0], Str(Integer{fret}));
        EXPECT_EQ(fields[2] == "--", fret == 1) << fret;
    }
}

TEST(OffsetsTextTest, SimplifyChangesOnlyTheSixtyFourths) {
    const auto plain = linesOf(equalTempered(25.5, 24, 3, false).FretAsOffsets());
    const auto lines = linesOf(equalTempered(25.5, 24, 3, true).FretAsOffsets());
    ASSERT_EQ(lines.size(), plain.size());
    expectRows(lines,
               {
                   {1, row({"1", "1.431", "--", "1 7/16", "--", "36.353", "--"})},
                   {2, row({"2", "2.782", "1.351", "2 25/32", "1 11/32", "70.665", "34.312"})},
                   {3, row({"3", "4.057", "1.275", "4 1/16", "1 9/32", "103.051", "32.386"})},
                   {8, row({"8", "9.436", ".955", "9 7/16", "61/64", "239.675", "24.262"})},
                   {12, row({"12", "12.750", ".758", "12 3/4", "49/64", "323.850", "19.257"})},
                   {23, row({"23", "18.746", ".402", "18 3/4", "13/32", "476.146", "10.201"})},
                   {24, row({"24", "19.125", ".379", "19 1/8", "3/8", "485.775", "9.629"})},
               });
    EXPECT_EQ(lines[29], "Last Fret to Bridge\t6.375\"\t6 3/8\"\t161.925 mm\t\t\t");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto a = Split(lines[i], "\t"), b = Split(plain[i], "\t");
        if (a.size() == 7 && i != 29) a[3] = a[4] = b[3] = b[4] = "";
        if (i == 29) a[2] = b[2] = "";
        EXPECT_EQ(a, b) << i;
    }
}

TEST(OffsetsTextTest, PrecisionSetsTheDecimalsOfInchesAndMillimetres) {
    const auto one = linesOf(equalTempered(25.5, 24, 1, false).FretAsOffsets());
    EXPECT_EQ(one[4], row({"1", "1.4", "--", "1 28/64", "--", "36.4", "--"}));
    EXPECT_EQ(one[5], row({"2", "2.8", "1.4", "2 50/64", "1 22/64", "70.7", "34.3"}));
    const auto five = linesOf(equalTempered(25.5, 24, 5, false).FretAsOffsets());
    EXPECT_EQ(five[5],
              row({"2", "2.78208", "1.35088", "2 50/64", "1 22/64", "70.66490", "34.31229"}));
    EXPECT_EQ(five[29], "Last Fret to Bridge\t6.37500\"\t6 24/64\"\t161.92500 mm\t\t\t");
}

TEST(OffsetsTextTest, DulcimerHalfFretFollowsItsFret) {
    const auto lines =
        linesOf(dulcimer(27, 8, 3, false, {false, false, false, false, true}).FretAsOffsets());
    ASSERT_EQ(lines.size(), 4u + 8 + 1 + 2);
    EXPECT_EQ(lines[9], row({"6", "11.847", ".901", "11 54/64", "58/64", "300.908", "22.887"}));
    EXPECT_EQ(lines[10], row({"6+", "12.697", ".850", "12 45/64", "54/64", "322.510", "21.602"}));
    EXPECT_EQ(lines[11], row({"7", "13.500", ".803", "13 32/64", "51/64", "342.900", "20.390"}));
    EXPECT_EQ(lines[12].substr(0, 2), "8\t");
    EXPECT_EQ(lines[13], ".");
}

TEST(OffsetsTextTest, HalfFretAfterTheNutReplacesTheDashes) {
    const std::string text =
        dulcimer(27, 3, 2, true, {true, true, false, false, false}).FretAsOffsets();
    const auto lines = linesOf(text);
    EXPECT_EQ(lines[4], row({"0+", "1.52", "1.52", "1 33/64", "1 33/64", "38.49", "38.49"}));
    EXPECT_EQ(lines[5], row({"1", "2.95", "1.43", "2 61/64", "1 7/16", "74.82", "36.33"}));
    EXPECT_EQ(lines[6].substr(0, 3), "1+\t");
    EXPECT_EQ(text.find("--"), std::string::npos);
}

TEST(OffsetsTextTest, HalfFretAfterTheLastFretIsLeftOut) {
    // Six+ after fret 6 and Zero+ after fret 7 lie beyond the walk's last fret.
    for (Integer frets : {Integer{6}, Integer{7}}) {
        const auto lines = linesOf(
            dulcimer(27, frets, 3, false, {true, false, false, false, true}).FretAsOffsets());
        // 0+ always, 6+ only when fret 7 follows it.
        ASSERT_EQ(lines.size(), 4u + 1 + frets + (frets == 7 ? 1 : 0) + 2) << frets;
        EXPECT_EQ(lines[lines.size() - 2], ".");
        EXPECT_EQ(lines[lines.size() - 3].substr(0, 2), Str(frets) + "\t");
    }
    const std::string none =
        dulcimer(27, 0, 3, false, {true, true, true, true, true}).FretAsOffsets();
    EXPECT_EQ(none, "Number of Frets: 0\nScale Length: 27\nFrets Per Octave: 12\n\n");
}

TEST(OffsetsTextTest, NoFretsGivesTheHeaderOnlyAndOneFretGivesDashes) {
    EXPECT_EQ(equalTempered(25, 0, 3, false).FretAsOffsets(),
              "Number of Frets: 0\nScale Length: 25\nFrets Per Octave: 12\n\n");
    const auto lines = linesOf(equalTempered(25, 1, 3, false).FretAsOffsets());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(Split(lines[4], "\t").size(), 7u);
    EXPECT_EQ(lines[4].find("\t--\t"), lines[4].find('\t', lines[4].find('\t') + 1));
    EXPECT_EQ(lines[5], ".");
    EXPECT_EQ(Split(lines[6], "\t").size(), 7u);
}

// A dulcimer's frets and half frets all lie on semitones of a 12-tone
// octave: fret 7k + d on semitone 12k + {2, 4, 5, 7, 9, 10, 12}[d - 1], the
// half fret after diatonic fret 7k + d one semitone above it.
int semitoneOf(const std::string& label) {
    static const int diatonic[] = {0, 2, 4, 5, 7, 9, 10};
    const bool half = label.ends_with("+");
    const int fret = std::stoi(half ? label.substr(0, label.size() - 1) : label);
    return 12 * (fret / 7) + diatonic[fret % 7] + (half ? 1 : 0);
}

TEST(OffsetsTextTest, EveryFieldOneIsItsSemitonesPositionToFiveDecimals) {
    const double scale = 34.5;
    const cFretCalculator calculator =
        dulcimer(scale, 100, 5, true, {true, true, true, true, true});
    const auto lines = linesOf(calculator.FretAsOffsets());
    ASSERT_EQ(lines.size(), 4u + 100 + 25 + 2);
    for (std::size_t i = 4; i + 2 < lines.size(); ++i) {
        const auto fields = Split(lines[i], "\t");
        ASSERT_EQ(fields.size(), 7u) << lines[i];
        const double position = scale * (1 - std::pow(2.0, -semitoneOf(fields[0]) / 12.0));
        const std::size_t point = fields[1].find('.');
        ASSERT_NE(point, std::string::npos) << lines[i];
        EXPECT_EQ(fields[1].size() - point - 1, 5u) << lines[i];
        // Rounded, not cut off: within half of the fifth decimal.
        EXPECT_NEAR(std::stod(fields[1]), position, 0.000005 + 1e-12) << lines[i];
    }
}

// The text follows the object's current values and positions, nothing kept
// from an earlier calculation or an earlier text.
TEST(OffsetsTextTest, ARecalculatedObjectGivesTheTextOfAFreshOne) {
    cFretCalculator calculator = dulcimer(27, 24, 3, false, {true, true, true, true, true});
    const std::string before = calculator.FretAsOffsets();
    calculator.setScaleLength(25.5);
    calculator.setNumFrets(12);
    calculator.setDulcHalfFrets(false, false, true, false, false);
    calculator.Simplify = true;
    calculator.calcDulcFrets();
    const std::string after = calculator.FretAsOffsets();
    EXPECT_NE(after, before);
    EXPECT_EQ(after,
              dulcimer(25.5, 12, 3, true, {false, false, true, false, false}).FretAsOffsets());
}

TEST(OffsetsTextTest, PrintFretsListsThePositionsOnly) {
    const cFretCalculator calculator =
        dulcimer(27, 7, 3, false, {false, false, false, false, true});
    EXPECT_EQ(calculator.printFrets(),
              "Number of Frets: 7\nScale Length: 27\nFrets Per Octave: 12\n"
              "Fret 1: 2.946\nFret 2: 5.570\nFret 3: 6.773\nFret 4: 8.980\nFret 5: 10.946\n"
              "Fret 6: 11.847\nFret 6+: 12.697\nFret 7: 13.500\n");
}

}  // namespace
