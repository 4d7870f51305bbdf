// The battles of the theme places against an event army, and what follows a won one.
#pragma once

namespace logic {

// The current lord's battle against an event army of `count` special troops of `kind` and
// `troopClass` (in Army row 0, off the map) at map site `site`; battleKind 2 orcs, 3 undead,
// 5 crusaders picks the enemy's picture. The lord's army has no moves left afterwards.
void StartEventBattle(int count, int kind, int troopClass, int battleKind, int site);

// After a won battle at a theme site: the follow-up of the orc camp, the graveyard, Morduls
// Citadel and the crusader camp; nothing in the other themes.
void ThemeBattleWon(int site);

}  // namespace logic
