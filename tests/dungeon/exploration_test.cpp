// Entering, walking, eating, leaving and dying, the fog of war, gold on the way out and the
// pictures of the status column.
#include "dungeon/exploration.h"
#include "dungeon/duel.h"
#include "dungeon/dungeon_fixture.h"
#include "dungeon/hero_access.h"
#include "dungeon/rooms.h"
#include "dungeon/treasure.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace dungeontest {
namespace {

namespace Hero = state::Hero;
namespace Room = state::Room;
namespace Lord = state::Lord;

TEST_F(DungeonTest, EnteringCarriesTheTreasuryAndLeavingReturnsIt) {
    auto& g = state::G();
    g.lord[1][Lord::gold] = 5000;
    g.army[1][state::Army::movesLeft] = 4;
    g.hero[1][Hero::health] = 3;
    g.room[2][2][Room::monster] = 9;  // the last floor is gone
    logic::EnterDungeon();
    EXPECT_TRUE(view.Has("ShowWaitWindow"));
    EXPECT_TRUE(view.Has("ShowDungeonWindow"));
    EXPECT_EQ(g.inDungeon, 1);
    EXPECT_EQ(g.dungeonTurn, 0);
    EXPECT_FALSE(g.dungeonMayClose);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 5000);
    EXPECT_EQ(g.hero[1][Hero::rations], 6);
    EXPECT_EQ(g.hero[1][Hero::health], 25);
    EXPECT_EQ(g.army[1][state::Army::movesLeft], 0);
    EXPECT_EQ(g.room[2][2][Room::monster], 0);
    const auto* start = logic::HeroRoom();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ((*start)[Room::stairs], 2);
    EXPECT_EQ((*start)[Room::visited], 1);
    EXPECT_EQ(view.status.goldLine, "5000 gold");
    EXPECT_EQ(view.status.rationsLine, "6 rations left");

    logic::AddGold(250);
    logic::Leave();  // answered "No"
    EXPECT_EQ(g.inDungeon, 1);
    dialogs.Answer(logic::kOfferAction);
    g.enteringDungeon = true;
    logic::Leave();
    EXPECT_EQ(dialogs.Last().text,
              "You return to your waiting troops with all the treasures you have found so far.");
    EXPECT_EQ(g.lord[1][Lord::gold], 5250);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 0);
    EXPECT_EQ(g.inDungeon, 0);
    EXPECT_FALSE(g.enteringDungeon);
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_TRUE(view.Has("CloseDungeonWindow"));
    EXPECT_TRUE(logic::DungeonCloseQuery());
    // Leave outside a dungeon is refused.
    const size_t shown = dialogs.Shown().size();
    logic::Leave();
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

TEST_F(DungeonTest, GoldFoundOutsideADungeonGoesToTheTreasury) {
    auto& g = state::G();
    g.lord[2][Lord::gold] = 100;
    g.dungeonLord = 2;
    logic::AddGold(60);
    EXPECT_EQ(g.lord[2][Lord::gold], 160);
    EXPECT_EQ(g.hero[2][Hero::goldCarried], 0);
    g.dungeonLord = 9;  // not a lord: the current lord's hero
    logic::AddGold(5);
    EXPECT_EQ(g.lord[1][Lord::gold], 5);
    g.inDungeon = 1;
    logic::AddGold(7);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 7);
}

