#include "framework/runtime/Text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "framework/runtime/Exceptions.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// The span of text that spells the number Val reads, and enough about it to
// tell an overflow from an underflow when the Double range is left.
struct NumberSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool negative = false;
    bool hasDigits = false;
    bool nonZero = false;
    // Decimal exponent of the first non-zero digit (0 for the units digit).
    long long magnitude = 0;
};

NumberSpan scanNumber(std::string_view text) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    span.begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    long long wholeDigits = 0;
    long long leadingFractionZeros = 0;
    bool seenNonZero = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        span.hasDigits = true;
        if (text[i] != '0') seenNonZero = true;
        if (seenNonZero) ++wholeDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            span.hasDigits = true;
            if (!seenNonZero && text[i] == '0') ++leadingFractionZeros;
            if (text[i] != '0') seenNonZero = true;
        }
    }
    if (!span.hasDigits) return span;
    span.end = i;
    span.nonZero = seenNonZero;
    span.magnitude = wholeDigits > 0 ? wholeDigits - 1 : -(leadingFractionZeros + 1);

    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                // Saturate: anything past a million digits of exponent is out of range anyway.
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
            }
            span.magnitude += negativeExponent ? -exponent : exponent;
            span.end = j;
        }
    }
    return span;
}

struct Mask {
    int requiredWhole = 0;  // "0" digits before the point
    bool hasPoint = false;
    int decimals = 0;          // places after the point
    int requiredDecimals = 0;  // leading "0" places after the point
};

Mask parseMask(std::string_view mask) {
    Mask parsed;
    bool inFraction = false;
    bool optionalFractionSeen = false;
    for (char c : mask) {
        if (c == '.' && !inFraction) {
            inFraction = parsed.hasPoint = true;
        } else if (c == '#' || c == '0') {
            if (!inFraction) {
                if (c == '0') ++parsed.requiredWhole;
            } else {
                ++parsed.decimals;
                if (c == '#') optionalFractionSeen = true;
                if (c == '0' && !optionalFractionSeen) ++parsed.requiredDecimals;
            }
        } else {
            throw UnsupportedFormatException("Format mask \"" + std::string(mask) +
                                             "\" holds the unsupported character '" +
                                             std::string(1, c) + "'");
        }
    }
    return parsed;
}

constexpr unsigned __int128 kPowersOfTen[] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000};
constexpr int kMaxDecimals = 10;

}  // namespace

Double Val(std::string_view text) {
    const NumberSpan span = scanNumber(text);
    if (!span.hasDigits) return 0.0;
    double value = 0.0;
    const char* first = text.data() + span.begin;
    if (*first == '+') ++first;  // from_chars takes "-" but not "+"
    const auto [ptr, error] = std::from_chars(first, text.data() + span.end, value);
    if (error == std::errc::result_out_of_range) {
        const bool overflow = span.nonZero && span.magnitude > 0;
        const double limit = overflow ? std::numeric_limits<double>::max() : 0.0;
        return span.negative ? -limit : limit;
    }
    if (error != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

std::string Str(Integer value) { return std::to_string(value); }

std::string Str(Double value) {
    if (value == 0.0) return "0";
    char buffer[400];
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 0.0001 && magnitude < 1e15;
    const auto result =
        plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Format(Double value, std::string_view mask) {
    const Mask m = parseMask(mask);
    if (m.decimals > kMaxDecimals) {
        throw UnsupportedFormatException("Format mask \"" + std::string(mask) +
                                         "\" has more than 10 decimals");
    }
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

    // |value| = mantissa * 2^shift exactly.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto exponentBits = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fractionBits = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa =
        exponentBits == 0 ? fractionBits : fractionBits | (std::uint64_t{1} << 52);
    const int shift = exponentBits == 0 ? -1074 : exponentBits - 1075;

    // The text is built in one buffer: a sign, up to 309 whole digits, the
    // point and up to 10 places.
    char text[330];
    char* out = text + 1;  // text[0] is kept for the sign
    char fraction[kMaxDecimals];
    std::fill(fraction, fraction + m.decimals, '0');
    char whole[310];
    std::size_t wholeLength = 0;
    if (mantissa != 0 && shift >= 0) {
        // A whole number: its exact digits, no rounding.
        wholeLength =
            static_cast<std::size_t>(std::to_chars(whole, whole + sizeof whole, std::fabs(value),
                                                   std::chars_format::fixed, 0)
                                         .ptr -
                                     whole);
    } else if (mantissa != 0 && -shift < 120) {
        // Scale by 10^decimals in exact integer arithmetic, then round half
        // away from zero on the bits shifted out. Anything smaller than
        // 2^-67 rounds to zero under every mask we accept.
        const unsigned __int128 scaled =
            static_cast<unsigned __int128>(mantissa) * kPowersOfTen[m.decimals];
        const int dropped = -shift;
        unsigned __int128 rounded = scaled >> dropped;
        const unsigned __int128 remainder = scaled - (rounded << dropped);
        if (remainder >= (static_cast<unsigned __int128>(1) << (dropped - 1))) ++rounded;
        const auto unit = static_cast<std::uint64_t>(kPowersOfTen[m.decimals]);
        std::uint64_t places;
        char* digit = whole + 40;  // the whole digits are written backwards from here
        if (rounded <= std::numeric_limits<std::uint64_t>::max()) {
            const auto narrow = static_cast<std::uint64_t>(rounded);
            places = narrow % unit;
            for (std::uint64_t rest = narrow / unit; rest != 0; rest /= 10) {
                *--digit = static_cast<char>('0' + rest % 10);
            }
        } else {
            places = static_cast<std::uint64_t>(rounded % unit);
            for (unsigned __int128 rest = rounded / unit; rest != 0; rest /= 10) {
                *--digit = static_cast<char>('0' + static_cast<int>(rest % 10));
            }
        }
        for (int i = m.decimals - 1; i >= 0; --i, places /= 10) {
            fraction[i] = static_cast<char>('0' + places % 10);
        }
        wholeLength = static_cast<std::size_t>(whole + 40 - digit);
        for (std::size_t i = 0; i < wholeLength; ++i) whole[i] = digit[i];
    }

    int fractionLength = m.decimals;
    const bool isZero = wholeLength == 0 && std::all_of(fraction, fraction + m.decimals,
                                                        [](char c) { return c == '0'; });
    // Optional places after the point drop their trailing zeros.
    while (fractionLength > m.requiredDecimals && fraction[fractionLength - 1] == '0') {
        --fractionLength;
    }
    for (std::size_t i = wholeLength; i < static_cast<std::size_t>(m.requiredWhole); ++i) {
        *out++ = '0';
    }
    for (std::size_t i = 0; i < wholeLength; ++i) *out++ = whole[i];
    if (m.decimals > 0) {
        *out++ = '.';
        for (int i = 0; i < fractionLength; ++i) *out++ = fraction[i];
    }
    const char* begin = text + 1;
    if (out == begin || (out == begin + 1 && *begin == '.')) return "0";
    if (std::signbit(value) && !isZero) {
        text[0] = '-';
        begin = text;
    }
    return std::string(begin, static_cast<std::size_t>(out - begin));
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(delimiter, start)) != std::string_view::npos;
         start = found + delimiter.size()) {
        pieces.emplace_back(text.substr(start, found - start));
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string Chr(Integer codePoint) {
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < 0 || codePoint > 0x10FFFF || surrogate) return {};
    const auto c = static_cast<std::uint32_t>(codePoint);
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}
