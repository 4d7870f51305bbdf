// Floors and room contents: the generator's invariants over many seeds, the room kinds, the
// weighted draws at their edges and the boss choice.
#include <cstdlib>
#include <queue>
#include <string>
#include <utility>

#include "dungeon/duel.h"
#include "dungeon/dungeon_fixture.h"
#include "dungeon/exploration.h"
#include "dungeon/floor_generator.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/room_content.h"
#include "dungeon/rooms.h"
#include "dungeon/weighted_pick.h"
#include "state/game_state.h"
#include "state/random.h"

namespace dungeontest {
namespace {

namespace Room = state::Room;
namespace Hero = state::Hero;

int Doors(const state::RecordOf<100>& r) {
    return r[Room::doorNorth] + r[Room::doorEast] + r[Room::doorSouth] + r[Room::doorWest];
}

TEST_F(DungeonTest, EveryGeneratedFloorKeepsItsInvariants) {
    auto& g = state::G();
    g.hero[1][Hero::floor] = 1;
    g.hero[1][Hero::floorCount] = 1;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        state::SeedRandom(seed);
        g.floorGenerated = false;
        int calls = 0;
        while (!g.floorGenerated && calls++ < 20)
            logic::GenerateFloor();
        ASSERT_TRUE(g.floorGenerated);
        int rooms = 0, starts = 0, bosses = 0, sx = 0, sy = 0, bx = 0, by = 0;
        for (int x = 0; x <= 8; ++x) {
            for (int y = 0; y <= 6; ++y) {
                const auto& r = g.room[x][y];
                if (!logic::OnBoard(x, y)) {
                    ASSERT_EQ(r[Room::exists], 0);  // the border stays rock
                    continue;
                }
                if (r[Room::exists] != 1) continue;
                ++rooms;
                ASSERT_LT(Doors(r), 4);
                // Doors are symmetric and lead to rooms.
                ASSERT_EQ(r[Room::doorEast], g.room[x + 1][y][Room::exists] == 1 ? 1 : 0);
                ASSERT_EQ(r[Room::doorSouth], g.room[x][y + 1][Room::exists] == 1 ? 1 : 0);
                if (r[Room::doorEast]) {
                    ASSERT_EQ(g.room[x + 1][y][Room::doorWest], 1);
                }
                if (r[Room::doorSouth]) {
                    ASSERT_EQ(g.room[x][y + 1][Room::doorNorth], 1);
                }
                if (!r[Room::doorEast] && !r[Room::doorWest] && r[Room::stairs] == 0 &&
                    r[Room::event] == 0) {
                    ASSERT_EQ(r[Room::kind], 2);
                }
                if (r[Room::stairs] == 2) {
                    ++starts;
                    sx = x;
                    sy = y;
                    ASSERT_EQ(r[Room::kind], 6);
                }
                if (r[Room::event] == 1) {
                    ++bosses;
                    bx = x;
                    by = y;
                    ASSERT_EQ(r[Room::kind], 8);
                }
                ASSERT_NE(r[Room::stairs], 1);
            }
        }
        ASSERT_GE(rooms, logic::kMinFloorRooms);
        ASSERT_LE(rooms, 35);
        ASSERT_EQ(starts, 1);
        ASSERT_EQ(bosses, 1);
        ASSERT_TRUE(sx >= 2 && sx <= 6 && sy >= 2 && sy <= 4);
        ASSERT_GE(std::abs(sx - bx) + std::abs(sy - by), 5);
        // Every room is reached from the stairway through its doors.
        bool seen[9][7] = {};
        std::queue<std::pair<int, int>> open;
        open.push({sx, sy});
        seen[sx][sy] = true;
        int reached = 0;
        while (!open.empty()) {
            auto [x, y] = open.front();
            open.pop();
            ++reached;
            const auto& r = g.room[x][y];
            const std::pair<int, int> next[4] = {{x, y - 1}, {x + 1, y}, {x, y + 1}, {x - 1, y}};
            const int doors[4] = {r[Room::doorNorth], r[Room::doorEast], r[Room::doorSouth],
                                  r[Room::doorWest]};
            for (int d = 0; d < 4; ++d) {
                if (!doors[d] || seen[next[d].first][next[d].second]) continue;
                seen[next[d].first][next[d].second] = true;
                open.push(next[d]);
            }
        }
        ASSERT_EQ(reached, rooms);
    }
    // With a floor below, the far end is the stairway down instead of the boss.
    g.hero[1][Hero::floorCount] = 2;
    g.floorGenerated = false;
    while (!g.floorGenerated)
        logic::GenerateFloor();
    int down = 0;
    for (int x = 1; x <= 7; ++x) {
        for (int y = 1; y <= 5; ++y) {
            down += g.room[x][y][Room::stairs] == 1 && g.room[x][y][Room::kind] == 7;
            EXPECT_NE(g.room[x][y][Room::event], 1);
        }
    }
    EXPECT_EQ(down, 1);
}

TEST(RoomKinds, LookupsDrawsAndUnknownKinds) {
    EXPECT_EQ(logic::RoomPicture(0), "m1_set1_cave");
    EXPECT_EQ(logic::RoomName(8), "Bone room");
    EXPECT_EQ(logic::RoomPicture(8), "M1_set1_bones");
    EXPECT_EQ(logic::RoomPicture(12), "blackroom");
    EXPECT_EQ(logic::RoomName(-3), "Dungeon room");
    EXPECT_EQ(logic::RoomDescription(40), logic::RoomDescription(1));
    EXPECT_EQ(logic::RoomName(6), "Stairway up");
    state::SeedRandom(9);
    int counts[12] = {};
    for (int i = 0; i < 7000; ++i)
        ++counts[logic::RandomRoomKind()];
    for (int k : {2, 3, 6, 7})
        EXPECT_EQ(counts[k], 0);
    for (int k : {1, 4, 5, 8, 9, 10})
        EXPECT_NEAR(counts[k], 7000 * 21 / 140, 150) << k;
    EXPECT_NEAR(counts[11], 7000 * 19 / 140, 150);
}

// An ordinary room's kind is drawn in [0, 140): below 21 kind 1, below 41 kind 4, below 61
// kind 5, below 81 kind 8, below 101 kind 9, below 121 kind 10, the rest kind 11.
TEST(RoomKinds, AKindIsDrawnFromItsRangeOf140) {
    const std::pair<int, int> kinds[] = {{0, 1},    {20, 1},   {21, 4},   {40, 4},  {41, 5},
                                         {60, 5},   {61, 8},   {80, 8},   {81, 9},  {100, 9},
                                         {101, 10}, {120, 10}, {121, 11}, {139, 11}};
    for (const auto& [draw, kind] : kinds) {
        state::ScriptedDraws draws;
        draws.Then(140, {draw});
        EXPECT_EQ(logic::RandomRoomKind(), kind) << draw;
        EXPECT_EQ(draws.Taken(140), 1);
    }
}

// The arrival room stands on column 2 + a draw in [0, 5) and row 2 + a draw in [0, 3): 2 to 6
// and 2 to 4.
TEST_F(DungeonTest, TheArrivalRoomIsDrawnOnColumns2To6AndRows2To4) {
    auto& g = state::G();
    g.hero[1][Hero::floor] = 1;
    g.hero[1][Hero::floorCount] = 1;
    struct Case {
        int xDraw, yDraw, x, y;
    };
    for (const Case& c : {Case{0, 0, 2, 2}, Case{4, 2, 6, 4}, Case{0, 2, 2, 4}, Case{4, 0, 6, 2}}) {
        SCOPED_TRACE(std::to_string(c.x) + " " + std::to_string(c.y));
        g.floorGenerated = false;
        {
            // A call without an accepted growth starts over with a new arrival room.
            state::ScriptedDraws draws;
            for (int call = 1; call <= 20 && !g.floorGenerated; ++call) {
                draws.Then(5, {c.xDraw});
                draws.Then(3, {c.yDraw});
                logic::GenerateFloor();
                EXPECT_EQ(draws.Taken(5), call);
                EXPECT_EQ(draws.Taken(3), call);
            }
        }
        ASSERT_TRUE(g.floorGenerated);
        int arrivals = 0;
        for (int x = 1; x <= 7; ++x) {
            for (int y = 1; y <= 5; ++y)
                arrivals += g.room[x][y][Room::stairs] == 2;
        }
        EXPECT_EQ(arrivals, 1);
        EXPECT_EQ(g.room[c.x][c.y][Room::stairs], 2);
        EXPECT_EQ(g.room[c.x][c.y][Room::kind], 6);
    }
}

// The growth drawn step by step. Each room of the newest step first draws 1 + [0, 100): above 50
// it only shuffles the direction slots (two more such draws) and does not grow; else a second
// such draw, above 50, puts north and south in slots 1 and 2 (each pair in the order of one more
// draw: the first of the pair first when it is above 50). Then it tries the four slots in turn,
// each growing on 1 + [0, 5000) below its chance, where the map's edge stops it: the first try
// has 3000 with no room around, 500 with one and 50 with more; the later ones 3000 with at most
// one room around, 500 with two and 50 with more. Here the chances of 3000 and 500 are met at
// g = chance - 1 and missed at g = chance, those of 50 missed at g = 50 (a larger chance would
// grow into a room already there), so that a growth of thirteen rooms comes out: a first attempt
// whose arrival room grows nothing is thrown away, the second runs (2, 2) west, north, then east
// along row 1 and south down column 7.
TEST_F(DungeonTest, TheFloorGrowsOnItsDrawsAtTheEdgesOfEachChance) {
    auto& g = state::G();
    g.hero[1][Hero::floor] = 1;
    g.hero[1][Hero::floorCount] = 1;
    g.room.Clear();
    g.floorGenerated = false;
    state::ScriptedDraws draws;
    draws.Then(5, {0});  // arrival (2, 2)
    draws.Then(3, {0});
    // The draws of 100, as r = 1 + draw: 49 is r = 50 (not above 50), 50 is r = 51.
    draws.Then(100, {
                        49, 49,          // attempt 1, (2, 2): no shuffle, keeps W E N S
                        49, 49,          // (2, 2)
                        49, 50, 50, 49,  // (1, 2): N S first (N first), then E W
                        49, 49,          // (1, 1)
                        49, 50, 49, 49,  // (2, 1): S N, then E W
                        49, 49,          // (3, 1)
                        49, 49,          // (4, 1)
                        49, 49,          // (5, 1)
                        49, 49,          // (6, 1)
                        49, 49,          // (7, 1)
                        49, 49,          // (7, 2)
                        49, 49,          // (7, 3)
                        49, 49,          // (7, 4)
                        50, 99, 0,       // (7, 5): shuffles only, grows nothing
                    });
    // The draws of 5000, as g = 1 + draw against the chance c: c - 2 grows, c - 1 does not.
    draws.Then(5000, {
                         2999, 2999, 2999, 2999,  // attempt 1, (2, 2): 3000 each, none grows
                         2998, 2999, 2999, 2999,  // (2, 2): W grows at 3000, E N S miss at 3000
                         498, 499, 499, 0,        // (1, 2): N grows at 500, S E miss at 500, W edge
                         0, 2999, 2998, 0,        // (1, 1): N edge, S misses and E grows at 3000
                         49, 0, 498, 49,          // (2, 1): S misses at 50, E grows at 500, W
                                                  // misses at 50
                         499, 0, 2998, 499,       // (3, 1): S misses at 500, E grows at 3000
                         499, 0, 2998, 499,       // (4, 1)
                         499, 0, 2998, 499,       // (5, 1)
                         499, 0, 2998, 499,       // (6, 1)
                         498, 0, 0, 499,          // (7, 1): S grows at 500, W misses at 500
                         498, 499, 0, 499,        // (7, 2): S grows, N (the room before) misses
                         498, 499, 0, 499,        // (7, 3)
                         498, 499, 0, 499,        // (7, 4)
                     });
    logic::GenerateFloor();
    EXPECT_EQ(draws.Left(100), 0);
    EXPECT_EQ(draws.Left(5000), 0);
    EXPECT_EQ(draws.Taken(100), 33);
    EXPECT_EQ(draws.Taken(5000), 52);
    ASSERT_TRUE(g.floorGenerated);
    const char* const rows[5] = {"XXXXXXX", "XX....X", "......X", "......X", "......X"};
    for (int y = 1; y <= 5; ++y) {
        for (int x = 1; x <= 7; ++x) {
            EXPECT_EQ(g.room[x][y][Room::exists], rows[y - 1][x - 1] == 'X' ? 1 : 0)
                << x << " " << y;
        }
    }
    EXPECT_EQ(g.room[2][2][Room::stairs], 2);
    // The room grown last, (7, 5), is the far end: the boss room on the last floor.
    EXPECT_EQ(g.room[7][5][Room::kind], 8);
    EXPECT_EQ(g.room[7][5][Room::event], 1);
}

TEST(WeightedPick, TotalZeroDrawsNothingAndBoundariesPickTheRightRow) {
    state::SeedRandom(5);
    const int next = state::Random(1000);
    state::SeedRandom(5);
    EXPECT_EQ(logic::WeightedPick({{3, 0}, {4, 0}}), 0);
    EXPECT_EQ(logic::WeightedPick({}), 0);
    EXPECT_EQ(state::Random(1000), next);  // no draw was made
    int picked[4] = {};
    for (int i = 0; i < 3000; ++i)
        ++picked[logic::WeightedPick({{1, 1}, {2, 0}, {3, 2}})];
    EXPECT_EQ(picked[2], 0);
    EXPECT_NEAR(picked[1], 1000, 100);
    EXPECT_NEAR(picked[3], 2000, 100);
}

TEST(GoldClasses, ByMonsterLevelAndDrawBoundaries) {
    EXPECT_EQ(logic::GoldClassFor(0, 30), 1);
    EXPECT_EQ(logic::GoldClassFor(2, 31), 2);
    EXPECT_EQ(logic::GoldClassFor(1, 60), 2);
    EXPECT_EQ(logic::GoldClassFor(1, 61), 3);
    EXPECT_EQ(logic::GoldClassFor(1, 81), 4);
    EXPECT_EQ(logic::GoldClassFor(3, 0), 2);
    EXPECT_EQ(logic::GoldClassFor(4, 99), 5);
    EXPECT_EQ(logic::GoldClassFor(6, 81), 6);
    EXPECT_EQ(logic::GoldClassFor(7, 100), 7);
    EXPECT_EQ(logic::GoldClassFor(7, 101), 8);
    EXPECT_EQ(logic::GoldClassFor(8, 120), 8);
    EXPECT_EQ(logic::GoldClassFor(8, 121), 9);
    EXPECT_EQ(logic::GoldClassFor(9, 10), 0);
    EXPECT_EQ(logic::GoldClassFor(-1, 10), 0);
}

TEST_F(DungeonTest, MonstersAndTreasuresStayWithinTheirLevelWindow) {
    for (int m = 1; m <= 10; ++m)
        AddMonster(m, m);
    for (int i = 0; i < 2000; ++i) {
        const int m = logic::PickRoomMonster(1);
        EXPECT_TRUE(m == 1 || m == 2) << m;
    }
    // Only a rare monster one level up: weight 30 / 4 = 7, still picked.
    state::G().monsterTable.ClearRows(1, 100);
    AddMonster(5, 2, 1);
    EXPECT_EQ(logic::PickRoomMonster(1), 5);
    EXPECT_EQ(logic::PickRoomMonster(4), 0);

    // An epic item one level below weighs 30 / 32 = 0: no item although a row qualifies.
    AddItem(1, 3, 4, 1);
    for (int i = 0; i < 200; ++i)
        EXPECT_LE(logic::PickGuardedTreasure(5), 0);
    // Level 9 and 10 monsters always guard an item, never gold.
    AddItem(2, 1, 9, 3);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(logic::PickGuardedTreasure(9), 2);
        EXPECT_EQ(logic::PickGuardedTreasure(10), 2);
    }
}

