#include <gtest/gtest.h>

#include <utility>

#include "campaign/campaign_fixture.h"
#include "campaign/movement.h"
#include "campaign/spawn_fields.h"
#include "rules/dialogs.h"
#include "state/game_state.h"
#include "state/random.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;

using SpawnFieldsTest = CampaignTest;

void PutSite(int slot, int kind, int x, int y, int rounds = 5) {
    auto& s = state::G().spawnField[slot];
    s[SpawnField::present] = 1;
    s[SpawnField::kind] = kind;
    s[SpawnField::x] = x;
    s[SpawnField::y] = y;
    s[SpawnField::roundsLeft] = rounds;
}

TEST_F(SpawnFieldsTest, SitesKeepTheirDistanceAndStayOffOccupiedFields) {
    auto& g = state::G();
    // Blocked fields: a row that cannot be entered and an active map site.
    for (int x = 1; x <= 12; ++x)
        g.field[x][6][state::Field::walkable] = 0;
    g.mapSite[1][state::MapSite::active] = 1;
    g.mapSite[1][state::MapSite::x] = 5;
    g.mapSite[1][state::MapSite::y] = 5;
    PlaceArmy(2, 8, 3);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        state::SeedRandom(seed);
        for (int s = 1; s <= 10; ++s)
            g.spawnField[s] = {};
        for (int pass = 0; pass < 11; ++pass)
            logic::SpawnFields(false);
        int present = 0;
        for (int s = 1; s <= 6; ++s) {
            const auto& me = g.spawnField[s];
            if (me[SpawnField::present] <= 0) continue;
            ++present;
            const int x = me[SpawnField::x], y = me[SpawnField::y];
            ASSERT_GE(x, 1);
            ASSERT_LE(x, 12);
            ASSERT_GE(y, 1);
            ASSERT_LE(y, 11);
            EXPECT_NE(y, 6);
            EXPECT_FALSE(x == 5 && y == 5);
            EXPECT_FALSE(x == 8 && y == 3);
            for (int p = 1; p <= 4; ++p)
                EXPECT_FALSE(x == g.lord[p][Lord::castleX] && y == g.lord[p][Lord::castleY]);
            EXPECT_GE(me[SpawnField::roundsLeft], 7);
            EXPECT_LE(me[SpawnField::roundsLeft], 13);
            EXPECT_GE(me[SpawnField::kind], 1);
            EXPECT_LE(me[SpawnField::kind], 5);
            for (int t = s + 1; t <= 6; ++t) {
                const auto& other = g.spawnField[t];
                if (other[SpawnField::present] <= 0) continue;
                EXPECT_FALSE(other[SpawnField::x] == x && other[SpawnField::y] == y);
                if (other[SpawnField::kind] == me[SpawnField::kind]) {
                    EXPECT_GE(logic::StepDistance(x, y, other[SpawnField::x], other[SpawnField::y]),
                              3);
                }
            }
        }
        EXPECT_GE(present, 3);
        for (int s = 7; s <= 10; ++s)
            EXPECT_EQ(g.spawnField[s][SpawnField::present], 0);
    }
}

// Each of the ten attempts of a spawning pass places a site on a draw below 250 of 650: 249
// places one, 250 does not.
TEST_F(SpawnFieldsTest, AnAttemptSpawnsOnADrawBelow250Of650) {
    const auto present = [] {
        int n = 0;
        for (int s = 1; s <= SpawnField::kUsedRows; ++s)
            n += state::G().spawnField[s][SpawnField::present] > 0 ? 1 : 0;
        return n;
    };
    ASSERT_EQ(present(), 0);
    {
        state::ScriptedDraws draws;
        draws.Then(650, {250, 249, 649, 0, 250, 250, 250, 250, 250, 248});
        logic::SpawnFields(false);
        EXPECT_EQ(draws.Taken(650), 10);
        EXPECT_EQ(draws.Left(650), 0);
    }
    EXPECT_EQ(present(), 3);
    {
        state::ScriptedDraws draws;
        draws.Then(650, {250, 250, 250, 250, 250, 250, 250, 250, 250, 250});
        logic::SpawnFields(false);
    }
    EXPECT_EQ(present(), 3);
}

