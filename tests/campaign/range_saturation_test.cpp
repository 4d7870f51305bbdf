// Play keeps stored values in their ranges: sums held at the edge of a value's range (or of the
// 32-bit range for the values that may take all of it), products of values at their edges that
// fit, and strengths of counts set by hand that saturate instead of wrapping.
#include <gtest/gtest.h>

#include "campaign/campaign_fixture.h"
#include "campaign/city_round.h"
#include "campaign/city_visit.h"
#include "campaign/computer_economy.h"
#include "campaign/computer_goals.h"
#include "campaign/guild_shop.h"
#include "campaign/hiring.h"
#include "campaign/tile_value.h"
#include "dungeon/hero_access.h"
#include "dungeon/progression.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Hero = state::Hero;
namespace Lord = state::Lord;
namespace Site = state::MapSite;

constexpr int kMax = state::kIntMax;
constexpr int kMin = state::kIntMin;

using PlaySaturation = CampaignTest;

// A city of lord 1 at (5, 5) in map site row 2, lord 1's army in it.
state::RecordOf<100>& OwnCity() {
    auto& s = state::G().mapSite[2];
    s[Site::active] = 1;
    s[Site::kind] = 1;
    s[Site::x] = 5;
    s[Site::y] = 5;
    s[Site::owner] = 1;
    s[Site::size] = 1;
    return s;
}

