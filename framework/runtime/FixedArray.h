#pragma once

#include <array>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Types.h"

// A one-dimensional array with the fixed bounds 0 to UpperBound. Every access
// is checked, so a bad index is an OutOfBoundsException, never a stray write.
template <typename T, Integer UpperBound>
class FixedArray {
    static_assert(UpperBound >= 0);

  public:
    static constexpr Integer Ubound() { return UpperBound; }

    T& operator[](Integer index) { return items_[checked(index)]; }
    const T& operator[](Integer index) const { return items_[checked(index)]; }

  private:
    static std::size_t checked(Integer index) {
        if (index < 0 || index > UpperBound) {
            throw OutOfBoundsException("index " + std::to_string(index) + " outside 0 to " +
                                       std::to_string(UpperBound));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<T, UpperBound + 1> items_{};
};
