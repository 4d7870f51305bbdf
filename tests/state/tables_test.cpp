#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "state/game_state.h"
#include "state/reset.h"

namespace {

using namespace state;

TEST(GameStateTables, CheckedAccessKeepsToDeclaredRanges) {
    auto g = std::make_unique<GameState>();
    // Rows from 1, except the tables that have a row 0.
    EXPECT_EQ(g->lord.Find(0, 1), nullptr);
    EXPECT_EQ(g->lord.Find(5, 1), nullptr);
    EXPECT_EQ(g->lord.Find(1, 0), nullptr);
    EXPECT_EQ(g->lord.Find(1, 101), nullptr);
    EXPECT_EQ(g->lord.Find(4, 100), &g->lord[4][100]);
    EXPECT_EQ(g->army.Find(0, 1), &g->army[0][1]);
    EXPECT_NE(g->monsterTable.Find(0, 1), nullptr);
    EXPECT_NE(g->itemText.Find(0, 10), nullptr);
    EXPECT_EQ(g->itemText.Find(501, 1), nullptr);
    EXPECT_EQ(g->troopType.Find(100, 4), nullptr);
    EXPECT_NE(g->troopType.Find(100, 3), nullptr);
    EXPECT_EQ(g->field.Find(13, 1, 1), nullptr);
    EXPECT_EQ(g->field.Find(12, 12, 1), nullptr);
    EXPECT_EQ(g->field.Find(12, 11, 100), &g->field[12][11][100]);
    EXPECT_EQ(g->room.Find(8, 1, 1), nullptr);
    EXPECT_EQ(g->room.Find(0, 1, 1), nullptr);
    EXPECT_EQ(g->aiFieldScore.Find(12, 0), nullptr);
    EXPECT_EQ(g->reservedA.Find(5), nullptr);
    EXPECT_EQ(g->reservedB.Find(100, 7, 6), nullptr);
    EXPECT_EQ(g->realmName.Find(5), nullptr);
    EXPECT_THROW(g->storedDungeonPickup.At(101, 1, 1), std::out_of_range);
    EXPECT_THROW(g->mapSetting.At(0), std::out_of_range);
    g->lord.At(2, Lord::gold) = 77;
    EXPECT_EQ(g->lord[2][Lord::gold], 77);
    // The dungeon board keeps a border of rock for neighbour tests.
    EXPECT_EQ(g->room[0][3][Room::exists], 0);
    EXPECT_EQ(g->room[8][6][Room::exists], 0);
}

TEST(GameStateTables, ProgramStartsWithLordOneAndEverythingElseZero) {
    auto freshState = std::make_unique<GameState>();
    const GameState& fresh = *freshState;
    EXPECT_EQ(fresh.currentLord, 1);
    EXPECT_EQ(fresh.dungeonLord, 1);
    EXPECT_EQ(fresh.inDungeon, 0);
    EXPECT_EQ(fresh.lord[1][Lord::inGame], 0);
    EXPECT_TRUE(fresh.realmName[1].empty());
    EXPECT_EQ(&G(), &G());
}

// Marks every slot a game can leave behind.
void Scribble(GameState& g) {
    for (int r = 0; r <= 500; ++r) {
        for (int s = 1; s <= 100; ++s) {
            if (r <= 4) g.lord[r][s] = g.army[r][s] = g.hero[r][s] = g.heroSkill[r][s] = 9;
            if (r <= 100) g.monsterTable[r][s] = 9;
            g.itemTable[r][s] = 9;
        }
    }
    g.troopType[100][3] = g.room[7][5][100] = g.reservedA[4] = g.mapSetting[3] = 9;
    g.modSetting[1] = g.heroGear[4][4][100] = g.opponent[3] = g.field[12][11][100] = 9;
    g.aiFieldScore[12][11] = g.battleOrdersOwn[3][100] = g.battleOrdersFoe[1][1] = 9;
    g.spawnField[10][5] = g.mapSite[10][100] = g.aiPlanA[48][100] = g.aiPlanB[1][1] = 9;
    g.dungeonPickup[7][100] = 9;
    g.dungeonTurn = g.inDungeon = g.currentLord = g.dungeonLord = 3;
    g.gameOver = g.enteringDungeon = g.battleStarted = true;
    g.realmName[1] = "kept";
}

TEST(GameStateTables, ResetClearsWhatAGameLeavesAndIsIdempotent) {
    auto g = std::make_unique<GameState>();
    Scribble(*g);
    ResetGameState(*g);
    for (int r = 1; r <= 500; ++r) {
        for (int s = 1; s <= 100; ++s) {
            if (r <= 4) {
                ASSERT_EQ(g->lord[r][s], 0);
                ASSERT_EQ(g->army[r][s], 0);
                ASSERT_EQ(g->hero[r][s], 0);
                ASSERT_EQ(g->heroSkill[r][s], 0);
            }
            if (r <= 100) {
                ASSERT_EQ(g->monsterTable[r][s], 0);
            }
            ASSERT_EQ(g->itemTable[r][s], 0);
        }
    }
    EXPECT_EQ(g->army[0][1], 0);  // the scratch army of the last city fight
    EXPECT_EQ(g->troopType[100][3], 0);
    EXPECT_EQ(g->room[7][5][100], 0);
    EXPECT_EQ(g->reservedA[4], 0);
    EXPECT_EQ(g->mapSetting[3], 0);
    EXPECT_EQ(g->modSetting[1], 0);
    EXPECT_EQ(g->heroGear[4][4][100], 0);
    EXPECT_EQ(g->opponent[3], 0);
    EXPECT_EQ(g->field[12][11][100], 0);
    EXPECT_EQ(g->aiFieldScore[12][11], 0);
    EXPECT_EQ(g->battleOrdersOwn[3][100] + g->battleOrdersFoe[1][1], 0);
    EXPECT_EQ(g->spawnField[10][5] + g->mapSite[10][100], 0);
    EXPECT_EQ(g->aiPlanA[48][100] + g->aiPlanB[1][1], 0);
    EXPECT_EQ(g->dungeonPickup[7][100], 0);
    EXPECT_EQ(g->dungeonTurn, 0);
    EXPECT_EQ(g->inDungeon, 0);
    EXPECT_EQ(g->currentLord, 1);
    EXPECT_EQ(g->dungeonLord, 1);
    EXPECT_FALSE(g->gameOver || g->enteringDungeon || g->battleStarted);
    // Row 0 of the catalogues belongs to the map events and theme finds; strings to the loaders.
    EXPECT_EQ(g->monsterTable[0][1], 9);
    EXPECT_EQ(g->itemTable[0][1], 9);
    EXPECT_EQ(g->realmName[1], "kept");

    auto once = std::make_unique<GameState>(*g);
    ResetGameState(*g);
    EXPECT_EQ(g->lord.row, once->lord.row);
    EXPECT_EQ(g->field.cell, once->field.cell);
    EXPECT_EQ(g->itemTable.row, once->itemTable.row);
    EXPECT_EQ(g->currentLord, once->currentLord);
}

}  // namespace
