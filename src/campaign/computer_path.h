// The computer lords' movement: the value of every tile seen from the army, the target, the
// breadth-first path lists back from the target, and the magic portal home.
#pragma once

namespace logic {

struct MoveTarget {
    bool found = false;
    int x = 0, y = 0;
    int value = 0;
};

// Fills AIFieldScore for lord (tile values scaled by the distance from its army) and returns
// the best walkable tile of value 0 or more; none while another lord's army is close to the
// lord's castle.
MoveTarget ChooseTarget(int lord);

// Rebuilds the path lists (AIPlanA open, AIPlanB closed) from the target towards lord's army.
void SearchPath(int lord, int targetX, int targetY);

// The neighbour of lord's army to step onto towards the target, from the closed list (or the
// target itself when it is adjacent). False when no neighbour qualifies.
bool NextStep(int lord, int targetX, int targetY, int& x, int& y);

// The army returns to its castle by magic portal when it is away (its moves become 0); the
// human lords hear of it once per game.
void PortalHome(int lord);

}  // namespace logic
