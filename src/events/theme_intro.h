// The theme introduction shown when a new game starts, and the start values it brings.
#pragma once

#include <optional>

#include "rules/view_hooks.h"

namespace logic {

// The introduction of themes 1 to 19; none for any other number.
std::optional<ThemeIntro> ThemeIntroFor(int theme);

// Fills and shows TFIntro3 for the scenario's theme (1 to 19; nothing for any other), after
// applying the start values of the theme that has them.
void ShowThemeIntro();

}  // namespace logic
