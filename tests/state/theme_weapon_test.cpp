#include <gtest/gtest.h>

#include <memory>

#include "state/new_game.h"
#include "state/saved_games.h"
#include "state/temp_folders.h"
#include "state/theme_weapon.h"

namespace {

using namespace state;

class SpecialItemRow : public statetest::TempFolders {
  protected:
    // A game of the theme whose row 0 holds something else (a stale row of an earlier game).
    void Game(int theme) {
        GameState& g = G();
        g = *std::make_unique<GameState>();
        g.mapSetting[MapSetting::theme] = theme;
        g.itemTable[0][ItemTable::exists] = 1;
        g.itemTable[0][ItemTable::itemKind] = 3;
        g.itemTable[0][7] = 77;
        g.itemText[0][ItemText::fullName] = "Stale";
        // One lord in the game with its castle and army on the map, so that a save loads.
        g.lord[1][Lord::inGame] = 1;
        g.lord[1][Lord::controller] = 1;
        g.lord[1][Lord::castleX] = 2;
        g.lord[1][Lord::castleY] = 2;
        g.army[1][Army::present] = 1;
        g.army[1][Army::x] = 2;
        g.army[1][Army::y] = 2;
        g.currentLord = 1;
    }
};

TEST_F(SpecialItemRow, MatchesTheThemeAfterANewGameAndAfterALoad) {
    GameState& g = G();
    struct Case {
        int theme;
        const char* name;
        Int kind, hit, damage;
    };
    for (const Case& c : {Case{7, "\"Bow Of Tir Elgire\"", 2, 0, 4},
                          Case{18, "\"Sword of Nara\u00b4gul\"", 1, 4, 0}}) {
        Game(c.theme);
        ScenarioSetup();
        EXPECT_EQ(g.itemText[0][ItemText::fullName], c.name);
        EXPECT_EQ(g.itemText[0][2], " ");
        EXPECT_EQ(g.itemText[0][ItemText::shortName], "Weapon");
        EXPECT_EQ(g.itemTable[0][ItemTable::itemKind], c.kind);
        EXPECT_EQ(g.itemTable[0][ItemTable::itemLevel], 10);
        EXPECT_EQ(g.itemTable[0][ItemTable::rarity], 1);
        EXPECT_EQ(g.itemTable[0][ItemTable::itemValue], 4000);
        EXPECT_EQ(g.itemTable[0][ItemTable::hitStrength], c.hit);
        EXPECT_EQ(g.itemTable[0][ItemTable::damageStrength], c.damage);
        EXPECT_EQ(g.itemTable[0][7], 77);  // slots 6 to 9 are not the item's

        // Saved without row 0, loaded into a game of another theme: filled again.
        std::string error;
        g.currentLord = 1;  // the set-up leaves the last lord it looked at
        ASSERT_TRUE(SaveGame(1, error)) << error;
        Game(3);
        ASSERT_TRUE(LoadGame(1, error)) << error;
        EXPECT_EQ(g.mapSetting[MapSetting::theme], c.theme);
        EXPECT_EQ(g.itemText[0][ItemText::fullName], c.name);
        EXPECT_EQ(g.itemTable[0][ItemTable::itemKind], c.kind);
    }
    // Any other theme: the row is empty after a new game and after a load.
    Game(2);
    ScenarioSetup();
    EXPECT_EQ(g.itemTable[0][ItemTable::exists], 0);
    EXPECT_EQ(g.itemText[0][ItemText::fullName], "");
    std::string error;
    g.currentLord = 1;
    ASSERT_TRUE(SaveGame(2, error)) << error;
    Game(7);
    FillSpecialItemRow();
    ASSERT_TRUE(LoadGame(2, error)) << error;
    EXPECT_EQ(g.itemTable[0][ItemTable::exists], 0);
    EXPECT_EQ(g.itemTable[0][ItemTable::itemKind], 0);
}

}  // namespace
