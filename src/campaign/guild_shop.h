// The adventurer guild of a city: its three offers, their price in honor, the round's refill and
// the purchase that hands the item to the hero.
#pragma once

#include <array>
#include <string>

namespace logic {

inline constexpr const char* kGuildTitle = "Adventurer guild";
inline constexpr const char* kGuildHeading = "Available items for sale";

// 2 x item level x (hit + damage + health + heal strength); 0 for an item that is not for sale.
int GuildPrice(int item);

// Slots 1, 2, 3 of the city's shop: an empty slot is refilled, a full one with chance 20 in 100,
// by a weighted draw among the items of level heroLevel or heroLevel + 1.
void RefillGuildShop(int site, int heroLevel);
// The item a refill draws for slot `slot` (1..3), 0 when no item may be drawn.
int DrawGuildItem(int site, int slot, int heroLevel);

// What one slot of the shop shows; an empty or invalid slot shows nothing.
struct GuildOffer {
    int item = 0;  // 0: nothing offered
    std::string picture;
    std::string buyCaption;  // "Buy (12 honor)"
};
std::array<GuildOffer, 3> GuildOffers(int site);

// The shop of the city under the current lord's army.
void OpenGuildShop();
// The Buy button of slot 1..3: true when the item was bought.
bool BuyGuildItem(int site, int slot);
// A click on the picture of slot 1..3: the item's details.
void ShowGuildItem(int site, int slot);

}  // namespace logic
