// The map.txt of a scenario source: 11 lines of 12 characters, one per field, with comment
// lines starting with '#'. The legend (also written at the head of every decompiled map):
//
//   ~  sea                     .  land
//   ^  mountain (2 x 2 blocks) 1..4  the castle of lord 1..4 (blue, green, red, cyan)
//   A..J  the map site of that letter (scenario.json "sites", in order: A is the first)
//   w leafy wood, f pine forest, h hills, p farmland, s swamp, r rocks, o pond, x standing stones
//
// Castles, sites and features stand on land; mountains and features must lie inland (no sea
// on their four sides), so every coast is drawn by a coast tile.
#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "terrain_grid.h"

namespace scenarios {

inline constexpr int kMaxSites = 10;
inline constexpr const char* kFeatureLetters = "wfhpsrox";  // features 1..8

struct MapText {
    TerrainGrid grid;
    std::array<int, 5> castleX{}, castleY{};      // [lord 1..4], 0 when absent
    std::array<int, kMaxSites> siteX{}, siteY{};  // [letter A..J]
    std::array<int, kRows + 1> rowLine{};         // [y 1..11]: the line of map.txt it stands on
};

// A fault in a source file, with where it is: "map.txt:3:7: reason".
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the text of a map.txt; fileName is only used in error messages.
MapText ParseMapText(const std::string& text, const std::string& fileName);

// Writes a map.txt for the grid, castles and sites (with the legend as a comment header).
std::string FormatMapText(const MapText& map);

}  // namespace scenarios
