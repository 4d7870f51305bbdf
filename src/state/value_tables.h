// The list of named tables and values behind the value directory.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "state/game_state.h"
#include "state/value_ref.h"

namespace state::directory {

struct Range {
    int first;
    int last;
};

struct Entry {
    std::string_view name;
    int indexCount;  // 0 for a single value
    std::array<Range, 3> ranges;
    std::span<const SlotName> slotNames;  // names of the last index, may be empty
    Ref (*resolve)(GameState& g, const std::array<int, 3>& index);
};

std::span<const Entry> Entries();

}  // namespace state::directory
