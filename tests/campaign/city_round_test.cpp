// The city round: countdowns, garrisons, taxes with the treasury and the theme rules, prices,
// stocks and the twelve rounds of a new game.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "campaign/campaign_fixture.h"
#include "campaign/city_round.h"
#include "campaign/turn_cycle.h"
#include "state/game_state.h"
#include "state/random.h"

namespace {

namespace Site = state::MapSite;
namespace Lord = state::Lord;

class CityRoundTest : public camptest::CampaignTest {
  protected:
    state::RecordOf<100>& MakeCity(int row, int x, int y, int owner, int size) {
        auto& s = state::G().mapSite[row];
        s[Site::active] = 1;
        s[Site::kind] = 1;
        s[Site::x] = x;
        s[Site::y] = y;
        s[Site::owner] = owner;
        s[Site::size] = size;
        return s;
    }
    state::RecordOf<100>& MakeSite(int row, int kind, int x, int y, int active) {
        auto& s = state::G().mapSite[row];
        s[Site::active] = active;
        s[Site::kind] = kind;
        s[Site::x] = x;
        s[Site::y] = y;
        return s;
    }
};

TEST_F(CityRoundTest, GarrisonIsResetBySizeEveryRound) {
    const int sizes[5] = {0, 1, 2, 3, 7};
    const int soldiers[5] = {2, 6, 12, 18, 18};
    const int archers[5] = {1, 3, 4, 6, 6};
    for (int i = 0; i < 5; ++i) {
        auto& c = MakeCity(i + 1, i + 2, 5, 0, sizes[i]);
        c[Site::garrisonSoldiers] = 1;  // losses of a battle
        c[Site::garrisonFast] = 3;
        c[Site::garrisonArchers] = 0;
        c[Site::garrisonSiege] = 2;
    }
    logic::CityRound();
    for (int i = 0; i < 5; ++i) {
        const auto& c = state::G().mapSite[i + 1];
        EXPECT_EQ(c[Site::garrisonSoldiers], soldiers[i]) << "size " << sizes[i];
        EXPECT_EQ(c[Site::garrisonFast], 0);
        EXPECT_EQ(c[Site::garrisonArchers], archers[i]) << "size " << sizes[i];
        EXPECT_EQ(c[Site::garrisonSiege], 0);
    }
}

TEST_F(CityRoundTest, CountdownsFallForEveryActiveSiteAndStopAtZero) {
    auto& camp = MakeSite(1, 4, 2, 2, 1);
    camp[Site::countdown] = 2;
    auto& city = MakeCity(2, 5, 5, 0, 1);
    city[Site::countdown] = 1;
    auto& theme = MakeSite(3, -2, 8, 8, 1);
    theme[Site::countdown] = 1;
    auto& removed = MakeSite(4, 4, 9, 9, 0);
    removed[Site::countdown] = 5;
    logic::CityRound();
    EXPECT_EQ(camp[Site::countdown], 1);
    EXPECT_EQ(city[Site::countdown], 0);
    EXPECT_EQ(theme[Site::countdown], 0);
    EXPECT_EQ(removed[Site::countdown], 5);
    logic::CityRound();
    logic::CityRound();
    EXPECT_EQ(camp[Site::countdown], 0);
    EXPECT_EQ(city[Site::countdown], 0);
    // Only cities take the city part of the round.
    EXPECT_EQ(camp[Site::taxes], 0);
    EXPECT_EQ(camp[Site::garrisonSoldiers], 0);
}

TEST_F(CityRoundTest, TaxesForNeutralOwnAndForeignCitiesWithTheTreasury) {
    state::GameState& g = state::G();
    auto& neutral = MakeCity(1, 3, 3, 0, 1);
    auto& own = MakeCity(2, 5, 5, 1, 1);
    auto& foreign = MakeCity(3, 7, 7, 2, 1);
    auto& damaged = MakeCity(4, 9, 9, 9, 1);  // an owner that is no lord
    auto& gone = MakeCity(5, 2, 9, 1, 1);
    gone[Site::active] = 0;
    g.lord[1][Lord::Built(5)] = 1;
    // A neutral city has no buildings, whatever lord 4's record holds.
    g.lord[4][Lord::Built(5)] = 1;
    for (int round = 0; round < 3; ++round)
        logic::CityRound();
    EXPECT_EQ(neutral[Site::taxes], 150);
    EXPECT_EQ(own[Site::taxes], 300);
    EXPECT_EQ(foreign[Site::taxes], 150);
    EXPECT_EQ(damaged[Site::taxes], 150);
    EXPECT_EQ(gone[Site::taxes], 0);
}

TEST_F(CityRoundTest, CursedCitiesEarnNothingNextToAThemeSiteOfActiveOne) {
    state::GameState& g = state::G();
    g.mapSetting[state::MapSetting::theme] = 9;
    auto& north = MakeCity(1, 5, 5, 0, 1);
    MakeSite(2, -2, 5, 4, 1);  // the graveyard north of it
    auto& diagonal = MakeCity(3, 8, 5, 0, 1);
    MakeSite(4, -1, 9, 4, 1);
    auto& strong = MakeCity(5, 2, 8, 0, 1);
    MakeSite(6, -3, 3, 8, 2);  // east, but its active value is not 1
    EXPECT_EQ(logic::CityTaxIncome(1), 0);
    EXPECT_EQ(logic::CityTaxIncome(3), 50);
    EXPECT_EQ(logic::CityTaxIncome(5), 50);
    logic::CityRound();
    EXPECT_EQ(north[Site::taxes], 0);
    EXPECT_EQ(diagonal[Site::taxes], 50);
    EXPECT_EQ(strong[Site::taxes], 50);

    // The same in theme 16; other themes have no curse.
    g.mapSetting[state::MapSetting::theme] = 16;
    EXPECT_EQ(logic::CityTaxIncome(1), 0);
    g.mapSetting[state::MapSetting::theme] = 5;
    EXPECT_EQ(logic::CityTaxIncome(1), 50);
}

TEST_F(CityRoundTest, TheLastClearedThemeSiteComesBackFirst) {
    state::GameState& g = state::G();
    g.mapSetting[state::MapSetting::theme] = 16;
    MakeCity(1, 5, 5, 0, 1);
    auto& early = MakeSite(3, -2, 1, 1, 0);
    auto& late = MakeSite(7, -3, 2, 2, 0);
    MakeSite(9, 4, 3, 3, 0);  // not a theme site
    int rolls = 0;
    while (late[Site::active] == 0 && rolls < 200000) {
        logic::CityTaxIncome(1);
        ++rolls;
    }
    EXPECT_EQ(late[Site::active], 1);
    EXPECT_EQ(early[Site::active], 0);
    EXPECT_EQ(g.mapSite[9][Site::active], 0);
    // About 5 in 10000 per city and round.
    EXPECT_GT(rolls, 20);
}

// In the cursed themes each city's update brings the last cleared theme site back on a draw
// below 5 of 10000: 4 does, 5 does not; other themes draw nothing.
TEST_F(CityRoundTest, ACursedCityBringsASiteBackOnADrawBelow5Of10000) {
    state::GameState& g = state::G();
    for (const int theme : {9, 16}) {
        g.mapSetting[state::MapSetting::theme] = theme;
        MakeCity(1, 5, 5, 0, 1);
        auto& site = MakeSite(7, -3, 2, 2, 0);
        state::ScriptedDraws draws;
        draws.Then(10000, {5, 9999, 4});
        logic::CityTaxIncome(1);
        logic::CityTaxIncome(1);
        EXPECT_EQ(site[Site::active], 0) << theme;
        logic::CityTaxIncome(1);
        EXPECT_EQ(site[Site::active], 1) << theme;
        EXPECT_EQ(draws.Taken(10000), 3);
    }
    g.mapSetting[state::MapSetting::theme] = 4;
    auto& site = MakeSite(7, -3, 2, 2, 0);
    state::ScriptedDraws draws;
    draws.Then(10000, {0});
    logic::CityTaxIncome(1);
    EXPECT_EQ(draws.Taken(10000), 0);
    EXPECT_EQ(site[Site::active], 0);
}

TEST_F(CityRoundTest, SiegeThemeClearsTaxesWhileItsMainSiteStands) {
    state::GameState& g = state::G();
    g.mapSetting[state::MapSetting::theme] = 12;
    auto& city = MakeCity(1, 5, 5, 1, 1);
    g.lord[1][Lord::Built(5)] = 1;
    city[Site::taxes] = 300;
    auto& gate = MakeSite(2, -1, 10, 10, 1);
    logic::CityRound();
    EXPECT_EQ(city[Site::taxes], 0);
    gate[Site::active] = 0;
    logic::CityRound();
    EXPECT_EQ(city[Site::taxes], 100);
}

TEST_F(CityRoundTest, PricesStartMoveWithinTheirDrawAndStayInBounds) {
    auto& city = MakeCity(1, 5, 5, 0, 1);
    logic::DriftPrices(1);
    EXPECT_GE(city[Site::woodPrice], 95);
    EXPECT_LE(city[Site::woodPrice], 104);
    EXPECT_GE(city[Site::ironPrice], 145);
    EXPECT_LE(city[Site::ironPrice], 154);
    EXPECT_GE(city[Site::gemsPrice], 390);
    EXPECT_LE(city[Site::gemsPrice], 409);

    // One move from the middle covers exactly [-5, 4] (gems [-10, 9]).
    int low = 1000, high = 0, gemsLow = 1000, gemsHigh = 0;
    for (int i = 0; i < 2000; ++i) {
        city[Site::woodPrice] = 100;
        city[Site::gemsPrice] = 400;
        logic::DriftPrices(1);
        low = std::min(low, city[Site::woodPrice]);
        high = std::max(high, city[Site::woodPrice]);
        gemsLow = std::min(gemsLow, city[Site::gemsPrice]);
        gemsHigh = std::max(gemsHigh, city[Site::gemsPrice]);
    }
    EXPECT_EQ(low, 95);
    EXPECT_EQ(high, 104);
    EXPECT_EQ(gemsLow, 390);
    EXPECT_EQ(gemsHigh, 409);

    // At and beyond the bounds.
    const int lows[4] = {75, 100, 75, 300};
    const int highs[4] = {135, 200, 135, 500};
    for (int round = 0; round < 3000; ++round) {
        logic::DriftPrices(1);
        for (int i = 0; i < 4; ++i) {
            ASSERT_GE(city[Site::prices + i], lows[i]);
            ASSERT_LE(city[Site::prices + i], highs[i]);
        }
    }
    city[Site::stonePrice] = 900;
    logic::DriftPrices(1);
    EXPECT_EQ(city[Site::stonePrice], 135);
}

// Each price moves by its offset plus a draw of its spread, in the order wood, iron, stone, gems:
// wood, iron and stone by -5 + [0, 10), gems by -10 + [0, 20); a price of 0 starts at 100, 150,
// 100 or 400 first; the result is held within 75..135, 100..200, 75..135 and 300..500.
TEST_F(CityRoundTest, APriceMovesByItsOffsetPlusADrawOfItsSpreadWithinItsBounds) {
    auto& city = MakeCity(1, 5, 5, 0, 1);
    struct Case {
        std::array<int, 4> before;
        std::array<int, 3> tenDraws;  // wood, iron, stone
        int gemsDraw;
        std::array<int, 4> after;
    };
    const Case cases[] = {
        // Unset prices start, then move; the lowest and highest draws.
        {{0, 0, 0, 0}, {0, 9, 0}, 19, {95, 154, 95, 409}},
        {{100, 150, 100, 400}, {9, 0, 9}, 0, {104, 145, 104, 390}},
        // The lowest draw reaches each lower bound, and one more below it is lifted to it.
        {{80, 105, 80, 310}, {0, 0, 0}, 0, {75, 100, 75, 300}},
        {{79, 104, 79, 309}, {0, 0, 0}, 0, {75, 100, 75, 300}},
        // The highest draw reaches each upper bound, and one more above it is held at it.
        {{131, 196, 131, 491}, {9, 9, 9}, 19, {135, 200, 135, 500}},
        {{132, 197, 132, 492}, {9, 9, 9}, 19, {135, 200, 135, 500}},
        // A price far outside its bounds comes back in one move.
        {{900, 10, 900, 10}, {0, 9, 9}, 0, {135, 100, 135, 300}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i)
            city[Site::prices + i] = c.before[static_cast<std::size_t>(i)];
        state::ScriptedDraws draws;
        draws.Then(10, {c.tenDraws[0], c.tenDraws[1], c.tenDraws[2]});
        draws.Then(20, {c.gemsDraw});
        logic::DriftPrices(1);
        const std::array<int, 4> after = {city[Site::woodPrice], city[Site::ironPrice],
                                          city[Site::stonePrice], city[Site::gemsPrice]};
        EXPECT_EQ(after, c.after) << c.before[0];
        EXPECT_EQ(draws.Taken(10), 3);
        EXPECT_EQ(draws.Taken(20), 1);
    }
}

// Each stock, in the order wood, iron, stone, gems, rises by one on a draw below 50 of 100 while
// it is below its cap (20, 14, 20, 10); the draw is made at the cap too.
TEST_F(CityRoundTest, AStockRisesOnADrawBelow50Of100UpToItsCap) {
    auto& city = MakeCity(1, 5, 5, 0, 1);
    struct Case {
        std::array<int, 4> before;
        std::array<int, 4> draws;
        std::array<int, 4> after;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, {49, 50, 0, 99}, {1, 0, 1, 0}},
        {{5, 5, 5, 5}, {50, 49, 99, 0}, {5, 6, 5, 6}},
        {{19, 13, 19, 9}, {49, 49, 49, 49}, {20, 14, 20, 10}},
        {{20, 14, 20, 13}, {0, 0, 0, 0}, {20, 14, 20, 13}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i)
            city[Site::stock + i] = c.before[static_cast<std::size_t>(i)];
        state::ScriptedDraws draws;
        draws.Then(100, {c.draws[0], c.draws[1], c.draws[2], c.draws[3]});
        logic::Restock(1);
        const std::array<int, 4> after = {city[Site::woodStock], city[Site::ironStock],
                                          city[Site::stoneStock], city[Site::gemsStock]};
        EXPECT_EQ(after, c.after) << c.before[0];
        EXPECT_EQ(draws.Taken(100), 4);
    }
}

