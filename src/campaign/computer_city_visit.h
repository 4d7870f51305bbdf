// What a computer lord does when its army enters a city: taxes and trade in its own city,
// purchases in a neutral one, and the attack on a city it does not own.
#pragma once

namespace logic {

// The current lord's army has stepped onto the city in MapSite row site.
void ComputerCityVisit(int site);

}  // namespace logic
