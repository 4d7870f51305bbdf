// The theme display of the strategic screen: which theme boxes show which pictures and numbers,
// and their hover hints and right-click help.
#pragma once

#include <optional>
#include <string>

#include "rules/view_hooks.h"

namespace logic {

enum class ThemeBoxId { counter, troop };

// The boxes of a theme (all hidden for a theme without a display).
ThemeBoxes ThemeBoxesFor(int theme);
// The numbers of the boxes for a lord: the counter box shows the theme counter or the special
// count (by theme), the troop box the special count.
int CounterBoxNumber(int theme, int lord);
int TroopBoxNumber(int lord);

// Shows or hides the boxes for the scenario's theme, then writes their numbers.
void SetupThemeDisplay();
// Writes the current lord's numbers into the boxes.
void UpdateThemeDisplay();

// The hover hint of a box; none where the hint panel keeps its previous text.
std::optional<std::string> ThemeBoxHint(int theme, ThemeBoxId box);

struct ThemeHelp {
    std::string title;
    std::string text;
};
// The right-click help of a box; none for a theme without one.
std::optional<ThemeHelp> ThemeBoxHelp(int theme, ThemeBoxId box);
inline constexpr const char* kThemeHelpPicture = "m1_action_help.jpg";

}  // namespace logic
