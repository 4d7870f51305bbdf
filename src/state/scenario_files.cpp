#include "state/scenario_files.h"

#include <cerrno>
#include <optional>
#include <tuple>

#include "platform/files.h"
#include "state/records.h"
#include "state/scenario_layout.h"

namespace state {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Reads a whole scenario file of exactly `records` records; a larger file is refused unread. A
// missing, short or oversized file is an input/output error.
LoadResult ReadScenarioFile(const std::string& file, std::size_t records, Bytes& data) {
    std::string error;
    const auto read = platform::CurrentFiles().Read(file, records * kRecordSize, data, error);
    if (read != platform::Files::ReadResult::read) return {LoadStatus::ioError, error};
    if (RecordReader::CountIn(data) < records) {
        return {LoadStatus::ioError, platform::IoErrorText("read", file, EIO)};
    }
    return {};
}

// Fills the tables a file walks, in file order, from its checked records.
template <class Walk>
void Apply(GameState& g, const Bytes& data, Walk walk) {
    RecordReader reader(data);
    walk(
        g, [&reader](Int& value) { value = reader.Number(); },
        [&reader](std::string& text) { text = reader.Text(); });
}

template <class Walk>
Bytes Encode(const GameState& g, std::size_t records, Walk walk) {
    RecordWriter writer(records);
    walk(
        g, [&writer](const Int& value) { writer.Number(value); },
        [&writer](const std::string& text) { writer.Text(text); });
    return writer.Take();
}

constexpr auto kModuleWalk = [](auto& g, auto&& n, auto&& t) { WalkModuleFile(g, n, t); };
constexpr auto kMapWalk = [](auto& g, auto&& n, auto&& t) { WalkMapFile(g, n, t); };
constexpr auto kMonsterWalk = [](auto& g, auto&& n, auto&& t) { WalkMonsterFile(g, n, t); };
constexpr auto kItemWalk = [](auto& g, auto&& n, auto&& t) { WalkItemFile(g, n, t); };

// A data file of the scenario: read whole, then applied.
template <class Walk>
LoadResult LoadDataFile(const std::string& file, std::size_t records, Walk walk, GameState& g) {
    Bytes data;
    LoadResult result = ReadScenarioFile(file, records, data);
    if (result.Ok()) Apply(g, data, walk);
    return result;
}

bool WriteFile(const std::string& file, const Bytes& data, std::string& error) {
    return platform::CurrentFiles().Write(file, data, error);
}

}  // namespace

LoadResult LoadModule(const std::string& name, GameState& g) {
    const std::string file = name + ".mod";
    const std::optional<std::uintmax_t> size = platform::CurrentFiles().Size(file);
    if (!size) return {LoadStatus::notFound, kScenarioNotFoundText};
    // A module has one size; a file of any other is not one, whatever else it may be.
    if (*size != kModuleFileSize) return {LoadStatus::ioError, NotAScenarioText(file)};
    LoadResult result = LoadDataFile(file, kModuleRecords, kModuleWalk, g);
    if (result.Ok()) g.modSetting[ModSetting::started] = 1;
    return result;
}

std::string NotAScenarioText(const std::string& file) {
    return "The file \"" + file +
           "\" is damaged or is not a scenario of Marchholt, so it was not loaded.";
}

LoadResult LoadMap(const std::string& name, GameState& g) {
    return LoadDataFile(name + ".map", kMapRecords, kMapWalk, g);
}

LoadResult LoadMonsters(const std::string& name, GameState& g) {
    return LoadDataFile(name + ".mon", kMonsterRecords, kMonsterWalk, g);
}

LoadResult LoadItems(const std::string& name, GameState& g) {
    return LoadDataFile(name + ".itm", kItemRecords, kItemWalk, g);
}

LoadResult LoadScenario(const std::string& moduleName, const ScenarioSetupHook& setup,
                        GameState& g) {
    LoadResult result = LoadModule(moduleName, g);
    if (!result.Ok()) return result;
    g.modSetting[ModSetting::started] = 0;

    // All three files are read before any table changes, so a failure leaves the map, the
    // monsters and the items of the previous load together.
    Bytes map, monsters, items;
    for (auto [file, records, data] :
         {std::tuple{g.modText[ModText::mapFile] + ".map", kMapRecords, &map},
          std::tuple{g.modText[ModText::monsterFile] + ".mon", kMonsterRecords, &monsters},
          std::tuple{g.modText[ModText::itemFile] + ".itm", kItemRecords, &items}}) {
        result = ReadScenarioFile(file, records, *data);
        if (!result.Ok()) return result;
    }
    Apply(g, map, kMapWalk);
    Apply(g, monsters, kMonsterWalk);
    Apply(g, items, kItemWalk);
    if (setup) setup(g);
    return result;
}

Bytes EncodeModule(const GameState& g) {
    return Encode(g, kModuleRecords, kModuleWalk);
}
Bytes EncodeMap(const GameState& g) {
    return Encode(g, kMapRecords, kMapWalk);
}
Bytes EncodeMonsters(const GameState& g) {
    return Encode(g, kMonsterRecords, kMonsterWalk);
}
Bytes EncodeItems(const GameState& g) {
    return Encode(g, kItemRecords, kItemWalk);
}

bool WriteModule(const std::string& name, std::string& error, const GameState& g) {
    return WriteFile(name + ".mod", EncodeModule(g), error);
}

bool WriteMap(const std::string& name, std::string& error, const GameState& g) {
    return WriteFile(name + ".map", EncodeMap(g), error);
}

bool WriteMonsters(const std::string& name, std::string& error, const GameState& g) {
    return WriteFile(name + ".mon", EncodeMonsters(g), error);
}

bool WriteItems(const std::string& name, std::string& error, const GameState& g) {
    return WriteFile(name + ".itm", EncodeItems(g), error);
}

}  // namespace state