// Fills slots 2..6 with sites of no kind along row 9, so that a spawning pass places at most
// one site, in slot 1, and no distance rule between kinds applies to it.
void OnlySlotOneFree() {
    for (int s = 2; s <= 6; ++s)
        PutSite(s, 0, 2 * s - 2, 9, 50);
    state::G().spawnField[1] = {};
}

// The kind of a new site is drawn in [0, 140): up to 30 wood, up to 60 iron, up to 80 the
// trader, up to 110 a dungeon entrance, the rest stone.
TEST_F(SpawnFieldsTest, ASiteKindIsDrawnFromItsRangeOf140) {
    const std::pair<int, int> kinds[] = {{0, 1},  {30, 1}, {31, 2},  {60, 2},  {61, 3},
                                         {80, 3}, {81, 4}, {110, 4}, {111, 5}, {139, 5}};
    for (const auto& [draw, kind] : kinds) {
        OnlySlotOneFree();
        state::ScriptedDraws draws;
        draws.Then(650, {0});
        draws.Then(140, {draw});
        draws.Then(12, {5});
        draws.Then(11, {4});
        logic::SpawnFields(false);
        const auto& s = state::G().spawnField[1];
        EXPECT_EQ(s[SpawnField::present], 1) << draw;
        EXPECT_EQ(s[SpawnField::kind], kind) << draw;
        EXPECT_EQ(draws.Taken(140), 1) << draw;
        EXPECT_EQ(draws.Taken(650), 1) << draw;
    }
}

// A site is placed on column 1 + a draw in [0, 12) and row 1 + a draw in [0, 11): the draws 0
// and 11 reach columns 1 and 12, the draws 0 and 10 rows 1 and 11.
TEST_F(SpawnFieldsTest, ASiteIsPlacedOnColumn1To12AndRow1To11) {
    struct Case {
        int xDraw, yDraw, x, y;
    };
    const Case cases[] = {{0, 4, 1, 5}, {11, 4, 12, 5}, {5, 0, 6, 1}, {5, 10, 6, 11}};
    for (const Case& c : cases) {
        OnlySlotOneFree();
        state::ScriptedDraws draws;
        draws.Then(650, {0});
        draws.Then(140, {0});
        draws.Then(12, {c.xDraw});
        draws.Then(11, {c.yDraw});
        logic::SpawnFields(false);
        const auto& s = state::G().spawnField[1];
        EXPECT_EQ(s[SpawnField::present], 1);
        EXPECT_EQ(s[SpawnField::x], c.x) << c.xDraw;
        EXPECT_EQ(s[SpawnField::y], c.y) << c.yDraw;
        EXPECT_EQ(logic::SpawnFieldAt(c.x, c.y), 1);
        EXPECT_EQ(draws.Taken(12), 1);
        EXPECT_EQ(draws.Taken(11), 1);
    }
}

// A placed site stays 7 + a draw in [0, 7) rounds: 7 to 13.
TEST_F(SpawnFieldsTest, ASiteStaysSevenToThirteenRounds) {
    for (const auto& [draw, rounds] : {std::pair{0, 7}, std::pair{6, 13}}) {
        OnlySlotOneFree();
        state::ScriptedDraws draws;
        draws.Then(650, {0});
        draws.Then(12, {5});
        draws.Then(11, {4});
        draws.Then(7, {draw});
        logic::SpawnFields(false);
        EXPECT_EQ(state::G().spawnField[1][SpawnField::roundsLeft], rounds) << draw;
        EXPECT_EQ(draws.Taken(7), 1);
    }
}

