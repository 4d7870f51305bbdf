#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "campaign/campaign_fixture.h"
#include "campaign/scouting.h"
#include "campaign/strategic_buttons.h"
#include "campaign/turn_hints.h"
#include "platform/files.h"
#include "rules/castle_markers.h"
#include "rules/dialogs.h"
#include "state/game_state.h"
#include "support/temp_dir.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;

using ButtonsTest = CampaignTest;

TEST_F(ButtonsTest, ThePortalAsksThenBringsTheArmyHomeAndEndsTheTurn) {
    auto& g = state::G();
    PlaceArmy(1, 4, 3);
    logic::PortalHome();  // the scripted answer is "No"
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().picture, "icon_transfer.jpg");
    EXPECT_EQ(dialogs.Last().title, "Return to your home castle...");
    EXPECT_EQ(dialogs.Last().text, "Do you really wish to return to your home castle?");
    EXPECT_EQ(dialogs.Last().buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(g.army[1][Army::x], 4);
    EXPECT_EQ(g.currentLord, 1);

    dialogs.Answer(logic::kOfferAction);
    logic::PortalHome();
    EXPECT_EQ(g.army[1][Army::x], 1);
    EXPECT_EQ(g.army[1][Army::y], 1);
    EXPECT_EQ(g.currentLord, 2);

    // Not in the tutorial, and not in another lord's turn.
    TurnOf(1);
    g.tutorialOn = true;
    logic::PortalHome();
    EXPECT_EQ(dialogs.Last().text, "Sorry, during the tutorial this is not possible.");
    g.tutorialOn = false;
    TurnOf(3);
    const size_t shown = dialogs.Shown().size();
    logic::PortalHome();
    logic::SkipTurn();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(g.currentLord, 3);
}

TEST_F(ButtonsTest, SkipPassesTheTurnOnlyOnce) {
    auto& g = state::G();
    logic::SkipTurn();
    EXPECT_EQ(g.currentLord, 2);
    // After the last step, before Timer3 fires, a skip does nothing.
    TurnOf(1);
    g.army[1][Army::movesLeft] = 0;
    logic::SkipTurn();
    EXPECT_EQ(g.currentLord, 1);
}

TEST_F(ButtonsTest, MoveInformationDependsOnTheScoutCamp) {
    auto& g = state::G();
    logic::MoveInformation();
    EXPECT_EQ(dialogs.Last().text,
              "Click on one of the rectangles on the map to your right to move your army to this "
              "location.");
    g.lord[1][Lord::scoutCamp] = 1;
    logic::MoveInformation();
    EXPECT_EQ(dialogs.Last().text,
              "If you right-click on an enemy army or castle you will get more information about "
              "its army strength or buildings.");
    EXPECT_EQ(hooks.Count("DrawMap 1 0"), 2);
}

TEST_F(ButtonsTest, DuringABattleTheButtonsPauseRefuseAndResume) {
    EXPECT_FALSE(logic::RefuseDuringBattle());
    EXPECT_TRUE(dialogs.Shown().empty());
    hooks.battleShown = true;
    state::G().battleClock.clockOn = true;
    EXPECT_TRUE(logic::RefuseDuringBattle());
    EXPECT_EQ(dialogs.Last().text, "Sorry, but during a battle you cannot do this.");
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"StopClock", "StartClock"}));
    EXPECT_TRUE(state::G().battleClock.clockOn);
}

