// Damaged saved games: each fault the load refuses, the message that names the file, and the
// running game left as it was.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "state/game_state.h"
#include "state/saved_game_check.h"
#include "state/saved_games.h"
#include "support/temp_dir.h"

namespace {

using namespace state;

// Two lords on the map: blue (the player) at its castle (2, 3), red (the computer) at (11, 9)
// with its army away at (12, 11); blue's turn.
void PlayableGame(GameState& g) {
    g = GameState{};
    g.currentLord = 1;
    g.dungeonLord = 1;
    g.mapSetting[MapSetting::theme] = 19;
    for (int p : {1, 3}) {
        g.lord[p][Lord::inGame] = 1;
        g.lord[p][Lord::gold] = 1000;
        g.hero[p][state::Hero::baseMaxHealth] = 25;
        g.army[p][Army::present] = 1;
        g.army[p][Army::soldiers] = 4;
    }
    g.lord[1][Lord::controller] = 1;
    g.lord[3][Lord::controller] = 2;
    g.lord[1][Lord::castleX] = 2;
    g.lord[1][Lord::castleY] = 3;
    g.lord[3][Lord::castleX] = 11;
    g.lord[3][Lord::castleY] = 9;
    g.army[1][Army::x] = 2;
    g.army[1][Army::y] = 3;
    g.army[3][Army::x] = 12;
    g.army[3][Army::y] = 11;
    g.field[2][3][Field::owner] = 1;
    g.field[12][11][Field::owner] = 4;
    g.mapSite[10][MapSite::owner] = 4;
    // A lord out of the game may keep whatever its record held.
    g.lord[2][Lord::castleX] = -7;
    g.army[2][Army::present] = 1;
    g.army[2][Army::x] = 2147483647;
}

class SavedGameCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::UseFiles(platform::Files(data_.Path(), user_.Path()));
        running_ = std::make_unique<GameState>();
    }
    void TearDown() override {
        platform::UseFiles(platform::Files());
        G() = *std::make_unique<GameState>();
    }
    // Saves a playable game changed by `damage` into slot 2, then tries to load it over a
    // running game; returns the error (empty when the load went through).
    std::string LoadDamaged(const std::function<void(GameState&)>& damage) {
        auto saved = std::make_unique<GameState>();
        PlayableGame(*saved);
        damage(*saved);
        std::string error;
        EXPECT_TRUE(SaveGame(2, error, *saved)) << error;
        PlayableGame(*running_);
        running_->lord[1][Lord::gold] = 777;
        running_->heroName[1] = "Still here";
        error.clear();
        if (LoadGame(2, error, *running_)) return {};
        return error.empty() ? "(refused without a message)" : error;
    }
    testsupport::TempDir data_, user_;
    std::unique_ptr<GameState> running_;
};

