#include "battle/battle_log.h"

#include "state/game_state.h"

namespace logic {

namespace {

// The troop kinds by slot: who strikes (plural), and one or several of them falling.
struct KindWords {
    const char* many;
    const char* one;
};
constexpr KindWords kKinds[kTroopSlots] = {
    {"soldiers", "soldier"},
    {"fast melee units", "fast melee unit"},
    {"archers", "archer"},
    {"siege engines", "siege engine"},
    {"special troops", "special troop"},
};

const KindWords& Kind(int slot) {
    return kKinds[slot >= 0 && slot < kTroopSlots ? slot : 0];
}

}  // namespace

std::string StrikeLine(bool own, const StrikeReport& strike) {
    const KindWords& by = Kind(strike.attackerSlot);
    const KindWords& hit = Kind(strike.targetSlot);
    const std::string n = std::to_string(strike.fallen);
    if (own) {
        const std::string who = std::string("Your ") + by.many + " strike: ";
        if (strike.fallen <= 0) return who + "no enemy falls";
        if (strike.fallen == 1) return who + "1 enemy " + hit.one + " falls";
        return who + n + " enemy " + hit.many + " fall";
    }
    const std::string who = std::string("Enemy ") + by.many + " strike: ";
    if (strike.fallen <= 0) return who + "none of yours falls";
    if (strike.fallen == 1) return who + "1 of your " + hit.many + " falls";
    return who + n + " of your " + hit.many + " fall";
}

void LogStrikes(bool own, const std::vector<StrikeReport>& strikes) {
    std::vector<std::string>& log = state::G().battleLog;
    for (const StrikeReport& strike : strikes)
        log.push_back(StrikeLine(own, strike));
    if (log.size() > kBattleLogLines)
        log.erase(log.begin(), log.end() - static_cast<std::ptrdiff_t>(kBattleLogLines));
}

void ClearBattleLog() {
    state::G().battleLog.clear();
}

}  // namespace logic
