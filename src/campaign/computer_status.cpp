// The status screen's texts: resources, troops, buildings and the current goal of a lord.
#include "campaign/computer_status.h"

#include "campaign/computer_goals.h"
#include "rules/lords.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

struct ValueLine {
    const char* label;
    bool army;
    int slot;
};
constexpr ValueLine kValueLines[10] = {
    {"Gold: ", false, Lord::gold},        {"Honor: ", false, Lord::honor},
    {"Wood: ", false, Lord::wood},        {"Iron: ", false, Lord::iron},
    {"Stones: ", false, Lord::stone},     {"Gems: ", false, Lord::gems},
    {"Soldiers: ", true, Army::soldiers}, {"Elephants: ", true, Army::fast},
    {"Archers: ", true, Army::archers},   {"Cannons: ", true, Army::siege},
};

struct BuildingLine {
    const char* label;
    int building;
};
constexpr BuildingLine kBuildingLines[8] = {
    {"Barracks: ", 1},  {"Walls: ", 2},   {"Keep: ", 3},       {"Bowmaker: ", 4},
    {"Treasurer: ", 5}, {"Stables: ", 6}, {"Scout camp: ", 7}, {"Workshop: ", 8},
};

}  // namespace

int StatusLordFor(int chosen) {
    return InGame(chosen) ? chosen : ShownLord();
}

ComputerStatus ShowComputerLordStatus(int lord) {
    ComputerStatus s;
    if (!ValidLord(lord)) return s;
    const state::GameState& g = state::G();
    const auto& l = g.lord[lord];
    const auto& a = g.army[lord];
    s.lord = lord;
    s.name = g.realmName[lord];
    s.logo = FactionLogo(lord);
    s.hero = g.heroName[lord] + " (level " + std::to_string(l[Lord::heroLevel]) + ")";
    for (std::size_t i = 0; i < s.values.size(); ++i) {
        const ValueLine& v = kValueLines[i];
        s.values[i] = v.label + std::to_string(v.army ? a[v.slot] : l[v.slot]);
    }
    for (std::size_t i = 0; i < s.buildings.size(); ++i) {
        const BuildingLine& b = kBuildingLines[i];
        s.buildings[i] = std::string(b.label) + (HasBuilt(lord, b.building) ? "Yes" : "No");
    }
    const std::string text = GoalText(l[Lord::aiGoal], l[Lord::aiTarget]);
    s.goal = "\"" + (text.empty() ? std::string("?") : text) + "\"";
    s.target = std::to_string(g.aiTargetX) + " / " + std::to_string(g.aiTargetY) + " : " +
               std::to_string(g.aiTargetValue);
    return s;
}

}  // namespace logic
