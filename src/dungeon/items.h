// The hero's backpack of four items: the passive bonuses, the item window of a slot, potions,
// equipping a weapon, and putting a found item into the backpack or the replace window.
#pragma once

#include <string>

#include "rules/dungeon_view.h"
#include "state/item_table.h"

namespace logic {

namespace ItemKind = state::ItemKind;

// Every lord's ItemHealthBonus from the items carried; Health is clamped to the maximum.
void RecomputeItemBonuses();
// The effective bonus of an item's strength for the hero carrying it (none without strength).
int ItemBonus(int itemLevel, int strength, int heroLevel);

// The details shown by every item window.
ItemDetailView DescribeItem(int item);
std::string StrengthLabel(int itemLevel, int strength);
// "Epic - Level 3 - Item" and the four lines "Hit %: Lesser (3)" and so on of the replace window.
std::string ReplaceLevelLine(int item);
std::string ReplaceStrengthLine(const std::string& label, int itemLevel, int strength);

bool IsPotion(int item);
bool IsWeapon(int item);

// A left click on a backpack slot (or the weapon slot, which passes EquippedSlot).
void ShowItemDetail(int slot);
// A left click on the weapon slot: the equipped weapon's window, or the empty-slot message.
void ShowWeaponDetail();
// The buttons of the item window.
void UseWeapon(int slot);
void Unequip();

// "Keep for yourself": into the lowest empty slot, or the replace window when all are full.
// True when the found-item window closes.
bool AddFoundItem(int item);
// The replace window's buttons; true when both windows close.
bool ReplaceWithItem(int slot, int item);
bool UseItemNow(int item);

// Whether the lord's backpack holds the item row.
bool CarriesItem(int lord, int item);

// The scratch slot 0 is emptied when the replace or found-item window closes.
void ClearScratchSlot();

}  // namespace logic
