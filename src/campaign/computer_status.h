// The texts of the computer lords' status screen for one lord.
#pragma once

#include <array>
#include <string>

namespace logic {

inline constexpr const char* kStatusLordNames[4] = {"Blue player", "Green player", "Red player",
                                                    "Cyan player"};

struct ComputerStatus {
    int lord = 0;
    std::string name, logo, hero;          // realm name, faction logo, "hero name (level n)"
    std::array<std::string, 10> values;    // "Gold: 1000", ..., "Cannons: 0"
    std::array<std::string, 8> buildings;  // "Barracks: Yes", ...
    std::string goal;                      // the goal text in double quote marks, or "?"
    std::string target;                    // the last movement target: column, row and value
};

// The lord a choice in the selector leads to: the chosen lord while it is in the game, else the
// current lord.
int StatusLordFor(int chosen);

ComputerStatus ShowComputerLordStatus(int lord);

}  // namespace logic
