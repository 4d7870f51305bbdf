#include <gtest/gtest.h>

#include "state/new_game.h"
#include "state/reset.h"

namespace {

using namespace state;

TEST(NewGame, EveryLordStartsAlikeWhetherOrNotItTakesPart) {
    GameState g;
    ResetGameState(g);
    const int castles[4][2] = {{2, 9}, {11, 2}, {11, 10}, {2, 2}};
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][Lord::inGame] = p == 3 ? 0 : 1;
        g.lord[p][Lord::castleX] = castles[p - 1][0];
        g.lord[p][Lord::castleY] = castles[p - 1][1];
        g.lord[p][Lord::gold] = 77;  // the map's value is overwritten
        g.lord[p][Lord::wood] = 5;   // other slots keep the map's values
    }
    ScenarioSetup(g);
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(g.lord[p][Lord::gold], 1000);
        EXPECT_EQ(g.lord[p][Lord::wood], 5);
        EXPECT_EQ(g.lord[p][Lord::moveRange], 5);
        EXPECT_EQ(g.lord[p][Lord::heroLevel], 1);
        EXPECT_EQ(g.army[p][Army::present], 1);
        EXPECT_EQ(g.army[p][Army::soldiers], 4);
        EXPECT_EQ(g.army[p][Army::x], castles[p - 1][0]);
        EXPECT_EQ(g.army[p][Army::y], castles[p - 1][1]);
        EXPECT_EQ(g.field[castles[p - 1][0]][castles[p - 1][1]][Field::owner], p);
        EXPECT_EQ(g.hero[p][7], 400);
        EXPECT_EQ(g.hero[p][Hero::health], 25);
    }
    EXPECT_EQ(g.troopType[9][1], 30);
    EXPECT_EQ(g.troopType[11][2], 10);
    EXPECT_EQ(g.troopType[12][1], 0);
    EXPECT_EQ(g.battleOrdersFoe[1][2], 3);
    EXPECT_EQ(g.battleOrdersOwn[3][1], 3);
    EXPECT_EQ(g.realmName[3], "Sulatanate Kuninda");
    EXPECT_EQ(g.heroName[4], "Sultan Samudragupta");
    // The first NextLord wraps from 4 to lord 1.
    EXPECT_EQ(g.currentLord, 4);
    EXPECT_EQ(g.dungeonLord, 4);

    SetDifficulty(kDifficultyValues[6], g);
    EXPECT_EQ(g.lord[1][Lord::difficulty], 12);  // "God-like" stores 12, not 7
    EXPECT_EQ(g.lord[3][Lord::difficulty], 1);   // not taking part: keeps its level
}

TEST(NewGame, ACastleOffTheMapOwnsNoField) {
    GameState g;
    ResetGameState(g);
    g.lord[1][Lord::castleX] = 0;
    g.lord[1][Lord::castleY] = 5;
    g.lord[2][Lord::castleX] = 13;
    g.lord[2][Lord::castleY] = 1;
    g.lord[3][Lord::castleX] = -4;
    g.lord[3][Lord::castleY] = 12;
    ScenarioSetup(g);  // must not write outside the map
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            EXPECT_EQ(g.field[x][y][Field::owner], 0);
    }
}

}  // namespace
