// The tutorial's grants: fields, items, honor, resources and gold, the hiring lesson and the
// enemy of its battle, each at its step.
#include "campaign/tutorial_grants.h"

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "battle/tutorial_battle.h"
#include "campaign/spawn_fields.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/treasure.h"
#include "dungeon/tutorial_dungeon.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/battle_tables.h"
#include "state/game_state.h"
#include "state/hero.h"
#include "state/int_math.h"
#include "state/spawn_field.h"

namespace logic {

namespace {

namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;
namespace BattleSide = state::BattleSide;

constexpr int kFieldLife = 10000;
// The steps of the introduction (steps 0 to 3 share the strategic "Continue"), and the step
// whose "Continue" only hides its panel.
constexpr int kLastIntroStep = 3;
constexpr int kHidePanelStep = 56;
constexpr int kFirstFieldSlot = 1, kSecondFieldSlot = 2;
constexpr int kSoldiersWanted = 6;
constexpr int kBarracks = 1;
// What the barracks cost, which step 43 makes sure the lord has.
constexpr int kBarracksGold = 1000, kBarracksHonor = 1, kBarracksWood = 2, kBarracksIron = 2;

// A spawn field of the tutorial in a slot, replacing whatever field lay on its place.
void PlaceField(int step, int slot, int kind) {
    int x = 0, y = 0;
    if (!TutorialMapMark(step, x, y)) return;
    while (const int other = SpawnFieldAt(x, y))
        ClearSpawnSlot(other);
    auto& s = state::G().spawnField[slot];
    s[SpawnField::present] = 1;
    s[SpawnField::kind] = kind;
    s[SpawnField::x] = x;
    s[SpawnField::y] = y;
    s[SpawnField::roundsLeft] = kFieldLife;
    Hooks().View().DrawSpawnField(slot);
}

void RaiseTo(state::Int& amount, int least, bool& raised) {
    if (amount >= least) return;
    amount = least;
    raised = true;
}

}  // namespace

void ArrangeTutorialStep(int step) {
    switch (step) {
        case 10:
            PlaceField(step, kFirstFieldSlot, SpawnKind::wood);
            break;
        case 14:
            PlaceField(step, kFirstFieldSlot, SpawnKind::iron);
            break;
        case 15:
            PlaceField(step, kSecondFieldSlot, SpawnKind::dungeon);
            break;
        case 36:
            ArrangeDungeonTutorialStep(step);
            break;
        case 52:
            ArrangeBattleTutorialStep(step);
            break;
        default:
            break;
    }
}

void TopUpForBarracks() {
    auto& lord = LordRecord(TutorialLord());
    bool raised = false;
    RaiseTo(lord[Lord::gold], kBarracksGold, raised);
    RaiseTo(lord[Lord::honor], kBarracksHonor, raised);
    RaiseTo(lord[Lord::wood], kBarracksWood, raised);
    RaiseTo(lord[Lord::iron], kBarracksIron, raised);
    if (!raised) return;
    Hooks().View().DrawStatusBar();
    UI().ShowShortNotice(kTutorialTopUpNotice, "Continue");
}

void TutorialBarracksShown() {
    if (TutorialAt(12)) AdvanceTutorial(12, ArrangeTutorialStep);
    if (TutorialAt(43)) {
        TopUpForBarracks();
        AdvanceTutorial(43, ArrangeTutorialStep);
    }
}

void TutorialBuilt(int building) {
    if (building == kBarracks) AdvanceTutorial(44, ArrangeTutorialStep);
}

void TutorialUnitHired(int kind) {
    if (!TutorialAt(47) || kind != 1) return;
    if (ArmyRecord(TutorialLord())[state::Army::soldiers] < kSoldiersWanted) {
        UI().ShowShortNotice(kTutorialHireAgain, "Continue");
        return;
    }
    AdvanceTutorial(47, ArrangeTutorialStep);
}

void TutorialContinueClick(TutorialContinue button) {
    const state::GameState& g = state::G();
    if (!g.tutorialOn) return;
    int step = g.tutorialStep;
    if (button == TutorialContinue::strategic && step >= 0 && step < kLastIntroStep) {
        state::G().tutorialStep = kLastIntroStep;
        step = kLastIntroStep;
    }
    const TutorialStepRow* row = FindTutorialStep(step);
    if (row == nullptr || row->continueButton != button) return;
    if (step == kTutorialLastStep) {
        EndTutorial();
        return;
    }
    if (step == kHidePanelStep) {
        Hooks().Tutorial().ShowStep(TutorialPanelView{});
        return;
    }
    AdvanceTutorial(step, ArrangeTutorialStep);
    // The item of step 24 is offered once its panel has moved on.
    if (step == 24) OfferTutorialItem();
}

void TutorialExtraContinueClick() {
    const state::GameState& g = state::G();
    if (!g.tutorialOn) return;
    const int step = g.tutorialStep;
    const TutorialStepRow* row = FindTutorialStep(step);
    if (row == nullptr || row->extra == TutorialExtra::none) return;
    AdvanceTutorial(step, ArrangeTutorialStep);
}

}  // namespace logic
