#include "campaign/turn_cycle.h"

#include "campaign/city_round.h"
#include "campaign/computer_lord.h"
#include "campaign/spawn_fields.h"
#include "campaign/turn_hints.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/slot_info.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

// How often NextLord looks for a lord still in the game before it gives up.
constexpr int kTurnTries = 101;
// How often a computer lord's step is called in one turn at most.
constexpr int kComputerSteps = 11;

// The lords still in the game own their castle fields again.
void ClaimCastles() {
    for (int p = 1; p <= kLords; ++p) {
        if (!InGame(p)) continue;
        const auto& l = LordRecord(p);
        if (auto* f = FieldAt(l[Lord::castleX], l[Lord::castleY])) (*f)[state::Field::owner] = p;
    }
}

// The once-per-round updates when the turn passes from the last lord back to lord 1.
void NewRound() {
    state::GameState& g = state::G();
    if (g.round >= 0 && g.round < state::kLargestRound) ++g.round;
    SpawnFields(true);
    CityRound();
}

// Finds the next lord in the game; false after kTurnTries lords were out.
bool AdvanceLord() {
    state::GameState& g = state::G();
    // A stored lord number that is no lord (a damaged file) starts the search before lord 1.
    if (!ValidLord(g.currentLord)) g.currentLord = 0;
    for (int tries = 0; tries < kTurnTries; ++tries) {
        Hooks().Timers().DisableTimer1();
        g.currentLord += 1;
        if (g.currentLord > kLords) {
            g.currentLord = 1;
            NewRound();
        }
        ArmyRecord(g.currentLord)[Army::movesLeft] = 4;
        if (LordRecord(g.currentLord)[Lord::inGame] == 1) return true;
    }
    return false;
}

// A computer lord's whole turn: up to 11 steps while it has moves left.
void ComputerTurn(int lord) {
    Hooks().View().ShowComputerMovePanel(lord);
    int calls = 0;
    do {
        ComputerLordStep();
        ++calls;
    } while (calls < kComputerSteps && ArmyRecord(lord)[Army::movesLeft] > 0 &&
             !state::G().gameOver);
    Hooks().Timers().EnableTimer1();
}

}  // namespace

bool HumanMayAct() {
    const state::GameState& g = state::G();
    const int c = CurrentLordChecked();
    return c != 0 && !g.gameOver && !g.battleStarted && g.inDungeon == 0 && !g.enteringDungeon &&
           IsHuman(c) && InGame(c) && ArmyRecord(c)[Army::movesLeft] >= 1 &&
           !Hooks().View().IsBattleShown();
}

void NextLord() {
    state::GameState& g = state::G();
    if (!g.gameOver) {
        Hooks().View().DrawMap(false, false);
        ClaimCastles();
        const bool found = AdvanceLord();
        if (!found) {
            g.gameOver = true;
            UI().ShowNotice("night.jpg", "Game Over!",
                            "All adventurers have died in the wicked labyrinths! The adventures "
                            "and this game are over!",
                            "Continue");
        } else if (IsHuman(g.currentLord)) {
            TurnStartHints();
        } else {
            ComputerTurn(g.currentLord);
        }
    }
    if (g.gameOver) {
        Hooks().Timers().DisableTimer1();
        g.returnToMenu = true;
        Hooks().Screens().CloseStrategicWindow();
        return;
    }
    Hooks().View().DrawMap(true, false);
}

void Timer1Tick() {
    Hooks().View().HideComputerMovePanel();
    if (state::G().battleStarted) return;
    Hooks().Timers().DisableTimer1();
    NextLord();
}

void Timer3Tick() {
    Hooks().Timers().DisableTimer3();
    NextLord();
}

void ResumeTurn() {
    const state::GameState& g = state::G();
    const int c = CurrentLordChecked();
    if (c == 0 || g.gameOver || g.inDungeon != 0) return;
    if (!IsHuman(c))
        Hooks().Timers().EnableTimer1();
    else if (ArmyRecord(c)[Army::movesLeft] < 1)
        Hooks().Timers().EnableTimer3();
}

void PrepareFirstRound() {
    // The set-up leaves the turn with the last lord, so the first turn starts round 1 as every
    // later round starts; from any other lord it starts within round 1.
    state::G().round = state::G().currentLord == kLords ? 0 : 1;
    for (int pass = 0; pass < 11; ++pass)
        SpawnFields(false);
    // The cities start in a settled state: twelve rounds of garrisons, taxes, prices and stocks.
    for (int round = 0; round < 12; ++round)
        CityRound();
    NextLord();
}

}  // namespace logic
