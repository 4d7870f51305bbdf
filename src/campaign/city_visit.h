// A lord's army in a city: the city screen's state and buttons (attack, leave, taxes, trade, the
// guild shop) and the city's market on the trading screen.
#pragma once

#include <string>

namespace logic {

inline constexpr const char* kNeedGuildhouse =
    "You first need to build an adventurer guildhouse at your castle!";

// The active city under the lord's army, 0 when there is none.
int CityUnderArmy(int lord);

// The map event of a city field: a human lord's army there sees the city screen.
void VisitCity();
// The city screen for the city under the current lord's army; nothing without one. An attack
// chosen on the screen starts once the screen has closed.
void OpenCity();

// What the city screen shows for a lord.
struct CityView {
    std::string title;  // "City (Neutral)", "City (Friendly)" or "City (Hostile)"
    bool attack = false, trade = false, taxes = false, buyItems = false;  // enabled buttons
    std::string taxCaption;
    int soldiers = 0, archers = 0;
};
CityView DescribeCity(int site, int lord);
std::string TaxCaption(int taxes);  // "Collect taxes (50 gold)"

// "Attack && Conquer": the garrison in Army row 0 meets the current lord in battle. False when
// the city may not be attacked.
bool AttackCity(int site);
// "Leave": the army steps back unless the city is its lord's.
void LeaveCity(int site);
// The tax button: the taxes waiting go to the lord's gold.
bool CollectTaxes(int site);
// "Trade": the trading screen with the city's prices and stocks; the stocks left are written
// back to the city.
void OpenTrading(int site);
// "Buy hero items": the guild shop, or the refusal without a guildhouse.
void BuyHeroItems(int site);

}  // namespace logic
