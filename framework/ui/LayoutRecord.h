#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/runtime/Types.h"
#include "framework/ui/Color.h"

// The unit of TextSize; records always hold 0.
struct TextUnit {
    std::uint8_t value = 0;
    friend bool operator==(TextUnit, TextUnit) = default;
};

using LayoutValue = std::variant<Integer, Boolean, float, Color, std::string, TextUnit>;

struct LayoutProperty {
    std::string name;
    LayoutValue value;
    friend bool operator==(const LayoutProperty&, const LayoutProperty&) = default;
};

// A layout record holds design-time values as bytes: for each property its
// name, one blank and the value encoded by the type the name implies
// (Integer: 8 bytes, Boolean: 1, Single: 4, Color: 4, String: 4-byte length
// and UTF-8 bytes, TextUnit: 1; all little-endian).
//
// Encoding raises TypeMismatchException when a value's type is not the one
// its name implies and UnsupportedFormatException for an unknown name.
// Decoding raises UnsupportedFormatException, naming the property, for an
// unknown name or a record that ends inside an entry.
std::string EncodeLayoutRecord(const std::vector<LayoutProperty>& properties);
std::vector<LayoutProperty> DecodeLayoutRecord(std::string_view record);
