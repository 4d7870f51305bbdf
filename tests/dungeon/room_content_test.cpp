// What a new room holds, at both edges of each of its draws: an event or a monster, the event's
// tables, and the treasure a monster guards.
#include <string>

#include "dungeon/duel.h"
#include "dungeon/dungeon_fixture.h"
#include "dungeon/room_content.h"
#include "state/game_state.h"
#include "state/random.h"

namespace dungeontest {
namespace {

namespace Hero = state::Hero;
namespace Room = state::Room;

struct EventCase {
    int a;      // the first draw of 100
    int other;  // the draw of the table it leads to
    int event;
};

// A draw a of 100 up to 40 takes the trap table, a draw of 50: up to 10 the pit, up to 20 the
// arrow trap, up to 30 the worm hole, up to 40 the statue, the rest the chasm. Above 55 the
// encounter table, a draw of 40: up to 10 the wizard, up to 20 the trader, up to 30 the corpse,
// the rest the spirit.
TEST_F(DungeonTest, ARoomEventIsDrawnFromTheTrapOrTheEncounterTable) {
    const EventCase traps[] = {{0, 0, 2},   {40, 10, 2}, {40, 11, 3}, {0, 20, 3},  {0, 21, 11},
                               {0, 30, 11}, {0, 31, 12}, {0, 40, 12}, {0, 41, 13}, {0, 49, 13}};
    for (const EventCase& c : traps) {
        state::ScriptedDraws draws;
        draws.Then(100, {c.a});
        draws.Then(50, {c.other});
        EXPECT_EQ(logic::PickRoomEvent(), c.event) << c.a << " " << c.other;
        EXPECT_EQ(draws.Taken(50), 1);
    }
    const EventCase encounters[] = {{56, 0, 4},  {99, 10, 4}, {56, 11, 5}, {56, 20, 5},
                                    {56, 21, 6}, {56, 30, 6}, {56, 31, 7}, {56, 39, 7}};
    for (const EventCase& c : encounters) {
        state::ScriptedDraws draws;
        draws.Then(100, {c.a});
        draws.Then(40, {c.other});
        EXPECT_EQ(logic::PickRoomEvent(), c.event) << c.a << " " << c.other;
        EXPECT_EQ(draws.Taken(40), 1);
    }
}

// A draw a of 41 to 55 draws the quest objects in [0, 20): up to 10 the voodoo doll while the
// map has a sorcerer (site kind 2), from 11 the magic dust while it has a shrine (kind 3), each
// only while the lord lacks it; otherwise the trap table.
TEST_F(DungeonTest, AQuestObjectIsDrawnOnADrawOf41To55) {
    auto& g = state::G();
    const EventCase quests[] = {{41, 0, 8}, {41, 10, 8}, {55, 11, 9}, {55, 19, 9}};
    for (const EventCase& c : quests) {
        g.mapSite[1][state::MapSite::kind] = 2;
        g.mapSite[2][state::MapSite::kind] = 3;
        state::ScriptedDraws draws;
        draws.Then(100, {c.a});
        draws.Then(20, {c.other});
        EXPECT_EQ(logic::PickRoomEvent(), c.event) << c.a << " " << c.other;
        EXPECT_EQ(draws.Taken(20), 1);
        EXPECT_EQ(draws.Taken(50), 0);
    }
    // The lord has the doll, or the map no shrine: the trap table's draw follows.
    g.lord[1][state::Lord::voodooDoll] = 1;
    g.mapSite[2][state::MapSite::kind] = 0;
    for (const int b : {10, 11}) {
        state::ScriptedDraws draws;
        draws.Then(100, {41});
        draws.Then(20, {b});
        draws.Then(50, {49});
        EXPECT_EQ(logic::PickRoomEvent(), 13) << b;
        EXPECT_EQ(draws.Taken(50), 1);
    }
}

// A monster guards an item on a draw t of 100 from 70 (always above level 8), else gold: the
// class from a draw v of 100 up to level 6, of 130 at levels 7 and 8.
TEST_F(DungeonTest, AGuardedTreasureIsAnItemOnADrawFrom70Of100ElseGold) {
    AddItem(10, 3, 3, 2);  // level 3: weight 200 at level 3
    AddItem(11, 3, 9, 2);  // level 9
    struct Case {
        int level, t, vRange, v, treasure;
    };
    const Case cases[] = {
        {3, 70, 0, 0, 10},    {3, 99, 0, 0, 10},  {3, 69, 100, 0, -2},   {3, 0, 100, 99, -5},
        {6, 69, 100, 99, -6}, {7, 0, 130, 0, -4}, {7, 69, 130, 129, -9}, {8, 0, 130, 121, -9},
        {8, 0, 130, 120, -8}, {9, 0, 0, 0, 11},   {9, 69, 0, 0, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + ", t " + std::to_string(c.t) + ", v " +
                     std::to_string(c.v));
        state::ScriptedDraws draws;
        if (c.vRange == 100) {
            draws.Then(100, {c.t, c.v});
        } else {
            draws.Then(100, {c.t});
            if (c.vRange != 0) draws.Then(c.vRange, {c.v});
        }
        draws.Then(200, {0});
        EXPECT_EQ(logic::PickGuardedTreasure(c.level), c.treasure);
        EXPECT_EQ(draws.Left(100), 0);
        EXPECT_EQ(draws.Taken(130), c.vRange == 130 ? 1 : 0);
        EXPECT_EQ(draws.Taken(200), c.treasure > 0 ? 1 : 0);
    }
}

// A new room holds an event on a draw below 20 of 100, otherwise a monster with its treasure.
TEST_F(DungeonTest, ANewRoomHoldsAnEventOnADrawBelow20Of100) {
    auto& g = state::G();
    AddMonster(1, 1, 3);  // weight 400
    for (const int roll : {19, 0, 20, 99}) {
        SCOPED_TRACE(roll);
        MakeCorridorFloor();
        g.hero[1][Hero::prevX] = 1;
        g.hero[1][Hero::prevY] = 3;
        g.hero[1][Hero::posX] = 2;
        g.hero[1][Hero::posY] = 3;
        auto& room = g.room[2][3];
        state::ScriptedDraws draws;
        // An event: a = 40 and the pit. A monster: its guarded treasure t = 0, v = 0.
        draws.Then(100, {roll, roll < 20 ? 40 : 0, 0});
        draws.Then(50, {0});
        draws.Then(400, {399});
        logic::PopulateRoom(2, 3);
        if (roll < 20) {
            EXPECT_EQ(room[Room::event], 2);
            EXPECT_EQ(room[Room::monster], 0);
            EXPECT_EQ(draws.Taken(100), 2);
            EXPECT_EQ(dialogs.Last().title, "Something is wrong...");
            EXPECT_FALSE(logic::DuelActive());
        } else {
            EXPECT_EQ(room[Room::event], 0);
            EXPECT_EQ(room[Room::monster], 1);
            EXPECT_EQ(room[Room::treasure], -1);
            EXPECT_EQ(draws.Taken(100), 3);
            EXPECT_EQ(draws.Taken(400), 1);
            EXPECT_TRUE(logic::DuelActive());
            logic::AbandonDuel();
        }
    }
}

}  // namespace
}  // namespace dungeontest
