// The once-per-round update of the map sites: countdowns, and for cities the garrison, the taxes,
// the trade prices and stocks and the guild shop.
#pragma once

namespace logic {

// Every active site 1 to 10 in order: its countdown falls, a city refills its garrison, collects
// its taxes, moves its prices, restocks its market and its guild shop.
void CityRound();

// The city garrison a round leaves by size (soldiers, fast melee, archers, siege).
void ResetGarrison(int site);
// The tax income of a city this round before the treasury: 50, or 0 under a theme curse.
int CityTaxIncome(int site);
// One move of the four prices and one restock of the four stocks of a city.
void DriftPrices(int site);
void Restock(int site);

}  // namespace logic
