// The dwarves and their mine (theme 3): ore mined in the dark mines, where the skill grows with
// every visit, pays the dwarves for axemen or a magic item.
#include <algorithm>
#include <iterator>
#include <vector>

#include "dungeon/treasure.h"
#include "dungeon/weighted_pick.h"
#include "events/theme_common.h"
#include "events/theme_events.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/value_ranges.h"

namespace logic {

namespace {

namespace Lord = state::Lord;
namespace ItemTable = state::ItemTable;

constexpr int kDwarvesPrice = 500;
constexpr int kDarkIronPrice = 20;
constexpr int kDwarvesCountdown = 15;
constexpr int kMineCountdown = 6;
constexpr int kAxemenBand = 3;
constexpr int kMaxSkill = 100;
constexpr int kSkillStep = 5;
constexpr int kFallbackItem = 1;

// The highest mining skill of each yield step.
struct YieldStep {
    int upToSkill;
    int ore;
};
constexpr YieldStep kYields[] = {{9, 1}, {20, 2}, {40, 3}, {60, 4}, {80, 6}, {99, 8}, {100, 16}};

// The dwarves' magic item: of the hero's level, weighted by rarity (2 weighs 200, above 3
// weighs 50, 3 and below 2 nothing); item 1 when nothing can be drawn.
int DwarvenItem(int heroLevel) {
    std::vector<Weighted> candidates;
    const auto& table = state::G().itemTable;
    for (int i = 1; i <= 500; ++i) {
        // A row not in use is never handed out.
        if (table[i][ItemTable::exists] <= 0 || table[i][ItemTable::itemLevel] != heroLevel)
            continue;
        const int rarity = table[i][ItemTable::rarity];
        candidates.push_back({i, rarity == 2 ? 200 : rarity > 3 ? 50 : 0});
    }
    const int item = WeightedPick(candidates);
    return item > 0 ? item : kFallbackItem;
}

// The dwarves are paid: 500 gold and 20 dark iron, and they are busy for 15 turns.
void PayDwarves(int lord, int site) {
    auto& l = LordRecord(lord);
    SiteRecord(site)[state::MapSite::countdown] = kDwarvesCountdown;
    l[Lord::themeCounter] -= kDarkIronPrice;
    l[Lord::gold] = state::AddSaturated(l[Lord::gold], -kDwarvesPrice);
}

// The human's two checks; false after the refusal.
bool CanPayDwarves(int lord) {
    const auto& l = LordRecord(lord);
    if (l[Lord::gold] < kDwarvesPrice) {
        UI().ShowShortNotice("You do not have enough gold!", "Continue");
        return false;
    }
    if (l[Lord::themeCounter] < kDarkIronPrice) {
        UI().ShowNotice("m1_dwarf.jpg", "Dark iron required",
                        "The dwarves agree to help you. However to craft the weapons for their men "
                        "they need 20 units of dark iron ingots (you have " +
                            std::to_string(l[Lord::themeCounter]) +
                            "). You can get them by mining ore in the \"dark mines\".",
                        "Continue");
        return false;
    }
    return true;
}

// The ore of one visit and the chance to learn; true when the skill rose.
bool Mine(int lord, int site, int& yield) {
    auto& l = LordRecord(lord);
    SiteRecord(site)[state::MapSite::countdown] = kMineCountdown;
    yield = MiningYield(l[Lord::miningSkill]);
    l[Lord::themeCounter] =
        state::AddWithin(l[Lord::themeCounter], yield, -state::kCountLimit, state::kCountLimit);
    if (state::Random(100) > l[Lord::miningSkill] && l[Lord::miningSkill] < kMaxSkill) {
        l[Lord::miningSkill] = std::min(l[Lord::miningSkill] + kSkillStep, kMaxSkill);
        return true;
    }
    return false;
}

}  // namespace

int MiningYield(int skill) {
    for (const YieldStep& s : kYields) {
        if (skill <= s.upToSkill) return s.ore;
    }
    return kYields[std::size(kYields) - 1].ore;
}

void Dwarves(int lord, int site) {
    auto& l = LordRecord(lord);
    if (IsComputer(lord) && l[Lord::gold] >= kDwarvesPrice &&
        l[Lord::themeCounter] >= kDarkIronPrice && Countdown(site) == 0) {
        PayDwarves(lord, site);
        GrantSpecial(lord, kAxemenBand, kDwarvenAxemen);
    }
    if (!IsHuman(lord)) return;
    const bool open = Countdown(site) <= 0;
    const int choice = UI().AskChoice(
        "m1_dwarf.jpg", "Dwarves:",
        "A patrol of dwarven axemen escorts you to their village. At the council of the eldest "
        "you may express your wish.",
        "Hire dwarven axemen (3 batallions, 500 gold, 20 dark iron)",
        open ? "Ask them for a magic item (20 dark iron)"
             : "Ask them for a magic weapon (20 dark iron)",
        open, open);
    if (!open || (choice != 1 && choice != 2) || !CanPayDwarves(lord)) return;
    PayDwarves(lord, site);
    if (choice == 1) {
        GrantSpecial(lord, kAxemenBand, kDwarvenAxemen);
        UI().ShowNotice("m1_dwarf.jpg", "Dwarfs",
                        "In exchange for the dark iron ingots three batallions of dwarven axemen "
                        "join your army (Melee units, extremly sturdy armor)",
                        "Continue");
        return;
    }
    UI().ShowNotice("m1_dwarf.jpg", "Dwarfs",
                    "In exchange for the dark iron ingots the dwarves craft you a special magic "
                    "item. Proudly one of them hands it over to you...",
                    "Continue");
    state::G().dungeonLord = lord;
    ShowFoundItem(DwarvenItem(l[Lord::heroLevel]));
}

void DwarvenMine(int lord, int site) {
    auto& l = LordRecord(lord);
    int yield = 0;
    if (IsComputer(lord) && Countdown(site) == 0) Mine(lord, site, yield);
    if (!IsHuman(lord)) return;
    const int countdown = Countdown(site);
    const std::string skill = "Your mining skill is at " + std::to_string(l[Lord::miningSkill]) +
                              "% of 100%. You have " + std::to_string(l[Lord::themeCounter]) +
                              " dark iron ore and " + std::to_string(l[Lord::ironIngots]) +
                              " dark iron ingots.";
    const std::string entrance = "Hidden in the shadow you find the entrance to a dwarven mine. ";
    const bool open = countdown <= 0;
    const std::string text = open ? entrance + "You can mine dark iron ore here. " + skill
                                  : entrance + "The mine is closed (for " +
                                        std::to_string(countdown) + " turns). " + skill;
    if (UI().AskOffer("m1_book.jpg", "Dwarven mines:", text, "Mine for ore", "Leave", open) !=
            kOfferAction ||
        !open)
        return;
    const bool learned = Mine(lord, site, yield);
    UI().ShowShortNotice("You mine " + std::to_string(yield) +
                             " iron ore (Total now: " + std::to_string(l[Lord::themeCounter]) + ")",
                         "Continue");
    if (learned) {
        UI().ShowShortNotice("Your mining skill has increased to " +
                                 std::to_string(l[Lord::miningSkill]) +
                                 " of 100%. The higher the more ore you can mine.",
                             "Continue");
    }
}

}  // namespace logic
