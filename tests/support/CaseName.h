#pragma once

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

// Names for the cases of parameterised tests. Without them GoogleTest names a
// case by the bytes of its parameter, pointers among them, and CTest lists it
// under another name on every run.

// The shortest text that reads back as the value: "0.5", "-0", "1e+20".
inline std::string ShortestText(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The text as a name: letters and digits stay, "-" reads "minus" and "+"
// "plus", and any other run of characters is one underscore. An empty text
// is "empty"; a long one is cut to its first 40 characters.
inline std::string CaseName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        } else if (c == '-') {
            name += "minus";
        } else if (c == '+') {
            name += "plus";
        } else if (name.empty() || name.back() != '_') {
            name += '_';
        }
    }
    if (name.empty()) return "empty";
    return name.substr(0, 40);
}
