#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/cFretCalculator.h"
#include "tests/support/CaseName.h"

namespace {

TEST(CalculatorTest, NewObjectHoldsTheDefaults) {
    auto calculator = std::make_shared<cFretCalculator>();
    EXPECT_EQ(calculator->scale_length, 25.0);
    EXPECT_EQ(calculator->num_frets, 24);
    EXPECT_EQ(calculator->frets_per_octave, 12);
    EXPECT_EQ(calculator->precision, 3);
    EXPECT_FALSE(calculator->isDulcimer);
    EXPECT_FALSE(calculator->Simplify);
    for (Integer i = 0; i <= 100; ++i) {
        EXPECT_EQ(calculator->nut_to_fret[i], 0.0);
        EXPECT_EQ(calculator->dulc_frets[i], 0.0);
        EXPECT_FALSE(calculator->dulc_half_frets_bool[i]);
    }
}

TEST(CalculatorTest, TwoArgumentConstructorStoresItsValuesUnchecked) {
    cFretCalculator calculator(-3.0, 500);
    EXPECT_EQ(calculator.scale_length, -3.0);
    EXPECT_EQ(calculator.num_frets, 500);
    EXPECT_EQ(calculator.frets_per_octave, 12);
    EXPECT_EQ(calculator.precision, 3);
}

struct ScaleCase {
    double given;
    double stored;
};

class ScaleLengthLimits : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleLengthLimits, ReplaceOutOfRangeValues) {
    cFretCalculator calculator;
    calculator.setScaleLength(GetParam().given);
    EXPECT_EQ(calculator.scale_length, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, ScaleLengthLimits,
                         ::testing::Values(ScaleCase{0, 12.0}, ScaleCase{-5, 12.0},
                                           ScaleCase{0.5, 0.5}, ScaleCase{120, 120.0},
                                           ScaleCase{120.5, 120.0}, ScaleCase{500, 120.0}),
                         [](const auto& info) { return CaseName(ShortestText(info.param.given)); });

struct WholeCase {
    void (cFretCalculator::*setter)(Integer);
    Integer cFretCalculator::*member;
    Integer given;
    Integer stored;
};

class WholeNumberLimits : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberLimits, ReplaceOutOfRangeValues) {
    cFretCalculator calculator;
    (calculator.*GetParam().setter)(GetParam().given);
    EXPECT_EQ(calculator.*GetParam().member, GetParam().stored) << GetParam().given;
}

constexpr Integer kMinInteger = std::numeric_limits<Integer>::min();
constexpr auto kFrets = &cFretCalculator::setNumFrets;
constexpr auto kPerOctave = &cFretCalculator::setFretsPerOctave;
constexpr auto kPrecision = &cFretCalculator::setPrecision;

INSTANTIATE_TEST_SUITE_P(
    Values, WholeNumberLimits,
    ::testing::Values(WholeCase{kFrets, &cFretCalculator::num_frets, -1, 0},
                      WholeCase{kFrets, &cFretCalculator::num_frets, 0, 0},
                      WholeCase{kFrets, &cFretCalculator::num_frets, 100, 100},
                      WholeCase{kFrets, &cFretCalculator::num_frets, 101, 100},
                      WholeCase{kFrets, &cFretCalculator::num_frets, kMinInteger, 0},
                      WholeCase{kPerOctave, &cFretCalculator::frets_per_octave, 0, 12},
                      WholeCase{kPerOctave, &cFretCalculator::frets_per_octave, -3, 12},
                      WholeCase{kPerOctave, &cFretCalculator::frets_per_octave, 1, 1},
                      WholeCase{kPerOctave, &cFretCalculator::frets_per_octave, 101, 100},
                      WholeCase{kPrecision, &cFretCalculator::precision, 0, 3},
                      WholeCase{kPrecision, &cFretCalculator::precision, -1, 3},
                      WholeCase{kPrecision, &cFretCalculator::precision, 6, 3},
                      WholeCase{kPrecision, &cFretCalculator::precision, 1, 1},
                      WholeCase{kPrecision, &cFretCalculator::precision, 5, 5}),
    [](const auto& info) {
        const WholeCase& c = info.param;
        const char* setter = c.setter == kFrets       ? "NumFrets"
                             : c.setter == kPerOctave ? "FretsPerOctave"
                                                      : "Precision";
        return CaseName(std::string(setter) + " " + std::to_string(c.given));
    });

TEST(CalculatorTest, HalfFretFlagsRepeatEverySevenDiatonicFrets) {
    cFretCalculator calculator;
    calculator.setDulcHalfFrets(true, false, false, false, true);
    for (Integer i = 0; i <= 100; ++i) {
        const bool expected = i < 35 && (i % 7 == 0 || i % 7 == 6);
        EXPECT_EQ(calculator.dulc_half_frets_bool[i], expected) << i;
    }
}

TEST(CalculatorTest, EqualTemperamentPositions) {
    cFretCalculator calculator;
    calculator.setScaleLength(25.5);
    calculator.calcFrets();
    EXPECT_NEAR(calculator.nut_to_fret[1], 1.4312050266, 1e-10);
    EXPECT_EQ(calculator.nut_to_fret[12], 12.75);
    EXPECT_EQ(calculator.nut_to_fret[24], 19.125);
    EXPECT_EQ(calculator.nut_to_fret[25], 0.0);

    calculator.setFretsPerOctave(24);
    calculator.calcFrets();
    EXPECT_EQ(calculator.nut_to_fret[24], 12.75);
}

