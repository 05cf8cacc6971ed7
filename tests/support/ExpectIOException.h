#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/runtime/Exceptions.h"

// Runs `call`, which is to raise IOException, and returns the exception's
// message for the test to check. Should it return instead, the failure is
// reported at the caller's line and the message is empty; any other
// exception goes on to the test.
// (The builtins, unlike std::source_location, are known to clang-tidy 14.)
template <typename Call>
std::string ExpectIOException(Call&& call, const char* file = __builtin_FILE(),
                              int line = __builtin_LINE()) {
    try {
        call();
    } catch (const IOException& e) {
        return e.Message();
    }
    ADD_FAILURE_AT(file, line) << "no IOException";
    return {};
}
