// Every shipped scenario passes the check of the scenarios a player brings, and a game played
// on from it is read back by the game that wrote it: the save goes through the same check.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "app/autoplay.h"
#include "scenario_source.h"
#include "state/checked_scenario.h"
#include "state/new_game.h"
#include "state/saved_game_check.h"
#include "state/saved_games.h"
#include "state/scenario_files.h"
#include "state/temp_folders.h"

namespace {

using namespace state;

using ShippedSaves = statetest::TempFolders;

TEST_F(ShippedSaves, EveryScenarioLoadsCheckedAndEverySaveOfItsPlayLoadsAgain) {
    int scenarios = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(MARCHHOLT_SCENARIO_SOURCES))) {
        if (!entry.is_directory()) continue;
        const std::string name = entry.path().filename().string();
        ++scenarios;
        auto source = std::make_unique<GameState>();
        scenarios::ReadSources(entry.path().string(), *source);
        WriteUserFile(name + ".mod", EncodeModule(*source));
        WriteUserFile(name + ".map", EncodeMap(*source));
        WriteUserFile(name + ".mon", EncodeMonsters(*source));
        WriteUserFile(name + ".itm", EncodeItems(*source));
        auto g = std::make_unique<GameState>();
        const LoadResult loaded = LoadCheckedScenario(
            name, [](GameState& s) { ScenarioSetup(s); }, *g);
        EXPECT_TRUE(loaded.Ok()) << loaded.message;

        // Forty rounds of computer play, then a save read back through the check.
        std::FILE* out = std::tmpfile();
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(app::RunAutoplay({name, 40, 3}, out), 0) << name;
        std::fclose(out);
        EXPECT_EQ(SavedGameFault(G()), "") << name;
        std::string error;
        ASSERT_TRUE(SaveGame(6, error)) << error;
        auto back = std::make_unique<GameState>();
        EXPECT_TRUE(LoadGame(6, error, *back)) << name << ": " << error;
        EXPECT_EQ(back->lord[1][Lord::gold], G().lord[1][Lord::gold]) << name;
    }
    EXPECT_GE(scenarios, 19);
}

}  // namespace
