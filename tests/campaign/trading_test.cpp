#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "campaign/campaign_fixture.h"
#include "campaign/trading.h"
#include "state/game_state.h"
#include "state/random.h"

namespace camptest {
namespace {

namespace Lord = state::Lord;

using TradingTest = CampaignTest;

logic::TradeOffer Offer(int wood, int iron, int stone, int gems) {
    logic::TradeOffer o;
    o.price = {wood, iron, stone, gems};
    o.stock = {5, 5, 5, 5};
    return o;
}

// A trader's price is its base + a draw in [0, spread): wood and stone 40 + [0, 110), iron
// 50 + [0, 200), gems 200 + [0, 400); the stock likewise: wood 10 + [0, 10), iron 5 + [0, 5),
// stone 10 + [0, 7), gems 2 + [0, 4). The prices are drawn first, in screen order, then the
// stocks.
TEST_F(TradingTest, TheTraderDrawsEachPriceAndStockAsBasePlusItsSpread) {
    {
        state::ScriptedDraws draws;
        draws.Then(110, {0, 109});  // wood, then stone
        draws.Then(200, {199});
        draws.Then(400, {0});
        draws.Then(10, {9});
        draws.Then(5, {0});
        draws.Then(7, {6});
        draws.Then(4, {3});
        const logic::TradeOffer o = logic::RollTrader();
        EXPECT_EQ(o.price, (std::array<int, 4>{40, 249, 149, 200}));
        EXPECT_EQ(o.stock, (std::array<int, 4>{19, 5, 16, 5}));
        for (const int n : {110, 200, 400, 10, 5, 7, 4})
            EXPECT_EQ(draws.Left(n), 0) << n;
        EXPECT_EQ(logic::PriceText(o, 1), "249 $");
        EXPECT_EQ(logic::BuyCaption(o, 0), "Buy wood (19 left)");
    }
    state::ScriptedDraws draws;
    draws.Then(110, {109, 0});
    draws.Then(200, {0});
    draws.Then(400, {399});
    draws.Then(10, {0});
    draws.Then(5, {4});
    draws.Then(7, {0});
    draws.Then(4, {0});
    const logic::TradeOffer o = logic::RollTrader();
    EXPECT_EQ(o.price, (std::array<int, 4>{149, 50, 40, 599}));
    EXPECT_EQ(o.stock, (std::array<int, 4>{10, 9, 10, 2}));
    EXPECT_EQ(logic::PriceText(o, 3), "599 $");
    EXPECT_EQ(logic::BuyCaption(o, 3), "Buy gems (2 left)");
}

TEST_F(TradingTest, BuyingNeedsStockAndMoreGoldThanThePrice) {
    auto& g = state::G();
    logic::TradeOffer o = Offer(100, 150, 90, 400);
    o.stock[0] = 1;
    g.lord[1][Lord::gold] = 101;
    EXPECT_TRUE(logic::BuyGoods(o, 0));
    EXPECT_EQ(g.lord[1][Lord::wood], 1);
    EXPECT_EQ(g.lord[1][Lord::gold], 1);
    EXPECT_EQ(o.stock[0], 0);
    EXPECT_EQ(logic::BuyCaption(o, 0), "Buy wood (0 left)");
    EXPECT_TRUE(dialogs.Shown().empty());

    EXPECT_FALSE(logic::BuyGoods(o, 0));
    EXPECT_EQ(dialogs.Last().text, "Not in stock! The stock will refresh over time...");

    // Gold equal to the price buys nothing, silently.
    g.lord[1][Lord::gold] = 150;
    EXPECT_FALSE(logic::BuyGoods(o, 1));
    EXPECT_EQ(g.lord[1][Lord::iron], 0);
    EXPECT_EQ(dialogs.Shown().size(), 1u);

    // Selling brings the stock back.
    EXPECT_TRUE(logic::SellGoods(o, 0));
    EXPECT_EQ(g.lord[1][Lord::wood], 0);
    EXPECT_EQ(g.lord[1][Lord::gold], 250);
    EXPECT_EQ(o.stock[0], 1);
    EXPECT_FALSE(logic::SellGoods(o, 0));
    EXPECT_FALSE(logic::SellGoods(o, 4));
    EXPECT_FALSE(logic::BuyGoods(o, -1));

    EXPECT_EQ(logic::PriceText(o, 3), "400 $");
    EXPECT_EQ(logic::BuyCaption(o, 2), "Buy stone (5 left)");
    EXPECT_EQ(logic::BuyCaption(o, 3), "Buy gems (5 left)");
    EXPECT_EQ(logic::SellCaption(2), "Sell stones");
    EXPECT_EQ(logic::SellCaption(3), "Sell gems");
}

TEST_F(TradingTest, ThePaymentForSoldGoodsStopsAtTheLargestAmountOfGold) {
    auto& g = state::G();
    constexpr int kMax = std::numeric_limits<std::int32_t>::max();
    logic::TradeOffer o = Offer(100, 150, 90, 400);
    g.lord[1][Lord::wood] = 3;
    // Exactly reaching the largest amount is paid in full; one more stops there.
    g.lord[1][Lord::gold] = kMax - 100;
    EXPECT_TRUE(logic::SellGoods(o, 0));
    EXPECT_EQ(g.lord[1][Lord::gold], kMax);
    g.lord[1][Lord::gold] = kMax - 99;
    EXPECT_TRUE(logic::SellGoods(o, 0));
    EXPECT_EQ(g.lord[1][Lord::gold], kMax);
    g.lord[1][Lord::gold] = kMax - 101;
    EXPECT_TRUE(logic::SellGoods(o, 0));
    EXPECT_EQ(g.lord[1][Lord::gold], kMax - 1);
    // A computer lord's sale of a whole surplus at once stops there too.
    g.lord[2][Lord::gold] = kMax - 10;
    g.lord[2][Lord::gems] = 1000;
    logic::ComputerTrade(2, Offer(100, 150, 90, 599));
    EXPECT_EQ(g.lord[2][Lord::gold], kMax);
}

TEST_F(TradingTest, AComputerLordHiringTroopsSellsOnlyAtGoodPrices) {
    auto& g = state::G();
    auto& l = g.lord[2];
    l[Lord::aiGoal] = 30;
    l[Lord::aiTarget] = 1;  // barracks: 2 wood, 2 iron
    l[Lord::wood] = 10;
    l[Lord::iron] = 3;
    l[Lord::gold] = 0;
    logic::ComputerTrade(2, Offer(74, 250, 75, 400));
    EXPECT_EQ(l[Lord::wood], 10);  // 74 is below the threshold
    EXPECT_EQ(l[Lord::iron], 2);
    EXPECT_EQ(l[Lord::gold], 250);

    logic::ComputerTrade(2, Offer(75, 250, 75, 400));
    EXPECT_EQ(l[Lord::wood], 2);
    EXPECT_EQ(l[Lord::gold], 250 + 8 * 75);

    // Another goal sells at any price; no target means everything is surplus.
    l[Lord::aiGoal] = 10;
    l[Lord::aiTarget] = 0;
    l[Lord::stone] = 3;
    logic::ComputerTrade(2, Offer(1, 1, 2, 1));
    EXPECT_EQ(l[Lord::wood], 0);
    EXPECT_EQ(l[Lord::stone], 0);
    EXPECT_EQ(l[Lord::gold], 250 + 600 + 2 + 2 + 6);
}

TEST_F(TradingTest, AComputerLordBuysWhatItsBuildingLacksWhileGoldExceedsThePrice) {
    auto& g = state::G();
    auto& l = g.lord[3];
    l[Lord::aiGoal] = 20;
    l[Lord::aiTarget] = 3;  // keep: 6 wood, 6 stone, 2 gems
    l[Lord::gold] = 400;
    logic::ComputerTrade(3, Offer(100, 100, 100, 400));
    EXPECT_EQ(l[Lord::gems], 0);  // gold exactly the gems' price
    EXPECT_EQ(l[Lord::wood], 3);  // 400 -> 300 -> 200 -> 100, then 100 is not above 100
    EXPECT_EQ(l[Lord::gold], 100);

    l[Lord::gold] = 10000;
    logic::ComputerTrade(3, Offer(100, 100, 100, 400));
    EXPECT_EQ(l[Lord::gems], 2);
    EXPECT_EQ(l[Lord::wood], 6);
    EXPECT_EQ(l[Lord::stone], 6);
    EXPECT_EQ(l[Lord::iron], 0);
    EXPECT_EQ(l[Lord::gold], 10000 - 800 - 300 - 600);

    // Goal 50 buys only with a target; other goals never buy.
    l[Lord::wood] = l[Lord::stone] = l[Lord::gems] = 0;
    l[Lord::aiGoal] = 50;
    l[Lord::aiTarget] = 0;
    logic::ComputerTrade(3, Offer(100, 100, 100, 400));
    EXPECT_EQ(l[Lord::gold], 8300);
    l[Lord::aiGoal] = 30;
    l[Lord::aiTarget] = 3;
    logic::ComputerTrade(3, Offer(100, 100, 100, 400));
    EXPECT_EQ(l[Lord::gold], 8300);
    l[Lord::aiGoal] = 40;
    logic::ComputerTrade(3, Offer(100, 100, 100, 400));
    EXPECT_EQ(l[Lord::wood], 6);
}

}  // namespace
}  // namespace camptest
