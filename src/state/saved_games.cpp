#include "state/saved_games.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "state/int_file.h"
#include "state/records.h"
#include "state/reset.h"
#include "state/saved_game_check.h"
#include "state/saved_layout.h"
#include "state/slot_info.h"
#include "state/theme_weapon.h"

namespace state {

namespace {

using Bytes = std::vector<std::uint8_t>;

bool ValidSlot(int slot) {
    return slot >= kFirstSlot && slot <= kAutoSlot;
}

constexpr const char* kGameKept = " The current game was kept.";
constexpr const char* kSlotKept = " The slot was left as it was.";

Bytes EncodeInts(const GameState& g) {
    Bytes ints(kSavedInts * 4);
    std::size_t next = 0;
    WalkSavedInts(g, [&](const Int& value) { PutIntAt(ints, next++, value); });
    return ints;
}

void DecodeInts(const Bytes& ints, GameState& g) {
    std::size_t next = 0;
    WalkSavedInts(g, [&](Int& value) { value = IntAt(ints, next++); });
}

Bytes EncodeTexts(const GameState& g) {
    RecordWriter texts(kSavedTexts);
    WalkSavedTexts(g, [&texts](const std::string& text) { texts.Text(text); });
    return texts.Take();
}

void DecodeTexts(const Bytes& texts, GameState& g) {
    RecordReader reader(texts);
    WalkSavedTexts(g, [&reader](std::string& text) { text = reader.Text(); });
}

// The files of a slot, each with its exact size. A save replaces all of them or none; a load
// reads and checks all of them before any is decoded.
struct SlotFile {
    const char* extension;
    std::size_t size;
    Bytes (*encode)(const GameState&);
    void (*decode)(const Bytes&, GameState&);
};

constexpr std::size_t kIntFileSize = kSavedInts * 4;
constexpr std::size_t kTextFileSize = kSavedTexts * kRecordSize;

constexpr SlotFile kSlotFiles[] = {
    {".int", kIntFileSize, EncodeInts, DecodeInts},
    {".str", kTextFileSize, EncodeTexts, DecodeTexts},
};
constexpr std::size_t kSlotFileCount = std::size(kSlotFiles);

// A file of the wrong size is not read at all: the player learns which file it was.
bool ReadExactly(const std::string& file, std::size_t size, Bytes& data, std::string& error) {
    const auto read = platform::CurrentFiles().Read(file, size, data, error);
    if (read == platform::Files::ReadResult::failed) return false;
    if (read == platform::Files::ReadResult::tooLarge || data.size() != size) {
        error = "The file \"" + file +
                "\" is damaged or is not a saved game of Marchholt, so it was not loaded." +
                kGameKept;
        return false;
    }
    return true;
}

// ResetGameState, then every saved value from the slot's files (whose sizes are checked).
void Decode(const std::array<const Bytes*, kSlotFileCount>& files, GameState& g) {
    ResetGameState(g);
    for (std::size_t i = 0; i < kSlotFileCount; ++i)
        kSlotFiles[i].decode(*files[i], g);
}

}  // namespace

std::string SlotBaseName(int slot) {
    if (slot == kAutoSlot) return "Autosavegame";
    if (!ValidSlot(slot)) return {};
    return "Savegame0" + std::to_string(slot);
}

bool SlotExists(int slot) {
    return ValidSlot(slot) &&
           platform::CurrentFiles().Exists(SlotBaseName(slot) + kSlotFiles[0].extension);
}

bool SaveGame(int slot, std::string& error, const GameState& g) {
    if (!ValidSlot(slot)) {
        error = "There is no saved-game slot " + std::to_string(slot) + ".";
        return false;
    }
    const std::string base = SlotBaseName(slot);
    std::vector<platform::Files::PendingFile> files;
    for (const SlotFile& file : kSlotFiles)
        files.push_back({base + file.extension, file.encode(g)});
    // The small file goes last, so that a slot that holds it holds the pair it describes.
    files.push_back({base + kSlotInfoExtension,
                     EncodeSlotInfo(DescribeSavedGame(g, platform::NowDateTimeText()))});
    const auto written = platform::CurrentFiles().WriteAll(files, error);
    if (written == platform::Files::WriteResult::unchanged) error += kSlotKept;
    return written == platform::Files::WriteResult::written;
}

SavedGameFiles EncodeSavedGame(const GameState& g) {
    return {EncodeInts(g), EncodeTexts(g)};
}

bool LoadGame(int slot, std::string& error, GameState& g) {
    if (!ValidSlot(slot)) {
        error = "There is no saved-game slot " + std::to_string(slot) + ".";
        return false;
    }
    const std::string base = SlotBaseName(slot);
    // Every file is read and its size checked before the running game changes.
    std::array<Bytes, kSlotFileCount> files;
    for (std::size_t i = 0; i < kSlotFileCount; ++i) {
        const SlotFile& file = kSlotFiles[i];
        if (!ReadExactly(base + file.extension, file.size, files[i], error)) return false;
    }
    if (!LoadSavedGame(base, {std::move(files[0]), std::move(files[1])}, error, g)) return false;
    // A slot saved without its small file loads as before; its round is not known.
    const std::optional<SlotInfo> info = ReadSlotInfo(slot);
    g.round = info ? info->round : kUnknownRound;
    return true;
}

bool LoadSavedGame(const std::string& base, const SavedGameFiles& files, std::string& error,
                   GameState& g) {
    if (files.ints.size() != kIntFileSize || files.texts.size() != kTextFileSize) {
        error = "The saved game \"" + base + ".int\" is damaged, so it was not loaded." + kGameKept;
        return false;
    }
    const std::array<const Bytes*, kSlotFileCount> slot = {&files.ints, &files.texts};
    // A trial copy first: a file the game could not go on from never reaches the running game.
    auto trial = std::make_unique<GameState>();
    Decode(slot, *trial);
    const std::string fault = SavedGameFault(*trial);
    if (!fault.empty()) {
        error = "The saved game \"" + base + kSlotFiles[0].extension +
                "\" could not be loaded: " + fault + "." + kGameKept;
        return false;
    }
    Decode(slot, g);
    // The special item row is not part of the file.
    FillSpecialItemRow(g);
    return true;
}

SlotDescriptions ReadDescriptions() {
    SlotDescriptions descriptions;
    Bytes data;
    std::string error;
    if (platform::CurrentFiles().Read(kDescriptionsFile, descriptions.size() * kRecordSize, data,
                                      error) != platform::Files::ReadResult::read)
        return descriptions;
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