TEST_F(SpawnFieldsTest, SlotsAgeExpireAndAreFoundByPlace) {
    auto& g = state::G();
    PutSite(2, 1, 4, 4, 1);
    PutSite(3, 2, 6, 4, 2);
    EXPECT_EQ(logic::SpawnFieldAt(4, 4), 2);
    EXPECT_EQ(logic::SpawnFieldAt(6, 4), 3);
    EXPECT_EQ(logic::SpawnFieldAt(5, 4), 0);
    EXPECT_EQ(logic::FreeSpawnSlot(), 1);
    // Slot 7 is beyond the spawner's six.
    g.spawnField[7] = g.spawnField[2];
    g.spawnField[7][SpawnField::x] = 9;
    EXPECT_EQ(logic::SpawnFieldAt(9, 4), 0);

    // Slot 2 expires; if it is placed again in the same pass it starts with 7 to 13 rounds.
    for (int s = 1; s <= 6; ++s)
        if (s != 2 && s != 3) PutSite(s, 5, 2 * s, 9, 50);
    logic::SpawnFields(true);
    EXPECT_TRUE(hooks.Has("DrawSpawnField 2"));
    if (g.spawnField[2][SpawnField::present] > 0) {
        EXPECT_GE(g.spawnField[2][SpawnField::roundsLeft], 7);
    } else {
        EXPECT_EQ(g.spawnField[2][SpawnField::x], 0);
    }
    EXPECT_EQ(g.spawnField[3][SpawnField::roundsLeft], 1);
    EXPECT_EQ(g.spawnField[1][SpawnField::roundsLeft], 49);
    // A freed slot forgets its place.
    logic::ClearSpawnSlot(3);
    EXPECT_EQ(g.spawnField[3][SpawnField::present], 0);
    EXPECT_EQ(g.spawnField[3][SpawnField::x], 0);
    EXPECT_EQ(g.spawnField[3][SpawnField::y], 0);
    // Without ageing nothing counts down.
    for (int s = 1; s <= 6; ++s)
        PutSite(s, 5, 2 * s, 9, 50);
    logic::SpawnFields(false);
    EXPECT_EQ(g.spawnField[1][SpawnField::roundsLeft], 50);
    EXPECT_EQ(logic::FreeSpawnSlot(), 0);
}

TEST_F(SpawnFieldsTest, AReusedSlotIsPlacedAnewNotOnItsOldField) {
    auto& g = state::G();
    // A freed slot whose old place is now an army's field.
    g.spawnField[1][SpawnField::x] = 8;
    g.spawnField[1][SpawnField::y] = 3;
    PlaceArmy(2, 8, 3);
    for (int s = 2; s <= 6; ++s)
        PutSite(s, 5, 2 * s - 2, 9, 50);
    for (unsigned seed = 1; seed <= 20 && g.spawnField[1][SpawnField::present] == 0; ++seed) {
        state::SeedRandom(seed);
        logic::SpawnFields(false);
    }
    ASSERT_EQ(g.spawnField[1][SpawnField::present], 1);
    EXPECT_FALSE(g.spawnField[1][SpawnField::x] == 8 && g.spawnField[1][SpawnField::y] == 3);
}

// A resource site gives 2 + a draw in [0, 2): the draw 0 gives two, the draw 1 three.
TEST_F(SpawnFieldsTest, ResourcesGiveTwoOrThree) {
    auto& g = state::G();
    struct Case {
        int kind, slot;
        const char *picture, *title;
    };
    const Case cases[] = {{1, Lord::wood, "wood.jpg", "Wood!"},
                          {2, Lord::iron, "iron.jpg", "Iron!"},
                          {5, Lord::stone, "stone.jpg", "Stones!"}};
    for (const Case& c : cases) {
        state::ScriptedDraws draws;
        draws.Then(2, {0, 1});
        for (const int gain : {2, 3}) {
            PutSite(4, c.kind, 1, 1);
            const int before = g.lord[1][c.slot];
            logic::PickUpField();
            EXPECT_EQ(g.lord[1][c.slot] - before, gain) << c.title;
            EXPECT_EQ(g.spawnField[4][SpawnField::present], 0);
        }
        EXPECT_EQ(draws.Taken(2), 2);
        EXPECT_EQ(dialogs.Last().picture, c.picture);
        EXPECT_EQ(dialogs.Last().title, c.title);
    }
    EXPECT_EQ(dialogs.Shown()[0].text,
              "You come to a small forest. A band of lumberjacks have felled some trees and are "
              "just cutting up the pieces. In the name of the kingdom you confiscate the wood.");
    EXPECT_TRUE(hooks.Has("Play event.wav"));
    EXPECT_TRUE(hooks.Has("DrawSpawnField 4"));

    EXPECT_FALSE(hooks.Has("TutorialStep 11"));

    // The tutorial waits for wood at step 10 and for iron at step 14; stone, and iron at the wood
    // step, move nothing.
    g.tutorialOn = true;
    g.tutorialStep = 10;
    for (int kind : {5, 2}) {
        PutSite(4, kind, 1, 1);
        logic::PickUpField();
        EXPECT_EQ(g.tutorialStep, 10) << "kind " << kind;
    }
    PutSite(4, 1, 1, 1);
    logic::PickUpField();
    EXPECT_EQ(g.tutorialStep, 11);
    EXPECT_TRUE(hooks.Has("TutorialStep 11"));
    g.tutorialStep = 14;
    PutSite(4, 2, 1, 1);
    logic::PickUpField();
    EXPECT_EQ(g.tutorialStep, 15);
    g.tutorialOn = false;

    // A computer lord picks up silently.
    const size_t shown = dialogs.Shown().size();
    TurnOf(2);
    PutSite(4, 1, 12, 1);
    logic::PickUpField();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(g.spawnField[4][SpawnField::present], 0);
}

