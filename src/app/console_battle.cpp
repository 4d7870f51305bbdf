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

logic::BattleSideId SideArg(int n) {
    return n == 0 ? logic::BattleSideId::own : logic::BattleSideId::foe;
}

}  // namespace

void RegisterBattle(ScriptRegistry& registry) {
    registry.AddCall("StartBattle", Ints<2>([](int p, int o) { logic::StartBattle(p, o); }));
    registry.AddCall("PlayerStrike", Ints<1>([](int set) { logic::PlayerStrike(set); }));
    registry.AddCall("EnemyRound", Ints<0>([] { logic::EnemyRound(); }));
    registry.AddCall("RefreshBattleDisplay", Ints<0>([] { logic::RefreshBattleDisplay(); }));
    registry.AddCall("CheckBattleEnd", Ints<0>([] { logic::CheckBattleEnd(); }));
    registry.AddCall("AfterBattle", Ints<0>([] { logic::AfterBattle(); }));
    registry.AddCall("AutoBattle", Ints<2>([](int m, int o) { logic::AutoBattle(m, o); }));
    registry.AddCall("GiveOrder", Ints<1>([](int set) { logic::GiveOrder(set); }));
    registry.AddCall("RetreatOrder", Ints<0>([] { logic::RetreatOrder(); }));
    registry.AddCall("ChallengeDuel", Ints<0>([] { logic::ChallengeDuel(); }));
    registry.AddCall("ConqueredCity",
                     Ints<2>([](int site, int lord) { logic::ConqueredCity(site, lord); }));
    registry.AddCall("SelectFormation", Ints<1>([](int set) { logic::SelectFormation(set); }));
    registry.AddCall("SetRoleOrder",
                     Ints<2>([](int role, int choice) { logic::SetRoleOrder(role, choice); }));
    registry.AddCall("TogglePause", Ints<0>([] { logic::TogglePause(); }));
    registry.AddCall("BattleClockTick", Ints<0>([] { logic::BattleClockTick(); }));
    registry.AddCall("CommandDelayTick", Ints<0>([] { logic::CommandDelayTick(); }));
    registry.AddCall("FlashTick", Ints<1>([](int side) { logic::FlashTick(SideArg(side)); }));
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
