// The small file kept beside each saved game's pair of files ("Savegame01.info" beside
// "Savegame01.int" and "Savegame01.str"): the round of the game, which is not part of the tables,
// and what tells one slot from another (scenario title, the human's lord, difficulty, when it was
// saved and by which version of the game). It is text, one "key=value" line each; a file that
// is missing, too large or not of this kind reads as no file, and a value out of its range reads
// as unknown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace state {

inline constexpr const char* kSlotInfoExtension = ".info";
// The round a game shows when it is not known (a slot saved without its small file).
inline constexpr Int kUnknownRound = -1;
inline constexpr Int kLargestRound = 1000000000;

struct SlotInfo {
    Int round = kUnknownRound;
    std::string title;    // the scenario's title
    Int lord = 0;         // the human's lord, 1 to 4; 0 when there is none
    Int difficulty = 0;   // the human lord's difficulty value; 0 when unknown
    std::string savedAt;  // "2026-12-10 08:31"
    std::string version;  // the game's version that wrote it
};

// What a save of g writes into the small file, with the time of the save.
SlotInfo DescribeSavedGame(const GameState& g, const std::string& savedAt);

std::vector<std::uint8_t> EncodeSlotInfo(const SlotInfo& info);
// Nothing when the bytes are not a slot's small file.
std::optional<SlotInfo> DecodeSlotInfo(const std::vector<std::uint8_t>& bytes);

// The small file of a slot (1 to 6), if it is there and readable.
std::optional<SlotInfo> ReadSlotInfo(int slot);

// The line the save window shows beside a slot: "Showdown - Round 12 - Blue - Medium -
// 2026-12-10 08:31", leaving out what the file does not know (the round shows as "?").
std::string SlotDetailsLine(const SlotInfo& info);

// "Blue", "Green", "Red", "Cyan" for lords 1 to 4; empty for any other.
std::string LordColourName(Int lord);
// The caption of the difficulty button that stores this value ("Medium" for 7); empty for a
// value no button stores.
std::string DifficultyCaption(Int value);

// The version of the game, as the small file and the help text name it.
const char* GameVersion();

}  // namespace state
