// Every table slot and single value of the game state reached by name, for the console:
//
//     Lord[2].gold   Lord[2][2]   Army[1].x   Field[3][4].owner   Field[3][4][5]
//     HeroGear[1][2][3]   RealmName[2]   MonsterText[3][1]   MonsterText[3].name   CurrentLord
//
// Table names are the game's own (upper camel case); the last index may be given by its slot
// name after a dot instead of in brackets. Every index is checked against the table's range.
#pragma once

#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/value_ref.h"

namespace state {

// Resolves expr to a value of g. On failure returns false and sets error to a sentence that
// names the problem (unknown name, wrong number of indices, index out of range, unknown slot
// name, malformed expression).
bool ResolveValue(const std::string& expr, Ref& out, std::string& error, GameState& g = G());

// One line per table or value with its index ranges, e.g. "Lord[1..4][1..100]".
std::vector<std::string> DescribeValues();

}  // namespace state
