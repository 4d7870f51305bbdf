// One step of the current lord's army, resolved at once: range check, free or enemy land, siege
// of an empty castle, attack on a defended castle, an unescorted lord, a field battle; then the
// map event and the spawn field of the new field.
#pragma once

#include <string>

namespace logic {

inline constexpr const char* kOutOfRange =
    "This field is out of your castle range. Build a keep for more range!";

// The step to the neighbour in a direction: 0 north, 1 east, 2 south, 3 west (the move targets
// and the dungeon's move frames count directions this way).
struct DirectionStep {
    int dx, dy;
};
inline constexpr DirectionStep kDirectionSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

// Steps between two fields when each round may move one column and one row at once but counts
// one for each coordinate moved; at most 11 rounds. Equals |dx| + |dy| on the map.
int StepDistance(int x1, int y1, int x2, int y2);
// Whether the field lies within the lord's range of its castle (its movement range limit).
bool WithinCastleRange(int lord, int x, int y);

// One step of the current lord's army to (x, y). Called by the move targets and the computer
// lords. A target off the map does nothing.
void MoveArmy(int x, int y);

// The move target of the human's army in a direction: 0 north, 1 east, 2 south, 3 west. Does
// nothing unless HumanMayAct().
void MoveTargetClick(int direction);

}  // namespace logic
