// Arithmetic on values that may come from a file: sums and differences in 64 bits, brought
// back into the 32-bit range or a stored value's own range by saturation, so an extreme value
// never wraps.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "state/tables.h"

namespace state {

// value cut to the range of Int.
inline Int Saturate(std::int64_t value) {
    return static_cast<Int>(std::clamp<std::int64_t>(value, std::numeric_limits<Int>::min(),
                                                     std::numeric_limits<Int>::max()));
}

// a + b, held at the ends of the range instead of wrapping.
inline Int AddSaturated(Int a, std::int64_t b) {
    return Saturate(std::int64_t{a} + b);
}

// a + b held inside [low, high], the range a stored value keeps in play. A value already outside
// the range (set by hand) moves as the 32-bit sum held at the ends of Int.
inline Int AddWithin(Int a, std::int64_t b, Int low, Int high) {
    if (a < low || a > high) return AddSaturated(a, b);
    return static_cast<Int>(std::clamp<std::int64_t>(std::int64_t{a} + b, low, high));
}

// |a - b| without overflow (up to 2^32 - 1, so it comes back in 64 bits).
inline std::int64_t Gap(Int a, Int b) {
    const std::int64_t d = std::int64_t{a} - std::int64_t{b};
    return d < 0 ? -d : d;
}

}  // namespace state
