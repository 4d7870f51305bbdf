// The room kinds of a dungeon floor: their pictures, names and descriptions, and the draw of a
// kind for an ordinary room.
#pragma once

#include <string>

namespace logic {

namespace RoomKind {
enum : int {
    cave = 1,
    corridorNorthSouth = 2,
    corridorEastWest = 3,
    stairwayUp = 6,
    stairwayDown = 7,
    boneRoom = 8,
};
}

inline constexpr int kRoomKinds = 11;

// Picture base name, name and description of a room kind. Kind 0 reads as kind 1; any other
// kind outside 1..11 is the unknown "blackroom".
std::string RoomPicture(int kind);
std::string RoomName(int kind);
std::string RoomDescription(int kind);

// A kind for an ordinary room (1, 4, 5, 8, 9, 10 or 11).
int RandomRoomKind();

}  // namespace logic
