#include "campaign/guild_shop.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "campaign/cities.h"
#include "campaign/city_visit.h"
#include "dungeon/hero_access.h"
#include "dungeon/treasure.h"
#include "dungeon/weighted_pick.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"

namespace logic {

namespace Item = state::ItemTable;
namespace Site = state::MapSite;

namespace {

constexpr int kRefillChance = 20;
constexpr int kMaxItems = 500;
// Rarity classes and their weight in the draw.
constexpr int kEpic = 1;
constexpr int kRare = 2;
constexpr int kCommon = 3;
constexpr int kRareWeight = 200;
constexpr int kCommonWeight = 0;
constexpr int kOtherWeight = 50;

int RarityWeight(int rarity) {
    if (rarity == kRare) return kRareWeight;
    if (rarity == kCommon) return kCommonWeight;
    return kOtherWeight;
}

// The item offered in slot 1..3, or 0 when the slot holds nothing that can be sold (item 0 is
// the scenario's special item and never for sale).
int OfferedItem(int site, int slot) {
    const auto* s = CitySite(site);
    if (!s || !state::InRange(slot, 1, kShopSlots)) return 0;
    const int item = (*s)[Site::shopItems + slot - 1];
    return ValidItem(item) ? item : 0;
}

}  // namespace

int GuildPrice(int item) {
    if (!ValidItem(item)) return 0;
    const auto& it = state::G().itemTable[item];
    // Computed wide: the strengths come from the scenario file.
    const std::int64_t price = std::int64_t{2} * it[Item::itemLevel] *
                               (std::int64_t{it[Item::hitStrength]} + it[Item::damageStrength] +
                                it[Item::healthStrength] + it[Item::healStrength]);
    return static_cast<int>(std::clamp<std::int64_t>(price, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int DrawGuildItem(int site, int slot, int heroLevel) {
    const auto* s = CitySite(site);
    if (!s || !state::InRange(slot, 1, kShopSlots)) return 0;
    const state::GameState& g = state::G();
    std::vector<Weighted> candidates;
    candidates.reserve(64);
    for (int item = 1; item <= kMaxItems; ++item) {
        const auto& it = g.itemTable[item];
        if (it[Item::exists] <= 0) continue;
        const int level = it[Item::itemLevel];
        if (level != heroLevel && level != std::int64_t{heroLevel} + 1) continue;
        if (it[Item::rarity] == kEpic) continue;
        bool inEarlierSlot = false;
        for (int earlier = 1; earlier < slot; ++earlier)
            inEarlierSlot = inEarlierSlot || (*s)[Site::shopItems + earlier - 1] == item;
        if (inEarlierSlot) continue;
        candidates.push_back({item, RarityWeight(it[Item::rarity])});
    }
    return WeightedPick(candidates);
}

void RefillGuildShop(int site, int heroLevel) {
    auto* s = CitySite(site);
    if (!s) return;
    for (int slot = 1; slot <= kShopSlots; ++slot) {
        int& offer = (*s)[Site::shopItems + slot - 1];
        if (offer != 0 && state::Random(100) >= kRefillChance) continue;
        offer = DrawGuildItem(site, slot, heroLevel);
    }
}

std::array<GuildOffer, 3> GuildOffers(int site) {
    std::array<GuildOffer, 3> offers;
    for (int slot = 1; slot <= kShopSlots; ++slot) {
        const int item = OfferedItem(site, slot);
        if (item == 0) continue;
        GuildOffer& o = offers[static_cast<std::size_t>(slot - 1)];
        o.item = item;
        o.picture = state::G().itemText[item][state::ItemText::picture] + ".jpg";
        o.buyCaption = "Buy (" + std::to_string(GuildPrice(item)) + " honor)";
    }
    return offers;
}

void OpenGuildShop() {
    const int site = CityUnderArmy(CurrentLordChecked());
    if (site != 0) Hooks().Screens().ShowGuildShop(site);
}

bool BuyGuildItem(int site, int slot) {
    const int c = CurrentLordChecked();
    const int item = OfferedItem(site, slot);
    if (c == 0 || item == 0) return false;
    auto& l = LordRecord(c);
    const int price = GuildPrice(item);
    if (l[state::Lord::honor] < price) {
        UI().ShowShortNotice("You do not have enough honor!", "Continue");
        return false;
    }
    Hooks().Sound().PlayPayment();
    UI().ShowShortNotice("The adventurer guild is proud to have been able to help you.",
                         "Continue");
    l[state::Lord::honor] = state::AddSaturated(l[state::Lord::honor], -std::int64_t{price});
    Hooks().View().DrawStatusBar();
    // The item stays on offer. The found-item flow fills the backpack of the dungeon lord.
    state::G().dungeonLord = c;
    ShowFoundItem(item);
    return true;
}

void ShowGuildItem(int site, int slot) {
    const int item = OfferedItem(site, slot);
    if (item != 0) PreviewItem(item);
}

}  // namespace logic
