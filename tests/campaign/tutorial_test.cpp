// The tutorial's step machine, its grants and its refusals, without a screen.
#include <gtest/gtest.h>

#include "campaign/buildings.h"
#include "campaign/hiring.h"
#include "campaign/strategic_buttons.h"
#include "campaign/tutorial_grants.h"
#include "campaign_fixture.h"
#include "rules/tutorial_steps.h"
#include "state/game_state.h"
#include "state/hero.h"
#include "state/hero_gear.h"
#include "state/spawn_field.h"

namespace camptest {
namespace {

namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;
using logic::TutorialContinue;

class TutorialTest : public CampaignTest {
  protected:
    void At(int step) {
        state::G().tutorialOn = true;
        state::G().tutorialStep = step;
    }
    int Step() const { return state::G().tutorialStep; }
};

TEST_F(TutorialTest, AHookMovesOnlyFromItsOwnStepAndOnlyWhileTheTutorialRuns) {
    state::GameState& g = state::G();
    g.tutorialStep = 12;
    logic::AdvanceTutorial(12);  // off: nothing moves
    EXPECT_EQ(Step(), 12);
    EXPECT_FALSE(logic::TutorialAt(12));
    At(12);
    logic::AdvanceTutorial(11);
    logic::AdvanceTutorial(13);
    EXPECT_EQ(Step(), 12);
    logic::AdvanceTutorial(12);
    EXPECT_EQ(Step(), 13);
    EXPECT_TRUE(hooks.Has("TutorialStep 13"));
    // A step that waits for an action does not move on with a "Continue".
    At(10);
    logic::TutorialContinueClick(TutorialContinue::strategic);
    EXPECT_EQ(Step(), 10);
    // The dungeon's "Continue" does not move a strategic step, nor the other way round.
    At(5);
    logic::TutorialContinueClick(TutorialContinue::dungeon);
    EXPECT_EQ(Step(), 5);
    At(17);
    logic::TutorialContinueClick(TutorialContinue::strategic);
    EXPECT_EQ(Step(), 17);
    logic::TutorialContinueClick(TutorialContinue::dungeon);
    EXPECT_EQ(Step(), 18);
}

TEST_F(TutorialTest, TheStrategicContinueTakesTheFirstStepsAsStepThreeAndEndsAtTheLast) {
    for (int step : {0, 1, 2, 3}) {
        At(step);
        logic::TutorialContinueClick(TutorialContinue::strategic);
        EXPECT_EQ(Step(), 4) << "from step " << step;
    }
    // Step 56 only hides the panel: the battle must be won.
    At(56);
    hooks.calls.clear();
    logic::TutorialContinueClick(TutorialContinue::strategic);
    EXPECT_EQ(Step(), 56);
    EXPECT_TRUE(hooks.Has("TutorialStep 0"));
    At(57);
    logic::TutorialContinueClick(TutorialContinue::strategic);
    EXPECT_FALSE(state::G().tutorialOn);
    EXPECT_EQ(Step(), 0);
    // Started again, it begins at step 1; ended, it stays at 0 so that no rule holds on.
    logic::StartTutorialSteps();
    EXPECT_TRUE(logic::TutorialAt(1));
    logic::EndTutorial();
    EXPECT_EQ(Step(), 0);
    EXPECT_FALSE(logic::TutorialRefusesDungeonMove());
    EXPECT_FALSE(logic::TutorialHoldsMonsters());
}

TEST_F(TutorialTest, PanelTitlesFollowTheStepNumbersWithTheirQuirks) {
    EXPECT_EQ(logic::TutorialStepView(1).title, "Tutorial: #1");
    EXPECT_EQ(logic::TutorialStepView(2).title, "Tutorial #2:");
    EXPECT_EQ(logic::TutorialStepView(2).action, "Click on \"Start the gane\"");
    EXPECT_EQ(logic::TutorialStepView(37).title, "Tutorial: #37");
    EXPECT_EQ(logic::TutorialStepView(38).screen, logic::TutorialScreen::none);
    EXPECT_EQ(logic::TutorialStepView(39).title, "Tutorial: #38");
    EXPECT_EQ(logic::TutorialStepView(40).screen, logic::TutorialScreen::none);
    EXPECT_EQ(logic::TutorialStepView(55).title, "Tutorial: #54");
    EXPECT_EQ(logic::TutorialStepView(55).extra, logic::TutorialExtra::battleOrders);
    EXPECT_EQ(logic::TutorialStepView(57).title, "Tutorial: The End");
    EXPECT_EQ(logic::TutorialStepView(31).text,
              "\"Slice\" will have an average chance to hit and cause average damage.");
    EXPECT_EQ(logic::TutorialStepView(58).screen, logic::TutorialScreen::none);
}

TEST_F(TutorialTest, TheFieldsOfTheLessonTakeTheirSlotsAndReplaceWhatLayThere) {
    state::GameState& g = state::G();
    // A trader on the wood's field in slot 4 and a dungeon elsewhere in slot 1.
    auto put = [&g](int slot, int kind, int x, int y) {
        auto& s = g.spawnField[slot];
        s[SpawnField::present] = 1;
        s[SpawnField::kind] = kind;
        s[SpawnField::x] = x;
        s[SpawnField::y] = y;
        s[SpawnField::roundsLeft] = 3;
    };
    put(4, 3, 3, 9);
    put(1, 4, 8, 8);
    At(9);
    logic::TutorialContinueClick(TutorialContinue::strategic);
    EXPECT_EQ(Step(), 10);
    EXPECT_EQ(g.spawnField[4][SpawnField::present], 0);
    const auto& wood = g.spawnField[1];
    EXPECT_EQ(wood[SpawnField::kind], 1);
    EXPECT_EQ(wood[SpawnField::x], 3);
    EXPECT_EQ(wood[SpawnField::y], 9);
    EXPECT_EQ(wood[SpawnField::roundsLeft], 10000);
    int x = 0, y = 0;
    EXPECT_TRUE(logic::TutorialMapMark(10, x, y));
    EXPECT_EQ(x * 100 + y, 309);
    At(14);
    logic::AdvanceTutorial(13, logic::ArrangeTutorialStep);  // not at 13: nothing
    At(13);
    logic::AdvanceTutorial(13, logic::ArrangeTutorialStep);
    EXPECT_EQ(g.spawnField[1][SpawnField::kind], 2);
    EXPECT_EQ(g.spawnField[1][SpawnField::x] * 100 + g.spawnField[1][SpawnField::y], 508);
    logic::AdvanceTutorial(14, logic::ArrangeTutorialStep);
    EXPECT_EQ(g.spawnField[2][SpawnField::kind], 4);
    EXPECT_EQ(g.spawnField[2][SpawnField::x] * 100 + g.spawnField[2][SpawnField::y], 506);
    EXPECT_EQ(g.spawnField[2][SpawnField::roundsLeft], 10000);
}

TEST_F(TutorialTest, AfterTheDungeonTheTextTellsHowItEndedAndTwoHonorCome) {
    state::GameState& g = state::G();
    struct Case {
        int honor, health;
        const char* text;
    };
    const Case cases[] = {{1, 0, logic::kTutorialDungeonDone},
                          {0, 0, logic::kTutorialHeroDied},
                          {0, 5, logic::kTutorialDungeonLeft}};
    for (const Case& c : cases) {
        g.lord[1][Lord::honor] = c.honor;
        g.hero[1][state::Hero::health] = c.health;
        At(40);
        logic::AdvanceTutorial(40);
        EXPECT_EQ(Step(), 41);
        EXPECT_EQ(g.lord[1][Lord::honor], c.honor + 2);
        EXPECT_EQ(logic::TutorialStepView(41).title, "Tutorial: #40");
        // The panel was made before the honor rose.
        g.lord[1][Lord::honor] = c.honor;
        EXPECT_EQ(logic::TutorialDungeonEndText(), c.text) << c.honor << " " << c.health;
    }
}

TEST_F(TutorialTest, TheBarracksLessonGivesWhatIsMissingAndTheHiringLessonCountsSoldiers) {
    state::GameState& g = state::G();
    auto& l = g.lord[1];
    // Step 43: only what is missing is raised, and the notice says so once.
    l[Lord::gold] = 1500, l[Lord::honor] = 0, l[Lord::wood] = 1, l[Lord::iron] = 7;
    At(43);
    logic::ShowBuildingDetails(1);
    EXPECT_EQ(Step(), 44);
    EXPECT_EQ(l[Lord::gold], 1500);
    EXPECT_EQ(l[Lord::honor], 1);
    EXPECT_EQ(l[Lord::wood], 2);
    EXPECT_EQ(l[Lord::iron], 7);
    EXPECT_EQ(dialogs.Last().text, logic::kTutorialTopUpNotice);
    const size_t shown = dialogs.Shown().size();
    At(43);
    logic::ShowBuildingDetails(2);  // another building: no step, no gift
    EXPECT_EQ(Step(), 43);
    logic::ShowBuildingDetails(1);  // everything there: no notice
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(Step(), 44);

    // Step 46: 1000 more gold below 1000, nothing from 1000 on.
    for (int gold : {999, 1000}) {
        l[Lord::gold] = gold;
        At(45);
        logic::AdvanceTutorial(45);
        EXPECT_EQ(l[Lord::gold], gold < 1000 ? gold + 1000 : gold);
    }

    // Step 47: each soldier below six asks again; the sixth moves on.
    l[Lord::Built(1)] = 1;
    l[Lord::gold] = 100000;
    g.army[1][state::Army::soldiers] = 4;
    At(47);
    EXPECT_TRUE(logic::HireUnit(1));
    EXPECT_EQ(dialogs.Last().text, "Good! Again please (you need 6 soldier batallions).");
    EXPECT_EQ(Step(), 47);
    EXPECT_TRUE(logic::HireUnit(1));
    EXPECT_EQ(Step(), 48);
    // A player who already had six advances with the first hire.
    g.army[1][state::Army::soldiers] = 6;
    At(47);
    EXPECT_TRUE(logic::HireUnit(1));
    EXPECT_EQ(Step(), 48);
}

TEST_F(TutorialTest, TheCastleAndHireScreensMoveTheStepsWhenOpenedAndLeft) {
    At(11);
    logic::OpenCastle();
    EXPECT_TRUE(hooks.Has("OpenBuildings"));
    // Opened and left without looking at the barracks: the tutorial waits at 12.
    EXPECT_EQ(Step(), 12);
    logic::ShowBuildingDetails(1);
    EXPECT_EQ(Step(), 13);
    logic::OpenCastle();
    EXPECT_EQ(Step(), 14);
    At(46);
    logic::OpenHire();
    EXPECT_EQ(Step(), 47);
}

TEST_F(TutorialTest, TheRefusalsHoldOnlyInTheirLessons) {
    struct Case {
        int step;
        bool move, leave, duel, orders, monstersWait;
    };
    const Case cases[] = {
        {10, false, false, false, false, false},  // a dungeon before the lesson is a dungeon
        {16, true, true, true, false, true},     {27, true, true, true, false, true},
        {28, false, true, true, false, true},    {35, false, true, true, false, true},
        {36, false, false, false, false, true},  {37, false, false, false, false, true},
        {38, false, false, false, false, false}, {50, false, false, false, false, false},
        {51, false, false, false, true, false},  {54, false, false, false, true, false},
        {55, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        At(c.step);
        EXPECT_EQ(logic::TutorialRefusesDungeonMove(), c.move) << c.step;
        EXPECT_EQ(logic::TutorialRefusesLeaving(), c.leave) << c.step;
        EXPECT_EQ(logic::TutorialRefusesDuelAction(), c.duel) << c.step;
        EXPECT_EQ(logic::TutorialRefusesBattleOrders(), c.orders) << c.step;
        EXPECT_EQ(logic::TutorialHoldsMonsters(), c.monstersWait) << c.step;
    }
}

}  // namespace
}  // namespace camptest
