#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Text.h"
#include "tests/support/CaseName.h"

namespace {

struct FormatCase {
    double value;
    const char* mask;
    const char* expected;
};

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesTheRoundedDigits) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.value, c.mask), c.expected) << c.value << " with " << c.mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatTest,
    ::testing::Values(
        // An exact binary half rounds away from zero; 1.005 lies below 1.005.
        FormatCase{0.625, "###.00", ".63"}, FormatCase{1.005, "###.00", "1.00"},
        FormatCase{-0.625, "###.00", "-.63"}, FormatCase{2.5, "##", "3"},
        FormatCase{0.5, "##", "1"}, FormatCase{-2.5, "##", "-3"},
        // Optional whole digits leave no leading zero; all whole digits are written.
        FormatCase{0.955, "###.000", ".955"}, FormatCase{3047.99999536704, "###.000", "3048.000"},
        FormatCase{123456789.0, "###", "123456789"}, FormatCase{12.75, "###.000", "12.750"},
        FormatCase{1.4312050266, "###.0", "1.4"}, FormatCase{70.66490, "###.00000", "70.66490"},
        FormatCase{0.9996, "###.000", "1.000"}, FormatCase{9.9999999, "###.00000", "10.00000"},
        // Zero: no "-0", and "0" when the mask requires no digit.
        FormatCase{0.0, "##", "0"}, FormatCase{0.3, "##", "0"}, FormatCase{-0.3, "##", "0"},
        FormatCase{-0.0001, "###.000", ".000"}, FormatCase{0.0, "###.000", ".000"},
        FormatCase{-0.0, "##", "0"}, FormatCase{1e-300, "###.00000", ".00000"},
        // Required whole digits pad; optional decimals drop trailing zeros.
        FormatCase{0.5, "0.00", "0.50"}, FormatCase{7.0, "000", "007"},
        FormatCase{1.5, "#.##", "1.5"},
        // Beyond the 53-bit range the value is a whole number, written exactly.
        FormatCase{1e20, "###.0", "100000000000000000000.0"},
        FormatCase{-1e16, "##", "-10000000000000000"}),
    [](const auto& info) {
        return CaseName(ShortestText(info.param.value) + " to " + info.param.expected);
    });

TEST(FormatTest, RejectsMaskCharactersItDoesNotKnow) {
    EXPECT_THROW(Format(1.0, "#,##0.00"), UnsupportedFormatException);
}

TEST(StrTest, WritesIntegersAndShortestDoubles) {
    EXPECT_EQ(Str(Integer{0}), "0");
    EXPECT_EQ(Str(Integer{-42}), "-42");
    EXPECT_EQ(Str(std::numeric_limits<Integer>::min()), "-9223372036854775808");
    EXPECT_EQ(Str(25.5), "25.5");
    EXPECT_EQ(Str(32.0), "32");
    EXPECT_EQ(Str(12.0), "12");
    EXPECT_EQ(Str(0.1), "0.1");
    EXPECT_EQ(Str(-0.0001), "-0.0001");
    EXPECT_EQ(Str(120.0), "120");
    EXPECT_EQ(Str(999999999999999.0), "999999999999999");
    EXPECT_EQ(Str(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(Val(Str(0.1 + 0.2)), 0.1 + 0.2);
}

struct ValCase {
    std::string text;
    double expected;
};

class ValTest : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const ValCase& c = GetParam();
    const double value = Val(c.text);
    EXPECT_TRUE(std::isfinite(value));
    EXPECT_EQ(value, c.expected) << '"' << c.text << '"';
}

const double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    ::testing::Values(
        ValCase{"25.5", 25.5}, ValCase{".955", 0.955}, ValCase{"25.", 25.0}, ValCase{"  7", 7.0},
        ValCase{"\t-3.7", -3.7}, ValCase{"+4", 4.0}, ValCase{"12abc", 12.0}, ValCase{"1e3", 1000.0},
        ValCase{"2E-2", 0.02}, ValCase{"12e", 12.0}, ValCase{"12e+", 12.0}, ValCase{"-0", 0.0},
        ValCase{"", 0.0}, ValCase{".", 0.0}, ValCase{"-", 0.0}, ValCase{"abc", 0.0},
        ValCase{"inf", 0.0}, ValCase{"-infinity", 0.0}, ValCase{"nan", 0.0}, ValCase{"0x1A", 0.0},
        ValCase{"1,5", 1.0}, ValCase{"99999999999999999999", 1e20}, ValCase{"1e400", kMax},
        ValCase{"-1e400", -kMax}, ValCase{"1e-400", 0.0}, ValCase{"1e99999999999999999999", kMax},
        ValCase{"0.0e999", 0.0}, ValCase{std::string(10000, '9'), kMax},
        ValCase{"0." + std::string(10000, '0') + "1", 0.0}),
    [](const auto& info) { return CaseName(info.param.text); });

TEST(SplitTest, KeepsEmptyPieces) {
    EXPECT_EQ(Split("a\tb\t\tc\t", "\t"), (std::vector<std::string>{"a", "b", "", "c", ""}));
    EXPECT_EQ(Split("", "\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(Split("one\r\ntwo", "\r\n"), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Split("abc", ""), (std::vector<std::string>{"abc"}));
}

TEST(TrimTest, DropsSurroundingWhiteSpaceOnly) {
    EXPECT_EQ(Trim("  1.431 \t"), "1.431");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("a b"), "a b");
}

TEST(ChrTest, EncodesCodePointsAsUtf8) {
    EXPECT_EQ(Chr(9), "\t");
    EXPECT_EQ(Chr(34), "\"");
    EXPECT_EQ(Chr(0xE9), "\xC3\xA9");
    EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
    EXPECT_EQ(Chr(0x1F3B8), "\xF0\x9F\x8E\xB8");
    EXPECT_EQ(Chr(-1), "");
    EXPECT_EQ(Chr(0xD800), "");
    EXPECT_EQ(Chr(0x110000), "");
}

TEST(EndOfLineTest, IsTheLineFeed) { EXPECT_EQ(EndOfLine(), "\n"); }

}  // namespace
