#include "events/theme_sheet_lines.h"

namespace logic {

namespace {

constexpr const char* kAnimals = "Dungeon monsters: Animals && outcasts!";
constexpr const char* kOrcs = "Dungeon monsters: Orcs && cohorts!";
constexpr const char* kUndeads = "Dungeon monsters: Undeads!";
constexpr const char* kDemons = "Dungeon monsters: Demons!";

struct SheetRow {
    const char* monstersPicture;
    const char* monstersLine;
    const char* theme1Picture;
    const char* theme1Line;
    const char* theme2Picture;  // null: no second line
    const char* theme2Line;
};

// Scenario numbers 1 to 19.
constexpr SheetRow kSheet[19] = {
    {"m1_scorpion.jpg", kAnimals, "m1_dragon_y.jpg", "Theme: A dragon guards a pass!",
     "m1_dragoneggs_y.jpg", "Theme: Dragon eggs will calm the dragon!"},
    {"m1_orc.jpg", kOrcs, "m1_book_y.jpg", "Theme: Ally with the orcs or fight them!", nullptr,
     nullptr},
    {"m1_scorpion.jpg", kAnimals, "m1_dwarf_y.jpg", "Theme: Learn how to mine and more!", nullptr,
     nullptr},
    {"m1_orc.jpg", kOrcs, "m1_arena_y.jpg", "Theme: Become a gladiator", nullptr, nullptr},
    {"m1_scorpion.jpg", kAnimals, "m1_book_y.jpg", "Theme: Everyone starts with a keep!", nullptr,
     nullptr},
    {"m1_skeleton.jpg", kUndeads, "m1_blood.jpg", "Theme: Dark rituals!", nullptr, nullptr},
    {"m1_scorpion.jpg", kAnimals, "m1_bow_demon.jpg", "Theme: Find a legendary bow!", nullptr,
     nullptr},
    {"m1_orc.jpg", kOrcs, "m1_dragon_y.jpg", "Theme: Breed dragons!", nullptr, nullptr},
    {"m1_skeleton.jpg", kUndeads, "m1_village1_y.jpg", "Theme: Cities are under siege!", nullptr,
     nullptr},
    {"m1_orc.jpg", kOrcs, "m1_magicring_y.jpg", "Theme: Find the \"Ring Of Kings\"!", nullptr,
     nullptr},
    {"m1_nightscare.jpg", kDemons, "m1_book_y.jpg", "Theme: Demons freed from evil deeds!", nullptr,
     nullptr},
    {"m1_nightscare.jpg", kDemons, "m1_lordofthepit_y.jpg", "Theme: Close the gate to hell!",
     nullptr, nullptr},
    {"m1_skeleton.jpg", kUndeads, "m1_princess.jpg", "Theme: Free the princess!", nullptr, nullptr},
    {"m1_scorpion.jpg", kOrcs, "m1_village1.jpg", "Theme: The front line is fortified!",
     "m2_efreet.jpg", "Theme: An efreet protects a crossing!"},
    {"m1_orc.jpg", kAnimals, "m1_book_y.jpg", "Theme: Ally && fight crusaders!", nullptr, nullptr},
    {"m1_skeleton.jpg", kUndeads, "m1_village1_y.jpg", "Theme: Cities are under siege!", nullptr,
     nullptr},
    {"m1_nightscare.jpg", kDemons, "m1_bloodgem.jpg", "Theme: Find the lost soul shards!",
     "m1_LordOfThePit.jpg", "Theme: Summon an army from hell!"},
    {"m1_nightscare.jpg", kDemons, "m1_sword_demon.jpg", "Theme: Sword of Nara\u00b4gul", nullptr,
     nullptr},
    {"m1_orc.jpg", kOrcs, "m1_arena.jpg", "Theme: Become a gladiator", nullptr, nullptr},
};

struct PreviewRow {
    const char* monstersPicture;
    const char* monstersLine;
    const char* themePicture;
    const char* themeLine;
};

// Scenario numbers 2 to 19.
constexpr PreviewRow kPreview[18] = {
    {"prev_orc.jpg", kOrcs, "prev_book_y.jpg", "Theme: Ally with the orcs or fight them!"},
    {"prev_scorpion.jpg", kAnimals, "prev_dwarf_y.jpg", "Theme: Learn how to mine and more!"},
    {"prev_orc.jpg", kOrcs, "prev_arena_y.jpg", "Theme: Become a gladiator!"},
    {"prev_scorpion.jpg", kAnimals, "prev_book_y.jpg", "Theme: Everyone starts with a keep!"},
    {"prev_skeleton.jpg", kUndeads, "prev_blood_y.jpg", "Theme: Dark rituals!"},
    {"prev_scorpion.jpg", kAnimals, "prev_bow_demon_y.jpg", "Theme: Find a legendary bow!"},
    {"prev_orc.jpg", kOrcs, "prev_dragon_y.jpg", "Theme: Breed dragons!"},
    {"prev_scorpion.jpg", kUndeads, "prev_village1_y.jpg", "Theme: Cities are under siege!"},
    {"prev_orc.jpg", kOrcs, "prev_magicring_y.jpg", "Theme: Find the \"Ring Of Kings\"!"},
    {"prev_nightscare.jpg", kDemons, "prev_book_y.jpg", "Theme: Demons freed from evil deeds!"},
    {"prev_nightscare.jpg", kDemons, "prev_lordofthepit_y.jpg", "Theme: Close the gate to hell!"},
    {"prev_skeleton.jpg", kUndeads, "prev_princess.jpg", "Theme: Free the princess!"},
    {"m1_scorpion.jpg", kOrcs, "m2_efreet.jpg", "Theme: An efreet protects a crossing!"},
    {"m1_orc.jpg", kAnimals, "m1_book_y.jpg", "Theme: Ally && fight crusaders!"},
    {"m1_skeleton.jpg", kUndeads, "m1_village1_y.jpg", "Theme: Cities are under siege!"},
    {"m1_nightscare.jpg", kDemons, "m1_bloodgem.jpg", "Theme: Find the lost soul shards!"},
    {"m1_nightscare.jpg", kDemons, "m1_sword_demon.jpg", "Theme: Sword of Nara\u00b4gul"},
    {"m1_orc.jpg", kOrcs, "m1_arena.jpg", "Theme: Become a gladiator"},
};

}  // namespace

std::optional<SheetPresentation> SheetThemeFor(int n) {
    if (n < 1 || n > 19) return std::nullopt;
    const SheetRow& r = kSheet[n - 1];
    SheetPresentation p{{r.monstersPicture, r.monstersLine}, {r.theme1Picture, r.theme1Line}, {}};
    if (r.theme2Picture) p.theme2 = ThemeLine{r.theme2Picture, r.theme2Line};
    return p;
}

std::optional<PreviewPresentation> PreviewThemeFor(int n) {
    if (n < 2 || n > 19) return std::nullopt;
    const PreviewRow& r = kPreview[n - 2];
    return PreviewPresentation{{r.monstersPicture, r.monstersLine}, {r.themePicture, r.themeLine}};
}

}  // namespace logic
