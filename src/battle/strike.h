// One strike of a battle: the damage of an attacking kind, its modifiers, the target it picks
// from its priority list and the units it kills; a whole side's strikes with a command set; and
// the tactic a side chooses for its round.
#pragma once

#include <vector>

#include "battle/battle_sides.h"

namespace logic {

using OrderTable = state::Records<1, 3>;

// A side with the table its command sets come from (the human's or the computer's).
struct Fighter {
    BattleRecord& side;
    const OrderTable& orders;
};

// The setting (1 attack, 2 flank, 3 defend) of a role 1..3 in command set `order`; an order
// outside 1..3 (none given yet, or a retreat) and a role outside 1..3 read as 0.
int OrderSetting(const OrderTable& orders, int order, int role);
// The setting of a role in the side's current order (slot `order` of the side).
int CurrentSetting(const Fighter& fighter, int role);

// The arithmetic of a strike.
int BaseDamage(int attack, int count);     // 1 + random [0, attack x count / 7)
int DefendPenalty(int damage);             // damage - damage / 4
int DefendCover(int damage);               // damage - damage x 50 / 100
int WithHeroBonus(int damage, int bonus);  // damage + bonus x damage / 100
int CastleCover(int damage, int bonus);    // damage - bonus x damage / 100
// The target's count after the damage: at least one unit less, never below 0. A health of 0 or
// less counts as 1.
int CountAfterHit(int count, int health, int damage);

enum class TargetList { melee, flank, range };
// The troop slot (0..4) of the first entry of the list present on the target side, or -1.
int PickTarget(TargetList list, const Fighter& target);

// How the modifiers of a side's strikes are ordered: the player's strikes apply the defend cover
// of archers before the hero bonus, the enemy's after it; the enemy's special slot strikes with
// the opposing side's hero bonus.
struct StrikeStyle {
    bool coverBeforeHero = true;
    bool specialUsesOpponentBonus = false;
};
inline constexpr StrikeStyle kPlayerStyle{true, false};
inline constexpr StrikeStyle kEnemyStyle{false, true};

// What one kind's strike did: the attacker's troop slot (0..4), the slot it hit and how many
// of that slot fell.
struct StrikeReport {
    int attackerSlot = 0;
    int targetSlot = 0;
    int fallen = 0;
};

// Every present kind of the attacker strikes the defender once with the attacker's current
// order, in the order soldiers, fast melee, archers, siege, special slot; the strikes that found
// a target, in that order.
std::vector<StrikeReport> StrikeAll(const Fighter& attacker, const Fighter& defender,
                                    StrikeStyle style);

// The tactic the chooser picks against the opponent (whose current order is read for the
// defending tests). Current strengths (slot strength) must be up to date.
int ChooseTactic(const Fighter& chooser, const Fighter& opponent);

}  // namespace logic
