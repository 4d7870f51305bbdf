// Reading and writing the four files of a scenario: module (".mod"), map (".map"), monsters
// (".mon") and items (".itm"), all of 256-byte records (see state/records.h).
//
// The readers never leave a table half-filled: a file is read whole and its record count
// checked before any table is touched, so a missing or short file leaves the tables as they
// were. A file larger than its format is refused before any of it is read. They show no
// dialogs; a failure comes back as a status and the text to show.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/records.h"
#include "state/scenario_layout.h"

namespace state {

inline constexpr const char* kScenarioNotFoundText = "Sorry, this scenario could not be found.";

// The size of every module file: kModuleRecords records.
inline constexpr std::size_t kModuleFileSize = kModuleRecords * kRecordSize;

// What the player is told of a module file of the wrong size (an empty file, say).
std::string NotAScenarioText(const std::string& file);

enum class LoadStatus {
    loaded,
    notFound,  // the module file does not exist: show kScenarioNotFoundText
    ioError,   // a file is missing, unreadable, short or too large, or the module file is not
               // one: show message
};

struct LoadResult {
    LoadStatus status = LoadStatus::loaded;
    std::string message;
    bool Ok() const { return status == LoadStatus::loaded; }
};

// name is the base name; the extension is added here. A module file of any size but
// kModuleFileSize is refused unread with NotAScenarioText.
LoadResult LoadModule(const std::string& name, GameState& g = G());
LoadResult LoadMap(const std::string& name, GameState& g = G());
LoadResult LoadMonsters(const std::string& name, GameState& g = G());
LoadResult LoadItems(const std::string& name, GameState& g = G());

// Applies the start values every scenario shares once the files are in.
using ScenarioSetupHook = std::function<void(GameState&)>;

// The load the scenario selection runs: the module, then "not started" (ModSetting started =
// 0), then the map, monster and item files it names, then setup. The three data files are all
// read before any of their tables changes: if one fails, none of them is applied and setup
// does not run.
LoadResult LoadScenario(const std::string& moduleName, const ScenarioSetupHook& setup = {},
                        GameState& g = G());

// The file contents for the current tables (for the scenario compiler and the tests).
std::vector<std::uint8_t> EncodeModule(const GameState& g);
std::vector<std::uint8_t> EncodeMap(const GameState& g);
std::vector<std::uint8_t> EncodeMonsters(const GameState& g);
std::vector<std::uint8_t> EncodeItems(const GameState& g);

// Writes name + extension into the user folder; false and error on failure.
bool WriteModule(const std::string& name, std::string& error, const GameState& g = G());
bool WriteMap(const std::string& name, std::string& error, const GameState& g = G());
bool WriteMonsters(const std::string& name, std::string& error, const GameState& g = G());
bool WriteItems(const std::string& name, std::string& error, const GameState& g = G());

}  // namespace state
