// The city screen's rules: standing and buttons, taxes, leaving, the city's market, the guild
// shop's door, and the attack on the garrison up to the conquest.
#include <gtest/gtest.h>

#include "battle/battle_end.h"
#include "battle/conquered_city.h"
#include "campaign/campaign_fixture.h"
#include "campaign/city_visit.h"
#include "campaign/movement.h"
#include "campaign/trading.h"
#include "campaign/visit_site.h"
#include "state/game_state.h"

namespace {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;
namespace Site = state::MapSite;

// A city on (5, 5), lord 1's army in it, come from (5, 6).
class CityVisitTest : public camptest::CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        auto& s = City();
        s[Site::active] = 1;
        s[Site::kind] = 1;
        s[Site::x] = 5;
        s[Site::y] = 5;
        s[Site::size] = 1;
        s[Site::taxes] = 250;
        s[Site::garrisonSoldiers] = 6;
        s[Site::garrisonArchers] = 3;
        PlaceArmy(1, 5, 5, 20);
        auto& a = state::G().army[1];
        a[Army::prevX] = 5;
        a[Army::prevY] = 6;
    }
    state::RecordOf<100>& City() { return state::G().mapSite[2]; }
};

TEST_F(CityVisitTest, StandingDecidesTitleAndButtons) {
    const logic::CityView neutral = logic::DescribeCity(2, 1);
    EXPECT_EQ(neutral.title, "City (Neutral)");
    EXPECT_TRUE(neutral.attack && neutral.trade);
    EXPECT_FALSE(neutral.taxes || neutral.buyItems);
    EXPECT_EQ(neutral.soldiers, 6);
    EXPECT_EQ(neutral.archers, 3);
    EXPECT_EQ(neutral.taxCaption, "Collect taxes (250 gold)");

    City()[Site::owner] = 1;
    const logic::CityView own = logic::DescribeCity(2, 1);
    EXPECT_EQ(own.title, "City (Friendly)");
    EXPECT_TRUE(own.trade && own.taxes && own.buyItems);
    EXPECT_FALSE(own.attack);

    const logic::CityView foreign = logic::DescribeCity(2, 3);
    EXPECT_EQ(foreign.title, "City (Hostile)");
    EXPECT_TRUE(foreign.attack);
    EXPECT_FALSE(foreign.trade || foreign.taxes || foreign.buyItems);

    EXPECT_EQ(logic::TaxCaption(0), "Collect taxes (0 gold)");
}

TEST_F(CityVisitTest, TheCityFieldOpensTheScreenOnlyForAHumanInACity) {
    logic::VisitSite();
    EXPECT_EQ(hooks.Count("ShowCity 2"), 1);

    PlaceArmy(1, 6, 6);
    logic::OpenCity();
    City()[Site::active] = 0;
    PlaceArmy(1, 5, 5);
    logic::OpenCity();
    EXPECT_EQ(hooks.Count("ShowCity 2"), 1);

    City()[Site::active] = 1;
    TurnOf(2);
    PlaceArmy(2, 5, 5);
    logic::VisitCity();
    EXPECT_EQ(hooks.Count("ShowCity 2"), 1);
}

TEST_F(CityVisitTest, TaxesGoToTheOwnerOnly) {
    state::GameState& g = state::G();
    EXPECT_FALSE(logic::CollectTaxes(2));
    City()[Site::owner] = 3;
    EXPECT_FALSE(logic::CollectTaxes(2));
    EXPECT_EQ(g.lord[1][Lord::gold], 1000);
    EXPECT_EQ(City()[Site::taxes], 250);

    City()[Site::owner] = 1;
    EXPECT_TRUE(logic::CollectTaxes(2));
    EXPECT_EQ(g.lord[1][Lord::gold], 1250);
    EXPECT_EQ(City()[Site::taxes], 0);
    EXPECT_EQ(logic::DescribeCity(2, 1).taxCaption, "Collect taxes (0 gold)");
}

TEST_F(CityVisitTest, LeavingStepsBackUnlessTheCityIsOwn) {
    auto& a = state::G().army[1];
    City()[Site::owner] = 1;
    logic::LeaveCity(2);
    EXPECT_EQ(a[Army::y], 5);
    City()[Site::owner] = 0;
    logic::LeaveCity(2);
    EXPECT_EQ(a[Army::x], 5);
    EXPECT_EQ(a[Army::y], 6);
}

