#include "campaign/trading.h"

#include <cstdint>

#include "campaign/buildings.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/value_ranges.h"

namespace logic {

namespace Lord = state::Lord;

namespace {

struct Good {
    int lordSlot;
    const char* buyName;
    const char* sellCaption;
    int priceBase, priceSpread;  // the trader's price: base + random [0, spread)
    int stockBase, stockSpread;  // the trader's stock
    int goal30Threshold;         // a computer lord hiring troops sells only at this price or more
    int costIndex;               // position in the cost row (gold, honor, wood, iron, stone, gems)
};

constexpr Good kGoods[kTradeGoods] = {
    {Lord::wood, "wood", "Sell wood", 40, 110, 10, 10, 75, 2},
    {Lord::iron, "iron", "Sell iron", 50, 200, 5, 5, 200, 3},
    {Lord::stone, "stone", "Sell stones", 40, 110, 10, 7, 75, 4},
    {Lord::gems, "gems", "Sell gems", 200, 400, 2, 4, 400, 5},
};

// The computer lord's goal "Enemy could attack and is stronger - hire troops."
constexpr int kGoalHireTroops = 30;
// How many single purchases a computer lord tries per resource at most.
constexpr int kPurchaseTries = 101;

bool ValidGood(int good) {
    return good >= 0 && good < kTradeGoods;
}

// Gold plus price times amount, kept within 32 bits.
int AddPayment(int gold, int price, int amount) {
    return state::AddSaturated(gold, std::int64_t{price} * amount);
}

bool MayBuy(int goal, int target) {
    return goal == 20 || goal == 40 || (goal == 50 && target > 0);
}

}  // namespace

TradeOffer RollTrader() {
    TradeOffer offer;
    for (int i = 0; i < kTradeGoods; ++i)
        offer.price[i] = kGoods[i].priceBase + state::Random(kGoods[i].priceSpread);
    for (int i = 0; i < kTradeGoods; ++i)
        offer.stock[i] = kGoods[i].stockBase + state::Random(kGoods[i].stockSpread);
    return offer;
}

std::string PriceText(const TradeOffer& offer, int good) {
    if (!ValidGood(good)) return {};
    return std::to_string(offer.price[good]) + " $";
}

std::string BuyCaption(const TradeOffer& offer, int good) {
    if (!ValidGood(good)) return {};
    return std::string("Buy ") + kGoods[good].buyName + " (" + std::to_string(offer.stock[good]) +
           " left)";
}

std::string SellCaption(int good) {
    return ValidGood(good) ? kGoods[good].sellCaption : "";
}

bool BuyGoods(TradeOffer& offer, int good) {
    const int c = CurrentLordChecked();
    if (c == 0 || !ValidGood(good)) return false;
    if (offer.stock[good] < 1) {
        UI().ShowShortNotice(kNotInStock, "Continue");
        return false;
    }
    auto& l = LordRecord(c);
    // Gold equal to the price is not enough.
    if (offer.price[good] >= l[Lord::gold]) return false;
    offer.stock[good] -= 1;
    l[kGoods[good].lordSlot] = state::AddSaturated(l[kGoods[good].lordSlot], 1);
    l[Lord::gold] = state::AddSaturated(l[Lord::gold], -std::int64_t{offer.price[good]});
    Hooks().View().DrawStatusBar();
    return true;
}

bool SellGoods(TradeOffer& offer, int good) {
    const int c = CurrentLordChecked();
    if (c == 0 || !ValidGood(good)) return false;
    auto& l = LordRecord(c);
    if (l[kGoods[good].lordSlot] < 1) return false;
    l[kGoods[good].lordSlot] -= 1;
    l[Lord::gold] = AddPayment(l[Lord::gold], offer.price[good], 1);
    offer.stock[good] = state::AddWithin(offer.stock[good], 1, 0, state::kCountLimit);
    Hooks().View().DrawStatusBar();
    return true;
}

void ComputerTrade(int lord, const TradeOffer& offer) {
    if (!ValidLord(lord)) return;
    auto& l = LordRecord(lord);
    const int goal = l[Lord::aiGoal];
    const int target = l[Lord::aiTarget];
    const CostRow need = ComputerBuildingCost(target);

    for (int i = 0; i < kTradeGoods; ++i) {
        const Good& good = kGoods[i];
        const int surplus =
            state::AddSaturated(l[good.lordSlot], -std::int64_t{need[good.costIndex]});
        if (surplus <= 0) continue;
        if (goal == kGoalHireTroops && offer.price[i] < good.goal30Threshold) continue;
        l[Lord::gold] = AddPayment(l[Lord::gold], offer.price[i], surplus);
        l[good.lordSlot] = need[good.costIndex];
    }

    if (MayBuy(goal, target)) ComputerBuyMissing(lord, offer);
}

void ComputerBuyMissing(int lord, const TradeOffer& offer) {
    if (!ValidLord(lord)) return;
    auto& l = LordRecord(lord);
    const CostRow need = ComputerBuildingCost(l[Lord::aiTarget]);
    static constexpr int kBuyOrder[kTradeGoods] = {3, 0, 1, 2};  // gems, wood, iron, stone
    for (int i : kBuyOrder) {
        const Good& good = kGoods[i];
        for (int t = 0; t < kPurchaseTries && l[good.lordSlot] < need[good.costIndex]; ++t) {
            if (l[Lord::gold] <= offer.price[i]) break;
            l[Lord::gold] = state::AddSaturated(l[Lord::gold], -std::int64_t{offer.price[i]});
            l[good.lordSlot] += 1;
        }
    }
}

}  // namespace logic
