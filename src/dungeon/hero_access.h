// Checked access to the hero, the backpack, the rooms and the catalogues for the dungeon rules.
// Numbers read from a saved game or a scenario (the dungeon's lord, positions, item and monster
// rows, backpack contents, the equipped slot) are checked here, where they are used.
#pragma once

#include <string>

#include "state/game_state.h"

namespace logic {

inline constexpr int kBackpackSlots = 4;
inline constexpr int kNoItem = -1;  // an empty backpack slot
inline constexpr int kMaxHeroLevel = 8;

// DungeonLord, or the current lord when DungeonLord is not a lord (1 when neither is).
int HeroLord();
state::RecordOf<100>& HeroRecord();
// BaseMaxHealth + ItemHealthBonus of the dungeon lord's hero.
int MaxHealth();

bool OnBoard(int x, int y);
// The room record at (x, y), or nullptr off the board.
state::RecordOf<100>* RoomAt(int x, int y);
// The room the hero stands in; a position off the board puts the hero into the arrival room
// (the room with Stairs 2, or the first room of the floor) first. nullptr without any room.
state::RecordOf<100>* HeroRoom();

// An ItemTable row 1..500 in use.
bool ValidItem(int item);
// A MonsterTable row 0..100 (row 0 is the set-piece opponent).
bool ValidMonster(int monster);
// The item in a backpack slot 0..4 of a lord's hero: a present slot holding a row 0..500, else
// kNoItem. SlotItem reads the dungeon lord's backpack.
int GearItem(int lord, int slot);
int SlotItem(int slot);
// The equipped weapon's item row, or kNoItem: EquippedSlot must be a slot 1..4 holding an item
// of kind 1 or 2.
int EquippedItem();
// The kind of the equipped weapon (1 or 2), 0 without one.
int EquippedKind();
// An item's field; 0 for a row outside 0..500.
int ItemField(int item, int field);
int MonsterField(int monster, int field);

// "hero1.jpg" .. "hero4.jpg" and the other pictures by lord number.
std::string HeroPicture(int lord, const std::string& suffix = ".jpg");

// The health picture by eighths: "Health0.jpg" for health <= 0, "Health9.jpg" at the maximum or
// above, "Health8.jpg" down to "Health1.jpg" in between.
std::string HealthPicture(int health, int maxHealth);
// The experience picture "XP01.jpg" .. "XP10.jpg".
std::string ExperiencePicture(int xp, int xpNext);

}  // namespace logic
