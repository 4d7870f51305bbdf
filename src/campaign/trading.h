// Trading resources for gold with a travelling trader (and later a city's market): the trader's
// roll of prices and stocks, the trading screen's buy and sell, and a computer lord's trade.
#pragma once

#include <array>
#include <string>

namespace logic {

// Resources in the order of the trading screen: 0 wood, 1 iron, 2 stone, 3 gems.
inline constexpr int kTradeGoods = 4;

inline constexpr const char* kNotInStock = "Not in stock! The stock will refresh over time...";

// The prices and stocks in use while the trading screen is open.
struct TradeOffer {
    std::array<int, kTradeGoods> price{};
    std::array<int, kTradeGoods> stock{};
};

// A travelling trader's prices and stocks.
TradeOffer RollTrader();

// The texts of the trading screen for a good.
std::string PriceText(const TradeOffer& offer, int good);   // "123 $"
std::string BuyCaption(const TradeOffer& offer, int good);  // "Buy wood (12 left)"
std::string SellCaption(int good);                          // "Sell wood", ..., "Sell stones"

// One unit bought or sold by the current lord (the screen plays the click sound and refreshes
// its captions); true when something changed.
bool BuyGoods(TradeOffer& offer, int good);
bool SellGoods(TradeOffer& offer, int good);

// A computer lord at a trader with these prices: sells its surplus, buys what its target
// building lacks.
void ComputerTrade(int lord, const TradeOffer& offer);

// A computer lord buys, one unit at a time while its gold exceeds the price, what its target
// building lacks (gems, wood, iron, stone in that order).
void ComputerBuyMissing(int lord, const TradeOffer& offer);

}  // namespace logic
