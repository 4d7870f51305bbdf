// The computer lords' choice of a goal in each decision step, the strengths it compares and the
// goal texts of the status screen.
#pragma once

#include <string>

namespace logic {

namespace Goal {
enum : int {
    none = 0,
    enemyClose = 10,
    walls = 20,
    barracks = 25,
    enemyStronger = 30,
    keep = 40,
    attackCastle = 45,
    buildings = 50,
    bowmaker = 52,
    stables = 53,
    hireTroops = 60,
};
}  // namespace Goal

// The goals that save for a building (a trader's offer and the cities' markets matter then).
bool BuildingGoal(int goal);

// The sum of count x health over the five troop slots of lord's army (0: the scratch army). The
// special slot counts only with a count above 0 and a kind 1..100.
int ArmyStrength(int lord);
// The army strength with (soldiers + gold / 400) in place of the soldiers.
int PotentialStrength(int lord);

struct GoalChoice {
    int goal = Goal::none;
    int enemy = 0;     // the enemy lord of goals 10, 30 and 45
    int priority = 0;  // the priority of the rule that set the goal
};

// The goal of lord by the priority list; does not store it.
GoalChoice ChooseGoal(int lord);

// Chooses the goal and stores it in aiGoal and aiTarget (the enemy for goals 10, 30, 45, else 0).
GoalChoice StoreGoal(int lord);

// The order text of the status screen for a goal; target is the enemy lord of goal 45. Empty for
// a goal without text.
std::string GoalText(int goal, int target);

}  // namespace logic