TEST_F(SpawnFieldsTest, TheHumanMeetsTheTraderThenTrades) {
    auto& g = state::G();
    PutSite(1, 3, 1, 1);
    logic::PickUpField();
    EXPECT_EQ(dialogs.Last().picture, "m1_book.jpg");
    EXPECT_EQ(dialogs.Last().title, "Travelling trader!");
    EXPECT_EQ(dialogs.Last().text,
              "You meet a travelling trader. Maybe you can trade some goods with him...");
    ASSERT_TRUE(hooks.Has("OpenTrading"));
    const auto& o = hooks.lastOffer;
    EXPECT_GE(o.price[0], 40);
    EXPECT_LE(o.price[0], 149);
    EXPECT_GE(o.price[3], 200);
    EXPECT_LE(o.price[3], 599);
    EXPECT_GE(o.stock[1], 5);
    EXPECT_LE(o.stock[1], 9);
    EXPECT_EQ(g.spawnField[1][SpawnField::present], 0);
}

TEST_F(SpawnFieldsTest, TheDungeonEntranceOffersEnterLeaveAndTheHiddenCheat) {
    auto& g = state::G();
    const std::string text =
        "You have found the entrance to a cursed dungeon. Mighty enemies and great treasures "
        "await you in the darkness. Your men are afraid - you need to enter the dungeon alone.";
    PutSite(1, 4, 1, 1);
    logic::PickUpField();  // "Leave"
    EXPECT_EQ(dialogs.Last().title, "Dungeon");
    EXPECT_EQ(dialogs.Last().picture, "enterthedungeon.jpg");
    EXPECT_EQ(dialogs.Last().text, text);
    EXPECT_EQ(dialogs.Last().buttons, (std::vector<std::string>{"Enter dungeon", "Leave"}));
    EXPECT_EQ(g.spawnField[1][SpawnField::present], 1);

    // The cheat takes the reward without entering.
    const int gold = g.lord[1][Lord::gold];
    dialogs.Answer(logic::kOfferCheat);
    logic::PickUpField();
    EXPECT_EQ(g.spawnField[1][SpawnField::present], 0);
    EXPECT_GT(g.lord[1][Lord::gold], gold);
    EXPECT_EQ(g.lord[1][Lord::honor], 2);
    EXPECT_EQ(hooks.Count("ThemeFind 1"), 5);

    // "Enter dungeon" takes the hero into a new dungeon with the lord's treasury.
    PutSite(1, 4, 1, 1);
    EXPECT_TRUE(logic::DungeonEntranceUnderArmy());
    dialogs.Answer(logic::kOfferAction);
    logic::PickUpField();
    EXPECT_EQ(dialogs.Last().title, "Dungeon");
    EXPECT_TRUE(g.enteringDungeon);
    EXPECT_EQ(g.inDungeon, 1);
    EXPECT_EQ(g.hero[1][state::Hero::goldCarried], g.lord[1][Lord::gold]);
    EXPECT_EQ(g.spawnField[1][SpawnField::present], 0);
    EXPECT_FALSE(logic::DungeonEntranceUnderArmy());
    g.inDungeon = 0;

    // A computer lord takes the reward; one theme find in theme 7.
    g.mapSetting[state::MapSetting::theme] = 7;
    TurnOf(2);
    PutSite(2, 4, 12, 1);
    const size_t shown = dialogs.Shown().size();
    logic::PickUpField();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(hooks.Count("ThemeFind 2"), 1);
    EXPECT_EQ(g.spawnField[2][SpawnField::present], 0);
}

