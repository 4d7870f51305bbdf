// The nine castle buildings: their texts, costs and effects, the human lord's "Build" action and
// the computer lords' cost table.
#pragma once

#include <array>
#include <string>

namespace logic {

inline constexpr int kBuildingCount = 9;
// The movement range limit once the keep is built: more steps than the map has.
inline constexpr int kUnlimitedRange = 99;

inline constexpr const char* kBuildingsHeading = "Build new improvements:";
inline constexpr const char* kBuildingRefusal =
    "Sorry, but you do not have enough gold or resources...";
inline constexpr const char* kBuildingPicture = "icon_castleupgrade.jpg";
inline constexpr const char* kBuiltPicture = "icon_castleupgradeg.jpg";
inline constexpr const char* kBuildingTitle = "Building...";

// Resource kinds of a cost pair: 1 wood, 2 iron, 3 stone, 4 gems, 0 an empty pair.
struct ResourceCost {
    int kind = 0;
    int amount = 0;
};

struct BuildingInfo {
    const char* name;
    const char* description;
    const char* builtMessage;
    const char* goldLabel;   // the gold cost as the screen writes it
    const char* honorLabel;  // the honor cost as the screen writes it
    int gold;
    int honor;
    std::array<ResourceCost, 3> resources;
};

// Building 1 (Barracks) to 9 (Guildhouse); nullptr for any other number.
const BuildingInfo* Building(int building);

// The picture of a resource kind in the detail panel; empty for kind 0.
const char* ResourcePicture(int kind);

// What the detail panel shows for a building of the current lord.
struct BuildingDetails {
    std::string name, description, goldLabel, honorLabel;
    std::array<ResourceCost, 3> resources{};
    std::array<std::string, 3> resourcePictures{};
    bool buildEnabled = false;  // only while the building is not built
};
BuildingDetails ShowBuildingDetails(int building);

// The picture of a building's tile in the castle picture for the current lord.
std::string BuildingTilePicture(int building);

// "Build" for the current lord. True when the building was built.
bool BuildSelected(int building);

// The computer lords' costs: gold, honor, wood, iron, stone, gems; all 0 outside 1..9.
using CostRow = std::array<int, 6>;
CostRow ComputerBuildingCost(int building);

}  // namespace logic