TEST_F(PlaySaturation, SumsStopAtTheEdgeOfTheirRange) {
    EXPECT_EQ(state::AddWithin(99'999, 5, 0, state::kTroopLimit), state::kTroopLimit);
    EXPECT_EQ(state::AddWithin(3, -5, 0, state::kTroopLimit), 0);
    EXPECT_EQ(state::AddWithin(7, 2, 0, 10), 9);
    EXPECT_EQ(state::AddWithin(10, 1, 0, 10), 10);
    EXPECT_EQ(state::AddWithin(0, -1, 0, 10), 0);
    // A value set by hand beyond the edge moves as the 32-bit saturating sum.
    EXPECT_EQ(state::AddWithin(kMax - 1, 5, 0, 10), kMax);
    EXPECT_EQ(state::AddWithin(-20, -3, 0, 10), -23);

    state::GameState& g = state::G();
    // City taxes at the top of the range and ten more rounds: they stay there.
    auto& city = OwnCity();
    city[Site::taxes] = kMax;
    for (int round = 0; round < 10; ++round)
        logic::CityRound();
    EXPECT_EQ(city[Site::taxes], kMax);

    // Prices at either end of the 32-bit range come back between their bounds.
    city[Site::woodPrice] = kMax;
    city[Site::ironPrice] = kMin;
    city[Site::gemsPrice] = kMin + 1;
    logic::DriftPrices(2);
    EXPECT_EQ(city[Site::woodPrice], 135);
    EXPECT_EQ(city[Site::ironPrice], 100);
    EXPECT_EQ(city[Site::gemsPrice], 300);

    // "Collect taxes (5000 gold)" onto a treasury near the top.
    PlaceArmy(1, 5, 5);
    city[Site::taxes] = 5000;
    g.lord[1][Lord::gold] = 2147483000;
    EXPECT_TRUE(logic::CollectTaxes(2));
    EXPECT_EQ(g.lord[1][Lord::gold], kMax);

    // Hiring onto a stack one below the troop limit fills it; at the limit the hire is refused
    // before anything is paid.
    g.lord[1][Lord::barracks] = 1;
    g.lord[1][Lord::gold] = 1000;
    g.army[1][Army::soldiers] = state::kTroopLimit - 1;
    EXPECT_TRUE(logic::HireUnit(1));
    EXPECT_EQ(g.army[1][Army::soldiers], state::kTroopLimit);
    EXPECT_EQ(g.lord[1][Lord::gold], 600);
    hooks.calls.clear();
    for (int click = 0; click < 3; ++click) {
        EXPECT_FALSE(logic::HireUnit(1));
        EXPECT_EQ(dialogs.Last().text, "Your army cannot take more of these troops.");
        EXPECT_EQ(dialogs.Last().buttons, std::vector<std::string>{"Continue"});
    }
    EXPECT_EQ(g.army[1][Army::soldiers], state::kTroopLimit);
    EXPECT_EQ(g.lord[1][Lord::gold], 600);
    EXPECT_FALSE(hooks.Has("PlayPayment"));
    // At the limit the refusal comes even without the gold for one.
    g.lord[1][Lord::gold] = 0;
    EXPECT_FALSE(logic::HireUnit(1));
    EXPECT_EQ(dialogs.Last().text, "Your army cannot take more of these troops.");

    // A computer lord hiring onto a stack near the limit buys only what the stack takes and pays
    // for those alone: 10 soldiers of 400 gold.
    g.lord[3][Lord::barracks] = 1;
    g.lord[3][Lord::gold] = 1'000'000;
    g.army[3][Army::soldiers] = state::kTroopLimit - 10;
    logic::ComputerHire(3, 100'000, 0);
    EXPECT_EQ(g.army[3][Army::soldiers], state::kTroopLimit);
    EXPECT_EQ(g.lord[3][Lord::gold], 1'000'000 - 10 * 400);
    // A budget near the top of the range: the price is worked out without wrapping, and a full
    // stack buys nothing.
    g.lord[3][Lord::gold] = kMax;
    g.army[3][Army::soldiers] = state::kTroopLimit - 30;
    logic::ComputerHire(3, kMax, 0);
    EXPECT_EQ(g.army[3][Army::soldiers], state::kTroopLimit);
    EXPECT_EQ(g.lord[3][Lord::gold], kMax - 30 * 400);
    logic::ComputerHire(3, kMax, 0);
    EXPECT_EQ(g.lord[3][Lord::gold], kMax - 30 * 400);

    // A hero's experience at the top of its range.
    g.dungeonLord = 1;
    g.hero[1][Hero::level] = 8;
    g.hero[1][Hero::xp] = state::kCountLimit - 10;
    logic::AddXP(500);
    EXPECT_EQ(g.hero[1][Hero::xp], state::kCountLimit);
}

TEST_F(PlaySaturation, ProductsOfValuesAtTheirEdgesFitAndHandSetCountsSaturate) {
    state::GameState& g = state::G();
    for (int kind = 1; kind <= 100; ++kind)
        g.troopType[kind][state::TroopType::health] = state::kTroopValueLimit;
    // Every troop slot at the limit and the largest health: 5 x 100000 x 1000.
    auto& a = g.army[2];
    for (int slot : {Army::soldiers, Army::fast, Army::archers, Army::siege, Army::specialCount})
        a[slot] = state::kTroopLimit;
    a[Army::specialType] = 9;
    EXPECT_EQ(logic::ArmyStrength(2), 500'000'000);
    auto& city = OwnCity();
    for (int k = 0; k < 4; ++k)
        city[Site::garrison + k] = state::kTroopLimit;
    EXPECT_EQ(logic::GarrisonStrength(2), 400'000'000);

    // Counts beyond the range, as only the console can set them, hold at the top.
    a[Army::soldiers] = kMax;
    EXPECT_EQ(logic::ArmyStrength(2), kMax);
    EXPECT_EQ(logic::PotentialStrength(2), kMax);
    city[Site::garrisonSoldiers] = kMax;
    EXPECT_EQ(logic::GarrisonStrength(2), kMax);
    g.dungeonLord = 3;
    g.hero[3][Hero::baseMaxHealth] = kMax;
    g.hero[3][Hero::itemHealthBonus] = kMax;
    EXPECT_EQ(logic::MaxHealth(), kMax);
    // The guild shop stocks for the hero's level and the next: no next level wraps.
    EXPECT_EQ(logic::DrawGuildItem(2, 1, kMax), 0);
    // A computer lord weighing a castle against the largest army.
    a[Army::soldiers] = state::kTroopLimit;
    g.army[3][Army::soldiers] = kMax;
    EXPECT_EQ(logic::ArmyStrength(3), kMax);
}

}  // namespace
}  // namespace camptest
