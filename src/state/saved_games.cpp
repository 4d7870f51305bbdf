#include "state/saved_games.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/files.h"
#include "state/int_file.h"
#include "state/records.h"
#include "state/reset.h"
#include "state/saved_game_check.h"
#include "state/saved_layout.h"
#include "state/theme_weapon.h"

namespace state {

namespace {

using Bytes = std::vector<std::uint8_t>;

bool ValidSlot(int slot) {
    return slot >= kFirstSlot && slot <= kAutoSlot;
}

constexpr const char* kGameKept = " The current game was kept.";

// A file of the wrong length is not read at all: the player learns which file it was.
bool ReadExactly(const std::string& file, std::size_t size, Bytes& data, std::string& error) {
    if (!platform::CurrentFiles().Read(file, data, error)) return false;
    if (data.size() != size) {
        error = "The file \"" + file +
                "\" is damaged or is not a saved game of Marchholt, so it was not loaded." +
                kGameKept;
        return false;
    }
    return true;
}

// ResetGameState, then every saved value from the two files (whose lengths are checked).
void Decode(const Bytes& ints, const Bytes& texts, GameState& g) {
    ResetGameState(g);
    std::size_t next = 0;
    WalkSavedInts(g, [&](Int& value) { value = IntAt(ints, next++); });
    RecordReader reader(texts);
    WalkSavedTexts(g, [&reader](std::string& text) { text = reader.Text(); });
}

}  // namespace

std::string SlotBaseName(int slot) {
    if (slot == kAutoSlot) return "Autosavegame";
    if (!ValidSlot(slot)) return {};
    return "Savegame0" + std::to_string(slot);
}

bool SlotExists(int slot) {
    return ValidSlot(slot) && platform::CurrentFiles().Exists(SlotBaseName(slot) + ".int");
}

bool SaveGame(int slot, std::string& error, const GameState& g) {
    if (!ValidSlot(slot)) {
        error = "There is no saved-game slot " + std::to_string(slot) + ".";
        return false;
    }
    SavedGameFiles files = EncodeSavedGame(g);
    const std::string base = SlotBaseName(slot);
    return platform::CurrentFiles().WriteAll(
        {{base + ".int", std::move(files.ints)}, {base + ".str", std::move(files.texts)}}, error);
}

SavedGameFiles EncodeSavedGame(const GameState& g) {
    SavedGameFiles files;
    files.ints.reserve(kSavedInts * 4);
    WalkSavedInts(g, [&files](const Int& value) { AppendInt(files.ints, value); });
    RecordWriter texts(kSavedTexts);
    WalkSavedTexts(g, [&texts](const std::string& text) { texts.Text(text); });
    files.texts = texts.Take();
    return files;
}

bool LoadGame(int slot, std::string& error, GameState& g) {
    if (!ValidSlot(slot)) {
        error = "There is no saved-game slot " + std::to_string(slot) + ".";
        return false;
    }
    const std::string base = SlotBaseName(slot);
    // Both files are read and their sizes checked before the running game changes.
    SavedGameFiles files;
    if (!ReadExactly(base + ".int", kSavedInts * 4, files.ints, error)) return false;
    if (!ReadExactly(base + ".str", kSavedTexts * kRecordSize, files.texts, error)) return false;
    return LoadSavedGame(base, files, error, g);
}

bool LoadSavedGame(const std::string& base, const SavedGameFiles& files, std::string& error,
                   GameState& g) {
    const Bytes& ints = files.ints;
    const Bytes& texts = files.texts;
    if (ints.size() != kSavedInts * 4 || texts.size() != kSavedTexts * kRecordSize) {
        error = "The saved game \"" + base + ".int\" is damaged, so it was not loaded." + kGameKept;
        return false;
    }
    // A trial copy first: a file the game could not go on from never reaches the running game.
    auto trial = std::make_unique<GameState>();
    Decode(ints, texts, *trial);
    const std::string fault = SavedGameFault(*trial);
    if (!fault.empty()) {
        error =
            "The saved game \"" + base + ".int\" could not be loaded: " + fault + "." + kGameKept;
        return false;
    }
    Decode(ints, texts, g);
    // The special item row is not part of the file.
    FillSpecialItemRow(g);
    return true;
}

SlotDescriptions ReadDescriptions() {
    SlotDescriptions descriptions;
    Bytes data;
    std::string error;
    if (!platform::CurrentFiles().Read(kDescriptionsFile, data, error)) return descriptions;
    const std::size_t records = RecordReader::CountIn(data);
    for (std::size_t i = 0; i < descriptions.size() && i < records; ++i) {
        descriptions[i] = std::string(RecordText(data, i));
    }
    return descriptions;
}

bool WriteDescriptions(const SlotDescriptions& descriptions, std::string& error) {
    RecordWriter writer(descriptions.size());
    for (const auto& text : descriptions)
        writer.Text(text);
    return platform::CurrentFiles().Write(kDescriptionsFile, writer.Take(), error);
}

}  // namespace state