TEST_F(DungeonTest, RandomItemOfHeroLevelWeighsRarityAndNeverGivesRowZero) {
    AddItem(0, 1, 1, 3);  // the scenario's special item is never drawn
    AddItem(3, 1, 2, 3);  // another level
    EXPECT_EQ(logic::RandomItemOfHeroLevel(), 0);
    AddItem(4, 1, 1, 1);
    AddItem(5, 1, 1, 3);
    int epic = 0;
    for (int i = 0; i < 4010; ++i) {
        const int item = logic::RandomItemOfHeroLevel();
        ASSERT_TRUE(item == 4 || item == 5);
        epic += item == 4;
    }
    EXPECT_LT(epic, 40);  // 1 in 401
}

TEST_F(DungeonTest, RoomEventsFollowTheirChancesAndTheQuestSites) {
    auto& g = state::G();
    int counts[14] = {};
    for (int i = 0; i < 10000; ++i)
        ++counts[logic::PickRoomEvent()];
    EXPECT_EQ(counts[8] + counts[9] + counts[10] + counts[0] + counts[1], 0);
    EXPECT_NEAR(counts[2], 10000 * 56 / 100 * 11 / 50, 150);  // a <= 40 and the fallback
    EXPECT_NEAR(counts[7], 10000 * 44 / 100 * 9 / 40, 150);
    g.mapSite[1][state::MapSite::kind] = 2;
    g.mapSite[2][state::MapSite::kind] = 3;
    int doll = 0, dust = 0;
    for (int i = 0; i < 10000; ++i) {
        const int e = logic::PickRoomEvent();
        doll += e == 8;
        dust += e == 9;
    }
    EXPECT_NEAR(doll, 10000 * 15 / 100 * 11 / 20, 150);
    EXPECT_NEAR(dust, 10000 * 15 / 100 * 9 / 20, 150);
    g.lord[1][state::Lord::voodooDoll] = 1;
    for (int i = 0; i < 2000; ++i)
        EXPECT_NE(logic::PickRoomEvent(), 8);
}

