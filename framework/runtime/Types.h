#pragma once

#include <cstdint>

// The three scalar types every layer shares.
using Integer = std::int64_t;
using Double = double;
using Boolean = bool;
