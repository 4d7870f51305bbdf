// The theme boxes' pictures, numbers, hints and help, by theme.
#include "events/theme_display.h"

#include "rules/lords.h"
#include "state/game_state.h"
#include "state/themes.h"

namespace logic {

namespace {

enum class Counter { themeCounter, specialCount };

struct DisplayRow {
    int theme;
    const char* counterPicture;  // null: hidden
    Counter counter;
    const char* troopPicture;  // null: hidden
    const char* armyPicture;   // null: none
};

constexpr DisplayRow kDisplays[] = {
    {1, "m1_dragoneggs.jpg", Counter::themeCounter, nullptr, nullptr},
    {2, "m1_orc.jpg", Counter::specialCount, nullptr, "m1_orc.jpg"},
    {3, "iron_y.jpg", Counter::themeCounter, "m1_dwarf_y.jpg", "m1_dwarf_y.jpg"},
    {6, "m1_blood.jpg", Counter::themeCounter, "m1_skeleton.jpg", "m1_skeleton.jpg"},
    {7, "m1_elf.jpg", Counter::specialCount, nullptr, "m1_elf.jpg"},
    {8, "m1_dragoneggs.jpg", Counter::themeCounter, "m1_dragon.jpg", "m1_dragon.jpg"},
    {9, nullptr, Counter::themeCounter, nullptr, "m1_skeleton.jpg"},
    {11, "m1_nightscare.jpg", Counter::specialCount, nullptr, "m1_nightscare.jpg"},
    {12, "m1_blood.jpg", Counter::themeCounter, nullptr, nullptr},
    {13, nullptr, Counter::themeCounter, nullptr, "m1_skeleton.jpg"},
    {15, "m1_knight.jpg", Counter::specialCount, nullptr, "m1_knight.jpg"},
    {17, "m1_bloodgem.jpg", Counter::themeCounter, "m1_lordofthepit.jpg", "m1_lordofthepit.jpg"},
};

const DisplayRow* FindDisplay(int theme) {
    for (const DisplayRow& row : kDisplays) {
        if (row.theme == theme) return &row;
    }
    return nullptr;
}

struct TextRow {
    int theme;
    const char* title;  // help only
    const char* text;
};

constexpr const char* kGenericHint = "This is a theme specific display.";

constexpr TextRow kCounterHints[] = {
    {1, "", "Collect 5 to calm the dragon and clear the path (for more info right-click)."},
    {2, "", "Orcs are strong melee fighters (for more info right-click)."},
    {3, "", "The amount of dark iron you have collected (for more info right-click)."},
    {6, "",
     "Blood vials are required to summon undeads or destroy the cauldrons (for more info "
     "right-click)."},
    {7, "", "Elvish archers are excellent range units (for more info right-click)."},
    {8, "", "Collect the dragon eggs to breed dragons (for more info right-click)."},
    {11, "", "Nightscares are demons that can join your army (for more info right-click)."},
    {12, "", "Remains of a Lord Of The Pit (for more info right-click)."},
    {15, "", "Crusaders is strong fast melee cavalry (for more info right-click)."},
};

constexpr TextRow kTroopHints[] = {
    {3, "", "Dwarves are strong melee fighters (for more info right-click)."},
    {6, "", "Skeleton Knights are strong fast melee units (for more info right-click)."},
    {8, "", "Dragons are devastating fast melee units (for more info right-click)."},
};

constexpr TextRow kCounterHelp[] = {
    {1, "Help mode: Dragon eggs",
     "The path to the other peninsula is guarded by a dragon. If you collect 5 dragon eggs in "
     "dungeons you can calm him and pass."},
    {2, "Help mode: Orcs",
     "Maybe you are able to hire orcs during the game. They are fierce melee fighters."},
    {3, "Help mode: Dark iron",
     "You need to collect dark iron to get the help of the dwarves. You can get it if you go to "
     "a mine and mine some of it."},
    {6, "Help mode: Blood vial",
     "You can find blood vials by killing level 10 boss monsters in dungeons and use them to "
     "either summon the dead or destroy the cauldrons."},
    {7, "Help mode: Elvish archers",
     "Elvish archers are excellent range units. You can hire them if you can find the legendary "
     "bow of the elves."},
    {8, "Help mode: Dragon eggs",
     "Collect the dragon eggs spread in the dungeons and use dark magic to breed tamed dragons "
     "to fight for you."},
    {11, "Help mode: Nightscares",
     "Nightscares are the remains of necromancers that have traded their lives for eternal "
     "slavery (strong fast melee troops)."},
    {12, "Help mode: Remains",
     "To close the gates of hell you need to find the remains of the Lords Of The Pit that have "
     "already entered our realm in Dungeons and gather at least 6 of them."},
    {15, "Help mode: Crusaders",
     "Maybe you are able to hire crusaders during the game. They are strong fast melee "
     "fighters."},
};

constexpr TextRow kTroopHelp[] = {
    {3, "Help mode: Dwarves", "Dwarves are strong melee fighters."},
    {6, "Help mode: Skeleton knights",
     "Skeleton knights are strong fast melee units. You can get them by using blood vials and "
     "the cauldrons of doom."},
    {8, "Help mode: Dragons",
     "Collect the dragon eggs spread in the dungeons and use dark magic to breed tamed dragons "
     "to fight for you."},
};

template <std::size_t N>
const TextRow* FindText(const TextRow (&rows)[N], int theme) {
    for (const TextRow& row : rows) {
        if (row.theme == theme) return &row;
    }
    return nullptr;
}

int Theme() {
    return state::G().mapSetting[state::MapSetting::theme];
}

}  // namespace

ThemeBoxes ThemeBoxesFor(int theme) {
    ThemeBoxes boxes;
    const DisplayRow* row = FindDisplay(theme);
    if (!row) return boxes;
    if (row->counterPicture) boxes.counter = {true, row->counterPicture};
    if (row->troopPicture) boxes.troop = {true, row->troopPicture};
    if (row->armyPicture) boxes.armyPicture = row->armyPicture;
    return boxes;
}

int TroopBoxNumber(int lord) {
    return ValidLord(lord) ? ArmyRecord(lord)[state::Army::specialCount] : 0;
}

int CounterBoxNumber(int theme, int lord) {
    if (!ValidLord(lord)) return 0;
    const DisplayRow* row = FindDisplay(theme);
    if (row && row->counter == Counter::specialCount) return TroopBoxNumber(lord);
    return LordRecord(lord)[state::Lord::themeCounter];
}

void SetupThemeDisplay() {
    Hooks().Theme().SetupBoxes(ThemeBoxesFor(Theme()));
    UpdateThemeDisplay();
}

void UpdateThemeDisplay() {
    const int lord = CurrentLordChecked();
    Hooks().Theme().SetNumbers(CounterBoxNumber(Theme(), lord), TroopBoxNumber(lord));
}

std::optional<std::string> ThemeBoxHint(int theme, ThemeBoxId box) {
    const bool counter = box == ThemeBoxId::counter;
    const TextRow* row = counter ? FindText(kCounterHints, theme) : FindText(kTroopHints, theme);
    if (row) return std::string(row->text);
    // No theme, and the themes from the princess's on without a text of their own, share one
    // hint.
    if (theme == state::kNoTheme || state::InRange(theme, state::kPrincessTheme, 100))
        return std::string(kGenericHint);
    return std::nullopt;
}

std::optional<ThemeHelp> ThemeBoxHelp(int theme, ThemeBoxId box) {
    const TextRow* row =
        box == ThemeBoxId::counter ? FindText(kCounterHelp, theme) : FindText(kTroopHelp, theme);
    if (!row) return std::nullopt;
    return ThemeHelp{row->title, row->text};
}

}  // namespace logic
