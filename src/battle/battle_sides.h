// The two sides of a battle as the rules see them: the troop values of each kind, which troops
// a side has, its strength, and the copy of an army into a side and back.
#pragma once

#include "state/game_state.h"

namespace logic {

namespace BattleOrder = state::BattleOrder;

using BattleRecord = state::Values<100>;

// The five troop slots of a side in the order the game counts them: soldiers, fast melee,
// archers, siege and the special slot.
inline constexpr int kTroopSlots = 5;
inline constexpr int kSpecialSlot = 4;  // index of the special slot among the five
inline constexpr int kSideTroop[kTroopSlots] = {
    state::BattleSide::soldiers, state::BattleSide::fast, state::BattleSide::archers,
    state::BattleSide::siege, state::BattleSide::specialCount};
inline constexpr int kArmyTroop[kTroopSlots] = {state::Army::soldiers, state::Army::fast,
                                                state::Army::archers, state::Army::siege,
                                                state::Army::specialCount};

// Battle roles.
inline constexpr int kRoleMelee = 1;
inline constexpr int kRoleFast = 2;
inline constexpr int kRoleRange = 3;
inline constexpr int kRoleLongRange = 4;

// The attack and health values of a troop kind from TroopType; a kind outside 1..100 has attack
// 0 and health 0.
int TroopAttack(int kind);
int TroopHealth(int kind);

// The army row whose special troop a side fields: the side's lord (0 for a neutral side in the
// scratch row), or -1 when the stored lord is not a row of Army.
int SideArmyRow(const BattleRecord& side);
// The special troop of a side: its kind and its battle role, 0 when the army row is unknown.
int SpecialKind(const BattleRecord& side);
int SpecialRole(const BattleRecord& side);
// The special slot counts only with a count above 0 and a kind of at least 1.
bool SpecialPresent(const BattleRecord& side);
// The kind of troop slot i (0..4): 1 to 4, or the special's kind.
int SlotKind(const BattleRecord& side, int i);
// Troop slot i (0..4) takes part: a count above 0 (the special slot also needs its kind).
bool SlotPresent(const BattleRecord& side, int i);
// No troops left: the four counts at 0 and the special slot absent.
bool SideEmpty(const BattleRecord& side);
// The sum of count x health over the side's troops (specials only of a kind 1..100).
int SideStrength(const BattleRecord& side);

// The hero bonus of a lord's side (0 for a neutral side) and its castle bonus (0 unless its army
// stands on its own castle).
int SideHeroBonus(int lord);
int SideCastleBonus(int lord);

// Fills a side from lord's army (0: the scratch army): the lord, the five counts, hero and castle
// bonus; clears the heroic/may-retreat flag. Other slots are left alone.
void FillSideFromArmy(BattleRecord& side, int lord);
// The five counts of the side back into its lord's army.
void WriteSideToArmy(const BattleRecord& side);

// The army of a lord (1..4) goes to its castle tile; a castle off the map leaves it where it is.
void SendArmyHome(int lord);
// The lord's army stands on its own castle tile.
bool ArmyOnOwnCastle(int lord);

// The hero bonus in battle by hero level, and the castle bonus of an army on its own castle.
int HeroBonus(int heroLevel);
int CastleBonus(int lord);

}  // namespace logic
