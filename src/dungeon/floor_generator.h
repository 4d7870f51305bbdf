// The generator of a dungeon floor: a random cluster of rooms grown from the arrival stairway,
// with its far end as the boss room or the stairway down.
#pragma once

namespace logic {

inline constexpr int kMinFloorRooms = 13;

// One generation call into Room: clears the floor, draws the arrival room and tries up to 10001
// growths; the first accepted one becomes the floor and sets FloorGenerated. Without an accepted
// growth the floor stays empty and FloorGenerated clear (the next call starts over).
void GenerateFloor();

}  // namespace logic