TEST_F(CityRoundTest, StocksRestockUpToTheirCaps) {
    auto& city = MakeCity(1, 5, 5, 0, 1);
    logic::Restock(1);
    for (int i = 0; i < 4; ++i)
        EXPECT_LE(city[Site::stock + i], 1);
    for (int round = 0; round < 500; ++round)
        logic::Restock(1);
    EXPECT_EQ(city[Site::woodStock], 20);
    EXPECT_EQ(city[Site::ironStock], 14);
    EXPECT_EQ(city[Site::stoneStock], 20);
    EXPECT_EQ(city[Site::gemsStock], 10);
    // Goods sold to the city beyond the cap stay.
    city[Site::gemsStock] = 13;
    logic::Restock(1);
    EXPECT_EQ(city[Site::gemsStock], 13);
}

TEST_F(CityRoundTest, ANewGameRunsTwelveCityRounds) {
    auto& city = MakeCity(1, 5, 5, 0, 1);
    city[Site::countdown] = 15;
    logic::PrepareFirstRound();
    EXPECT_EQ(city[Site::taxes], 12 * 50);
    EXPECT_EQ(city[Site::countdown], 3);
    EXPECT_EQ(city[Site::garrisonSoldiers], 6);
    EXPECT_GE(city[Site::woodPrice], 75);
    EXPECT_LE(city[Site::woodPrice], 135);
    EXPECT_LE(city[Site::woodStock], 12);
}

}  // namespace
