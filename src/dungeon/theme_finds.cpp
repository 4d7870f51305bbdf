// The quest objects of the themes found in dungeons (dragon eggs, blood vials, the holy bow,
// remains, soul shards, the sword), and the gift of the demons after a pillaged town.
#include <iterator>
#include <vector>

#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/theme_finds.h"
#include "dungeon/treasure.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/theme_basics.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/theme_weapon.h"
#include "state/themes.h"
#include "state/value_ranges.h"

namespace logic {

namespace {

namespace Lord = state::Lord;
namespace ItemTable = state::ItemTable;

constexpr int kNoLimit = -1;
constexpr int kBossLevel = 10;
constexpr int kBossHeroLevel = 8;
constexpr int kHumanRange = 100;
// The roll range of a computer lord by difficulty 0..12; below 0 counts as 1, above 12 as 12.
constexpr int kComputerRange[13] = {250, 250, 200, 190, 180, 170, 160,
                                    150, 140, 130, 120, 110, 100};

struct ThemeFindRule {
    int theme;
    bool needsBoss;
    int rollMax;          // the roll must be at most this (kNoLimit: no roll needed)
    int computerRollMax;  // a computer lord's roll must also be at most this
    int counterMax;       // the counter must be at most this before the find
    const char* title;
    const char* text;
    const char* picture;
    const char* computerMessage;  // shown to the human after a computer lord's find, or null
};

constexpr ThemeFindRule kFindRules[] = {
    {state::kDragonPassTheme, false, 10, kNoLimit, 4, "Dragon eggs!",
     "On the ground you find one of the stolen dragon eggs. You need five to calm the dragon and "
     "take the pass through the mountains.",
     "m1_dragoneggs.jpg", nullptr},
    {state::kCauldronsTheme, true, kNoLimit, 25, kNoLimit, "Blood vials!",
     "You have found a blood vial! Bring it to one of the Cauldrons Of Doom!", "m1_blood.jpg",
     nullptr},
    {state::kBowTheme, true, 10, kNoLimit, kNoLimit, "\"Bow Of Tir Elgire\"",
     "You have found the holy bow of the elves! You can now command the elves!", "m1_bow_demon.jpg",
     "Oh no! One of your enemies has found the mighty bow and can command the elves!"},
    {state::kDragonEggsTheme, false, 5, kNoLimit, kNoLimit, "Dragon eggs!",
     "You have found a dragon egg. You can use it to breed mighty dragons for your army.",
     "m1_dragoneggs.jpg", nullptr},
    {state::kGatesOfHellTheme, true, kNoLimit, kNoLimit, kNoLimit, "Vial!",
     "You have found a small vial with the remains of a Lord Of The Pit.", "m1_blood.jpg", nullptr},
    {state::kFallenAngelTheme, false, 5, kNoLimit, kNoLimit, "Shards of hell!",
     "You have found one of the lost shards binding the soul of the Fallen Angel. You can use it "
     "at the dark altar to summon a daemon army.",
     "m1_bloodgem.jpg", nullptr},
    {state::kSwordTheme, true, 10, kNoLimit, kNoLimit, "\"Sword of Nara\u00b4gul\"",
     "You have found the the Sword of Nara\u00b4gul, a mighty weapon making it\u00b4s wielder a "
     "master swordsman.",
     "m1_sword_demon.jpg",
     "One of your enemies has found the Sword of Nara\u00b4gul, a mighty weapon making it\u00b4s "
     "wielder a master swordsman."},
};

const ThemeFindRule* FindRuleOf(int theme) {
    for (const ThemeFindRule& r : kFindRules) {
        if (r.theme == theme) return &r;
    }
    return nullptr;
}

bool AnyLordCarriesSpecialItem() {
    for (int p = 1; p <= kLords; ++p) {
        if (CarriesItem(p, ItemTable::kSpecialWeaponRow)) return true;
    }
    return false;
}

// The boss condition: a human whose won duel was against a level-10 monster, or a computer lord
// whose hero has reached level 8.
bool BossCondition(int lord, bool afterWonDuel) {
    if (IsHuman(lord)) {
        const int m = state::G().opponent[state::Opponent::oppMonster];
        return afterWonDuel && ValidMonster(m) &&
               MonsterField(m, state::MonsterTable::monsterLevel) == kBossLevel;
    }
    return LordRecord(lord)[Lord::heroLevel] == kBossHeroLevel;
}

bool FindHolds(const ThemeFindRule& r, int lord, int roll, bool afterWonDuel) {
    if (r.counterMax != kNoLimit && LordRecord(lord)[Lord::themeCounter] > r.counterMax)
        return false;
    if (r.needsBoss && !BossCondition(lord, afterWonDuel)) return false;
    if (r.computerRollMax != kNoLimit && !IsHuman(lord) && roll > r.computerRollMax) return false;
    if (state::ThemeHasSpecialItem(r.theme) && AnyLordCarriesSpecialItem()) return false;
    return r.rollMax == kNoLimit || roll <= r.rollMax;
}

// The items of level `level` and rarity 1, each as likely; item 1 when there is none.
int DemonItem(int level) {
    std::vector<int> candidates;
    const auto& table = state::G().itemTable;
    for (int i = 1; i <= 500; ++i) {
        if (table[i][ItemTable::exists] > 0 && table[i][ItemTable::rarity] == 1 &&
            table[i][ItemTable::itemLevel] == level)
            candidates.push_back(i);
    }
    if (candidates.empty()) return 1;
    return candidates[static_cast<std::size_t>(state::Random(static_cast<int>(candidates.size())))];
}

// One chance of the theme's find for a lord in the game.
void TryThemeFind(int lord, bool afterWonDuel) {
    const ThemeFindRule* rule = FindRuleOf(ScenarioTheme());
    if (rule == nullptr) return;
    const int roll = state::Random(FindRollRange(lord));
    if (!FindHolds(*rule, lord, roll, afterWonDuel)) return;
    const bool special = state::ThemeHasSpecialItem(rule->theme);
    if (special) state::FillSpecialItemRow();
    auto& counter = LordRecord(lord)[Lord::themeCounter];
    counter = state::AddWithin(counter, 1, -state::kCountLimit, state::kCountLimit);
    if (IsHuman(lord)) {
        UI().ShowNotice(rule->picture, rule->title, rule->text, "Continue");
        if (special) {
            state::G().dungeonLord = lord;
            ShowFoundItem(ItemTable::kSpecialWeaponRow);
        }
    } else if (rule->computerMessage != nullptr) {
        TellHumanAbout(lord, rule->title, rule->computerMessage);
    }
}

}  // namespace

int FindRollRange(int lord) {
    if (!ValidLord(lord)) return 0;
    if (IsHuman(lord)) return kHumanRange;
    const int d = LordRecord(lord)[Lord::difficulty];
    constexpr int last = static_cast<int>(std::size(kComputerRange)) - 1;
    return kComputerRange[d < 1 ? 1 : d > last ? last : d];
}

void ThemeFind(int lord, bool afterWonDuel) {
    if (!ValidLord(lord)) return;
    Hooks().Watch().ThemeFindBegins(lord);
    TryThemeFind(lord, afterWonDuel);
    Hooks().Watch().ThemeFindEnds(lord);
}

void DemonGift() {
    const int lord = CurrentLordChecked();
    if (!IsHuman(lord)) return;
    auto& l = LordRecord(lord);
    Hooks().Sound().PlayReward(1);
    UI().ShowNotice("m1_book.jpg", "Demons!",
                    "The suffering of the townmen feeds the evil lurking in the shadows of this "
                    "world. Hell itself grants you ... its care.",
                    "Continue");
    const int r = state::Random(100);
    if (r < 31) {
        const int item = DemonItem(l[Lord::heroLevel] + 1);
        state::G().dungeonLord = lord;
        ShowFoundItem(item);
    } else if (r <= 60) {
        UI().ShowNotice("m1_openchest.jpg", "Gold!",
                        "This night it seems you have had a visitor! When you wake up you find a "
                        "treasure chest filled with gold. The metal still feels hot.",
                        "Continue");
        l[Lord::gold] = state::AddSaturated(l[Lord::gold], 10000);
    } else {
        UI().ShowNotice("m1_nightscare.jpg", "Demonic army!",
                        "One morning you find some really scary new recruits reporting for duty... "
                        "Nightscares are the remains of necromancers that have traded their lives "
                        "for eternal slavery (strong fast melee troops).",
                        "Continue");
        GrantSpecial(lord, 2, kNightscares);
    }
    if (l[Lord::themeCounter] == 0) {
        UI().ShowNotice("m1_book.jpg", "Alliance!",
                        "The other factions have decided to unite (more or less) against you to "
                        "eradicate the evil in the world - and you.",
                        "Continue");
        l[Lord::themeCounter] = 1;
    }
}

}  // namespace logic
