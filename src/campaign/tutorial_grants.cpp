// The tutorial's grants: fields, items, honor, resources and gold, the hiring lesson and the
// enemy of its battle, each at its step.
#include "campaign/tutorial_grants.h"

#include "battle/tutorial_battle.h"
#include "campaign/spawn_fields.h"
#include "dungeon/tutorial_dungeon.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/spawn_field.h"

namespace logic {

namespace {

namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;

constexpr int kFieldLife = 10000;
constexpr int kFirstFieldSlot = 1, kSecondFieldSlot = 2;
constexpr int kSoldiersWanted = 6;
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
        case TutorialStep::woodField:
            PlaceField(step, kFirstFieldSlot, SpawnKind::wood);
            break;
        case TutorialStep::ironField:
            PlaceField(step, kFirstFieldSlot, SpawnKind::iron);
            break;
        case TutorialStep::dungeonField:
            PlaceField(step, kSecondFieldSlot, SpawnKind::dungeon);
            break;
        case TutorialStep::potion:
            ArrangeDungeonTutorialStep(step);
            break;
        case TutorialStep::smallerEnemy:
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
    if (TutorialAt(TutorialStep::barracksShown))
        AdvanceTutorial(TutorialStep::barracksShown, ArrangeTutorialStep);
    if (TutorialAt(TutorialStep::barracksAgain)) {
        TopUpForBarracks();
        AdvanceTutorial(TutorialStep::barracksAgain, ArrangeTutorialStep);
    }
}

void TutorialBuilt(int building) {
    if (building == CastleBuilding::barracks)
        AdvanceTutorial(TutorialStep::barracksBuilt, ArrangeTutorialStep);
}

void TutorialUnitHired(int kind) {
    if (!TutorialAt(TutorialStep::soldiersHired) || kind != 1) return;
    if (ArmyRecord(TutorialLord())[state::Army::soldiers] < kSoldiersWanted) {
        UI().ShowShortNotice(kTutorialHireAgain, "Continue");
        return;
    }
    AdvanceTutorial(TutorialStep::soldiersHired, ArrangeTutorialStep);
}

void TutorialContinueClick(TutorialContinue button) {
    const state::GameState& g = state::G();
    if (!g.tutorialOn) return;
    int step = g.tutorialStep;
    if (button == TutorialContinue::strategic && step >= 0 && step < TutorialStep::introDone) {
        state::G().tutorialStep = TutorialStep::introDone;
        step = TutorialStep::introDone;
    }
    const TutorialStepRow* row = FindTutorialStep(step);
    if (row == nullptr || row->continueButton != button) return;
    if (step == kTutorialLastStep) {
        EndTutorial();
        return;
    }
    if (step == TutorialStep::battleWon) {
        Hooks().Tutorial().ShowStep(TutorialPanelView{});
        return;
    }
    AdvanceTutorial(step, ArrangeTutorialStep);
    // The item of step 24 is offered once its panel has moved on.
    if (step == TutorialStep::itemExample) OfferTutorialItem();
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
