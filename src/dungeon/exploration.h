// The hero's walk through a dungeon: entering and the wait while the floor is made, the board
// with its fog of war, moving, eating, the stairway, the boss room, and the three ways out
// (leaving, clearing the dungeon, dying).
#pragma once

#include <string>

#include "rules/dungeon_view.h"

namespace logic {

inline constexpr int kRationsOnEntry = 6;

// The current lord's hero enters a new dungeon (the dungeon entrance of the map).
void EnterDungeon();
// The wait window's tick, elapsedMs after it opened: makes the floor if it is not made yet.
// True when the floor is ready and the wait window has been shown long enough.
bool GenerationTick(int elapsedMs);

// Board and status column.
void DrawDungeon();
void DrawHeroStatus();
// What the status column shows for the hero in the dungeon now.
HeroStatusView DescribeHeroStatus();

// The hero walks to room (x, y), a neighbour behind an open door of the hero's room.
void MoveHero(int x, int y);
// The move frames: the neighbour to the north, east, south or west.
void MoveNorth();
void MoveEast();
void MoveSouth();
void MoveWest();
void EndOfMove();

// The "Eat", "Leave" and "Options" buttons.
void Eat();
void Leave();
void DungeonOptions();

void BossRoom();
void ClearDungeon(const std::string& text);
void HeroDies();

// The program closes the dungeon window (no question asked).
void CloseDungeonScreen();
// The close query of the dungeon window for a close by the player: true when it may close;
// otherwise the reason is shown and false returned.
bool DungeonCloseQuery();

// The dungeon window again when the strategic window becomes active inside a dungeon (after a
// load): the board redrawn, the window shown modally.
void ResumeDungeon();

// The low-health warning of the dungeon screen (once per lord): health below half of the
// hero's full health.
void LowHealthHint();

}  // namespace logic
