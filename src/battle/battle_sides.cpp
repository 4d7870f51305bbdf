// The troop values and the bookkeeping of the two battle sides.
#include "battle/battle_sides.h"

#include <cstdint>
#include <limits>

#include "rules/lords.h"

namespace logic {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;

namespace {

int TroopValue(int kind, int slot) {
    const state::Int* v = state::G().troopType.Find(kind, slot);
    return v ? *v : 0;
}

int Saturate(std::int64_t v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

}  // namespace

int TroopAttack(int kind) {
    return TroopValue(kind, state::TroopType::attack);
}

int TroopHealth(int kind) {
    return TroopValue(kind, state::TroopType::health);
}

int SideArmyRow(const BattleRecord& side) {
    const int lord = side[BattleSide::lord];
    return state::InRange(lord, 0, 4) ? lord : -1;
}

int SpecialKind(const BattleRecord& side) {
    const int row = SideArmyRow(side);
    return row < 0 ? 0 : state::G().army[row][Army::specialType];
}

int SpecialRole(const BattleRecord& side) {
    const int row = SideArmyRow(side);
    return row < 0 ? 0 : state::G().army[row][Army::specialClass];
}

bool SpecialPresent(const BattleRecord& side) {
    return side[BattleSide::specialCount] > 0 && SpecialKind(side) >= 1;
}

int SlotKind(const BattleRecord& side, int i) {
    return i == kSpecialSlot ? SpecialKind(side) : i + 1;
}

bool SlotPresent(const BattleRecord& side, int i) {
    return i == kSpecialSlot ? SpecialPresent(side) : side[kSideTroop[i]] > 0;
}

bool SideEmpty(const BattleRecord& side) {
    for (int i = 0; i < kTroopSlots; ++i) {
        if (SlotPresent(side, i)) return false;
    }
    return true;
}

int SideStrength(const BattleRecord& side) {
    std::int64_t sum = 0;
    for (int i = 0; i < kTroopSlots; ++i) {
        if (!SlotPresent(side, i)) continue;
        const int kind = SlotKind(side, i);
        if (!state::InRange(kind, 1, 100)) continue;
        sum += static_cast<std::int64_t>(side[kSideTroop[i]]) * TroopHealth(kind);
    }
    return Saturate(sum);
}

int SideHeroBonus(int lord) {
    return ValidLord(lord) ? HeroBonus(LordRecord(lord)[Lord::heroLevel]) : 0;
}

int SideCastleBonus(int lord) {
    return ValidLord(lord) ? CastleBonus(lord) : 0;
}

void FillSideFromArmy(BattleRecord& side, int lord) {
    side[BattleSide::lord] = lord;
    side[BattleSide::heroicOrMayRetreat] = 0;
    const bool known = state::InRange(lord, 0, 4);
    for (int i = 0; i < kTroopSlots; ++i)
        side[kSideTroop[i]] = known ? state::G().army[lord][kArmyTroop[i]] : 0;
    side[BattleSide::heroBonus] = SideHeroBonus(lord);
    side[BattleSide::castleBonus] = SideCastleBonus(lord);
}

void WriteSideToArmy(const BattleRecord& side) {
    const int row = SideArmyRow(side);
    if (row < 0) return;
    for (int i = 0; i < kTroopSlots; ++i)
        state::G().army[row][kArmyTroop[i]] = side[kSideTroop[i]];
}

void SendArmyHome(int lord) {
    if (!ValidLord(lord)) return;
    const auto& l = LordRecord(lord);
    if (!OnMap(l[Lord::castleX], l[Lord::castleY])) return;
    ArmyRecord(lord)[Army::x] = l[Lord::castleX];
    ArmyRecord(lord)[Army::y] = l[Lord::castleY];
}

bool ArmyOnOwnCastle(int lord) {
    if (!ValidLord(lord)) return false;
    const auto& a = ArmyRecord(lord);
    return CastleAt(lord, a[Army::x], a[Army::y]);
}

int HeroBonus(int heroLevel) {
    if (heroLevel == 1 || heroLevel == 2) return 5;
    if (heroLevel == 3 || heroLevel == 4) return 10;
    if (heroLevel >= 5 && heroLevel <= 7) return 15;
    if (heroLevel == 8) return 25;
    return 0;
}

int CastleBonus(int lord) {
    const auto& a = ArmyRecord(lord);
    if (!CastleAt(lord, a[Army::x], a[Army::y])) return 0;
    return HasBuilt(lord, CastleBuilding::walls) ? 35 : 25;
}

}  // namespace logic