TEST(DungeonReward, GoldByHeroLevelAndDifficultyWithIntegerDivision) {
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 0), 250);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 1), 250);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 2), 333);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 3), 500);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 4), 667);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 5), 750);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 7), 834);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 9), 875);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 10), 1000);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 11), 1333);
    EXPECT_EQ(logic::ScaleByDifficulty(1001, 12), 1501);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, 13), 1000);
    EXPECT_EQ(logic::ScaleByDifficulty(1000, -1), 1000);
    EXPECT_EQ(logic::ScaleByDifficulty(3, 0), 0);

    struct Range {
        int level, low, high;
    };
    const Range ranges[] = {{0, 500, 749},   {1, 500, 749},   {2, 1000, 1499}, {3, 1000, 1499},
                            {4, 1500, 3499}, {5, 1500, 3499}, {6, 2000, 4999}, {7, 2500, 6499},
                            {9, 2500, 6499}, {10, 0, 0},      {-3, 500, 749}};
    // Each level's draw at both of its edges gives the range's lowest and highest sum.
    for (const Range& r : ranges) {
        state::ScriptedDraws draws;
        const int width = r.high - r.low + 1;
        if (r.high > 0) draws.Then(width, {0, width - 1});
        EXPECT_EQ(logic::DungeonGoldByLevel(r.level), r.low) << r.level;
        EXPECT_EQ(logic::DungeonGoldByLevel(r.level), r.high) << r.level;
        EXPECT_EQ(draws.Taken(width), r.high > 0 ? 2 : 0) << r.level;
    }
}

// A computer lord's hero rises on a draw of 100 below its difficulty's chance: one below the
// chance rises, the chance itself does not; a difficulty outside the table has 10.
TEST_F(SpawnFieldsTest, TheHeroLevelRollRisesBelowTheChanceOfItsDifficulty) {
    auto& g = state::G();
    const std::pair<int, int> chances[] = {{0, 20},  {1, 20},  {2, 25}, {3, 30},  {4, 35},
                                           {5, 40},  {8, 40},  {9, 45}, {10, 50}, {11, 65},
                                           {12, 75}, {13, 10}, {-1, 10}};
    for (const auto& [difficulty, chance] : chances) {
        g.lord[2][Lord::difficulty] = difficulty;
        g.lord[2][Lord::heroLevel] = 3;
        state::ScriptedDraws draws;
        draws.Then(100, {chance, chance - 1});
        logic::ComputerHeroLevelUpChance(2);
        EXPECT_EQ(g.lord[2][Lord::heroLevel], 3) << difficulty;
        logic::ComputerHeroLevelUpChance(2);
        EXPECT_EQ(g.lord[2][Lord::heroLevel], 4) << difficulty;
    }
}

TEST_F(SpawnFieldsTest, TheHeroLevelRollStopsAtEightForComputers) {
    auto& g = state::G();
    g.lord[2][Lord::difficulty] = 12;  // 75 in 100
    g.lord[2][Lord::heroLevel] = 1;
    for (int i = 0; i < 200; ++i)
        logic::ComputerHeroLevelUpChance(2);
    EXPECT_EQ(g.lord[2][Lord::heroLevel], 8);
    // The human hero rises through the level-up window instead, each time, up to level 8.
    g.hero[1][state::Hero::level] = 1;
    g.lord[1][Lord::heroLevel] = 1;
    g.lord[1][Lord::difficulty] = 12;
    for (int i = 0; i < 20; ++i)
        logic::ComputerHeroLevelUpChance(1);
    EXPECT_EQ(g.lord[1][Lord::heroLevel], g.hero[1][state::Hero::level]);
    EXPECT_EQ(hooks.Count("OpenLevelUp"), g.hero[1][state::Hero::level] - 1);
    EXPECT_GT(hooks.Count("OpenLevelUp"), 5);
}

}  // namespace
}  // namespace camptest
