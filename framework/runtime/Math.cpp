#include "framework/runtime/Math.h"

#include <cmath>
#include <limits>

Double Pow(Double base, Double exponent) { return std::pow(base, exponent); }
Double Sqrt(Double value) { return std::sqrt(value); }
Double Abs(Double value) { return std::fabs(value); }

Integer ToInteger(Double value) {
    constexpr Integer kMin = std::numeric_limits<Integer>::min();
    // 2^63 is exact as a Double; every Double below it and at least -2^63 fits.
    constexpr Double kLimit = 9223372036854775808.0;
    if (std::isnan(value) || value >= kLimit || value < -kLimit) return kMin;
    return static_cast<Integer>(value);  // the cast truncates toward zero
}
