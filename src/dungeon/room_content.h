// What a room holds the first time the hero walks in: a monster with the treasure it guards, or
// a room event; and the item draws of the hero's level.
#pragma once

namespace logic {

// The content of room (x, y) on its first entry, then the fight, the boss or the room event.
void PopulateRoom(int x, int y);

// A room event number 2..13 for a new room.
int PickRoomEvent();

// The monster for a new room by the hero's level (0 when none is within one level).
int PickRoomMonster(int heroLevel);
// The treasure a monster of the given level guards: an item row, minus a gold class, or 0.
int PickGuardedTreasure(int monsterLevel);
// The gold class 1..9 for a monster level and a draw v, 0 when the table has none.
int GoldClassFor(int monsterLevel, int v);

// An item of exactly the hero's level, weighted by rarity; 0 when there is none.
int RandomItemOfHeroLevel();

// The boss of the dungeon for the hero's level and the item it guards (0 when none).
int PickBoss(int heroLevel);
int PickBossTreasure(int bossLevel);

}  // namespace logic
