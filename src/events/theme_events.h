// The theme places of a scenario (map sites of kind -1, -2 and -3), the duels and battles they
// start, what follows a won theme battle, the quest objects found in dungeons and the demons'
// gift after a pillage.
#pragma once

#include <string>

namespace logic {

// The set-piece opponents of the theme places.
enum class SetPiece : int {
    ancientDragon = 1,
    orcChieftain = 2,
    lichLord = 3,
    efreet = 4,
    vampire = 5,
    evilSorcerer = 6,
};

// The theme event of map site `site` (1..10) for the current lord, chosen by the scenario
// theme and the site's kind (-1 the main event, -2 and -3 the secondary one).
void ThemeEvent(int site);

// Fills the set-piece opponent (MonsterTable and MonsterText row 0) and lets the lord's hero
// fight it with full health. True when the hero won.
bool StartSetPieceDuel(int lord, SetPiece opponent);

// The current lord's battle against an event army of `count` special troops of `kind` and
// `troopClass` (in Army row 0, off the map) at map site `site`; battleKind 2 orcs, 3 undead,
// 5 crusaders picks the enemy's picture. The lord's army has no moves left afterwards.
void StartEventBattle(int count, int kind, int troopClass, int battleKind, int site);

// After a won battle at a theme site: the follow-up of the orc camp, the graveyard, Morduls
// Citadel and the crusader camp; nothing in the other themes.
void ThemeBattleWon(int site);

// One chance of a quest object for the lord. afterWonDuel: the call follows a won duel, so the
// monster of that duel counts for the boss condition.
void ThemeFind(int lord, bool afterWonDuel);

// The roll range of a find: 100 for a human, by difficulty for a computer lord; 0 for a number
// that is no lord.
int FindRollRange(int lord);

// The gift of the demons for the current lord after a pillaged town (human lords only).
void DemonGift();

// The arena rank's name; a rank outside 0..8 shows the nearest name.
std::string ArenaRankName(int rank);

// The ore one mining yields at a mining skill (outside 0..100 it counts as 0 or 100).
int MiningYield(int skill);

}  // namespace logic
