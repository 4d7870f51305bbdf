#include "campaign/hiring.h"

#include "campaign/tutorial_grants.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/themes.h"
#include "state/value_ranges.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

// The theme whose quest is the Ring Of Kings; its owner hires 25% cheaper.

struct TroopOffer {
    int price;
    int ringPrice;
    int building;  // the building that enables the kind
    int armySlot;
    const char* name;
    const char* description;
    const char* role;
    const char* picture;
    const char* greyPicture;
    const char* refusal;
};

constexpr TroopOffer kTroops[4] = {
    {400, 300, CastleBuilding::barracks, Army::soldiers, "Nomads",
     "The purpose of soldiers is to be the first line of defense and take damage.", "Melee",
     "m2_nomad.jpg", "m2_nomadg.jpg", "You need to build \"barracks\" to hire soldiers!"},
    {1000, 750, CastleBuilding::stables, Army::fast, "War elephants",
     "War elephants can flank enemy soldiers and attack their range units and cannons directly.",
     "Fast Melee", "m2_elephant.jpg", "m2_elephantg.jpg",
     "You need to build \"stables\" to hire knights!"},
    {800, 600, CastleBuilding::bowmaker, Army::archers, "Archers",
     "Archers can hit any unit on the battlefield and are especially useful in defensive "
     "positions.",
     "Range", "m2_archers.jpg", "m2_archersg.jpg",
     "You need to build a \"bowmaker\" house to hire archers!"},
    {6000, 4500, CastleBuilding::workshop, Army::siege, "Cannons",
     "Cannons can hit any unit on the battlefield and with double cannister they can devastate "
     "incoming infantry.",
     "Long Range", "m2_cannon.jpg", "m2_cannong.jpg",
     "You need to build a \"workshop\" to build cannons!"},
};

const TroopOffer* Troop(int kind) {
    return kind >= 1 && kind <= 4 ? &kTroops[kind - 1] : nullptr;
}

bool HasRing(int lord) {
    return state::G().mapSetting[state::MapSetting::theme] == state::kRingTheme &&
           LordRecord(lord)[Lord::themeCounter] >= 1;
}

}  // namespace

int HirePrice(int lord, int kind) {
    const TroopOffer* t = Troop(kind);
    if (t == nullptr || !ValidLord(lord)) return 0;
    return HasRing(lord) ? t->ringPrice : t->price;
}

HireLine HireScreenLine(int lord, int kind) {
    HireLine line;
    const TroopOffer* t = Troop(kind);
    if (t == nullptr || !ValidLord(lord)) return line;
    line.greyed = !HasBuilt(lord, t->building);
    line.name = t->name;
    line.description = t->description;
    line.priceLine =
        std::string("(") + t->role + " / " + std::to_string(HirePrice(lord, kind)) + " gold)";
    line.picture = line.greyed ? t->greyPicture : t->picture;
    line.buttonPicture = line.greyed ? "icon_buytroopsg.jpg" : "icon_buytroops.jpg";
    return line;
}

bool HireUnit(int kind) {
    const int c = CurrentLordChecked();
    const TroopOffer* t = Troop(kind);
    if (c == 0 || t == nullptr) return false;
    const int price = HirePrice(c, kind);
    if (!HasBuilt(c, t->building)) {
        UI().ShowShortNotice(t->refusal, "Continue");
        return false;
    }
    auto& count = ArmyRecord(c)[t->armySlot];
    if (count >= state::kTroopLimit) {
        UI().ShowShortNotice(kArmyFull, "Continue");
        return false;
    }
    auto& gold = LordRecord(c)[Lord::gold];
    if (gold < price) {
        UI().ShowShortNotice(kNotEnoughMoney, "Continue");
        return false;
    }
    Hooks().Sound().PlayPayment();
    gold -= price;
    count = state::AddWithin(count, 1, 0, state::kTroopLimit);
    Hooks().View().DrawStatusBar();
    TutorialUnitHired(kind);
    return true;
}

}  // namespace logic
