// A scenario the player brings is checked like a saved game before it replaces the running
// game: each damaged copy is refused with the value named.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "state/checked_scenario.h"
#include "state/new_game.h"
#include "state/scenario_files.h"
#include "state/temp_folders.h"

namespace {

using namespace state;

class CheckedScenario : public statetest::TempFolders {
  protected:
    // A small scenario "Moor": blue and red take part, theme 4, every field walkable.
    static void Moor(GameState& s) {
        s = GameState{};
        s.modText[ModText::title] = "Moor";
        s.modText[ModText::mapFile] = s.modText[ModText::monsterFile] = "Moor";
        s.modText[ModText::itemFile] = "Moor";
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                s.field[x][y][Field::walkable] = 1;
                s.field[x][y][Field::tile] = 100;
            }
        }
        for (int p : {1, 3}) {
            s.lord[p][Lord::inGame] = 1;
            s.lord[p][Lord::castleX] = 2 * p;
            s.lord[p][Lord::castleY] = 3 * p;
            s.field[2 * p][3 * p][Field::owner] = p;
        }
        s.mapSetting[MapSetting::theme] = 4;
        s.realmName[1] = "Moorland";
    }
    // Writes Moor changed by `damage` and loads it over a running game; the error, or empty.
    std::string LoadDamaged(const std::function<void(GameState&)>& damage) {
        auto source = std::make_unique<GameState>();
        Moor(*source);
        damage(*source);
        WriteUserFile("Moor.mod", EncodeModule(*source));
        WriteUserFile("Moor.map", EncodeMap(*source));
        WriteUserFile("Moor.mon", EncodeMonsters(*source));
        WriteUserFile("Moor.itm", EncodeItems(*source));
        GameState& g = G();
        g.lord[1][Lord::gold] = 777;
        g.modText[ModText::title] = "Running";
        const LoadResult result = LoadCheckedScenario(
            "Moor", [](GameState& s) { ScenarioSetup(s); }, g);
        if (result.Ok()) return {};
        EXPECT_EQ(result.status, LoadStatus::ioError);
        EXPECT_EQ(g.lord[1][Lord::gold], 777);
        EXPECT_EQ(g.modText[ModText::title], "Running");
        return result.message;
    }
};

TEST_F(CheckedScenario, DamagedCopiesAreRefusedAndTheRunningGameKept) {
    struct Case {
        std::function<void(GameState&)> damage;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {[](GameState& s) { s.mapSetting[MapSetting::theme] = 99; },
         "the scenario theme is 99, not a theme from 0 to 19"},
        {[](GameState& s) { s.lord[3][Lord::castleX] = s.lord[3][Lord::castleY] = 0; },
         "the red lord's castle at (0, 0) is off the map"},
        {[](GameState& s) {
             s.lord[1][Lord::castleX] = 99;
             s.lord[1][Lord::castleY] = -99;
         },
         "the blue lord's castle at (99, -99) is off the map"},
        {[](GameState& s) {
             for (int x = 1; x <= 12; ++x) {
                 for (int y = 1; y <= 11; ++y)
                     s.field[x][y][Field::owner] = 9;
             }
         },
         "the field (1, 1) is owned by 9, not by a lord from 1 to 4"},
        {[](GameState& s) {
             for (int p = 1; p <= 4; ++p)
                 s.lord[p][Lord::controller] = 9;
         },
         "the blue lord is played by 9, neither the player (1) nor the computer (2)"},
        {[](GameState& s) { s.lord[1][Lord::inGame] = s.lord[3][Lord::inGame] = 0; },
         "no lord takes part in the game"},
        {[](GameState& s) { s.monsterTable[100][MonsterTable::monsterLevel] = 11; },
         "the monster 100's level is 11, not from 0 to 10"},
        {[](GameState& s) { s.itemTable[1][ItemTable::hitStrength] = -1; },
         "the item 1's hit strength is -1, not from 0 to 100"},
        {[](GameState& s) { s.mapSite[4][MapSite::kind] = 10; },
         "the map site 4's kind is 10, not from -3 to 9"},
        {[](GameState& s) { s.mapSite[2][MapSite::taxes] = -2147483647 - 1; },
         "the map site 2's taxes is -2147483648, not from 0 to 2147483647"},
        {[](GameState& s) { s.mapSite[2][MapSite::taxes] = -1; },
         "the map site 2's taxes is -1, not from 0 to 2147483647"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadDamaged(c.damage),
                  std::string("The scenario \"Moor\" could not be loaded: ") + c.fault + ".");
    }
    // The undamaged copy loads, with the start values of a new game.
    EXPECT_EQ(LoadDamaged([](GameState&) {}), "");
    EXPECT_EQ(G().lord[1][Lord::gold], 1000);
    EXPECT_EQ(G().modText[ModText::title], "Moor");
    EXPECT_EQ(G().army[3][Army::x], 6);
    // Taxes from 0 up to the top of the range load.
    EXPECT_EQ(LoadDamaged([](GameState& s) { s.mapSite[2][MapSite::taxes] = 0; }), "");
    EXPECT_EQ(LoadDamaged([](GameState& s) { s.mapSite[2][MapSite::taxes] = 2147483647; }), "");
}

}  // namespace