TEST_F(ButtonsTest, TheCastleAndHireScreensOpenInTheHumansTurn) {
    auto& g = state::G();
    g.army[1][Army::movesLeft] = 0;  // after the step, still the human's turn
    logic::OpenHire();
    logic::OpenCastle();
    EXPECT_TRUE(hooks.Has("OpenHireTroops"));
    EXPECT_TRUE(hooks.Has("OpenBuildings"));
    hooks.calls.clear();
    TurnOf(2);
    logic::OpenHire();
    logic::OpenCastle();
    EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(ButtonsTest, TheCloseQueryAsksUnlessTheGameIsOver) {
    auto& g = state::G();
    testsupport::TempGameFolders folders;
    // No: closing is refused.
    EXPECT_FALSE(logic::CloseQuery());
    EXPECT_EQ(dialogs.Last().text, "Do you really want to QUIT this game?");
    EXPECT_TRUE(hooks.Has("Play button.wav"));

    // Yes, then Yes to the autosave.
    g.enteringDungeon = true;
    dialogs.Answer(logic::kAnswerYes);
    dialogs.Answer(logic::kAnswerYes);
    EXPECT_TRUE(logic::CloseQuery());
    EXPECT_EQ(dialogs.Last().text, "Do you want to save your current game (Auto-save)?");
    EXPECT_TRUE(std::filesystem::exists(folders.User() / "Autosavegame.int"));
    EXPECT_TRUE(std::filesystem::exists(folders.User() / "Autosavegame.str"));
    EXPECT_TRUE(hooks.Has("CloseDungeonWindow"));
    EXPECT_FALSE(g.enteringDungeon);
    EXPECT_TRUE(g.dungeonMayClose);

    // A failed autosave (the user folder cannot be made: a file stands where it should be) is
    // reported and the window still closes; No skips the save.
    std::ofstream(folders.User() / "blocker") << "x";
    platform::UseFiles(platform::Files(folders.Data(), folders.User() / "blocker" / "inside"));
    hooks.calls.clear();
    dialogs.Answer(logic::kAnswerYes);
    dialogs.Answer(logic::kAnswerYes);
    EXPECT_TRUE(logic::CloseQuery());
    EXPECT_EQ(hooks.calls.size(), 3u);  // the click, the error, the dungeon window
    EXPECT_EQ(hooks.calls[1].rfind("ReportError ", 0), 0u);
    std::filesystem::remove(folders.User() / "Autosavegame.int");
    platform::UseFiles(platform::Files(folders.Data(), folders.User()));
    hooks.calls.clear();
    dialogs.Answer(logic::kAnswerYes);
    dialogs.Answer(logic::kAnswerNo);
    EXPECT_TRUE(logic::CloseQuery());
    EXPECT_FALSE(std::filesystem::exists(folders.User() / "Autosavegame.int"));

    // During a battle: refused with its own text.
    hooks.battleShown = true;
    EXPECT_FALSE(logic::CloseQuery());
    EXPECT_EQ(dialogs.Last().text, "You cannot close the screen while in battle!");

    // After the game has ended: allowed without a question.
    g.returnToMenu = true;
    const size_t shown = dialogs.Shown().size();
    EXPECT_TRUE(logic::CloseQuery());
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

TEST_F(ButtonsTest, ActivationReopensADungeonGame) {
    auto& g = state::G();
    logic::WindowActivated();
    EXPECT_FALSE(hooks.Has("ShowDungeonWindow"));
    g.inDungeon = 1;
    logic::WindowActivated();
    EXPECT_TRUE(hooks.Has("ShowDungeonWindow"));
    EXPECT_FALSE(g.dungeonMayClose);
    hooks.calls.clear();
    g.gameOver = true;
    logic::WindowActivated();
    EXPECT_FALSE(hooks.Has("ShowDungeonWindow"));
}

TEST_F(ButtonsTest, TheEnemyCloseWarningComesOnceWithinTwoSteps) {
    auto& g = state::G();
    // Three steps from the castle: no warning.
    PlaceArmy(3, 2, 3);
    logic::TurnStartHints();
    EXPECT_TRUE(dialogs.Shown().empty());
    // Two steps: the warning, once.
    PlaceArmy(3, 2, 2);
    logic::TurnStartHints();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().kind, "TFHelpMessage");
    EXPECT_EQ(dialogs.Last().title, "Help mode: Enemy is close!");
    EXPECT_EQ(dialogs.Last().text,
              "An enemy army is in reach of your castle! You should open a magic portal using the "
              "\"Portal\" command (left part of the screen) and return to your castle immediately "
              "or the game could be lost! This warning only appears once.");
    EXPECT_EQ(g.lord[1][Lord::enemyCloseHintShown], 1);
    PlaceArmy(2, 1, 2);
    logic::TurnStartHints();
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    // Not during a battle, and not for a defeated lord's army.
    g.lord[1][Lord::enemyCloseHintShown] = 0;
    hooks.battleShown = true;
    logic::TurnStartHints();
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    hooks.battleShown = false;
    g.lord[2][Lord::inGame] = 0;
    g.lord[3][Lord::inGame] = 0;
    logic::TurnStartHints();
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(ButtonsTest, CastleMarkersStandOnTheCastlesOfLordsInTheGame) {
    auto& g = state::G();
    g.lord[3][Lord::inGame] = 0;
    g.lord[4][Lord::castleX] = 0;
    logic::PlaceCastleMarkers();
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"Marker 1 1 1 1", "Marker 2 12 1 1",
                                                     "Marker 3 0 0 0", "Marker 4 0 0 0"}));
}

TEST_F(ButtonsTest, ScoutReportsNeedTheScoutCamp) {
    auto& g = state::G();
    logic::RightClickArmy(1);
    EXPECT_EQ(dialogs.Last().text, "This is your army.");
    logic::RightClickCastle(1);
    EXPECT_EQ(dialogs.Last().text, "This is your castle. Protect it!");
    logic::RightClickArmy(2);
    EXPECT_EQ(dialogs.Last().text,
              "This is one of the enemy lords. If you build a scout camp you can get more info "
              "about him.");
    logic::RightClickCastle(2);
    EXPECT_EQ(dialogs.Last().text,
              "This is the castle of an enemy lord. If you build a scout camp you can get more "
              "info about him.");

    g.lord[1][Lord::scoutCamp] = 1;
    auto& a = g.army[3];
    a[Army::soldiers] = 6;
    a[Army::archers] = 2;
    a[Army::fast] = 1;
    a[Army::siege] = 0;
    g.lord[3][Lord::heroLevel] = 4;
    logic::RightClickArmy(3);
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_red.jpg");
    EXPECT_EQ(dialogs.Last().title, "Red Realm");
    EXPECT_EQ(dialogs.Last().text,
              "Your scouts are reporting: Hero Level 4, Soldiers: 6, Archers: 2, Elephants: 1, "
              "Cannons: 0");
    a[Army::specialCount] = 3;
    EXPECT_EQ(logic::ArmyReportText(3),
              "Your scouts are reporting: Hero Level 4, Soldiers: 6, Archers: 2, Elephants: 1, "
              "Cannons: 0, Other: 3");

    g.lord[4][Lord::gold] = 250;
    logic::RightClickCastle(4);
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_cyan.jpg");
    EXPECT_EQ(dialogs.Last().text, "Your scouts are reporting: Gold: 250, Buildings: None");
    g.lord[4][Lord::keep] = 1;
    g.lord[4][Lord::barracks] = 1;
    g.lord[4][Lord::scoutCamp] = 1;
    g.lord[4][Lord::guildhouse] = 1;
    EXPECT_EQ(logic::CastleReportText(4),
              "Your scouts are reporting: Gold: 250, Buildings: Barracks, Keep, Scout-camp, "
              "Guildhouse");

    // Right-clicks in a computer's turn say nothing.
    const size_t shown = dialogs.Shown().size();
    TurnOf(2);
    logic::RightClickArmy(3);
    logic::RightClickCastle(9);
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

}  // namespace
}  // namespace camptest
