// Checked access to the city records of the map sites, shared by the city rules.
#pragma once

#include "rules/sites.h"
#include "state/game_state.h"

namespace logic {

// Goods of a city's market in the order of its price and stock slots: wood, iron, stone, gems.
inline constexpr int kCityGoods = 4;
inline constexpr int kShopSlots = 3;
// Troop kinds of a garrison in the order of its slots.
inline constexpr int kGarrisonSoldiers = 0;
inline constexpr int kGarrisonFast = 1;
inline constexpr int kGarrisonArchers = 2;
inline constexpr int kGarrisonSiege = 3;

// The record of an active city (a MapSite row 1..10 of kind 1), else nullptr.
inline state::RecordOf<100>* CitySite(int site) {
    if (!state::InRange(site, 1, kSiteRows)) return nullptr;
    auto& s = state::G().mapSite[site];
    return s[state::MapSite::active] > 0 && s[state::MapSite::kind] == SiteKind::city ? &s
                                                                                      : nullptr;
}

inline int ScenarioTheme() {
    return state::G().mapSetting[state::MapSetting::theme];
}

}  // namespace logic
