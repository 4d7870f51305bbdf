#include "campaign/strategic_buttons.h"

#include "battle/battle_clock.h"
#include "campaign/turn_cycle.h"
#include "campaign/tutorial_grants.h"
#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/saved_games.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

// The castle and hire screens open in the human's own turn, even after its last step.
bool HumanTurn() {
    const int c = CurrentLordChecked();
    return c != 0 && IsHuman(c) && InGame(c) && !state::G().gameOver;
}

}  // namespace

bool RefuseDuringBattle() {
    if (!Hooks().View().IsBattleShown()) return false;
    PauseBattleForDialog();
    UI().ShowShortNotice(kBattleRefusal, "Continue");
    ResumeBattleAfterDialog();
    return true;
}

void SkipTurn() {
    if (!HumanMayAct()) return;
    NextLord();
}

void PortalHome() {
    if (!HumanMayAct()) return;
    if (state::G().tutorialOn) {
        UI().ShowShortNotice("Sorry, during the tutorial this is not possible.", "Continue");
        return;
    }
    const int answer =
        UI().AskOffer("icon_transfer.jpg", "Return to your home castle...",
                      "Do you really wish to return to your home castle?", "Yes", "No");
    if (answer != kOfferAction) return;
    const int c = state::G().currentLord;
    const auto& l = LordRecord(c);
    // A castle off the map (a damaged file) leaves the army where it is.
    if (OnMap(l[Lord::castleX], l[Lord::castleY])) {
        ArmyRecord(c)[Army::x] = l[Lord::castleX];
        ArmyRecord(c)[Army::y] = l[Lord::castleY];
    }
    Hooks().View().DrawMap(false, false);
    NextLord();
}

void MoveInformation() {
    const int c = CurrentLordChecked();
    if (!IsHuman(c)) return;
    if (HasBuilt(c, CastleBuilding::scoutCamp))
        UI().ShowShortNotice(
            "If you right-click on an enemy army or castle you will get more information about "
            "its army strength or buildings.",
            "Continue");
    else
        UI().ShowShortNotice(
            "Click on one of the rectangles on the map to your right to move your army to this "
            "location.",
            "Continue");
    Hooks().View().DrawMap(true, false);
}

// The tutorial's steps around the two screens: the button that opens one, and leaving it.
void OpenHire() {
    if (!HumanTurn()) return;
    AdvanceTutorial(TutorialStep::hireOpened, ArrangeTutorialStep);
    Hooks().Screens().OpenHireTroops();
    AdvanceTutorial(TutorialStep::hireLeft, ArrangeTutorialStep);
}

void OpenCastle() {
    if (!HumanTurn()) return;
    AdvanceTutorial(TutorialStep::castleOpened, ArrangeTutorialStep);
    AdvanceTutorial(TutorialStep::castleAgain, ArrangeTutorialStep);
    Hooks().Screens().OpenBuildings();
    AdvanceTutorial(TutorialStep::castleLeft, ArrangeTutorialStep);
    AdvanceTutorial(TutorialStep::castleLeftAgain, ArrangeTutorialStep);
}

void OpenOptions() {
    Hooks().Screens().OpenOptions();
}

void WindowActivated() {
    const state::GameState& g = state::G();
    if (g.inDungeon != 1 || g.gameOver) return;
    // A game loaded inside a dungeon continues there: the dungeon window shows again. Once it
    // has closed (left, cleared or the hero died) the step that led into the dungeon ends as
    // after any dungeon, and the turn goes on.
    ResumeDungeon();
    ResumeTurn();
}

bool CloseQuery() {
    state::GameState& g = state::G();
    if (g.returnToMenu) return true;
    if (Hooks().View().IsBattleShown()) {
        // The battle clock and the cool-down stand still while the refusal is open.
        PauseBattleForDialog();
        UI().ShowShortNotice("You cannot close the screen while in battle!", "Continue");
        ResumeBattleAfterDialog();
        return false;
    }
    Hooks().Sound().Play(sound::Effect::Click);
    if (UI().AskYesNo("Do you really want to QUIT this game?", "Yes", "No") != kAnswerYes)
        return false;
    if (UI().AskYesNo("Do you want to save your current game (Auto-save)?", "Yes", "No") ==
        kAnswerYes) {
        std::string error;
        if (!state::SaveGame(state::kAutoSlot, error)) Hooks().Screens().ReportError(error);
    }
    g.enteringDungeon = false;
    g.dungeonMayClose = true;
    AbandonDuel();
    Hooks().Dungeon().CloseDungeonWindow();
    return true;
}

}  // namespace logic
