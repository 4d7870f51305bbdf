// The tutorial's step machine over the run-time values TutorialOn and TutorialStep.
#include "rules/tutorial_steps.h"

#include <cstdlib>

#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/map_site.h"

namespace logic {

namespace {

// What the lord is granted after the dungeon and for the hiring lesson.
constexpr int kDungeonHonor = 2;
constexpr int kHireGold = 1000;

// The fields the tutorial arranges on the map.
constexpr int kWoodX = 3, kWoodY = 9;
constexpr int kIronX = 5, kIronY = 8;
constexpr int kDungeonX = 5, kDungeonY = 6;

bool Running() {
    return state::G().tutorialOn;
}

int Step() {
    return state::G().tutorialStep;
}

bool RunningBetween(int from, int below) {
    return Running() && Step() >= from && Step() < below;
}

void Show(int step) {
    Hooks().Tutorial().ShowStep(TutorialStepView(step));
}

// The first other lord in the game with a castle on the map.
bool EnemyCastle(int& x, int& y) {
    const int me = TutorialLord();
    for (int lord = 1; lord <= 4; ++lord) {
        if (lord == me || !InGame(lord)) continue;
        const auto& l = LordRecord(lord);
        if (!OnMap(l[state::Lord::castleX], l[state::Lord::castleY])) continue;
        x = l[state::Lord::castleX];
        y = l[state::Lord::castleY];
        return true;
    }
    return false;
}

// The city nearest to the army that no lord owns yet.
bool NearestFreeCity(int& x, int& y) {
    const auto& a = ArmyRecord(TutorialLord());
    const state::GameState& g = state::G();
    long best = -1;
    for (int row = 1; row <= 10; ++row) {
        const auto& s = g.mapSite[row];
        if (s[state::MapSite::active] <= 0 || s[state::MapSite::kind] != SiteKind::city ||
            s[state::MapSite::owner] != 0 || !OnMap(s[state::MapSite::x], s[state::MapSite::y]))
            continue;
        const long d = std::labs(static_cast<long>(s[state::MapSite::x]) - a[state::Army::x]) +
                       std::labs(static_cast<long>(s[state::MapSite::y]) - a[state::Army::y]);
        if (best < 0 || d < best) {
            best = d;
            x = s[state::MapSite::x];
            y = s[state::MapSite::y];
        }
    }
    return best >= 0;
}

// The honor after the dungeon and the gold for hiring, granted as their steps begin.
void GrantStepReward(int step) {
    auto& lord = LordRecord(TutorialLord());
    if (step == TutorialStep::dungeonReward) {
        lord[state::Lord::honor] = state::AddSaturated(lord[state::Lord::honor], kDungeonHonor);
        Hooks().View().DrawStatusBar();
    } else if (step == TutorialStep::hireOpened && lord[state::Lord::gold] < kHireGold) {
        lord[state::Lord::gold] = state::AddSaturated(lord[state::Lord::gold], kHireGold);
        Hooks().View().DrawStatusBar();
    }
}

}  // namespace

bool TutorialAt(int step) {
    return Running() && Step() == step;
}

void AdvanceTutorial(int fromStep, TutorialArrangement arrange) {
    if (!TutorialAt(fromStep)) return;
    const int step = fromStep + 1;
    state::G().tutorialStep = step;
    // The panel is read before the step's grants: step 41 tells how the dungeon ended, which
    // its honor would hide.
    const TutorialPanelView view = TutorialStepView(step);
    GrantStepReward(step);
    if (arrange != nullptr) arrange(step);
    Hooks().Tutorial().ShowStep(view);
}

TutorialPanelView TutorialStepView(int step) {
    TutorialPanelView v;
    v.step = step;
    const TutorialStepRow* row = FindTutorialStep(step);
    if (row == nullptr) return v;
    v.screen = row->screen;
    v.title = row->title;
    v.text = row->text;
    v.action = row->action;
    v.continueShown = row->continueButton != TutorialContinue::none;
    v.extra = row->extra;
    if (step == TutorialStep::dungeonReward) v.text = TutorialDungeonEndText();
    TutorialMapMark(step, v.markX, v.markY);
    return v;
}

void StartTutorialSteps() {
    state::G().tutorialOn = true;
    state::G().tutorialStep = 1;
    Show(1);
}

void EndTutorial() {
    state::G().tutorialOn = false;
    state::G().tutorialStep = 0;
    Hooks().Tutorial().HideAll();
}

int TutorialLord() {
    for (int lord = 1; lord <= 4; ++lord) {
        if (IsHuman(lord) && InGame(lord)) return lord;
    }
    return 1;
}

bool TutorialMapMark(int step, int& x, int& y) {
    x = y = 0;
    switch (step) {
        case 7: {
            const auto& l = LordRecord(TutorialLord());
            x = l[state::Lord::castleX];
            y = l[state::Lord::castleY];
            break;
        }
        case 8:
        case 9:
            EnemyCastle(x, y);
            break;
        case TutorialStep::woodField:
            x = kWoodX, y = kWoodY;
            break;
        case TutorialStep::ironField:
            x = kIronX, y = kIronY;
            break;
        case TutorialStep::dungeonField:
            x = kDungeonX, y = kDungeonY;
            break;
        case TutorialStep::cityEntered:
            NearestFreeCity(x, y);
            break;
        default:
            break;
    }
    if (!OnMap(x, y)) x = y = 0;
    return x != 0;
}

bool TutorialRefusesDungeonMove() {
    return RunningBetween(TutorialStep::dungeonLesson, TutorialStep::firstMove);
}

bool TutorialRefusesLeaving() {
    return RunningBetween(TutorialStep::dungeonLesson, TutorialStep::potion);
}

bool TutorialRefusesDuelAction() {
    return RunningBetween(TutorialStep::dungeonLesson, TutorialStep::potion);
}

bool TutorialRefusesBattleOrders() {
    return RunningBetween(TutorialStep::battleLesson, TutorialStep::battleOrders);
}

bool TutorialHoldsMonsters() {
    return RunningBetween(TutorialStep::dungeonLesson, TutorialStep::monstersWait + 1);
}

std::string TutorialDungeonEndText() {
    const int me = TutorialLord();
    if (LordRecord(me)[state::Lord::honor] > 0) return kTutorialDungeonDone;
    if (state::G().hero[me][state::Hero::health] < 1) return kTutorialHeroDied;
    return kTutorialDungeonLeft;
}

}  // namespace logic
