#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/runtime/Math.h"
#include "tests/support/CaseName.h"

namespace {

constexpr Integer kMin = std::numeric_limits<Integer>::min();

struct TruncationCase {
    double value;
    Integer expected;
};

class ToIntegerTest : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(ToIntegerTest, TruncatesTowardZero) {
    EXPECT_EQ(ToInteger(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToIntegerTest,
    ::testing::Values(TruncationCase{24.9, 24}, TruncationCase{-3.7, -3}, TruncationCase{0.999, 0},
                      TruncationCase{-0.0, 0},
                      TruncationCase{9223372036854774784.0, 9223372036854774784},
                      TruncationCase{-9223372036854775808.0, kMin},
                      TruncationCase{9223372036854775808.0, kMin}, TruncationCase{1e20, kMin},
                      TruncationCase{-1e20, kMin},
                      TruncationCase{std::numeric_limits<double>::quiet_NaN(), kMin},
                      TruncationCase{std::numeric_limits<double>::infinity(), kMin},
                      TruncationCase{-std::numeric_limits<double>::infinity(), kMin}),
    [](const auto& info) { return CaseName(ShortestText(info.param.value)); });

TEST(MathTest, PowSqrtAbs) {
    EXPECT_EQ(Pow(2.0, 1.0), 2.0);
    EXPECT_EQ(Pow(2.0, 2.0), 4.0);
    EXPECT_EQ(Sqrt(6.25), 2.5);
    EXPECT_EQ(Abs(-1.5), 1.5);
}

}  // namespace
