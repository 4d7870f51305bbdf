// The computer lord's decision step.
#include "campaign/computer_lord.h"

#include "campaign/computer_economy.h"
#include "campaign/computer_goals.h"
#include "campaign/computer_path.h"
#include "campaign/movement.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/scenario_settings.h"
#include "state/themes.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

// The walls-first theme: a lord without walls builds them whatever its goal.

// Goal 50 builds the first missing of these.
constexpr int kGoal50Order[] = {1, 6, 4, 5, 7, 8};

struct GoalBuilding {
    int goal;
    int building;
};
constexpr GoalBuilding kGoalBuildings[] = {{Goal::walls, 2},
                                           {Goal::barracks, 1},
                                           {Goal::keep, 3},
                                           {Goal::bowmaker, 4},
                                           {Goal::stables, 6}};

}  // namespace

void ActOnGoal(int lord, int goal, int enemy) {
    if (!ValidLord(lord)) return;
    for (const GoalBuilding& gb : kGoalBuildings) {
        if (gb.goal == goal) {
            ComputerBuild(lord, gb.building);
            return;
        }
    }
    const int gold = LordRecord(lord)[Lord::gold];
    switch (goal) {
        case Goal::enemyClose:
        case Goal::enemyStronger:
            ComputerHire(lord, gold, enemy);
            return;
        case Goal::hireTroops:
            ComputerHire(lord, gold, 0);
            return;
        case Goal::buildings:
            for (int b : kGoal50Order) {
                if (!HasBuilt(lord, b)) {
                    ComputerBuild(lord, b);
                    return;
                }
            }
            return;
        default:
            return;  // goal 45 is carried out by the movement
    }
}

void ComputerLordStep() {
    state::GameState& g = state::G();
    const int lord = CurrentLordChecked();
    if (lord == 0 || !InGame(lord)) return;
    const GoalChoice choice = StoreGoal(lord);
    if (g.mapSetting[state::MapSetting::theme] == state::kKeepTheme &&
        !HasBuilt(lord, CastleBuilding::walls))
        ActOnGoal(lord, Goal::walls, 0);
    else
        ActOnGoal(lord, choice.goal, choice.enemy);

    const auto& a = ArmyRecord(lord);
    if (a[Army::present] > 0) {
        const MoveTarget t = ChooseTarget(lord);
        if (!t.found) {
            PortalHome(lord);
        } else {
            g.aiTargetX = t.x;
            g.aiTargetY = t.y;
            g.aiTargetValue = t.value;
            SearchPath(lord, t.x, t.y);
            int x = 0, y = 0;
            if (NextStep(lord, t.x, t.y, x, y))
                MoveArmy(x, y);
            else
                PortalHome(lord);
        }
    }
    Hooks().Screens().RefreshComputerStatus();
}

}  // namespace logic
