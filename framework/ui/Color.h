#pragma once

#include <cstdint>

#include "framework/runtime/Types.h"

// A packed colour: alpha * 2^24 + red * 2^16 + green * 2^8 + blue, where
// alpha 0 is opaque.
struct Color {
    std::uint32_t value = 0;

    Integer Red() const { return (value >> 16) & 255; }
    Integer Green() const { return (value >> 8) & 255; }
    Integer Blue() const { return value & 255; }
    Integer Alpha() const { return (value >> 24) & 255; }

    friend bool operator==(Color, Color) = default;
};

// Each channel is taken modulo 256, as the packed value holds one byte each.
inline Color RGB(Integer red, Integer green, Integer blue, Integer alpha = 0) {
    auto byte = [](Integer channel) { return static_cast<std::uint32_t>(channel) & 255u; };
    return Color{byte(alpha) << 24 | byte(red) << 16 | byte(green) << 8 | byte(blue)};
}
