// The human's three command sets (Attack, Flank, Defend) as the modify screen edits them: which
// formation is being edited, and the setting of each role.
#pragma once

#include <array>
#include <string>

namespace logic {

// Marks formation 1..3 as the one being edited (remembered between openings); 0 clears it.
void SelectFormation(int set);
// A choice in the list of role 1 (melee: 0 "Attack", 1 "Defend"), 2 (fast melee: 0 "Attack",
// 1 "Flank", 2 "Defend") or 3 (range: 0 "Attack", 1 "Defend") for the selected formation.
void SetRoleOrder(int role, int choice);

// What the modify screen shows.
struct FormationDisplay {
    std::array<std::string, 3> pictures;  // the Attack, Flank and Defend formation pictures
    bool listsEnabled = false;            // a formation is selected
    std::array<int, 3> listIndex{};       // the entry each role's list shows
};
FormationDisplay DescribeFormations();

}  // namespace logic
