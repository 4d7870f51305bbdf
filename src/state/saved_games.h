// Saved games: slots 1 to 5 ("Savegame01" to "Savegame05") and the automatic slot 6
// ("Autosavegame"), each a ".int" file of 32-bit integers and a ".str" file of 256-byte string
// records, plus the descriptions of slots 1 to 5 in "Savegamedata.str".
//
// A save replaces a slot's files together or not at all; a load reads and checks all of them
// completely before the running game is touched. A file larger than its exact size is refused
// before it is read. Failures come back as false and the text of the error; no dialogs are
// shown here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace state {

inline constexpr int kFirstSlot = 1;
inline constexpr int kAutoSlot = 6;
inline constexpr const char* kDescriptionsFile = "Savegamedata.str";

// "Savegame01".."Savegame05", "Autosavegame"; empty for any other slot.
std::string SlotBaseName(int slot);

// Whether the slot's integer file can be opened (the slot holds a game).
bool SlotExists(int slot);

// Writes every file of the slot (the pair and the small file of state/slot_info.h), or none: when
// one cannot be replaced, those already replaced get their previous versions back, and error is the
// system's message followed by "The slot was left as it was."
bool SaveGame(int slot, std::string& error, const GameState& g = G());

// The two files of a save of g, as SaveGame writes them.
struct SavedGameFiles {
    std::vector<std::uint8_t> ints, texts;
};
SavedGameFiles EncodeSavedGame(const GameState& g);

// ResetGameState, then every saved table from the slot, once all files have their exact length
// and the tables they hold can be played on (SavedGameFault); the round from the slot's small
// file, unknown without one. On failure the running game is
// kept exactly as it was, and error says in the player's words which file is wrong and why.
bool LoadGame(int slot, std::string& error, GameState& g = G());

// The part of LoadGame after the files are read: the same checks on files held in memory, named
// by their base name in the error.
bool LoadSavedGame(const std::string& base, const SavedGameFiles& files, std::string& error,
                   GameState& g);

// The descriptions of slots 1 to 5 (index 0 for slot 1). A missing file, or one longer than five
// records, reads as five empty descriptions, and so do the records a short file lacks.
using SlotDescriptions = std::array<std::string, 5>;
SlotDescriptions ReadDescriptions();
bool WriteDescriptions(const SlotDescriptions& descriptions, std::string& error);

}  // namespace state
