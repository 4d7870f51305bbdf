// The quest objects of a theme found after dungeon fights and finds, and the demons' gift after a
// pillage.
#pragma once

namespace logic {

// One chance of a quest object for the lord. afterWonDuel: the call follows a won duel, so the
// monster of that duel counts for the boss condition.
void ThemeFind(int lord, bool afterWonDuel);

// The roll range of a find: 100 for a human, by difficulty for a computer lord; 0 for a number
// that is no lord.
int FindRollRange(int lord);

// The gift of the demons for the current lord after a pillaged town (human lords only).
void DemonGift();

}  // namespace logic
