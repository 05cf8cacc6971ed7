#pragma once

#include "framework/runtime/Types.h"

Double Pow(Double base, Double exponent);
Double Sqrt(Double value);
Double Abs(Double value);

// Double to Integer, truncating toward zero. NaN, and anything outside the
// 64-bit range, gives the most negative Integer.
Integer ToInteger(Double value);
