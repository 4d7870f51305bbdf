// marchholt-fuzz-seeds DATA CORPUS: makes the fuzzers' seed corpus from the shipped scenarios in
// DATA. For each scenario it copies the four compiled files (the readers' seeds and the custom
// scenario bases) and plays the start of a new game to make a real save (the saved-game bases);
// then it writes the seed inputs of every target, including changes that damaged files have
// been known to carry and every stored value at both ends of its range and one beyond each. A
// scenario or a save that the game would refuse to load fails the build.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "answer_all.h"
#include "fuzz_bases.h"
#include "new_game.h"
#include "platform/files.h"
#include "screens/scenario_list.h"
#include "state/checked_scenario.h"
#include "state/range_check.h"
#include "state/reset.h"
#include "state/saved_games.h"
#include "state/scenario_files.h"
#include "state/scenario_layout.h"
#include "state/value_ranges.h"

namespace {

namespace fs = std::filesystem;
using fuzzing::Bytes;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

void Write(const fs::path& path, const Bytes& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The number of a value in the saved game's integer file, from 0.
std::uint32_t SavedIndex(const state::Int& (*pick)(const state::GameState&)) {
    static const auto g = std::make_unique<state::GameState>();
    const state::Int* wanted = &pick(*g);
    std::uint32_t index = 0, found = 0;
    state::WalkSavedInts(*g, [&](const state::Int& value) {
        if (&value == wanted) found = index;
        ++index;
    });
    return found;
}

// The number of a stored value in the saved game's integer file, from 0.
std::uint32_t SavedIndexOf(const state::Int* wanted, const state::GameState& g) {
    std::uint32_t index = 0, found = 0;
    state::WalkSavedInts(g, [&](const state::Int& value) {
        if (&value == wanted) found = index;
        ++index;
    });
    return found;
}

// The record of a value in the scenario files taken together, or -1 when no scenario file
// holds it.
long ScenarioRecord(state::Holder holder, int record, int slot) {
    using H = state::Holder;
    const long map = static_cast<long>(state::kModuleRecords);
    const long monsters = map + static_cast<long>(state::kMapRecords);
    const long items = monsters + static_cast<long>(state::kMonsterRecords);
    const long at = (record - 1) * 100 + slot - 1;
    switch (holder) {
        case H::modSetting:
            return slot - 1;
        case H::field:
            return map + at;
        case H::mapSite:
            return map + 13200 + at;
        case H::lord:
            return map + 13200 + 1000 + at;
        case H::mapSetting:
            return map + 13200 + 1000 + 400 + slot - 1;
        case H::monster:
            return monsters + at;
        case H::item:
            return items + at;
        default:
            return -1;
    }
}

// Both ends of every range and one beyond each, in every lord's record or the first record of a
// table. The saved-game targets get a seed for each value; the scenario target, where a scenario
// file holds the value, one seed with every range at its low end, one with every range at its
// high end (the in-game flags left as they are) and a seed for each value beyond an end.
void MakeRangeSeeds(const fs::path& corpus, std::size_t saves, std::size_t scenarios) {
    static const auto g = std::make_unique<state::GameState>();
    int n = 0;
    Bytes lows = {0}, highs = {1};
    for (const state::ValueRange& row : state::ValueRanges()) {
        if (row.holder == state::Holder::progress) continue;
        // Low, high, below, above; an end at the end of Int has no value beyond it.
        const std::int64_t values[4] = {row.low, row.high, std::int64_t{row.low} - 1,
                                        std::int64_t{row.high} + 1};
        const int records = state::RecordsOf(row.holder) == 4 ? 4 : 1;
        for (std::size_t k = 0; k < 4; ++k) {
            if (values[k] < state::kIntMin || values[k] > state::kIntMax) continue;
            const auto value = static_cast<std::int32_t>(values[k]);
            ++n;
            Bytes save = {static_cast<std::uint8_t>(n % static_cast<int>(saves))};
            Bytes scenario = {static_cast<std::uint8_t>(n % static_cast<int>(scenarios))};
            for (int r = 1; r <= records; ++r) {
                const state::Int* stored = state::StoredValue(*g, row.holder, r, row.slot);
                fuzzing::AppendChange(save, SavedIndexOf(stored, *g), value);
                const long record = ScenarioRecord(row.holder, r, row.slot);
                if (record < 0) continue;
                const auto place = static_cast<std::uint32_t>(record);
                if (k >= 2) fuzzing::AppendChange(scenario, place, value);
                if (row.slot == state::Lord::inGame && row.holder == state::Holder::lord) continue;
                if (k == 0) fuzzing::AppendChange(lows, place, value);
                if (k == 1) fuzzing::AppendChange(highs, place, value);
            }
            static constexpr const char* kEnds[4] = {"_low", "_high", "_below", "_above"};
            const std::string name = "range" + std::to_string(n) + kEnds[k];
            for (const char* target : {"saved_game", "play_saved_game"})
                Write(corpus / target / name, save);
            if (scenario.size() > 1) Write(corpus / "play_scenario" / name, scenario);
        }
    }
    Write(corpus / "play_scenario" / "range_lows", lows);
    Write(corpus / "play_scenario" / "range_highs", highs);
}

// A seed: base k and the changes (place, value).
Bytes Seed(int base, std::initializer_list<std::pair<std::uint32_t, std::int32_t>> changes) {
    Bytes input = {static_cast<std::uint8_t>(base)};
    for (const auto& [place, value] : changes)
        fuzzing::AppendChange(input, place, value);
    return input;
}

// Record number of a map value in the scenario files taken together (the module comes first).
std::uint32_t MapRecord(int x, int y, int slot) {
    return static_cast<std::uint32_t>(state::kModuleRecords + (x - 1) * 1100 + (y - 1) * 100 +
                                      slot - 1);
}

std::uint32_t LordRecord(int lord, int slot) {
    return static_cast<std::uint32_t>(state::kModuleRecords + 13200 + 1000 + (lord - 1) * 100 +
                                      slot - 1);
}

bool MakeBases(const fs::path& data, const fs::path& corpus) {
    logic::FixedAnswerDialogs answers(fuzzing::kAnswerAll);
    logic::InstallDialogs(&answers);
    const fs::path work = corpus / "work";
    fs::create_directories(work);
    std::set<std::string> done;
    for (const auto& entry : screens::kScenarios) {
        const std::string name = entry.baseName;
        if (!done.insert(name).second) continue;
        for (int f = 0; f < 4; ++f) {
            const std::string file = name + fuzzing::kScenarioExtensions[f];
            const Bytes bytes = fuzzing::ReadBytes(data / file);
            static constexpr const char* kReaders[4] = {"module", "map", "monsters", "items"};
            Write(corpus / kReaders[f] / file, bytes);
            Write(corpus / "scenarios" / file, bytes);
        }
        platform::UseFiles(platform::Files(data, work));
        state::GameState& g = state::G();
        state::ResetGameState(g);
        const state::LoadResult loaded = state::LoadCheckedScenario(
            name, [](state::GameState& gs) { state::ScenarioSetup(gs); }, g);
        if (!loaded.Ok()) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), loaded.message.c_str());
            return false;
        }
        fuzzing::StartLoadedScenario(entry.number);
        std::string error;
        if (!state::SaveGame(1, error) || !state::LoadGame(1, error)) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
            return false;
        }
        fs::create_directories(corpus / "bases");
        fs::rename(work / "Savegame01.int", corpus / "bases" / (name + ".int"));
        fs::rename(work / "Savegame01.str", corpus / "bases" / (name + ".str"));
    }
    logic::InstallDialogs(nullptr);
    platform::UseFiles(platform::Files());
    fs::remove_all(work);
    return true;
}

