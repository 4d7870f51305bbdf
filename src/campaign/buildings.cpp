#include "campaign/buildings.h"

#include "campaign/tutorial_grants.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"

namespace logic {

namespace Lord = state::Lord;

namespace {

// The Keep lifts the range limit.

namespace R {
constexpr int wood = 1, iron = 2, stone = 3, gems = 4;
}

constexpr BuildingInfo kBuildings[kBuildingCount] = {
    {"Barracks",
     "Enables you to hire foot soldiers - sturdy melee fighters that make up the greater part of "
     "an army.",
     "Your craftsmen have built the barracks. You can now hire foot soldiers from the menu at the "
     "left of the strategy map (\"Hire\" button).",
     "1.000",
     "1",
     1000,
     1,
     {{{R::wood, 2}, {R::iron, 2}, {}}}},
    {"Walls",
     "Castles protected by walls can only be attacked by an army with catapults or cannons, but "
     "even then the defenders get a defense bonus.",
     "Your craftsmen have built walls. This will give you some time to expand until you are "
     "attacked. Remember that you get a defense bonus in your castle.",
     "1.000",
     "1",
     1000,
     1,
     {{{R::wood, 2}, {R::stone, 6}, {}}}},
    {"Keep",
     "This will lift the range restriction for your army making the whole map available to you.",
     "Your craftsmen have built a keep. You may now explore the whole map with your army, there "
     "are no movement restrictions anymore.",
     "2.500",
     "2",
     2500,
     2,
     {{{R::wood, 6}, {R::stone, 6}, {R::gems, 2}}}},
    {"Bowmaker",
     "The bowmaker will equip your army with bows and arrows - you may hire archers.",
     "Your craftsmen have built a bowmaker house. You may now hire powerful archers from the menu "
     "at the left of the strategy map (\"Hire\" button).",
     "2.000",
     "1",
     2000,
     1,
     {{{R::wood, 4}, {R::iron, 4}, {}}}},
    {"Treasury",
     "The treasury will double the tax output of cities.",
     "Your craftsmen have built a treasury. By now the tax output of cities is doubled.",
     "2000",
     "1",
     2000,
     1,
     {{{R::wood, 2}, {R::stone, 2}, {R::gems, 2}}}},
    {"Stables",
     "Stables enable you to hire fast melee units like cavalry or elephants.",
     "Your craftsmen have built stables. You can now train awesome knights from the menu at the "
     "left of the strategy map (\"Hire\" button).",
     "4.000",
     "2",
     4000,
     2,
     {{{R::wood, 8}, {R::iron, 4}, {R::stone, 2}}}},
    {"Scoutcamp",
     "Accurate reports about your enemies strength is vital for your victory. Scouts will provide "
     "you with this information.",
     "Your craftsmen have built scout camp. HINT: If you right-click on any enemy army or castle "
     "you will get in-depth information about it!!",
     "6000",
     "1",
     6000,
     1,
     {{{R::wood, 4}, {R::stone, 4}, {R::gems, 2}}}},
    {"Workshop",
     "Cannons or catapults are impressive long range units that can cause havoc on the "
     "battlefield and are required to attack castles with walls.",
     "Your craftsmen have built the workshop. This makes it possible for you to build cannons "
     "from the menu at the left of the strategy map (\"Hire\" button).",
     "8000",
     "2",
     8000,
     2,
     {{{R::wood, 4}, {R::iron, 4}, {R::gems, 8}}}},
    {"Guildhouse",
     "The adventurer guildhouse will make it possible to buy hero equipment at cities.",
     "Your craftsmen have built a adventurer guildhouse. If you visit a city you now have the "
     "option to buy hero equipment.",
     "4000",
     "10",
     4000,
     10,
     {{{R::wood, 4}, {R::stone, 2}, {R::gems, 2}}}},
};

// The lord's amount for a resource kind: the row (gold, honor, wood, iron, stone, gems) read at
// position kind + 2, so kind 0 reads honor (against an amount of 0).
int& Amount(int lord, int kind) {
    return LordRecord(lord)[Lord::gold + kind + 1];
}

bool CanPay(int lord, const BuildingInfo& b) {
    const auto& l = LordRecord(lord);
    if (l[Lord::gold] < b.gold || l[Lord::honor] < b.honor) return false;
    for (const ResourceCost& r : b.resources) {
        if (Amount(lord, r.kind) < r.amount) return false;
    }
    return true;
}

}  // namespace

const BuildingInfo* Building(int building) {
    if (building < 1 || building > kBuildingCount) return nullptr;
    return &kBuildings[building - 1];
}

const char* ResourcePicture(int kind) {
    static constexpr const char* kPictures[5] = {"", "d2_icon_wood.bmp", "d2_icon_iron.bmp",
                                                 "d2_icon_stone2.bmp", "d2_icon_crystal.bmp"};
    return kind >= 0 && kind <= 4 ? kPictures[kind] : "";
}

BuildingDetails ShowBuildingDetails(int building) {
    BuildingDetails d;
    const BuildingInfo* b = Building(building);
    if (b == nullptr) return d;
    if (building == CastleBuilding::barracks) TutorialBarracksShown();
    d.name = b->name;
    d.description = b->description;
    d.goldLabel = b->goldLabel;
    d.honorLabel = b->honorLabel;
    d.resources = b->resources;
    for (int i = 0; i < 3; ++i)
        d.resourcePictures[i] = ResourcePicture(b->resources[i].kind);
    d.buildEnabled = !HasBuilt(CurrentLordChecked(), building);
    return d;
}

std::string BuildingTilePicture(int building) {
    return HasBuilt(CurrentLordChecked(), building) ? kBuiltPicture : kBuildingPicture;
}

bool BuildSelected(int building) {
    const int c = CurrentLordChecked();
    const BuildingInfo* b = Building(building);
    // "Build" is disabled once a building stands.
    if (c == 0 || b == nullptr || HasBuilt(c, building)) return false;
    if (!CanPay(c, *b)) {
        UI().ShowShortNotice(kBuildingRefusal, "Continue");
        return false;
    }
    auto& l = LordRecord(c);
    l[Lord::gold] = state::AddSaturated(l[Lord::gold], -std::int64_t{b->gold});
    l[Lord::honor] = state::AddSaturated(l[Lord::honor], -std::int64_t{b->honor});
    for (const ResourceCost& r : b->resources)
        Amount(c, r.kind) -= r.amount;
    Hooks().View().DrawStatusBar();
    l[Lord::Built(building)] = 1;
    if (building == CastleBuilding::keep) l[Lord::moveRange] = kUnlimitedRange;
    Hooks().Sound().PlayPayment();
    UI().ShowNotice(kBuildingPicture, kBuildingTitle, b->builtMessage, "Continue");
    Hooks().View().DrawStatusBar();
    TutorialBuilt(building);
    return true;
}

CostRow ComputerBuildingCost(int building) {
    CostRow row{};
    const BuildingInfo* b = Building(building);
    if (b == nullptr) return row;
    row[0] = b->gold;
    row[1] = b->honor;
    for (const ResourceCost& r : b->resources) {
        if (r.kind > 0) row[static_cast<std::size_t>(r.kind) + 1] = r.amount;
    }
    // The computer lords build the workshop without wood.
    if (building == CastleBuilding::workshop) row[2] = 0;
    return row;
}

}  // namespace logic
