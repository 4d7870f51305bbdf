// The theme rules outside the theme events: the start values of the keep theme, the cursed
// cities of the graveyard themes, and the siege of the gate-to-hell theme. The city round asks
// these for each city.
#pragma once

namespace logic {

// Every lord starts with a built keep, 2500 gold and an unlimited castle range in the keep
// theme. True when the theme has start values (they were applied).
bool ApplyThemeStartValues(int theme);

// Whether the theme curses its cities through graveyards (themes 9 and 16).
bool CurseTheme(int theme);
// In a curse theme, a city earns no new taxes while a theme site whose active value is exactly
// 1 stands east, west, south or north of it.
bool CityCursed(int site);
// In a curse theme, once per city and round: a draw below 5 out of 10000 brings back the last
// removed theme site (the highest inactive row of a negative kind), whose icon is redrawn.
// Returns the row brought back, 0 for none.
int MaybeReturnCurse();
// In the siege theme, every city's waiting taxes are set to 0 while a main theme site is active.
bool SiegeHoldsTaxes();

}  // namespace logic
