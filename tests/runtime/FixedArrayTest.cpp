#include <gtest/gtest.h>

#include "framework/runtime/FixedArray.h"

namespace {

TEST(FixedArrayTest, HoldsZeroedElementsFromZeroToItsUpperBound) {
    FixedArray<double, 100> values;
    EXPECT_EQ(values.Ubound(), 100);
    EXPECT_EQ(values[0], 0.0);
    EXPECT_EQ(values[100], 0.0);
    values[100] = 2.5;
    EXPECT_EQ(values[100], 2.5);
}

TEST(FixedArrayTest, RaisesOutsideItsBounds) {
    FixedArray<bool, 100> flags;
    const auto& constFlags = flags;
    for (Integer index : {Integer{-1}, Integer{101}, std::numeric_limits<Integer>::min(),
                          std::numeric_limits<Integer>::max()}) {
        EXPECT_THROW(flags[index], OutOfBoundsException) << index;
        EXPECT_THROW(constFlags[index], OutOfBoundsException) << index;
    }
}

}  // namespace
