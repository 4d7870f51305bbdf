// The texts and pictures of each theme's introduction.
#include "events/theme_intro.h"

#include "events/theme_rules.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace logic {

namespace {

struct IntroRow {
    const char* text;
    const char* pictures[3];  // empty: hidden
    const char* goal;
};

constexpr const char* kDefeat = "= Defeat all other lords.";

// Themes 1 to 19.
constexpr IntroRow kIntros[19] = {
    {"To pass the dragon one needs to slay or calm him. The dragon eggs to calm him can be found "
     "in dungeons. The first lord doing so will receive the dragons treasure - and a major edge "
     "over the other lords.",
     {"m1_dragon_y.jpg", "m1_dragoneggs_y.jpg", "m1_dragontreasure_y.jpg"},
     kDefeat},
    {"You may hire evil orcs at the orc camps spread along the coast. They will only follow you "
     "if you can defeat their leader.",
     {"", "m1_orc_y.jpg", ""},
     kDefeat},
    {"Gather the special iron the dwarves request for their help in the mines. The more you "
     "mine, the better you get at it and the more you can mine.",
     {"m1_dwarf_y.jpg", "iron_y.jpg", ""},
     kDefeat},
    {"In the \"Arena Of Kings\" you may fight for gold and honor against vicious gladiators on "
     "your way to glory.",
     {"", "m1_arena_y.jpg", ""},
     kDefeat},
    {"All players start off with a keep. This means the range is unlimited from the start of the "
     "game. Be careful and look out for sudden attacks.",
     {"", "icon_castleupgrade_gold.jpg", ""},
     kDefeat},
    {"Dreadful lich lords have placed three cauldrons of doom across the land. Find blood vials "
     "by killing level 10 boss monsters in dungeons and use them to either summon the dead or "
     "destroy the cauldrons.",
     {"m1_blood.jpg", "m1_skeleton.jpg", ""},
     kDefeat},
    {"Find the holy bow of the elves to be able to hire fine elvish archers.",
     {"m1_bow_demon.jpg", "m1_elf.jpg", ""},
     kDefeat},
    {"Collect the dragon eggs spread in the dungeons and use dark magic to breed tamed dragons "
     "to fight for you.",
     {"m1_dragoneggs_y.jpg", "m1_dragon_y.jpg", ""},
     kDefeat},
    {"As long as the local graveyards have not been cleared of the curse, the cities will pay no "
     "taxes. Worst of all: Sometimes the curse comes back...",
     {"m1_village1.jpg", "m1_skeleton.jpg", ""},
     kDefeat},
    {"For 30 units of iron and 10 units of gems the Eldest will forge you a magic ring that will "
     "reduce your troop costs by 25%.",
     {"", "m1_magicring_demon.jpg", ""},
     kDefeat},
    {"Demons feed from evil and suffering. If you wish to get their help you have to pillage "
     "and burn cities. However you never know HOW they are going to support you...",
     {"", "m1_nightscare.jpg", ""},
     kDefeat},
    {"To close the gates of hell you need to find the remains of the Lords Of The Pit that have "
     "already entered our realm in Dungeons and gather at least 6 of them. As long as it is not "
     "closed, all cities are under siege and will pay no taxes.",
     {"m1_blood.jpg", "m1_lordofthepit.jpg", ""},
     kDefeat},
    {"Rescue the princess from the hands of the evil sorcerer to become the new king of the "
     "empire...or defeat all other lords.",
     {"m1_princess.jpg", "", ""},
     "= Rescue the princess"},
    {"Fortify the villages in the frontline to prevent the enemy from crossing your territory. "
     "There is a hidden path around the fortresses protected by an efreet - a mighty monster.",
     {"m1_village1.jpg", "m2_efreet.jpg", ""},
     kDefeat},
    {"You may hire crusader knights spread throughout the land. Beware though that to ally with "
     "plundering crusaders will make you lose honor.",
     {"", "m1_knight.jpg", ""},
     kDefeat},
    {"A curse has befallen the cities of the land. There are rumours about undeads and vampires "
     "living in the local tombs. As long as the ancestral tombs have not been cleared of the "
     "curse and the vampires slain, the cities will pay no taxes.",
     {"m1_village1.jpg", "m1_vampire.jpg", ""},
     kDefeat},
    {"Find the shards binding the soul of the Fallen Angel in order to use dark magic to summon "
     "an army from hell itself.",
     {"m1_bloodgem.jpg", "m1_LordOfThePit.jpg", ""},
     kDefeat},
    {"To find the mighty sword of Nara\u00b4gul you have to go down deep into the dungeons and "
     "search for it there. Be aware though! It\u00b4s guarded by deadly creatures and mighty "
     "traps.",
     {"m1_dragon.jpg", "m1_sword_demon.jpg", ""},
     kDefeat},
    {"In the \"Arena Of Sasgoroth\" you may fight for gold and honor against vicious gladiators "
     "on your way to glory.",
     {"", "m1_arena.jpg", ""},
     kDefeat},
};

}  // namespace

std::optional<ThemeIntro> ThemeIntroFor(int theme) {
    if (!state::InRange(theme, 1, 19)) return std::nullopt;
    const IntroRow& row = kIntros[theme - 1];
    ThemeIntro intro;
    intro.text = row.text;
    for (int i = 0; i < 3; ++i)
        intro.pictures[i] = row.pictures[i];
    intro.goal = row.goal;
    return intro;
}

void ShowThemeIntro() {
    const int theme = state::G().mapSetting[state::MapSetting::theme];
    const auto intro = ThemeIntroFor(theme);
    if (!intro) return;
    if (ApplyThemeStartValues(theme)) Hooks().View().DrawStatusBar();
    Hooks().Theme().ShowIntro(*intro);
}

}  // namespace logic
