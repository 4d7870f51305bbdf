// The tutorial's grants: fields, items, honor, resources and gold, the hiring lesson and the
// enemy of its battle, each at its step.
#include "campaign/tutorial_grants.h"

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "campaign/campaign_hooks.h"
#include "campaign/dialogs.h"
#include "campaign/lords.h"
#include "campaign/spawn_fields.h"
#include "campaign/tutorial_steps.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/treasure.h"
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
constexpr int kFirstFieldSlot = 1, kSecondFieldSlot = 2;
constexpr int kOfferedItem = 1;
constexpr int kHealPotion = 132;
constexpr int kDungeonHonor = 2;
constexpr int kHireGold = 1000;
constexpr int kSoldiersWanted = 6;
constexpr int kBarracks = 1;
// What the barracks cost, which step 43 makes sure the lord has.
constexpr int kBarracksGold = 1000, kBarracksHonor = 1, kBarracksWood = 2, kBarracksIron = 2;
constexpr int kBattleSoldiers = 2, kBattleArchers = 1;

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

// Step 36: the heal potion in the first backpack place, whatever lay there.
void GivePotion() {
    ReplaceWithItem(1, kHealPotion);
}

void RaiseTo(state::Int& amount, int least, bool& raised) {
    if (amount >= least) return;
    amount = least;
    raised = true;
}

// Step 52: the enemy of the tutorial battle shrinks to two soldiers and one archer battalion.
void ShrinkTutorialEnemy() {
    state::GameState& g = state::G();
    auto& foe = g.battleFoeSide;
    foe[BattleSide::soldiers] = kBattleSoldiers;
    foe[BattleSide::fast] = 0;
    foe[BattleSide::archers] = kBattleArchers;
    foe[BattleSide::siege] = 0;
    foe[BattleSide::startStrength] = SideStrength(foe);
    RefreshBattleDisplay();
}

}  // namespace

void ArrangeTutorialStep(int step) {
    state::GameState& g = state::G();
    auto& lord = LordRecord(TutorialLord());
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
            GivePotion();
            break;
        case 41:
            lord[Lord::honor] = state::AddSaturated(lord[Lord::honor], kDungeonHonor);
            Hooks().View().DrawStatusBar();
            break;
        case 46:
            if (lord[Lord::gold] < kHireGold) {
                lord[Lord::gold] = state::AddSaturated(lord[Lord::gold], kHireGold);
                Hooks().View().DrawStatusBar();
            }
            break;
        case 52:
            if (!g.battleOver) ShrinkTutorialEnemy();
            break;
        default:
            break;
    }
}

std::string TutorialDungeonEndText() {
    const int me = TutorialLord();
    if (LordRecord(me)[Lord::honor] > 0) return kTutorialDungeonDone;
    if (state::G().hero[me][state::Hero::health] < 1) return kTutorialHeroDied;
    return kTutorialDungeonLeft;
}

void OfferTutorialItem() {
    ShowFoundItem(kOfferedItem);
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
    if (TutorialAt(12)) AdvanceTutorial(12);
    if (TutorialAt(43)) {
        TopUpForBarracks();
        AdvanceTutorial(43);
    }
}

void TutorialBuilt(int building) {
    if (building == kBarracks) AdvanceTutorial(44);
}

void TutorialUnitHired(int kind) {
    if (!TutorialAt(47) || kind != 1) return;
    if (ArmyRecord(TutorialLord())[state::Army::soldiers] < kSoldiersWanted) {
        UI().ShowShortNotice(kTutorialHireAgain, "Continue");
        return;
    }
    AdvanceTutorial(47);
}

}  // namespace logic
