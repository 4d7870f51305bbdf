// The fuzz targets on their seed corpus (made at build time from the shipped scenarios) and on
// a few damaged files, so every target runs with every build.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "../../fuzz/fuzz_play.h"
#include "../../fuzz/fuzz_readers.h"
#include "state/records.h"
#include "state/scenario_files.h"
#include "state/scenario_layout.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using fuzzing::Reader;

// The readers run on the game's own state and folders; put both back afterwards.
class FuzzCorpus : public ::testing::Test {
  protected:
    void TearDown() override {
        platform::UseFiles(platform::Files());
        state::G() = *std::make_unique<state::GameState>();
    }
};

// Damaged copies of a good file: cut short, one record's length byte at 255 with garbage
// text, numbers too large for 32 bits, and random bytes sprinkled over it.
std::vector<Bytes> Damaged(const Bytes& good) {
    std::vector<Bytes> out;
    out.push_back({});
    out.push_back(Bytes(good.begin(), good.begin() + static_cast<long>(good.size() / 2)));
    out.push_back(Bytes(good.begin(), good.end() - 1));
    Bytes longText = good;
    longText[0] = 255;
    for (std::size_t i = 1; i < state::kRecordSize; ++i)
        longText[i] = static_cast<std::uint8_t>(i * 37);
    out.push_back(longText);
    Bytes huge = good;
    const std::string big = "99999999999999999999";
    huge[0] = static_cast<std::uint8_t>(big.size());
    std::copy(big.begin(), big.end(), huge.begin() + 1);
    out.push_back(huge);
    std::mt19937 random(7);
    for (int copy = 0; copy < 3; ++copy) {
        Bytes noisy = good;
        for (int i = 0; i < 200; ++i)
            noisy[random() % noisy.size()] = static_cast<std::uint8_t>(random());
        out.push_back(noisy);
    }
    return out;
}

TEST_F(FuzzCorpus, ScenarioReadersTakeAnyFile) {
    auto g = std::make_unique<state::GameState>();
    g->modText[state::ModText::title] = "Corpus";
    g->monsterTable[100][100] = -1;
    g->itemTable[500][1] = 1;
    const struct {
        Reader reader;
        Bytes good;
        std::size_t records;
    } files[] = {
        {Reader::module, state::EncodeModule(*g), state::kModuleRecords},
        {Reader::map, state::EncodeMap(*g), state::kMapRecords},
        {Reader::monsters, state::EncodeMonsters(*g), state::kMonsterRecords},
        {Reader::items, state::EncodeItems(*g), state::kItemRecords},
    };
    for (const auto& f : files) {
        ASSERT_EQ(f.good.size(), f.records * state::kRecordSize);
        EXPECT_TRUE(fuzzing::Run(f.reader, f.good.data(), f.good.size()));
        const std::vector<Bytes> damaged = Damaged(f.good);
        for (std::size_t i = 0; i < damaged.size(); ++i) {
            const bool ok = fuzzing::Run(f.reader, damaged[i].data(), damaged[i].size());
            // Short files are refused; full-length ones load whatever their text says.
            EXPECT_EQ(ok, damaged[i].size() >= f.good.size()) << "case " << i;
        }
    }
}

TEST_F(FuzzCorpus, SavedGameAndProgressReadersTakeAnyFile) {
    // Every real save of a shipped scenario loads unchanged.
    ASSERT_FALSE(fuzzing::SavedBases().empty()) << fuzzing::CorpusFolder();
    for (std::size_t k = 0; k < fuzzing::SavedBases().size(); ++k) {
        const Bytes unchanged = {static_cast<std::uint8_t>(k)};
        EXPECT_TRUE(fuzzing::Run(Reader::savedGame, unchanged.data(), 1))
            << fuzzing::SavedBases()[k].name;
    }
    const Bytes empty;
    EXPECT_FALSE(fuzzing::Run(Reader::savedGame, empty.data(), 0));
    std::mt19937 random(11);
    for (int size : {1, 2, 3, 300, 5000, 70000}) {
        Bytes noise(static_cast<std::size_t>(size));
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(random());
        fuzzing::Run(Reader::savedGame, noise.data(), noise.size());
        // A damaged progress file is replaced by a good one, so the read always succeeds.
        EXPECT_TRUE(fuzzing::Run(Reader::progress, noise.data(), noise.size())) << size;
    }
    const Bytes six(24, 0xff);
    EXPECT_TRUE(fuzzing::Run(Reader::progress, six.data(), six.size()));
}

// Each target's corpus folder and how one input runs.
TEST_F(FuzzCorpus, EveryTargetRunsOverItsCorpus) {
    fuzzing::PlayWorld world;
    using Target = std::function<void(const Bytes&)>;
    auto reader = [](Reader r) {
        return Target([r](const Bytes& in) { fuzzing::Run(r, in.data(), in.size()); });
    };
    const std::vector<std::pair<std::string, Target>> targets = {
        {"module", reader(Reader::module)},
        {"map", reader(Reader::map)},
        {"monsters", reader(Reader::monsters)},
        {"items", reader(Reader::items)},
        {"saved_game", reader(Reader::savedGame)},
        {"progress", reader(Reader::progress)},
        {"play_saved_game",
         [&world](const Bytes& in) { fuzzing::PlaySavedGame(world, in.data(), in.size()); }},
        {"play_scenario",
         [&world](const Bytes& in) { fuzzing::PlayScenario(world, in.data(), in.size()); }},
    };
    for (const auto& [name, run] : targets) {
        const auto folder = fuzzing::CorpusFolder() / name;
        int inputs = 0;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            run(fuzzing::ReadBytes(entry.path()));
            ++inputs;
        }
        EXPECT_GT(inputs, 0) << folder;
    }
    // A real save plays on and is saved again; a damaged one is refused before any play.
    const Bytes first = {0};
    EXPECT_TRUE(fuzzing::PlaySavedGame(world, first.data(), first.size()));
    Bytes damaged = first;
    fuzzing::AppendChange(damaged, 166638, 99);  // CurrentLord
    EXPECT_FALSE(fuzzing::PlaySavedGame(world, damaged.data(), damaged.size()));
    EXPECT_TRUE(fuzzing::PlayScenario(world, first.data(), first.size()));
}

}  // namespace
