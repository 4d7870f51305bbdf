// The computer lords' operations a console script reaches with call, acting for CurrentLord.
#include "app/console_ai.h"

#include "app/script_registry.h"
#include "campaign/city_visit.h"
#include "campaign/computer_city_visit.h"
#include "campaign/computer_economy.h"
#include "campaign/computer_goals.h"
#include "campaign/computer_lord.h"
#include "campaign/tile_value.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace app {

namespace {

bool Current(int& lord, std::string& error) {
    lord = logic::CurrentLordChecked();
    if (lord == 0) error = "CurrentLord is not a lord";
    return lord != 0;
}

}  // namespace

void RegisterComputerLords(ScriptRegistry& registry) {
    registry.AddCall("ComputerLordStep", {}, [](const CallArgs&, std::string&, std::string& error) {
        int lord = 0;
        if (!Current(lord, error)) return false;
        logic::ComputerLordStep();
        return true;
    });
    registry.AddCall("ComputerBuild", {kNumber},
                     [](const CallArgs& a, std::string&, std::string& error) {
                         int lord = 0, building = 0;
                         if (!Current(lord, error) || !IntArg(a, 0, building, error)) return false;
                         logic::ComputerBuild(lord, building);
                         return true;
                     });
    registry.AddCall("ComputerHire", {kNumber, kNumber},
                     [](const CallArgs& a, std::string&, std::string& error) {
                         int lord = 0, budget = 0, enemy = 0;
                         if (!Current(lord, error) || !IntArg(a, 0, budget, error) ||
                             !IntArg(a, 1, enemy, error))
                             return false;
                         logic::ComputerHire(lord, budget, enemy);
                         return true;
                     });
    registry.AddCall(
        "TileValue", {kNumber, kNumber},
        [](const CallArgs& a, std::string& result, std::string& error) {
            int lord = 0, x = 0, y = 0;
            if (!Current(lord, error) || !IntArg(a, 0, x, error) || !IntArg(a, 1, y, error))
                return false;
            result = std::to_string(logic::TileValue(lord, x, y));
            return true;
        });
    registry.AddCall("ArmyStrength", {kNumber},
                     [](const CallArgs& a, std::string& result, std::string& error) {
                         int lord = 0;
                         if (!IntArg(a, 0, lord, error)) return false;
                         if (lord < 0 || lord > logic::kLords) {
                             error = "no army " + std::to_string(lord);
                             return false;
                         }
                         result = std::to_string(logic::ArmyStrength(lord));
                         return true;
                     });
    registry.AddCall("ComputerCityVisit", {},
                     [](const CallArgs&, std::string&, std::string& error) {
                         int lord = 0;
                         if (!Current(lord, error)) return false;
                         const int site = logic::CityUnderArmy(state::G().currentLord);
                         if (site == 0) {
                             error = "no city under the army";
                             return false;
                         }
                         logic::ComputerCityVisit(site);
                         return true;
                     });
    registry.AddCall("ShowComputerLordStatus", {kNumber},
                     [](const CallArgs& a, std::string& result, std::string& error) {
                         int lord = 0;
                         if (!IntArg(a, 0, lord, error)) return false;
                         if (!logic::ValidLord(lord)) {
                             error = "no lord " + std::to_string(lord);
                             return false;
                         }
                         logic::Hooks().Screens().ShowComputerLordStatus(lord);
                         const auto& l = logic::LordRecord(lord);
                         const std::string text =
                             logic::GoalText(l[state::Lord::aiGoal], l[state::Lord::aiTarget]);
                         result = text.empty() ? "\"?\"" : "\"" + text + "\"";
                         return true;
                     });
}

}  // namespace app
