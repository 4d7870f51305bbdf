// The Arena Of Kings (themes 4 and 19): a fight against a monster of the catalogue at each rank,
// with a prize of 375 gold per rank reached, up to "Grand Champion".
#include <iterator>
#include <vector>

#include "dungeon/set_piece_duel.h"
#include "dungeon/weighted_pick.h"
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace {

namespace Lord = state::Lord;
namespace Monster = state::MonsterTable;

constexpr const char* kRankNames[] = {"Novice",   "Adept",      "Gladiator",
                                      "Expert",   "Widowmaker", "Razorman",
                                      "Myrmidon", "Champion",   "Grand Champion"};
constexpr int kTopRank = 8;          // the human's last rank
constexpr int kComputerTopRank = 9;  // a computer lord goes one further, without a prize
constexpr int kArenaCountdown = 6;
constexpr int kPrizePerRank = 375;
constexpr int kLevelAboveRank = 3;

// The arena's opponent for a rank: a monster of level rank + 3 weighted by Frequency (1 weighs
// 200, 3 weighs 5, any other 50). Without one the set-piece opponent as last filled fights; 0
// when that was never filled either.
int ArenaOpponent(int rank) {
    std::vector<Weighted> candidates;
    const auto& table = state::G().monsterTable;
    for (int m = 1; m <= 100; ++m) {
        if (table[m][Monster::exists] <= 0 ||
            table[m][Monster::monsterLevel] != rank + kLevelAboveRank)
            continue;
        const int frequency = table[m][Monster::frequency];
        candidates.push_back({m, frequency == 1 ? 200 : frequency == 3 ? 5 : 50});
    }
    const int m = WeightedPick(candidates);
    if (m > 0) return m;
    return table[Monster::kSetPieceRow][Monster::exists] > 0 ? Monster::kSetPieceRow : -1;
}

// The fight of the human's hero; the monster's DuelFlag is 1 for the fight and then what it was.
void ArenaFight(int lord, int site) {
    auto& l = LordRecord(lord);
    const int rank = l[Lord::themeCounter];
    const int m = ArenaOpponent(rank);
    if (m < 0) return;
    SiteRecord(site)[state::MapSite::countdown] = kArenaCountdown;
    UI().ShowNotice("m1_arena.jpg", "The games begin...!",
                    "You sign up as a \"" + ArenaRankName(rank) +
                        "\". The game master explains the rules to you. It is a fight to the "
                        "death. The winner will receive the prize and advance one rank. The higher "
                        "the rank the more important fights will be available.",
                    "Continue");
    auto& flag = state::G().monsterTable[m][Monster::duelFlag];
    const int savedFlag = flag;
    flag = 1;
    const bool won = RunDuelAgainst(lord, m);
    state::G().monsterTable[m][Monster::duelFlag] = savedFlag;
    if (!won) return;
    l[Lord::themeCounter] =
        state::AddWithin(l[Lord::themeCounter], 1, -state::kCountLimit, state::kCountLimit);
    const int prize = l[Lord::themeCounter] * kPrizePerRank;
    l[Lord::gold] = state::AddSaturated(l[Lord::gold], prize);
    RedrawStatus();
    UI().ShowNotice("m1_arena.jpg", "You won!",
                    "Congratulations! You won the arena fight! You advance to the rank of " +
                        ArenaRankName(l[Lord::themeCounter]) + ". You get the prize of " +
                        std::to_string(prize) + " gold!",
                    "Continue");
}

}  // namespace

std::string ArenaRankName(int rank) {
    constexpr int last = static_cast<int>(std::size(kRankNames)) - 1;
    return kRankNames[rank < 0 ? 0 : rank > last ? last : rank];
}

void Arena(int lord, int site) {
    auto& l = LordRecord(lord);
    if (IsComputer(lord) && Countdown(site) == 0 && l[Lord::themeCounter] < kComputerTopRank) {
        SiteRecord(site)[state::MapSite::countdown] = kArenaCountdown;
        l[Lord::themeCounter] =
            state::AddWithin(l[Lord::themeCounter], 1, -state::kCountLimit, state::kCountLimit);
        if (l[Lord::themeCounter] < kComputerTopRank)
            l[Lord::gold] =
                state::AddSaturated(l[Lord::gold], l[Lord::themeCounter] * kPrizePerRank);
    }
    if (!IsHuman(lord)) return;
    const int rank = l[Lord::themeCounter];
    const int countdown = Countdown(site);
    const std::string action =
        rank > kTopRank - 1 ? std::string("N/A") : "Fight (Rank: " + ArenaRankName(rank) + ")";
    std::string text = "This is the \"Arena of Kings\". ";
    bool mayFight = false;
    if (countdown > 0) {
        text +=
            "The arena is known in the whole realm for the bloody gladiator games celebrated "
            "every month. The next games are going to start soon (" +
            std::to_string(countdown) + " turns)";
    } else if (rank >= kTopRank) {
        text +=
            "You are the \"Grand Champion\" of the arena! Except for the other lords there is "
            "nobody you can challenge!";
    } else {
        text +=
            "The arena is known in the whole realm for the bloody gladiator games celebrated "
            "every month. The games are ready to start. Do you want to compete?";
        mayFight = true;
    }
    if (UI().AskOffer("m1_arena.jpg", "Arena Of Kings", text, action, "Leave", mayFight) ==
            kOfferAction &&
        mayFight)
        ArenaFight(lord, site);
}

}  // namespace logic
