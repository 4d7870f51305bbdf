// The scenarios the list offers: caption, file base name, the number handed on to the sheet (0:
// the theme read from the scenario's map), the unlocked level it needs to be above, and whether
// the tutorial allows it.
#pragma once

namespace screens {

struct ScenarioEntry {
    const char* caption;
    const char* baseName;
    int number;      // 0: the theme number of the scenario's map (MapSetting slot 3)
    int needsAbove;  // available when the unlocked level is above this
    bool tutorial;   // allowed during the tutorial
    int page;
};

inline constexpr ScenarioEntry kScenarios[8] = {
    {"Desert Of Darkness", "desertofdarkness", 0, 0, true, 1},
    {"The Crusade", "thecrusades", 15, 2, false, 1},
    {"The Curse", "thecurse", 16, 4, false, 1},
    {"The Fallen Angel", "fallenangel", 17, 6, false, 1},
    {"The Sword of Nara\u00b4gul", "swordofnaragul", 18, 8, false, 1},
    {"Gladiator", "gladiator", 19, 10, false, 1},
    {"Showdown (2 lords)", "showdown", 0, 0, true, 2},
    {"Showdown 2 (4 lords)", "showdown2", 0, 0, true, 2},
};

// The scenarios built for the themes the list above does not reach. The custom scenario box
// offers them by title, ahead of the player's own scenarios; they play like a typed name.
inline constexpr const char* kThemeScenarios[] = {
    "darkmines",   "arenaofkings", "thekeeps",   "cauldrons", "dragonbreeders", "graveyards",
    "ringofkings", "demonpact",    "gateofhell", "princess",  "frontline",
};

// The custom scenario's number.
inline constexpr int kCustomScenarioNumber = 2;

inline constexpr const char* kTutorialRefusal = "Sorry, during the tutorial this is not possible.";

}  // namespace screens
