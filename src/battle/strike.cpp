// The strike rules of a battle, shared by the interactive battle and the automatic battle.
#include "battle/strike.h"

#include <cstdint>

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
int Resolve(Entry e, const Fighter& t) {
    const BattleRecord& s = t.side;
    const bool fast = s[BattleSide::fast] > 0;
    const int fastSetting = CurrentSetting(t, kRoleFast);
    const bool special = SpecialPresent(s);
    const int role = SpecialRole(s);
    auto specialIf = [&](bool cond) { return special && cond ? kSpecialSlot : kNoTarget; };
    switch (e) {
        case Entry::soldiers:
            return s[BattleSide::soldiers] > 0 ? 0 : kNoTarget;
        case Entry::fastDefending:
            return fast && fastSetting == 3 ? 1 : kNoTarget;
        case Entry::fastFlanking:
            return fast && fastSetting == 2 ? 1 : kNoTarget;
        case Entry::fast:
            return fast ? 1 : kNoTarget;
        case Entry::archers:
            return s[BattleSide::archers] > 0 ? 2 : kNoTarget;
        case Entry::siege:
            return s[BattleSide::siege] > 0 ? 3 : kNoTarget;
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

int Percent(int d, int p) {
    return static_cast<int>(static_cast<std::int64_t>(p) * d / 100);
}

// What one attacking slot does with its setting: which list, and the defend penalty.
struct Attack {
    TargetList list = TargetList::melee;
    bool strikes = false;
    bool penalty = false;
};

Attack AttackOf(const Fighter& a, int slot) {
    Attack at;
    const int melee = CurrentSetting(a, kRoleMelee);
    const int fast = CurrentSetting(a, kRoleFast);
    const int range = CurrentSetting(a, kRoleRange);
    switch (slot) {
        case 0:
            at.strikes = melee == 1 || melee == 3;
            at.penalty = melee == 3;
            break;
        case 1:
            at.strikes = fast >= 1 && fast <= 3;
            at.list = fast == 2 ? TargetList::flank : TargetList::melee;
            break;
        case 2:
        case 3:
            // Siege follows the range setting on both sides.
            at.strikes = range == 1;
            at.list = TargetList::range;
            break;
        default: {
            const int role = SpecialRole(a.side);
            const int s = CurrentSetting(a, role);
            at.strikes = s >= 1 && s <= 3;
            at.list = s == 2 ? TargetList::flank : TargetList::melee;
            at.penalty = s == 3 && (role == kRoleMelee || role == kRoleRange);
        }
    }
    return at;
}

void StrikeWith(const Fighter& a, const Fighter& d, int slot, StrikeStyle style) {
    const Attack at = AttackOf(a, slot);
    if (!at.strikes) return;
    const int target = PickTarget(at.list, d);
    if (target < 0) return;
    const BattleRecord& as = a.side;
    BattleRecord& ds = d.side;
    int dmg = BaseDamage(TroopAttack(SlotKind(as, slot)), as[kSideTroop[slot]]);
    if (at.penalty) dmg = DefendPenalty(dmg);
    const int hero = slot == kSpecialSlot && style.specialUsesOpponentBonus
                         ? ds[BattleSide::heroBonus]
                         : as[BattleSide::heroBonus];
    // Archers against a defending melee or range target take the defend cover.
    const int role = TargetRole(ds, target);
    const bool cover =
        slot == 2 && (role == kRoleMelee || role == kRoleRange) && CurrentSetting(d, role) == 3;
    if (cover && style.coverBeforeHero) dmg = DefendCover(dmg);
    dmg = WithHeroBonus(dmg, hero);
    if (cover && !style.coverBeforeHero) dmg = DefendCover(dmg);
    dmg = CastleCover(dmg, ds[BattleSide::castleBonus]);
    state::Int& count = ds[kSideTroop[target]];
    count = CountAfterHit(count, TroopHealth(SlotKind(ds, target)), dmg);
}

}  // namespace

int OrderSetting(const OrderTable& orders, int order, int role) {
    if (!state::InRange(order, 1, 3) || !state::InRange(role, 1, 3)) return 0;
    return orders[order][role];
}

int CurrentSetting(const Fighter& f, int role) {
    return OrderSetting(f.orders, f.side[BattleSide::order], role);
}

int BaseDamage(int attack, int count) {
    const std::int64_t range = static_cast<std::int64_t>(attack) * count / 7;
    return 1 + state::Random(range > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(range));
}

int DefendPenalty(int d) {
    return d - d / 4;
}

int DefendCover(int d) {
    return d - Percent(d, 50);
}

int WithHeroBonus(int d, int bonus) {
    return d + Percent(d, bonus);
}

int CastleCover(int d, int bonus) {
    return d - Percent(d, bonus);
}

int CountAfterHit(int count, int health, int d) {
    if (health <= 0) health = 1;
    const std::int64_t left = (static_cast<std::int64_t>(count) * health - d) / health;
    int n = static_cast<int>(left);
    if (n == count) n = count - 1;
    return n < 0 ? 0 : n;
}

int PickTarget(TargetList list, const Fighter& target) {
    auto first = [&](const auto& entries) {
        for (Entry e : entries) {
            const int slot = Resolve(e, target);
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

void StrikeAll(const Fighter& attacker, const Fighter& defender, StrikeStyle style) {
    for (int slot = 0; slot < kTroopSlots; ++slot) {
        if (SlotPresent(attacker.side, slot)) StrikeWith(attacker, defender, slot, style);
    }
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