TEST_F(CityVisitTest, TradingUsesTheCityMarketAndWritesTheStocksBack) {
    state::GameState& g = state::G();
    for (int i = 0; i < 4; ++i) {
        City()[Site::prices + i] = 100 + i;
        City()[Site::stock + i] = 2;
    }
    City()[Site::ironStock] = 0;
    g.lord[1][Lord::wood] = 1;
    g.lord[1][Lord::gold] = 103;
    hooks.trade = [](logic::TradeOffer& offer) {
        EXPECT_TRUE(logic::SellGoods(offer, 0));   // gold 203, wood stock 3
        EXPECT_FALSE(logic::BuyGoods(offer, 1));   // iron is out of stock
        EXPECT_TRUE(logic::BuyGoods(offer, 2));    // stone 102 below 203: gold 101
        EXPECT_FALSE(logic::SellGoods(offer, 0));  // no wood left
    };
    logic::OpenTrading(2);
    EXPECT_EQ(hooks.lastOffer.price[3], 103);
    EXPECT_EQ(hooks.lastOffer.stock[1], 0);
    EXPECT_EQ(City()[Site::woodStock], 3);
    EXPECT_EQ(City()[Site::ironStock], 0);
    EXPECT_EQ(City()[Site::stoneStock], 1);
    EXPECT_EQ(City()[Site::woodPrice], 100);
    EXPECT_EQ(g.lord[1][Lord::gold], 101);
    EXPECT_TRUE(dialogs.ShownText(logic::kNotInStock));

    // Gold equal to the price buys nothing.
    hooks.trade = [](logic::TradeOffer& offer) { EXPECT_FALSE(logic::BuyGoods(offer, 2)); };
    g.lord[1][Lord::gold] = 102;
    logic::OpenTrading(2);
    EXPECT_EQ(City()[Site::stoneStock], 1);
    EXPECT_EQ(g.lord[1][Lord::gold], 102);

    // No market for a hostile lord.
    City()[Site::owner] = 2;
    logic::OpenTrading(2);
    EXPECT_EQ(hooks.Count("OpenTrading"), 2);
}

TEST_F(CityVisitTest, TheGuildShopNeedsAGuildhouseAndAnOwnCity) {
    City()[Site::owner] = 1;
    logic::BuyHeroItems(2);
    EXPECT_EQ(dialogs.Last().text, logic::kNeedGuildhouse);
    EXPECT_FALSE(hooks.Has("ShowGuildShop 2"));
    state::G().lord[1][Lord::Built(9)] = 1;
    logic::BuyHeroItems(2);
    EXPECT_EQ(hooks.Count("ShowGuildShop 2"), 1);
    City()[Site::owner] = 0;
    logic::BuyHeroItems(2);
    EXPECT_EQ(hooks.Count("ShowGuildShop 2"), 1);
}

TEST_F(CityVisitTest, AttackPutsOnlyTheGarrisonIntoArmyRowZero) {
    state::GameState& g = state::G();
    auto& scratch = g.army[0];
    scratch[Army::specialCount] = 16;  // left from an event battle
    scratch[Army::specialType] = 7;
    scratch[Army::fast] = 9;
    City()[Site::garrisonSiege] = 1;
    hooks.cityAnswer = logic::kCityAttack;
    logic::OpenCity();
    EXPECT_LT(hooks.IndexOf("ShowCity 2"), hooks.IndexOf("ShowBattlePanel"));
    EXPECT_EQ(g.battleOwnSide[BattleSide::lord], 1);
    EXPECT_EQ(g.battleFoeSide[BattleSide::lord], 0);
    EXPECT_EQ(scratch[Army::soldiers], 6);
    EXPECT_EQ(scratch[Army::fast], 0);
    EXPECT_EQ(scratch[Army::archers], 3);
    EXPECT_EQ(scratch[Army::siege], 1);
    EXPECT_EQ(scratch[Army::specialCount], 0);
    EXPECT_EQ(scratch[Army::specialType], 0);
    EXPECT_EQ(g.battleFoeSide[BattleSide::neutralPicture], 1);
    EXPECT_EQ(g.battleFoeSide[BattleSide::site], 2);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);
    EXPECT_TRUE(g.battleStarted);

    // An own city is not attacked.
    City()[Site::owner] = 1;
    EXPECT_FALSE(logic::AttackCity(2));
    EXPECT_EQ(hooks.Count("ShowBattlePanel"), 1);
}

TEST_F(CityVisitTest, WonCityBattleLeadsToTheConquestAndBackToTheCity) {
    state::GameState& g = state::G();
    ASSERT_TRUE(logic::AttackCity(2));
    EXPECT_EQ(g.battleFoeSide[BattleSide::soldiers], 6);
    // The garrison falls.
    g.battleFoeSide[BattleSide::soldiers] = 0;
    g.battleFoeSide[BattleSide::archers] = 0;
    dialogs.Answer(logic::kOfferAction);
    logic::CheckBattleEnd();
    EXPECT_EQ(City()[Site::owner], 1);
    EXPECT_EQ(City()[Site::size], 2);
    EXPECT_EQ(City()[Site::garrisonSoldiers], 12);
    EXPECT_EQ(City()[Site::taxes], 250);  // waiting taxes go with the city
    EXPECT_EQ(hooks.Count("ShowCity 2"), 1);
    EXPECT_FALSE(g.battleStarted);
}

TEST_F(CityVisitTest, PillagedCityIsGoneWithoutItsScreen) {
    state::GameState& g = state::G();
    g.lord[1][Lord::honor] = 10;
    ASSERT_TRUE(logic::AttackCity(2));
    g.battleFoeSide[BattleSide::soldiers] = 0;
    g.battleFoeSide[BattleSide::archers] = 0;
    dialogs.Answer(logic::kOfferSecond);
    logic::CheckBattleEnd();
    EXPECT_EQ(City()[Site::active], 0);
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_FALSE(hooks.Has("ShowCity 2"));
}

TEST_F(CityVisitTest, AClosedConquestChoiceTakesTheSurrender) {
    dialogs.Answer(0);
    logic::ConqueredCity(2, 1);
    EXPECT_EQ(City()[Site::owner], 1);
    EXPECT_EQ(state::G().lord[1][Lord::honor], 2);
}

}  // namespace
