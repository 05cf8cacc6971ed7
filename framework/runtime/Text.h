#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/Types.h"

// The number a text holds: leading blanks skipped, an optional sign, digits
// with an optional point and fraction, an optional exponent; reading stops at
// the first other character. No number gives 0. Never NaN or an infinity: a
// number beyond the Double range gives the largest finite Double of its sign.
Double Val(std::string_view text);

// Digits of an Integer, "-" first when negative.
std::string Str(Integer value);
// Shortest digits that read back as the same Double; whole values have no
// point; plain notation from 0.0001 up to below 1e15.
std::string Str(Double value);

// value rounded half away from zero (on its exact binary value) to as many
// decimals as the mask has places after its point. "#" is an optional digit,
// "0" a required one, "." the point; all whole digits are written. Raises
// UnsupportedFormatException for any other mask character.
std::string Format(Double value, std::string_view mask);

// The pieces of text between the delimiters, empty pieces kept. An empty
// delimiter gives the whole text as one piece.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter);

// text without leading and trailing white space (blanks, tabs, line ends).
std::string Trim(std::string_view text);

// The character of a Unicode code point, UTF-8 encoded; empty for a value
// that is no code point.
std::string Chr(Integer codePoint);

// The line ending of this platform, by which fret texts are joined and split.
inline std::string EndOfLine() { return "\n"; }
