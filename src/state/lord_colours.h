// The lords' colour words in lord order 1..4, as every picture name and text chosen by lord uses
// them: "blue", "green", "red", "cyan".
#pragma once

#include <array>
#include <cstddef>

namespace state {

inline constexpr std::array<const char*, 4> kLordColourWords = {"blue", "green", "red", "cyan"};

// The colour word of a lord 1..4; "" for any other number.
constexpr const char* LordColourWord(int lord) {
    return lord >= 1 && lord <= 4 ? kLordColourWords[static_cast<std::size_t>(lord - 1)] : "";
}

}  // namespace state