TEST_F(DungeonTest, WalkingRevealsNeighboursAndFleeingLeavesTheRoomUnvisited) {
    auto& g = state::G();
    MakeCorridorFloor();
    logic::DrawDungeon();
    EXPECT_EQ(view.board.tile[1][3].picture, "m1_set1_stairwayup_sm.jpg");
    EXPECT_EQ(view.board.tile[2][3].picture, "m1_set1_cave_sm.jpg");  // behind an open door
    EXPECT_EQ(view.board.tile[3][3].picture, "blackroom_sm.jpg");
    EXPECT_FALSE(view.board.tile[1][1].shown);
    EXPECT_TRUE(view.board.moveEast);
    EXPECT_FALSE(view.board.moveWest || view.board.moveNorth || view.board.moveSouth);
    EXPECT_TRUE(view.board.doorLeft[1][3]);
    EXPECT_FALSE(view.board.doorRight[1][3]);
    EXPECT_EQ(view.board.heroPicture, "hero1_sm.jpg");

    // A new room shows its window first; the corpse there ends on entry.
    g.room[2][3][Room::event] = 6;
    logic::MoveEast();
    EXPECT_EQ(g.hero[1][Hero::posX], 2);
    EXPECT_EQ(g.hero[1][Hero::prevX], 1);
    EXPECT_EQ(g.dungeonTurn, 1);
    EXPECT_EQ(g.room[2][3][Room::visited], 1);
    EXPECT_TRUE(dialogs.ShownText(logic::RoomDescription(1)));
    EXPECT_EQ(g.room[2][3][Room::event], 0);
    // Moving through rock or more than one room is refused.
    logic::MoveHero(4, 3);
    logic::MoveNorth();
    EXPECT_EQ(g.hero[1][Hero::posX], 2);

    // A monster attacks; fleeing puts the hero back and the room shows unvisited.
    AddMonster(1, 1);
    g.room[3][3][Room::monster] = 1;
    logic::MoveEast();
    EXPECT_TRUE(logic::DuelActive());
    g.hero[1][Hero::heroic] = 1;
    logic::HeroRetreat();
    EXPECT_EQ(g.hero[1][Hero::posX], 2);
    EXPECT_EQ(g.room[3][3][Room::visited], 0);
    EXPECT_EQ(view.board.tile[3][3].picture, "m1_set1_cave_sm.jpg");
    logic::MoveEast();  // the same monster again, at full health
    EXPECT_TRUE(logic::DuelActive());
    EXPECT_EQ(g.opponent[state::Opponent::oppHealth], 8);
}

TEST_F(DungeonTest, PositionsAndKindsFromASavedGameAreChecked) {
    auto& g = state::G();
    MakeCorridorFloor();
    g.hero[1][Hero::posX] = 40;
    g.hero[1][Hero::posY] = -2;
    g.room[2][3][Room::kind] = 77;
    g.room[2][3][Room::visited] = 1;
    logic::DrawDungeon();
    EXPECT_EQ(g.hero[1][Hero::posX], 1);
    EXPECT_EQ(g.hero[1][Hero::posY], 3);
    EXPECT_EQ(view.board.tile[2][3].picture, "blackroom_sm.jpg");
    // A backpack slot with a row outside 0..500 is an empty slot.
    Give(1, 900);
    EXPECT_EQ(logic::SlotItem(1), logic::kNoItem);
    logic::DrawHeroStatus();
    EXPECT_EQ(view.status.backpack[1].picture, "");
    // A room treasure that is no item in use, or no gold class, hands out nothing.
    g.room[1][3][Room::treasure] = 600;
    logic::HandOutRoomTreasure(false);
    g.room[1][3][Room::treasure] = -12;
    logic::HandOutRoomTreasure(false);
    EXPECT_FALSE(view.Has("OpenGoldTreasure Gold coins!"));
    EXPECT_EQ(view.calls.size(), 0u);
}

TEST_F(DungeonTest, EatingHealsByLevelCountsAsAMoveAndRefusesWhenUseless) {
    auto& g = state::G();
    MakeCorridorFloor();
    logic::Eat();
    EXPECT_EQ(dialogs.Last().title, "Full health");
    EXPECT_EQ(g.hero[1][Hero::rations], 10);
    g.hero[1][Hero::level] = 3;
    g.hero[1][Hero::baseMaxHealth] = 35;
    g.hero[1][Hero::health] = 10;
    logic::Eat();
    EXPECT_EQ(g.hero[1][Hero::health], 32);  // 4 * 3 + 10
    EXPECT_EQ(g.hero[1][Hero::rations], 9);
    EXPECT_EQ(g.dungeonTurn, 1);
    logic::Eat();
    EXPECT_EQ(g.hero[1][Hero::health], 35);  // clamped
    g.hero[1][Hero::health] = 4;
    g.hero[1][Hero::rations] = 0;
    logic::Eat();
    EXPECT_EQ(dialogs.Last().text, "You do not have enough provisions left!");
    EXPECT_EQ(g.hero[1][Hero::health], 4);
}