void MakeSeeds(const fs::path& corpus, std::size_t saves, std::size_t scenarios) {
    using G = state::GameState;
    const std::uint32_t currentLord =
        SavedIndex([](const G& g) -> const state::Int& { return g.currentLord; });
    const std::uint32_t armyX =
        SavedIndex([](const G& g) -> const state::Int& { return g.army[1][state::Army::x]; });
    const std::uint32_t owner = SavedIndex(
        [](const G& g) -> const state::Int& { return g.field[6][6][state::Field::owner]; });
    const std::uint32_t tile = SavedIndex(
        [](const G& g) -> const state::Int& { return g.field[2][2][state::Field::tile]; });
    const std::uint32_t moves = SavedIndex(
        [](const G& g) -> const state::Int& { return g.army[1][state::Army::movesLeft]; });
    std::vector<Bytes> saveSeeds;
    for (std::size_t k = 0; k < saves; ++k)
        saveSeeds.push_back(Seed(static_cast<int>(k), {}));
    saveSeeds.push_back(Seed(0, {{currentLord, 99}}));
    saveSeeds.push_back(Seed(1, {{armyX, kMin}}));
    saveSeeds.push_back(Seed(2, {{owner, 1000}}));
    saveSeeds.push_back(Seed(3, {{tile, kMin}, {moves, 0}}));
    saveSeeds.push_back(Seed(4, {{fuzzing::kRawByte | 5, 255}}));
    for (const char* target : {"saved_game", "play_saved_game"}) {
        for (std::size_t i = 0; i < saveSeeds.size(); ++i)
            Write(corpus / target / ("seed" + std::to_string(i)), saveSeeds[i]);
    }

    std::vector<Bytes> scenarioSeeds;
    for (std::size_t k = 0; k < scenarios; ++k)
        scenarioSeeds.push_back(Seed(static_cast<int>(k), {}));
    scenarioSeeds.push_back(Seed(0, {{MapRecord(3, 3, state::Field::tile), kMin}}));
    scenarioSeeds.push_back(Seed(1, {{LordRecord(1, state::Lord::castleX), kMin}}));
    scenarioSeeds.push_back(Seed(2, {{MapRecord(4, 4, state::Field::owner), 1000}}));
    for (std::size_t i = 0; i < scenarioSeeds.size(); ++i)
        Write(corpus / "play_scenario" / ("seed" + std::to_string(i)), scenarioSeeds[i]);

    Bytes six;
    for (std::int32_t v : {12, 12, 3, 1, 1, 1})
        state::AppendInt(six, v);
    Write(corpus / "progress" / "good", six);
    Bytes largest;
    for (std::int32_t v : {12, 12, std::numeric_limits<std::int32_t>::max(), 1, 1, 1})
        state::AppendInt(largest, v);
    Write(corpus / "progress" / "largest_count", largest);
    Write(corpus / "progress" / "short", Bytes(six.begin(), six.begin() + 12));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA CORPUS\n", argv[0]);
        return 2;
    }
    const fs::path data = argv[1], corpus = argv[2];
    std::error_code error;
    fs::remove_all(corpus, error);
    if (!MakeBases(data, corpus)) return 1;
    std::size_t saves = 0, scenarios = 0;
    for (const auto& e : fs::directory_iterator(corpus / "bases"))
        saves += e.path().extension() == ".int";
    for (const auto& e : fs::directory_iterator(corpus / "scenarios"))
        scenarios += e.path().extension() == ".mod";
    MakeSeeds(corpus, saves, scenarios);
    MakeRangeSeeds(corpus, saves, scenarios);
    Write(corpus / "stamp", {});
    return 0;
}
