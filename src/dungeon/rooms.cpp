// The catalogue of room kinds and the draw of an ordinary room's kind.
#include "dungeon/rooms.h"

#include "state/random.h"
#include "state/tables.h"

namespace logic {

namespace {

struct KindInfo {
    const char* picture;
    const char* name;
    const char* description;
};

constexpr KindInfo kKinds[kRoomKinds + 1] = {
    {},
    {"m1_set1_cave", "Cave",
     "You enter a dark room only lit by the light of your torch. The walls and floor are covered "
     "with moss and the air is very damp. In the distance you hear strange noises."},
    {"m1_set1_corridornorthsouth", "Corridor",
     "The corridor leads from north to south. An unpleasant smell proves that some of the "
     "inhabitants also use it to relieve themselves."},
    {"m1_set1_corridoreastwest", "Corridor",
     "The corridor leads from east to west. An unpleasant smell proves that some of the "
     "inhabitants also use it to relieve themselves."},
    {"m1_set1_straw", "Cave",
     "This part of the dungeon has just been dug into the stone without supporting it with "
     "walls."},
    {"m1_set1_restingroom", "Resting room",
     "Someone ... or something ... must be living here. Carefully you look around ... wait ... "
     "have you just heard a noise?"},
    {"m1_set1_stairwayup", "Stairway up",
     "The stairs lead upwards where you have come from. You do not wish to take this way until "
     "this dungeon has been cleared out."},
    {"m1_set1_stairwaydown", "Stairway down",
     "Slippery stairs lead downwards deeper in into the darkness and madness."},
    {"M1_set1_bones", "Bone room",
     "The floor of the room is covered with bones - human bones. Some even appear to be gnawed "
     "at... "},
    {"m1_set1_junk", "Junk",
     "This room is being used as a place to drop all the junk of the unpleasant inhabitants. It "
     "stinks and you begin to choke. You do not really wish to take a close look."},
    {"m1_set1_guardpost", "Guard post",
     "The room you just entered is definitely a guard post. The question is: Where is the guard? "
     "You hear a noise and turn around. You watch the dark. Is someone or something waiting for "
     "you in the darkness?"},
    {"m1_set1_formerstorage", "Former storage",
     "This room has not been used for storage for ages. The dust is as thick as a finger. You can "
     "see small spiders of all colors in their cobwebs."},
};

// The draw in [0, 140) by upper bound of each kind's range.
struct KindRange {
    int below;
    int kind;
};
constexpr KindRange kOrdinaryKinds[] = {{21, 1},  {41, 4},   {61, 5},  {81, 8},
                                        {101, 9}, {121, 10}, {140, 11}};

int KnownKind(int kind) {
    return kind == 0 ? 1 : kind;
}

}  // namespace

std::string RoomPicture(int kind) {
    kind = KnownKind(kind);
    return state::InRange(kind, 1, kRoomKinds) ? kKinds[kind].picture : "blackroom";
}

std::string RoomName(int kind) {
    kind = KnownKind(kind);
    return state::InRange(kind, 1, kRoomKinds) ? kKinds[kind].name : "Dungeon room";
}

std::string RoomDescription(int kind) {
    kind = KnownKind(kind);
    return kKinds[state::InRange(kind, 1, kRoomKinds) ? kind : 1].description;
}

int RandomRoomKind() {
    const int r = state::Random(140);
    for (const KindRange& range : kOrdinaryKinds) {
        if (r < range.below) return range.kind;
    }
    return 1;
}

}  // namespace logic