TEST_F(DungeonTest, LowHealthWarningOncePerLord) {
    auto& g = state::G();
    MakeCorridorFloor();
    g.hero[1][Hero::health] = 12;  // half of 25 is not yet low
    logic::EndOfMove();
    EXPECT_EQ(g.lord[1][Lord::lowHealthHintShown], 0);
    g.hero[1][Hero::health] = 11;
    logic::EndOfMove();
    EXPECT_EQ(dialogs.Last().title, "Help mode: Low health!");
    EXPECT_EQ(g.lord[1][Lord::lowHealthHintShown], 1);
    const size_t shown = dialogs.Shown().size();
    logic::EndOfMove();
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

TEST_F(DungeonTest, DyingLosesTheGoldFoundAndClearingPaysHonorByLevel) {
    auto& g = state::G();
    g.lord[1][Lord::gold] = 5000;
    logic::EnterDungeon();
    logic::AddGold(900);
    g.enteringDungeon = true;
    logic::HeroDies();
    EXPECT_EQ(g.lord[1][Lord::gold], 5000);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 0);
    EXPECT_FALSE(g.enteringDungeon);
    EXPECT_EQ(g.inDungeon, 0);

    for (auto [level, honor] : {std::pair{2, 2}, {3, 3}, {4, 3}, {5, 4}, {8, 4}}) {
        g.inDungeon = 1;
        g.hero[1][Hero::level] = level;
        g.hero[1][Hero::goldCarried] = 40;
        g.lord[1][Lord::honor] = 0;
        logic::ClearDungeon("done");
        EXPECT_EQ(g.lord[1][Lord::honor], honor) << level;
        EXPECT_EQ(g.lord[1][Lord::gold], 40);
        EXPECT_EQ(g.inDungeon, 0);
    }
}

TEST_F(DungeonTest, AWizardRoomLeftPendingRunsAgain) {
    auto& g = state::G();
    MakeCorridorFloor();
    AddItem(3, 3, 1, 3, 1);  // price (40 * 1 * 1) * 3 / 2 = 60
    g.room[2][3][Room::event] = 4;
    g.room[2][3][Room::monster] = 0;
    g.hero[1][Hero::goldCarried] = 10;
    logic::MoveEast();
    EXPECT_TRUE(dialogs.ShownText(
        "\"Too bad you are broke\" he shouts and before you can take any action he disappears."));
    EXPECT_EQ(g.room[2][3][Room::visited], 0);
    g.room[3][3][Room::visited] = 1;
    logic::MoveEast();  // walking on does not mark it visited
    EXPECT_EQ(g.room[2][3][Room::visited], 0);
    EXPECT_EQ(g.room[2][3][Room::event], 4);
    g.hero[1][Hero::goldCarried] = 60;
    dialogs.Answer(1);
    logic::MoveWest();
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 0);
    EXPECT_EQ(g.room[2][3][Room::event], 0);
}

TEST(HealthPictures, EighthsWithZeroFirstAndTheFullPicture) {
    EXPECT_EQ(logic::HealthPicture(0, 25), "Health0.jpg");
    EXPECT_EQ(logic::HealthPicture(-4, 25), "Health0.jpg");
    EXPECT_EQ(logic::HealthPicture(25, 25), "Health9.jpg");
    EXPECT_EQ(logic::HealthPicture(30, 25), "Health9.jpg");
    // M = 2500, d = 312: Health8 from 2188, Health2 from 316, Health1 below.
    EXPECT_EQ(logic::HealthPicture(24, 25), "Health8.jpg");
    EXPECT_EQ(logic::HealthPicture(21, 25), "Health7.jpg");
    EXPECT_EQ(logic::HealthPicture(4, 25), "Health2.jpg");
    EXPECT_EQ(logic::HealthPicture(3, 25), "Health1.jpg");
    EXPECT_EQ(logic::HealthPicture(1, 0), "Health9.jpg");
    EXPECT_EQ(logic::HealthPicture(0, 0), "Health0.jpg");

    EXPECT_EQ(logic::ExperiencePicture(0, 400), "XP01.jpg");
    EXPECT_EQ(logic::ExperiencePicture(39, 400), "XP01.jpg");
    EXPECT_EQ(logic::ExperiencePicture(40, 400), "XP02.jpg");
    EXPECT_EQ(logic::ExperiencePicture(80, 400), "XP03.jpg");
    EXPECT_EQ(logic::ExperiencePicture(359, 400), "XP09.jpg");
    EXPECT_EQ(logic::ExperiencePicture(360, 400), "XP10.jpg");
    EXPECT_EQ(logic::ExperiencePicture(5000, 400), "XP10.jpg");
    EXPECT_EQ(logic::ExperiencePicture(-50, 400), "XP01.jpg");
}

}  // namespace
}  // namespace dungeontest