TEST(CalculatorTest, NoFretsWritesOnlyTheNut) {
    cFretCalculator calculator;
    calculator.nut_to_fret[0] = 5.0;
    calculator.nut_to_fret[1] = 7.0;
    calculator.setNumFrets(0);
    calculator.calcFrets();
    EXPECT_EQ(calculator.nut_to_fret[0], 0.0);
    EXPECT_EQ(calculator.nut_to_fret[1], 7.0);
}

TEST(CalculatorTest, DulcimerRegularFretsIgnoreFlagsAndFretsPerOctave) {
    cFretCalculator plain;
    plain.setScaleLength(27);
    plain.setNumFrets(40);
    plain.calcDulcFrets();
    EXPECT_EQ(plain.nut_to_fret[7], 13.5);
    EXPECT_EQ(plain.nut_to_fret[1], 27 - 27 / std::pow(2.0, 2.0 / 12.0));

    cFretCalculator flagged;
    flagged.setScaleLength(27);
    flagged.setNumFrets(40);
    flagged.setFretsPerOctave(5);
    flagged.setDulcHalfFrets(true, true, true, true, true);
    flagged.calcDulcFrets();
    for (Integer i = 0; i <= 40; ++i) EXPECT_EQ(flagged.nut_to_fret[i], plain.nut_to_fret[i]) << i;
}

TEST(CalculatorTest, DulcimerWalkStoresHalfFretsAfterTheirDiatonicFret) {
    cFretCalculator calculator;
    calculator.setScaleLength(27);
    calculator.setNumFrets(8);
    calculator.setDulcHalfFrets(false, false, false, false, true);
    calculator.calcDulcFrets();
    EXPECT_NEAR(calculator.nut_to_fret[6], 11.847, 5e-4);
    EXPECT_EQ(calculator.dulc_frets[6], 27 - 27 / std::pow(2.0, 11.0 / 12.0));
    EXPECT_EQ(calculator.nut_to_fret[7], 13.5);
    EXPECT_EQ(calculator.nut_to_fret[8], 27 - 27 / std::pow(2.0, 14.0 / 12.0));
    EXPECT_EQ(calculator.dulc_frets[13], 0.0);
}

TEST(CalculatorTest, AllHalfFretsAreComputedUpToDiatonicFret34) {
    cFretCalculator calculator;
    calculator.setScaleLength(27);
    calculator.setNumFrets(40);
    calculator.setDulcHalfFrets(true, true, true, true, true);
    calculator.calcDulcFrets();
    for (Integer i = 0; i <= 100; ++i) {
        const Integer slot = i % 7;
        const bool expected = i <= 34 && slot != 2 && slot != 5;
        EXPECT_EQ(calculator.dulc_frets[i] != 0.0, expected) << i;
    }
    // Each half fret lies one semitone above the fret it follows.
    EXPECT_NEAR(calculator.dulc_frets[0], 27 - 27 / std::pow(2.0, 1.0 / 12.0), 1e-12);
    EXPECT_GT(calculator.dulc_frets[3], calculator.nut_to_fret[3]);
    EXPECT_LT(calculator.dulc_frets[3], calculator.nut_to_fret[4]);
}

TEST(CalculatorTest, HundredDulcimerFretsStayWithinTheArrays) {
    cFretCalculator calculator;
    calculator.setNumFrets(100);
    calculator.setDulcHalfFrets(true, true, true, true, true);
    EXPECT_NO_THROW(calculator.calcDulcFrets());
    EXPECT_LT(calculator.nut_to_fret[100], calculator.scale_length);
}

TEST(CalculatorTest, UnitHelpers) {
    cFretCalculator calculator;
    EXPECT_NEAR(calculator.Inches2mm(1.0), 25.399999961392, 1e-12);
    EXPECT_NEAR(calculator.Inches2mm(120.0), 3047.99999536704, 1e-9);
    EXPECT_TRUE(calculator.isEven(0));
    EXPECT_TRUE(calculator.isEven(2));
    EXPECT_TRUE(calculator.isEven(-4));
    EXPECT_FALSE(calculator.isEven(1));
    EXPECT_FALSE(calculator.isEven(-3));
}

struct SixtyFourthsCase {
    double inches;
    const char* plain;
    const char* simplified;
};

class InchesTo64thsTest : public ::testing::TestWithParam<SixtyFourthsCase> {};

TEST_P(InchesTo64thsTest, WritesWholeInchesAndSixtyFourths) {
    cFretCalculator calculator;
    EXPECT_EQ(calculator.InchesTo64ths(GetParam().inches), GetParam().plain);
    calculator.Simplify = true;
    EXPECT_EQ(calculator.InchesTo64ths(GetParam().inches), GetParam().simplified);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, InchesTo64thsTest,
    ::testing::Values(
        SixtyFourthsCase{1.4312, "1 28/64", "1 7/16"}, SixtyFourthsCase{0.955, "61/64", "61/64"},
        SixtyFourthsCase{12.75, "12 48/64", "12 3/4"}, SixtyFourthsCase{0.5, "32/64", "1/2"},
        SixtyFourthsCase{0.3785, "24/64", "3/8"}, SixtyFourthsCase{19.125, "19 8/64", "19 1/8"},
        SixtyFourthsCase{3.004, "3", "3"}, SixtyFourthsCase{2.996, "2 64/64", "2 1/1"},
        // Below one inch the fraction stands alone, zero included.
        SixtyFourthsCase{0.001, "0/64", "0/64"}, SixtyFourthsCase{0.0, "0/64", "0/64"}),
    [](const auto& info) { return CaseName(ShortestText(info.param.inches)); });

}  // namespace
