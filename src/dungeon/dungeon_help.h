// The help texts of the dungeon window: the hover texts of its controls and of the duel panel,
// and the "Help mode:" windows of a right click.
#pragma once

#include <string>

namespace logic {

enum class DungeonControl {
    HeroPicture,
    Level,
    Health,
    Experience,
    Gold,
    Rations,
    WeaponSlot,
    BackpackSlot,
    Eat,
    Leave,
    Options,
    BoardHero,
    // The duel panel.
    Thrust,
    Slash,
    Smash,
    HeroicLabel,
    Strike,
    Heal,
    Retreat,
    OpponentHealth,
    OpponentLevel,
};

// The hover text of a control (shown for 2 seconds with the in-game help on); empty for none.
std::string DungeonHoverText(DungeonControl control);

// The right-click help window of a control, if it has one (hero picture and board hero, level,
// health, experience, gold, rations).
void DungeonRightClickHelp(DungeonControl control);

}  // namespace logic
