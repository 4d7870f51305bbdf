// The city rules as console operations: the round, the city screen and its buttons, the city's
// market and the guild shop, each under its own name.
#include "app/console_cities.h"

#include "app/script_registry.h"
#include "campaign/city_round.h"
#include "campaign/city_visit.h"
#include "campaign/guild_shop.h"

namespace app {

void RegisterCities(ScriptRegistry& r) {
    r.AddCall("CityRound", Ints<0>(&logic::CityRound));
    r.AddCall("ResetGarrison", Ints<1>(&logic::ResetGarrison));
    r.AddCall("CityTaxIncome", Ints<1>(&logic::CityTaxIncome));
    r.AddCall("DriftPrices", Ints<1>(&logic::DriftPrices));
    r.AddCall("Restock", Ints<1>(&logic::Restock));

    // The city screen and its buttons.
    r.AddCall("CityUnderArmy", Ints<1>(&logic::CityUnderArmy));
    r.AddCall("VisitCity", Ints<0>(&logic::VisitCity));
    r.AddCall("OpenCity", Ints<0>(&logic::OpenCity));
    r.AddCall("AttackCity", Ints<1>(&logic::AttackCity));
    r.AddCall("LeaveCity", Ints<1>(&logic::LeaveCity));
    r.AddCall("CollectTaxes", Ints<1>(&logic::CollectTaxes));
    r.AddCall("OpenTrading", Ints<1>([](int site) { logic::OpenTrading(site); }));
    r.AddCall("BuyHeroItems", Ints<1>(&logic::BuyHeroItems));
    r.AddCall("CityTitle", {kNumber, kNumber},
              [](const CallArgs& a, std::string& result, std::string& error) {
                  int site = 0, lord = 0;
                  if (!IntArg(a, 0, site, error) || !IntArg(a, 1, lord, error)) return false;
                  result = logic::DescribeCity(site, lord).title;
                  return true;
              });

    // The guild shop.
    r.AddCall("OpenGuildShop", Ints<0>(&logic::OpenGuildShop));
    r.AddCall("GuildPrice", Ints<1>(&logic::GuildPrice));
    r.AddCall("RefillGuildShop", Ints<2>(&logic::RefillGuildShop));
    r.AddCall("DrawGuildItem", Ints<3>(&logic::DrawGuildItem));
    r.AddCall("BuyGuildItem", Ints<2>(&logic::BuyGuildItem));
    r.AddCall("ShowGuildItem", Ints<2>(&logic::ShowGuildItem));
}

}  // namespace app