TEST_F(SavedGameCheck, EachFaultIsRefusedWithTheFileAndWhatIsWrong) {
    struct Case {
        std::function<void(GameState&)> damage;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {[](GameState& g) { g.currentLord = 99; },
         "the current lord is 99, not a lord from 1 to 4"},
        {[](GameState& g) { g.currentLord = 0; }, "the current lord is 0, not a lord from 1 to 4"},
        {[](GameState& g) { g.dungeonLord = 5; },
         "the dungeon's lord is 5, not a lord from 1 to 4"},
        {[](GameState& g) { g.inDungeon = -1; }, "the dungeon flag is -1, not 0 or 1"},
        {[](GameState& g) { g.mapSetting[MapSetting::theme] = 20; },
         "the scenario theme is 20, not a theme from 0 to 19"},
        {[](GameState& g) { g.lord[4][Lord::inGame] = 2; },
         "the cyan lord's in-game flag is 2, not 0 or 1"},
        {[](GameState& g) { g.lord[3][Lord::controller] = 0; },
         "the red lord is played by 0, neither the player (1) nor the computer (2)"},
        {[](GameState& g) { g.lord[1][Lord::inGame] = g.lord[3][Lord::inGame] = 0; },
         "no lord takes part in the game"},
        {[](GameState& g) { g.currentLord = 2; }, "the current lord 2 is out of the game"},
        {[](GameState& g) { g.lord[3][Lord::castleY] = 12; },
         "the red lord's castle at (11, 12) is off the map"},
        {[](GameState& g) { g.army[1][Army::x] = -5; },
         "the blue lord's army at (-5, 3) is off the map"},
        {[](GameState& g) { g.army[3][Army::siege] = -1; },
         "the red lord's army counts -1 troops of one kind"},
        {[](GameState& g) { g.field[7][4][Field::owner] = 1000; },
         "the field (7, 4) is owned by 1000, not by a lord from 1 to 4"},
        {[](GameState& g) { g.mapSite[1][MapSite::owner] = -1; },
         "the map site 1 is owned by -1, not by a lord from 1 to 4"},
        // A dungeon to go on in: of a lord in the game, with the hero alive.
        {[](GameState& g) {
             g.inDungeon = 1;
             g.dungeonLord = 2;
         },
         "the game was saved inside a dungeon of lord 2, who is out of the game"},
        {[](GameState& g) {
             g.inDungeon = 1;
             g.dungeonLord = 1;
             g.hero[1][Hero::health] = 0;
         },
         "the game was saved inside a dungeon with the blue lord's hero at health 0"},
    };
    for (const Case& c : cases) {
        const std::string error = LoadDamaged(c.damage);
        EXPECT_EQ(error, std::string("The saved game \"Savegame02.int\" could not be loaded: ") +
                             c.fault + ". The current game was kept.");
        EXPECT_EQ(running_->lord[1][Lord::gold], 777) << c.fault;
        EXPECT_EQ(running_->heroName[1], "Still here") << c.fault;
    }
    // The edges of each range still load: the last lord, theme 0, a castle in the far corner,
    // an army that is not present standing anywhere, a hero inside a dungeon at health 1.
    const std::string edges = LoadDamaged([](GameState& g) {
        g.currentLord = 3;
        g.dungeonLord = 3;
        g.inDungeon = 1;
        g.hero[3][Hero::health] = 1;
        g.mapSetting[MapSetting::theme] = 0;
        g.lord[3][Lord::castleX] = 12;
        g.lord[3][Lord::castleY] = 11;
        g.army[1][Army::present] = 0;
        g.army[1][Army::x] = -2147483647 - 1;
        g.lord[1][Lord::gold] = 5;
    });
    EXPECT_EQ(edges, "");
    EXPECT_EQ(running_->currentLord, 3);
    EXPECT_EQ(running_->lord[1][Lord::gold], 5);
}

TEST_F(SavedGameCheck, AFileOfTheWrongLengthIsNamedAndTheGameKept) {
    auto saved = std::make_unique<GameState>();
    PlayableGame(*saved);
    std::string error;
    ASSERT_TRUE(SaveGame(6, error, *saved)) << error;
    PlayableGame(*running_);
    running_->lord[1][Lord::gold] = 777;
    for (const char* file : {"Autosavegame.int", "Autosavegame.str"}) {
        const std::vector<unsigned char> whole = user_.ReadFile(file);
        user_.WriteFile(file, std::vector<unsigned char>(whole.begin(), whole.end() - 1));
        error.clear();
        EXPECT_FALSE(LoadGame(6, error, *running_));
        EXPECT_EQ(error, std::string("The file \"") + file +
                             "\" is damaged or is not a saved game of Marchholt, so it was not "
                             "loaded. The current game was kept.");
        EXPECT_EQ(running_->lord[1][Lord::gold], 777);
        user_.WriteFile(file, whole);
    }
    EXPECT_TRUE(LoadGame(6, error, *running_)) << error;
    EXPECT_EQ(running_->lord[1][Lord::gold], 1000);
}

}  // namespace
