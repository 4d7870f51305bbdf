// The small temporary sites of the map: wood, iron and stone deposits, the travelling trader and
// dungeon entrances. Their spawning and ageing, and what a lord's army finds there.
#pragma once

namespace logic {

namespace SpawnKind {
enum : int { wood = 1, iron = 2, trader = 3, dungeon = 4, stone = 5 };
}

// The map picture of a site kind ("d2_icon_wood.bmp", ...); empty for other kinds.
const char* SpawnPicture(int kind);

// The first present slot 1..6 on (x, y), else 0.
int SpawnFieldAt(int x, int y);
// The first free slot 1..6, else 0.
int FreeSpawnSlot();
// A slot becomes free; its place is cleared too.
void ClearSpawnSlot(int slot);

// One spawning pass: with ageFirst the present sites age (and expire) first, then ten attempts
// to place a new site in a free slot.
void SpawnFields(bool ageFirst);

// The current lord's army stands on a dungeon entrance (the offer's hidden cheat is possible).
bool DungeonEntranceUnderArmy();

// The site under the current lord's army, if any, is picked up.
void PickUpField();

// The hero-level roll of a dungeon reward.
void ComputerHeroLevelUpChance(int lord);

// The gold of a dungeon taken without entering, before scaling, from the hero level and the
// random draws; and its scaling by the difficulty level.
int DungeonGoldByLevel(int heroLevel);
int ScaleByDifficulty(int gold, int difficulty);

// The reward of a dungeon taken without entering (computer lords and the dungeon cheat).
void DungeonReward(int lord);

}  // namespace logic
