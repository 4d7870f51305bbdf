// Files of 32-bit signed little-endian integers (saved games, the progress file).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/tables.h"

namespace state {

inline void AppendInt(std::vector<std::uint8_t>& out, Int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

// Writes value `index` (from 0) in place; the caller sized the file to hold it.
inline void PutIntAt(std::vector<std::uint8_t>& data, std::size_t index, Int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::uint8_t* p = data.data() + index * 4;
    for (int byte = 0; byte < 4; ++byte)
        p[byte] = static_cast<std::uint8_t>(bits >> (8 * byte));
}

// Value `index` (from 0); the caller checks that the file holds it.
inline Int IntAt(const std::vector<std::uint8_t>& data, std::size_t index) {
    const std::uint8_t* p = data.data() + index * 4;
    const std::uint32_t bits =
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<Int>(bits);
}

}  // namespace state
