// The strike rules of a battle, shared by the interactive battle and the automatic battle.
#include "battle/strike.h"

#include <cstdint>
#include <optional>

#include "rules/lords.h"
#include "state/random.h"

namespace logic {

namespace BattleSide = state::BattleSide;

namespace {

// The entries of the priority lists.
enum class Entry {
    soldiers,
    special1,
    fastDefending,    // fast melee whose current setting is 3
    special2Defends,  // special of role 2 while the side's fast setting is 3
    archers,
    special3,
    siege,
    special4,
    fast,
    special2,
    fastFlanking,    // fast melee whose current setting is 2
    special2Flanks,  // special of role 2 while the side's fast setting is 2
};

constexpr Entry kMeleeList[] = {Entry::soldiers,        Entry::special1, Entry::fastDefending,
                                Entry::special2Defends, Entry::archers,  Entry::special3,
                                Entry::siege,           Entry::special4, Entry::fast,
                                Entry::special2};
constexpr Entry kFlankList[] = {Entry::fastDefending, Entry::archers,  Entry::special3,
                                Entry::siege,         Entry::special4, Entry::fast,
                                Entry::special2,      Entry::soldiers, Entry::special1};
constexpr Entry kRangeList[] = {Entry::fastFlanking, Entry::special2Flanks, Entry::archers,
                                Entry::special3,     Entry::soldiers,       Entry::fast,
                                Entry::special1,     Entry::siege,          Entry::special4};

constexpr int kNoTarget = -1;

// The troop slot an entry names when it is present on the target side, else -1.
int Resolve(Entry entry, const Fighter& target) {
    const BattleRecord& side = target.side;
    const bool fast = side[BattleSide::fast] > 0;
    const int fastSetting = CurrentSetting(target, kRoleFast);
    const bool special = SpecialPresent(side);
    const int role = SpecialRole(side);
    auto specialIf = [&](bool cond) { return special && cond ? kSpecialSlot : kNoTarget; };
    switch (entry) {
        case Entry::soldiers:
            return side[BattleSide::soldiers] > 0 ? 0 : kNoTarget;
        case Entry::fastDefending:
            return fast && fastSetting == 3 ? 1 : kNoTarget;
        case Entry::fastFlanking:
            return fast && fastSetting == 2 ? 1 : kNoTarget;
        case Entry::fast:
            return fast ? 1 : kNoTarget;
        case Entry::archers:
            return side[BattleSide::archers] > 0 ? 2 : kNoTarget;
        case Entry::siege:
            return side[BattleSide::siege] > 0 ? 3 : kNoTarget;
        case Entry::special1:
            return specialIf(role == 1);
        case Entry::special2:
            return specialIf(role == 2);
        case Entry::special3:
            return specialIf(role == 3);
        case Entry::special4:
            return specialIf(role == 4);
        case Entry::special2Defends:
            return specialIf(role == 2 && fastSetting == 3);
        case Entry::special2Flanks:
            return specialIf(role == 2 && fastSetting == 2);
    }
    return kNoTarget;
}

// The role a target slot defends with: siege counts as range for the defend cover.
int TargetRole(const BattleRecord& side, int slot) {
    static constexpr int kRoles[4] = {kRoleMelee, kRoleFast, kRoleRange, kRoleRange};
    return slot == kSpecialSlot ? SpecialRole(side) : kRoles[slot];
}

int Percent(int damage, int percent) {
    return static_cast<int>(static_cast<std::int64_t>(percent) * damage / 100);
}

// What one attacking slot does with its setting: which list, and the defend penalty.
struct Attack {
    TargetList list = TargetList::melee;
    bool strikes = false;
    bool penalty = false;
};

Attack AttackOf(const Fighter& attacker, int slot) {
    Attack attack;
    const int melee = CurrentSetting(attacker, kRoleMelee);
    const int fast = CurrentSetting(attacker, kRoleFast);
    const int range = CurrentSetting(attacker, kRoleRange);
    switch (slot) {
        case 0:
            attack.strikes = melee == 1 || melee == 3;
            attack.penalty = melee == 3;
            break;
        case 1:
            attack.strikes = fast >= 1 && fast <= 3;
            attack.list = fast == 2 ? TargetList::flank : TargetList::melee;
            break;
        case 2:
        case 3:
            // Siege follows the range setting on both sides.
            attack.strikes = range == 1;
            attack.list = TargetList::range;
            break;
        default: {
            const int role = SpecialRole(attacker.side);
            const int setting = CurrentSetting(attacker, role);
            attack.strikes = setting >= 1 && setting <= 3;
            attack.list = setting == 2 ? TargetList::flank : TargetList::melee;
            attack.penalty = setting == 3 && (role == kRoleMelee || role == kRoleRange);
        }
    }
    return attack;
}

std::optional<StrikeReport> StrikeWith(const Fighter& attacker, const Fighter& defender, int slot,
                                       StrikeStyle style) {
    const Attack attack = AttackOf(attacker, slot);
    if (!attack.strikes) return std::nullopt;
    const int target = PickTarget(attack.list, defender);
    if (target < 0) return std::nullopt;
    const BattleRecord& attackerSide = attacker.side;
    BattleRecord& defenderSide = defender.side;
    int damage =
        BaseDamage(TroopAttack(SlotKind(attackerSide, slot)), attackerSide[kSideTroop[slot]]);
    if (attack.penalty) damage = DefendPenalty(damage);
    const int heroBonus = slot == kSpecialSlot && style.specialUsesOpponentBonus
                              ? defenderSide[BattleSide::heroBonus]
                              : attackerSide[BattleSide::heroBonus];
    // Archers against a defending melee or range target take the defend cover.
    const int role = TargetRole(defenderSide, target);
    const bool cover = slot == 2 && (role == kRoleMelee || role == kRoleRange) &&
                       CurrentSetting(defender, role) == 3;
    if (cover && style.coverBeforeHero) damage = DefendCover(damage);
    damage = WithHeroBonus(damage, heroBonus);
    if (cover && !style.coverBeforeHero) damage = DefendCover(damage);
    damage = CastleCover(damage, defenderSide[BattleSide::castleBonus]);
    state::Int& count = defenderSide[kSideTroop[target]];
    const state::Int before = count;
    count = CountAfterHit(count, TroopHealth(SlotKind(defenderSide, target)), damage);
    return StrikeReport{slot, target, before - count};
}

}  // namespace

int OrderSetting(const OrderTable& orders, int order, int role) {
    if (!state::InRange(order, 1, 3) || !state::InRange(role, 1, 3)) return 0;
    return orders[order][role];
}

int CurrentSetting(const Fighter& fighter, int role) {
    return OrderSetting(fighter.orders, fighter.side[BattleSide::order], role);
}

int BaseDamage(int attack, int count) {
    const std::int64_t range = static_cast<std::int64_t>(attack) * count / 7;
    return 1 + state::Random(range > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(range));
}

int DefendPenalty(int damage) {
    return damage - damage / 4;
}

int DefendCover(int damage) {
    return damage - Percent(damage, 50);
}

int WithHeroBonus(int damage, int bonus) {
    return damage + Percent(damage, bonus);
}

int CastleCover(int damage, int bonus) {
    return damage - Percent(damage, bonus);
}

int CountAfterHit(int count, int health, int damage) {
    if (health <= 0) health = 1;
    const std::int64_t left = (static_cast<std::int64_t>(count) * health - damage) / health;
    int survivors = static_cast<int>(left);
    if (survivors == count) survivors = count - 1;
    return survivors < 0 ? 0 : survivors;
}

int PickTarget(TargetList list, const Fighter& target) {
    auto first = [&](const auto& entries) {
        for (Entry entry : entries) {
            const int slot = Resolve(entry, target);
            if (slot >= 0) return slot;
        }
        return kNoTarget;
    };
    switch (list) {
        case TargetList::melee:
            return first(kMeleeList);
        case TargetList::flank:
            return first(kFlankList);
        case TargetList::range:
            return first(kRangeList);
    }
    return kNoTarget;
}

std::vector<StrikeReport> StrikeAll(const Fighter& attacker, const Fighter& defender,
                                    StrikeStyle style) {
    std::vector<StrikeReport> strikes;
    for (int slot = 0; slot < kTroopSlots; ++slot) {
        if (!SlotPresent(attacker.side, slot)) continue;
        if (auto strike = StrikeWith(attacker, defender, slot, style)) strikes.push_back(*strike);
    }
    return strikes;
}

int ChooseTactic(const Fighter& chooser, const Fighter& opponent) {
    const BattleRecord& me = chooser.side;
    const BattleRecord& op = opponent.side;
    const bool special = SpecialPresent(op);
    const int role = SpecialRole(op);
    const int opFast = op[BattleSide::fast];
    const int myFast = me[BattleSide::fast];
    const int ranged = op[BattleSide::archers] + 3 * op[BattleSide::siege] +
                       (special && role == kRoleRange ? op[BattleSide::specialCount] : 0);
    const int melee = op[BattleSide::soldiers] + opFast +
                      (special && role < kRoleRange ? op[BattleSide::specialCount] : 0);
    const int opFastSetting = CurrentSetting(opponent, kRoleFast);
    const bool castle = me[BattleSide::castleBonus] > 0 || op[BattleSide::castleBonus] > 0;

    const bool openFlank = (opFast <= 0 && !(special && role == kRoleFast)) || opFastSetting != 3 ||
                           state::Random(opFast / 4) + opFast < myFast;
    int tactic = BattleOrder::attack;
    if (state::Random(melee / 4) + melee / 4 < ranged && myFast > 0 &&
        (opFast <= 0 || opFastSetting != 3) && openFlank && !castle) {
        tactic = BattleOrder::flank;
    } else if (state::Random(melee / 4) + melee / 4 < ranged && myFast > 0) {
        tactic = BattleOrder::defend;
    }
    const int strength = me[BattleSide::strength];
    const int lord = me[BattleSide::lord];
    if (strength + strength / 4 < op[BattleSide::strength] &&
        me[BattleSide::heroicOrMayRetreat] > 0 && ValidLord(lord) && !ArmyOnOwnCastle(lord)) {
        tactic = BattleOrder::retreat;
    }
    return tactic;
}

}  // namespace logic
