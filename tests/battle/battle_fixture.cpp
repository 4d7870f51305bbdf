#include "battle/battle_fixture.h"

#include <algorithm>

#include "battle/battle_clock.h"
#include "battle/battle_engine.h"
#include "campaign/movement.h"
#include "state/new_game.h"

namespace battletest {

namespace Army = state::Army;

bool PanelRecorder::Has(const std::string& call) const {
    return Count(call) > 0;
}

int PanelRecorder::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void PanelRecorder::ShowCoatOfArms(logic::BattleSideId side, const std::string& picture) {
    coat[static_cast<int>(side)] = picture;
}

void PanelRecorder::ShowVessel(logic::BattleSideId side, const std::string& picture) {
    vessel[static_cast<int>(side)] = picture;
}

void PanelRecorder::Add(const std::string& call) {
    calls.push_back(call + " @" + std::to_string(dialogs_.Shown().size()));
}

void BattleTest::SetUp() {
    CampaignTest::SetUp();
    state::GameState& g = state::G();
    // The troop values and command sets of a new game.
    const int castles[4][2] = {{1, 1}, {12, 1}, {12, 11}, {1, 11}};
    state::ScenarioSetup(g);
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][state::Lord::castleX] = castles[p - 1][0];
        g.lord[p][state::Lord::castleY] = castles[p - 1][1];
        g.lord[p][state::Lord::heroLevel] = 1;
        PlaceArmy(p, castles[p - 1][0], castles[p - 1][1]);
    }
    TurnOf(1);
    logic::Hooks().SetBattleView(&panel);
}

void BattleTest::Troops(int p, int s, int f, int a, int sg, int sp) {
    auto& army = state::G().army[p];
    army[Army::soldiers] = s;
    army[Army::fast] = f;
    army[Army::archers] = a;
    army[Army::siege] = sg;
    army[Army::specialCount] = sp;
}

void BattleTest::StartFieldBattle() {
    state::GameState& g = state::G();
    g.army[1][Army::x] = 2;
    g.army[1][Army::y] = 2;
    g.army[2][Army::x] = 3;
    g.army[2][Army::y] = 2;
    g.field[3][2][state::Field::owner] = 2;
    TurnOf(1);
    logic::MoveArmy(3, 2);
}

void BattleTest::ClockTicks(int n) {
    for (int i = 0; i < n; ++i)
        logic::BattleClockTick();
}

void BattleTest::DelayTicks(int n) {
    for (int i = 0; i < n; ++i)
        logic::CommandDelayTick();
}

}  // namespace battletest
