// Compares what the windows on screen show with the tables: the strategic status bar with its
// troop counters and hero panel, the dungeon status column, the city screen and the battle
// panel. Tests and random play use it to find a window that shows an old number.
#pragma once

#include <string>
#include <vector>

namespace screens {

class GameScreens;

// One line per shown value that differs from the tables, naming the window, the control, what
// it shows and what the tables hold; empty when every visible one agrees.
std::vector<std::string> ShownValueFaults(GameScreens& screens);

}  // namespace screens
