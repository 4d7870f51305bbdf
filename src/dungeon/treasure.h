// The treasure windows: the found item (sell or keep), the preview of an item, and the gold finds
// of nine classes; and the one entry point for gold found by the hero.
#pragma once

namespace logic {

inline constexpr int kGoldClasses = 9;

// The sale value of an item: 40 * level * (sum of the four strengths).
int ItemSaleValue(int item);

// Opens the found-item window for an item row (0..500 with a kind 1..3).
void ShowFoundItem(int item);
// Its buttons; true when the window closes.
bool SellFoundItem(int item);
bool KeepFoundItem(int item);

void PreviewItem(int item);

// The value of a gold find of class 1..9 (0 for any other class).
int GoldValue(int goldClass);
// The gold window for class 1..9: the value goes to AddGold before the window shows.
void ShowGoldTreasure(int goldClass);

// Gold found by the hero: to GoldCarried while the hero is in a dungeon, otherwise straight to
// the treasury of the hero's lord (GoldCarried would be overwritten by the next dungeon).
void AddGold(int amount);

// The treasure of the hero's room after a won fight (afterWonDuel) or a room event: the theme
// find, then the found-item window or the gold window.
void HandOutRoomTreasure(bool afterWonDuel);

}  // namespace logic
