// The battle operations a console script reaches with call, under their own names.
#include "app/console_battle.h"

#include <functional>

#include "app/script_registry.h"
#include "battle/auto_battle.h"
#include "battle/battle_clock.h"
#include "battle/battle_commands.h"
#include "battle/battle_end.h"
#include "battle/battle_engine.h"
#include "battle/conquered_city.h"
#include "battle/lord_duel.h"

namespace app {

namespace {

ScriptRegistry::Call NoArgs(std::function<void()> fn) {
    return Takes({}, [fn = std::move(fn)](const CallArgs&, std::string&, std::string&) {
        fn();
        return true;
    });
}

ScriptRegistry::Call OneInt(std::function<void(int)> fn) {
    return Takes({kNumber},
                 [fn = std::move(fn)](const CallArgs& a, std::string&, std::string& error) {
                     int n = 0;
                     if (!IntArg(a, 0, n, error)) return false;
                     fn(n);
                     return true;
                 });
}

ScriptRegistry::Call TwoInts(std::function<void(int, int)> fn) {
    return Takes({kNumber, kNumber},
                 [fn = std::move(fn)](const CallArgs& a, std::string&, std::string& error) {
                     int x = 0, y = 0;
                     if (!IntArg(a, 0, x, error) || !IntArg(a, 1, y, error)) return false;
                     fn(x, y);
                     return true;
                 });
}

logic::BattleSideId SideArg(int n) {
    return n == 0 ? logic::BattleSideId::own : logic::BattleSideId::foe;
}

}  // namespace

void RegisterBattle(ScriptRegistry& registry) {
    registry.AddCall("StartBattle", TwoInts([](int p, int o) { logic::StartBattle(p, o); }));
    registry.AddCall("PlayerStrike", OneInt([](int set) { logic::PlayerStrike(set); }));
    registry.AddCall("EnemyRound", NoArgs([] { logic::EnemyRound(); }));
    registry.AddCall("RefreshBattleDisplay", NoArgs([] { logic::RefreshBattleDisplay(); }));
    registry.AddCall("CheckBattleEnd", NoArgs([] { logic::CheckBattleEnd(); }));
    registry.AddCall("AfterBattle", NoArgs([] { logic::AfterBattle(); }));
    registry.AddCall("AutoBattle", TwoInts([](int m, int o) { logic::AutoBattle(m, o); }));
    registry.AddCall("GiveOrder", OneInt([](int set) { logic::GiveOrder(set); }));
    registry.AddCall("RetreatOrder", NoArgs([] { logic::RetreatOrder(); }));
    registry.AddCall("ChallengeDuel", NoArgs([] { logic::ChallengeDuel(); }));
    registry.AddCall("ConqueredCity",
                     TwoInts([](int site, int lord) { logic::ConqueredCity(site, lord); }));
    registry.AddCall("SelectFormation", OneInt([](int set) { logic::SelectFormation(set); }));
    registry.AddCall("SetRoleOrder",
                     TwoInts([](int role, int choice) { logic::SetRoleOrder(role, choice); }));
    registry.AddCall("TogglePause", NoArgs([] { logic::TogglePause(); }));
    registry.AddCall("BattleClockTick", NoArgs([] { logic::BattleClockTick(); }));
    registry.AddCall("CommandDelayTick", NoArgs([] { logic::CommandDelayTick(); }));
    registry.AddCall("FlashTick", OneInt([](int side) { logic::FlashTick(SideArg(side)); }));
    registry.AddCall("BattleVessel", {kNumber, kNumber},
                     [](const CallArgs& a, std::string& result, std::string& error) {
                         int start = 0, current = 0;
                         if (!IntArg(a, 0, start, error) || !IntArg(a, 1, current, error))
                             return false;
                         result = logic::VesselPicture(start, current);
                         return true;
                     });
}

}  // namespace app
