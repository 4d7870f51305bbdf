// The hero's experience and levels 1 to 8.
#pragma once

namespace logic {

// Experience for the dungeon lord's hero, then a level-up check.
void AddXP(int amount);
// One level-up when XP has reached XPNext below level 8.
void CheckLevelUp();
// One level-up of the lord's hero (the lord becomes the dungeon lord for it).
void LevelUp(int lord);

}  // namespace logic