TEST_F(DungeonTest, TheBossIsTwoLevelsUpOrLevelNineAndNeedsAnItem) {
    auto& g = state::G();
    MakeCorridorFloor();
    g.room[3][3][Room::event] = 1;
    g.hero[1][Hero::posX] = 3;
    AddMonster(1, 3);
    AddMonster(2, 9);
    // No item of the boss's level: the dungeon is cleared at once.
    g.hero[1][Hero::goldCarried] = 120;
    logic::BossRoom();
    EXPECT_EQ(g.inDungeon, 0);
    EXPECT_TRUE(dialogs.ShownText(
        "You have killed all monsters in the dungeon. It appears there is no boss monster here. "
        "You return to your waiting troops...with your treasures..."));
    EXPECT_EQ(g.lord[1][state::Lord::gold], 120);
    EXPECT_EQ(g.lord[1][state::Lord::honor], 2);
    EXPECT_EQ(dialogs.Last().text, "For clearing this dungeon you receive 2 honor points!");

    MakeCorridorFloor();
    g.room[3][3][Room::event] = 1;
    g.hero[1][Hero::posX] = 3;
    AddItem(7, 2, 3, 3);  // common items never guard a boss
    logic::BossRoom();
    EXPECT_EQ(g.inDungeon, 0);

    MakeCorridorFloor();
    g.room[3][3][Room::event] = 1;
    g.hero[1][Hero::posX] = 3;
    AddItem(8, 2, 3, 2);
    logic::BossRoom();
    EXPECT_EQ(g.inDungeon, 1);
    EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].title, "Boss monster!");
    EXPECT_EQ(g.opponent[state::Opponent::oppMonster], 1);
    EXPECT_EQ(g.room[3][3][Room::treasure], 8);
    // Killing it hands out the item and clears the dungeon.
    view.foundItemAnswer = "keep";
    g.opponent[state::Opponent::oppHealth] = 0;
    logic::CheckDuelEnd();
    EXPECT_TRUE(view.Has("OpenFoundItem 8 Item 8 0"));
    EXPECT_EQ(g.room[3][3][Room::event], 0);
    EXPECT_EQ(g.inDungeon, 0);
    EXPECT_TRUE(logic::CarriesItem(1, 8));

    g.hero[1][Hero::level] = 8;
    EXPECT_EQ(logic::PickBoss(8), 2);
}

}  // namespace
}  // namespace dungeontest
