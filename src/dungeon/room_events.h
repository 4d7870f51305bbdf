// The events of dungeon rooms: traps, the wizard and the trader, the corpse and the spirit, the
// quest objects, the worm hole, the statue and the chasm.
#pragma once

namespace logic {

namespace RoomEvent {
enum : int {
    pit = 2,
    arrowTrap = 3,
    wizard = 4,
    trader = 5,
    corpse = 6,
    spirit = 7,
    voodooDoll = 8,
    magicDust = 9,
    wormHole = 11,
    statue = 12,
    chasm = 13,
};
}

// The event of the hero's room; unknown numbers do nothing.
void RunRoomEvent(int event);

// The wizard's price for an item: v + v / 2; the trader's: 4 * v (v the sale value, 0 for no
// item).
int WizardPrice(int item);
int TraderPrice(int item);

}  // namespace logic
