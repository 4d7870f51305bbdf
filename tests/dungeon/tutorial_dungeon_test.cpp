// The tutorial in the dungeon: the potion of step 36, the monster of step 28, the monsters that
// wait until the fight of step 37 begins, and the hero who may not die in that fight.
#include <gtest/gtest.h>

#include "campaign/tutorial_grants.h"
#include "dungeon/duel.h"
#include "dungeon/hero_access.h"
#include "dungeon/room_content.h"
#include "dungeon_fixture.h"
#include "rules/tutorial_steps.h"
#include "state/game_state.h"
#include "state/hero.h"
#include "state/opponent.h"
#include "state/room.h"

namespace dungeontest {
namespace {

void At(int step) {
    state::G().tutorialOn = true;
    state::G().tutorialStep = step;
}

TEST_F(DungeonTest, TutorialPotionTakesTheFirstBackpackPlaceAndUnequipsAWeaponThere) {
    MakeCorridorFloor();
    AddItem(1, 1, 1, 2);  // a slash weapon
    AddItem(132, 3, 1, 2, 0, 0, 0, 4);
    AddItem(2, 2, 1, 2);
    Give(1, 1);
    Give(2, 2);
    state::G().equippedSlot = 1;
    At(35);
    logic::TutorialContinueClick(logic::TutorialContinue::dungeon);
    EXPECT_EQ(state::G().tutorialStep, 36);
    EXPECT_EQ(logic::SlotItem(1), 132);
    EXPECT_EQ(logic::SlotItem(2), 2);
    EXPECT_EQ(state::G().equippedSlot, 0);
    state::G().tutorialOn = false;
}

TEST_F(DungeonTest, TutorialFirstRoomHoldsMonsterOneAndItsFightFollowsTheSteps) {
    MakeCorridorFloor();
    AddMonster(1, 5);  // far above the hero's level: only the tutorial puts it there
    AddMonster(2, 1);
    state::GameState& g = state::G();
    At(28);
    logic::PopulateRoom(2, 3);
    auto* room = logic::RoomAt(2, 3);
    ASSERT_NE(room, nullptr);
    EXPECT_EQ((*room)[state::Room::monster], 1);
    EXPECT_EQ((*room)[state::Room::event], 0);

    logic::StartDuel(1);
    EXPECT_EQ(g.tutorialStep, 29);
    // Attacks are refused until the potion step, with the tutorial's words.
    logic::HeroAttack(1);
    EXPECT_EQ(dialogs.Last().text, "Sorry, please follow the tutorial (click on \"Continue\")");
    // The monster waits up to step 37 ...
    auto& hero = logic::HeroRecord();
    const int health = hero[state::Hero::health];
    for (int step : {29, 37}) {
        At(step);
        for (int i = 0; i < 20; ++i)
            logic::OpponentAttack();
        EXPECT_EQ(hero[state::Hero::health], health) << "step " << step;
    }
    // ... and at 38 it strikes, but the hero is healed to 6 instead of dying.
    At(38);
    g.opponent[state::Opponent::oppDamage] = 1000;
    g.opponent[state::Opponent::oppSkill] = 1000;
    logic::OpponentAttack();
    EXPECT_EQ(hero[state::Hero::health], 6);
    EXPECT_EQ(dialogs.Last().text,
              "In this tutorial fight you may not die. To prevent it we healed you to some "
              "degree. Try to use a potion by clicking on it or the \"heal\" heroic action.");
    g.opponent[state::Opponent::oppHealth] = 0;
    logic::CheckDuelEnd();
    EXPECT_EQ(g.tutorialStep, 39);
    g.tutorialOn = false;
}

}  // namespace
}  // namespace dungeontest
