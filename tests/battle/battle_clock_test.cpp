// The start of a battle, the clock, the cool-down, the pause around dialogs and the orders.
#include <gtest/gtest.h>

#include "battle/battle_clock.h"
#include "battle/battle_engine.h"
#include "battle/battle_fixture.h"
#include "battle/strike.h"
#include "campaign/movement.h"
#include "campaign/strategic_buttons.h"
#include "state/random.h"

namespace battletest {
namespace {

namespace BS = state::BattleSide;

TEST_F(BattleTest, AStepOntoAnEnemyArmyStartsAPausedBattle) {
    Troops(1, 10, 2, 3);
    Troops(2, 8, 1, 2, 1);
    state::G().lord[1][state::Lord::evilTalisman] = 1;
    StartFieldBattle();
    ASSERT_GE(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].title, "A battle!");
    EXPECT_EQ(dialogs.Shown()[0].text, "Your army is under attack!");
    EXPECT_TRUE(dialogs.ShownText(
        "The evil talisman you got from the witch gives you a +25% battle bonus."));
    EXPECT_EQ(state::G().lord[1][state::Lord::evilTalisman], 0);
    EXPECT_TRUE(state::G().battleStarted);
    EXPECT_EQ(Own()[BS::heroBonus], 30);
    EXPECT_EQ(Foe()[BS::heroBonus], 5);
    EXPECT_EQ(Own()[BS::startStrength], 10 * 10 + 2 * 8 + 3 * 4);
    EXPECT_EQ(Foe()[BS::startStrength], 8 * 10 + 8 + 2 * 4 + 6);
    EXPECT_EQ(panel.vessel[0], "Health9.jpg");
    EXPECT_EQ(panel.coat[0], "factionlogo_blue.jpg");
    EXPECT_EQ(panel.coat[1], "factionlogo_green.jpg");
    EXPECT_TRUE(panel.buttons.attack && panel.buttons.flank && panel.buttons.duel);
    EXPECT_FALSE(state::G().battleClock.clockOn);
    // Paused: the clock does not advance.
    ClockTicks(30);
    EXPECT_EQ(Foe()[BS::order], 0);
}

TEST_F(BattleTest, TheFirstEnemyRoundComesAfterTenTicksAndTheCoolDownRunsTenTicks) {
    Troops(1, 50);
    Troops(2, 50);
    StartFieldBattle();
    logic::GiveOrder(logic::BattleOrder::attack);
    EXPECT_TRUE(state::G().battleClock.clockOn);
    EXPECT_FALSE(panel.buttons.attack);
    EXPECT_EQ(Own()[BS::order], 1);
    // A second order during the cool-down does nothing.
    const int foeSoldiers = Foe()[BS::soldiers];
    logic::GiveOrder(logic::BattleOrder::defend);
    EXPECT_EQ(Foe()[BS::soldiers], foeSoldiers);
    EXPECT_EQ(Own()[BS::order], 1);

    panel.calls.clear();
    DelayTicks(9);
    const std::vector<std::string> glasses = {
        "Hourglass hourglass_100of100_sm.jpg @1", "Hourglass hourglass_75of100_sm.jpg @1",
        "Hourglass hourglass_75of100_sm.jpg @1",  "Hourglass hourglass_50of100_sm.jpg @1",
        "Hourglass hourglass_50of100_sm.jpg @1",  "Hourglass hourglass_25of100_sm.jpg @1",
        "Hourglass hourglass_25of100_sm.jpg @1",  "Hourglass hourglass_0of100_sm.jpg @1",
        "Hourglass hourglass_0of100_sm.jpg @1"};
    EXPECT_EQ(panel.calls, glasses);
    EXPECT_FALSE(panel.buttons.attack);
    DelayTicks(1);
    EXPECT_TRUE(panel.buttons.attack);
    EXPECT_TRUE(panel.Has("HideHourglasses @1"));
    EXPECT_TRUE(panel.Has("StopCommandDelay @1"));

    ClockTicks(9);
    EXPECT_EQ(Foe()[BS::order], 0);
    const int ownSoldiers = Own()[BS::soldiers];
    ClockTicks(1);
    EXPECT_NE(Foe()[BS::order], 0);
    EXPECT_LT(Own()[BS::soldiers], ownSoldiers);
    EXPECT_EQ(panel.coat[0], "factionlogo_blue_r.jpg");
    logic::FlashTick(logic::BattleSideId::own);
    EXPECT_EQ(panel.coat[0], "factionlogo_blue.jpg");
}

TEST_F(BattleTest, ADialogDuringTheBattleStopsTheClockUntilItCloses) {
    Troops(1, 50);
    Troops(2, 50);
    StartFieldBattle();
    logic::GiveOrder(logic::BattleOrder::attack);
    hooks.battleShown = true;
    panel.calls.clear();
    const size_t before = dialogs.Shown().size();
    EXPECT_TRUE(logic::RefuseDuringBattle());
    EXPECT_EQ(dialogs.Last().text, "Sorry, but during a battle you cannot do this.");
    const std::string n = std::to_string(before);
    const std::string m = std::to_string(before + 1);
    EXPECT_TRUE(panel.Has("StopClock @" + n));
    EXPECT_TRUE(panel.Has("StopCommandDelay @" + n));
    EXPECT_TRUE(panel.Has("StartClock @" + m));
    EXPECT_TRUE(panel.Has("StartCommandDelay @" + m));
    EXPECT_TRUE(state::G().battleClock.clockOn);

    // The refused close of the window pauses the same way.
    panel.calls.clear();
    EXPECT_FALSE(logic::CloseQuery());
    EXPECT_EQ(dialogs.Last().text, "You cannot close the screen while in battle!");
    EXPECT_TRUE(panel.Has("StopClock @" + m));
    EXPECT_TRUE(panel.Has("StartClock @" + std::to_string(before + 2)));
    EXPECT_TRUE(state::G().battleClock.clockOn);

    // A paused battle stays paused after the dialog; ticks of a paused clock do nothing.
    logic::TogglePause();
    EXPECT_FALSE(state::G().battleClock.clockOn);
    EXPECT_TRUE(logic::RefuseDuringBattle());
    EXPECT_FALSE(state::G().battleClock.clockOn);
    ClockTicks(25);
    EXPECT_EQ(Foe()[BS::order], 0);
    logic::TogglePause();
    EXPECT_TRUE(state::G().battleClock.clockOn);
    EXPECT_TRUE(state::G().battleClock.delayOn);
}

TEST_F(BattleTest, FlankAndRetreatFollowTheCastles) {
    // The human defends its castle against lord 2.
    Troops(1, 40);
    Troops(2, 40);
    PlaceArmy(2, 2, 1, 40);
    state::G().lord[2][state::Lord::moveRange] = 20;
    TurnOf(2);
    logic::MoveArmy(1, 1);
    ASSERT_TRUE(state::G().battleClock.panelShown);
    EXPECT_EQ(Own()[BS::castleBonus], 25);
    EXPECT_FALSE(panel.buttons.flank);
    EXPECT_EQ(panel.buttons.flankPicture, "m1_skill_flankg.jpg");
    logic::GiveOrder(logic::BattleOrder::flank);
    EXPECT_EQ(Own()[BS::order], 0);
    logic::RetreatOrder();
    EXPECT_EQ(dialogs.Last().text, "You are defending your castle! You cannot retreat!");
    EXPECT_FALSE(state::G().battleOver);
    // After a cool-down Flank stays disabled.
    logic::GiveOrder(logic::BattleOrder::attack);
    DelayTicks(10);
    EXPECT_TRUE(panel.buttons.attack);
    EXPECT_FALSE(panel.buttons.flank);
}

TEST_F(BattleTest, RetreatOfTheHumanEndsTheBattleAndSendsTheArmyHome) {
    Troops(1, 40);
    Troops(2, 40);
    StartFieldBattle();
    logic::RetreatOrder();
    EXPECT_TRUE(state::G().battleOver);
    EXPECT_EQ(dialogs.Last().title, "Retreat");
    EXPECT_EQ(state::G().army[1][state::Army::x], 1);
    EXPECT_EQ(state::G().army[1][state::Army::y], 1);
    EXPECT_FALSE(state::G().battleStarted);
    EXPECT_TRUE(panel.Has("HidePanel @" + std::to_string(dialogs.Shown().size())));
    EXPECT_TRUE(hooks.Has("EnableTimer3"));  // the human's step used its moves
}

TEST_F(BattleTest, NeitherANeutralEnemyNorOneOnItsCastleRetreats) {
    state::GameState& g = state::G();
    const logic::Fighter own{Own(), g.battleOrdersOwn};
    const logic::Fighter foe{Foe(), g.battleOrdersFoe};
    Own()[BS::lord] = 1;
    Own()[BS::strength] = 1000;
    Foe()[BS::strength] = 10;
    Foe()[BS::heroicOrMayRetreat] = 1;
    PlaceArmy(2, 5, 5, 1);
    Foe()[BS::lord] = 2;
    EXPECT_EQ(logic::ChooseTactic(foe, own), logic::BattleOrder::retreat);
    Foe()[BS::lord] = 0;
    for (int i = 0; i < 50; ++i)
        EXPECT_NE(logic::ChooseTactic(foe, own), logic::BattleOrder::retreat);
    Foe()[BS::lord] = 2;
    PlaceArmy(2, 12, 1, 1);
    for (int i = 0; i < 50; ++i)
        EXPECT_NE(logic::ChooseTactic(foe, own), logic::BattleOrder::retreat);
    // Strength + a quarter equal to the player's: no retreat either.
    PlaceArmy(2, 5, 5, 1);
    Foe()[BS::strength] = 800;
    EXPECT_NE(logic::ChooseTactic(foe, own), logic::BattleOrder::retreat);
}

TEST_F(BattleTest, OrdersAreRefusedBeforeTheTutorialReachesTheBattle) {
    Troops(1, 40);
    Troops(2, 40);
    StartFieldBattle();
    state::GameState& g = state::G();
    g.tutorialOn = true;
    // The battle lesson refuses orders from its first panel until the orders panel.
    for (int step : {51, 54}) {
        g.tutorialStep = step;
        const size_t shown = dialogs.Shown().size();
        logic::GiveOrder(logic::BattleOrder::attack);
        ASSERT_EQ(dialogs.Shown().size(), shown + 1) << "step " << step;
        EXPECT_EQ(dialogs.Last().text, "Sorry, please follow the tutorial (click on \"Continue\")");
        EXPECT_EQ(Foe()[BS::soldiers], 40);
        EXPECT_FALSE(g.battleClock.clockOn);
    }
    // Before the lesson (a battle the tutorial does not teach) and from the orders panel on,
    // orders are given.
    for (int step : {12, 55}) {
        g.tutorialStep = step;
        const size_t shown = dialogs.Shown().size();
        logic::GiveOrder(logic::BattleOrder::attack);
        EXPECT_EQ(dialogs.Shown().size(), shown) << "step " << step;
        EXPECT_TRUE(g.battleClock.delayActive) << "step " << step;  // the order was given
        for (int t = 0; t <= logic::kCommandDelayTicks; ++t)
            logic::CommandDelayTick();
        ASSERT_FALSE(g.battleClock.delayActive);
    }
    g.tutorialOn = false;
}

// The player's strike turns the player's side heroic on a draw of at most 200 of 1000 unless it
// is heroic already; the enemy's round does the same for the enemy's side.
TEST_F(BattleTest, EachSideTurnsHeroicAfterItsStrikesOnADrawOfAtMost200Of1000) {
    Troops(1, 50);
    Troops(2, 50);
    StartFieldBattle();
    for (const int draw : {200, 201, 0, 999}) {
        const int heroic = draw <= 200 ? 1 : 0;
        SCOPED_TRACE(draw);
        for (const int before : {0, 1}) {
            Own()[BS::soldiers] = 50;
            Foe()[BS::soldiers] = 50;
            Own()[BS::heroicOrMayRetreat] = before;
            state::ScriptedDraws draws;
            draws.Then(1000, {draw});
            logic::PlayerStrike(logic::BattleOrder::attack);
            EXPECT_EQ(draws.Taken(1000), 1);
            EXPECT_EQ(Own()[BS::heroicOrMayRetreat], before == 1 ? 1 : heroic);
        }
        Own()[BS::soldiers] = 50;
        Foe()[BS::soldiers] = 50;
        Foe()[BS::heroicOrMayRetreat] = 0;
        state::ScriptedDraws draws;
        draws.Then(1000, {draw});
        logic::EnemyRound();
        EXPECT_EQ(draws.Taken(1000), 1);
        EXPECT_EQ(Foe()[BS::heroicOrMayRetreat], heroic);
        EXPECT_FALSE(state::G().battleOver);
    }
}

}  // namespace
}  // namespace battletest
