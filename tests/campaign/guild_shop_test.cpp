// The guild shop: the price in honor, the weighted draw of the round, and buying.
#include <gtest/gtest.h>

#include <utility>

#include "campaign/campaign_fixture.h"
#include "campaign/city_round.h"
#include "campaign/guild_shop.h"
#include "state/game_state.h"
#include "state/random.h"

namespace {

namespace Item = state::ItemTable;
namespace Lord = state::Lord;
namespace Site = state::MapSite;

class GuildShopTest : public camptest::CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        auto& s = Shop();
        s[Site::active] = 1;
        s[Site::kind] = 1;
        s[Site::x] = 5;
        s[Site::y] = 5;
        s[Site::owner] = 1;
        PlaceArmy(1, 5, 5);
    }
    state::RecordOf<100>& Shop() { return state::G().mapSite[3]; }
    void MakeItem(int row, int level, int rarity, int strength = 1) {
        auto& it = state::G().itemTable[row];
        it[Item::exists] = 1;
        it[Item::itemKind] = 3;
        it[Item::itemLevel] = level;
        it[Item::rarity] = rarity;
        it[Item::hitStrength] = strength;
        state::G().itemText[row][state::ItemText::picture] = "item_" + std::to_string(row);
    }
};

TEST_F(GuildShopTest, PriceIsTwiceLevelTimesTheFourStrengths) {
    auto& it = state::G().itemTable[12];
    it[Item::exists] = 1;
    it[Item::itemLevel] = 3;
    it[Item::hitStrength] = 1;
    it[Item::damageStrength] = 2;
    it[Item::healthStrength] = 3;
    it[Item::healStrength] = 4;
    EXPECT_EQ(logic::GuildPrice(12), 60);
    // Item 0 (the scenario's special item) and rows out of the table are not for sale.
    state::G().itemTable[0] = it;
    EXPECT_EQ(logic::GuildPrice(0), 0);
    EXPECT_EQ(logic::GuildPrice(501), 0);
    it[Item::exists] = 0;
    EXPECT_EQ(logic::GuildPrice(12), 0);
}

TEST_F(GuildShopTest, DrawTakesLevelLAndLPlusOneWithoutEpicOrCommonItems) {
    MakeItem(1, 2, 2);  // rare, level too low
    MakeItem(2, 3, 1);  // epic
    MakeItem(3, 3, 3);  // common: weight 0
    MakeItem(4, 5, 2);  // level too high
    MakeItem(5, 3, 2);  // rare: 200
    MakeItem(6, 4, 4);  // other class: 50
    int counts[7] = {};
    for (int i = 0; i < 2000; ++i)
        ++counts[logic::DrawGuildItem(3, 1, 3)];
    EXPECT_EQ(counts[0] + counts[1] + counts[2] + counts[3] + counts[4], 0);
    EXPECT_EQ(counts[5] + counts[6], 2000);
    EXPECT_GT(counts[5], 1450);  // 4 in 5
    EXPECT_LT(counts[5], 1750);

    // Items in earlier slots are left out; a later slot does not count.
    Shop()[Site::shopItem1] = 5;
    EXPECT_EQ(logic::DrawGuildItem(3, 2, 3), 6);
    Shop()[Site::shopItem2] = 6;
    EXPECT_EQ(logic::DrawGuildItem(3, 3, 3), 0);
    Shop()[Site::shopItem1] = 0;
    Shop()[Site::shopItem3] = 5;
    EXPECT_NE(logic::DrawGuildItem(3, 1, 3), 0);
}

// The draw p = 1 + a draw in [0, total) picks the first candidate, in table order, whose running
// weight reaches p: a common item (weight 0) ahead of the others is never picked, a rare one
// (200) takes the draws 0 to 199, the next (50) 200 to 249.
TEST_F(GuildShopTest, AGuildDrawPicksTheFirstItemWhoseRunningWeightReachesTheDraw) {
    MakeItem(3, 3, 3);  // common: weight 0
    MakeItem(5, 3, 2);  // rare: 200
    MakeItem(6, 4, 4);  // other class: 50
    const std::pair<int, int> picks[] = {{0, 5}, {199, 5}, {200, 6}, {249, 6}};
    for (const auto& [draw, item] : picks) {
        state::ScriptedDraws draws;
        draws.Then(250, {draw});
        EXPECT_EQ(logic::DrawGuildItem(3, 1, 3), item) << draw;
        EXPECT_EQ(draws.Taken(250), 1);
    }
    // With item 5 in slot 1, slot 2 draws among the 50 of item 6 alone.
    Shop()[Site::shopItem1] = 5;
    state::ScriptedDraws draws;
    draws.Then(50, {49});
    EXPECT_EQ(logic::DrawGuildItem(3, 2, 3), 6);
    EXPECT_EQ(draws.Taken(50), 1);
}

// A round's refill draws a new item for an empty slot always and for a filled one on a draw
// below 20 of 100: 19 refills, 20 keeps the offer; an empty slot takes no such draw.
TEST_F(GuildShopTest, ARefillReplacesAFilledSlotOnADrawBelow20Of100) {
    MakeItem(5, 3, 2);  // rare: 200
    MakeItem(6, 4, 4);  // other class: 50
    MakeItem(9, 1, 2);  // the old offer, not of the drawn levels
    {
        Shop()[Site::shopItem1] = 9;
        Shop()[Site::shopItem2] = 0;
        Shop()[Site::shopItem3] = 9;
        state::ScriptedDraws draws;
        draws.Then(100, {19, 20});  // slots 1 and 3
        draws.Then(250, {199});     // slot 1: item 5
        draws.Then(50, {0});        // slot 2, without item 5: item 6
        logic::RefillGuildShop(3, 3);
        EXPECT_EQ(Shop()[Site::shopItem1], 5);
        EXPECT_EQ(Shop()[Site::shopItem2], 6);
        EXPECT_EQ(Shop()[Site::shopItem3], 9);
        EXPECT_EQ(draws.Taken(100), 2);
        EXPECT_EQ(draws.Taken(250), 1);
        EXPECT_EQ(draws.Taken(50), 1);
    }
    Shop()[Site::shopItem1] = 9;
    Shop()[Site::shopItem2] = 0;
    Shop()[Site::shopItem3] = 9;
    state::ScriptedDraws draws;
    draws.Then(100, {99, 0});  // slots 1 and 3
    draws.Then(250, {200});    // slot 2: item 6
    draws.Then(200, {0});      // slot 3, without item 6: item 5
    logic::RefillGuildShop(3, 3);
    EXPECT_EQ(Shop()[Site::shopItem1], 9);
    EXPECT_EQ(Shop()[Site::shopItem2], 6);
    EXPECT_EQ(Shop()[Site::shopItem3], 5);
    EXPECT_EQ(draws.Taken(100), 2);
    EXPECT_EQ(draws.Taken(250), 1);
    EXPECT_EQ(draws.Taken(200), 1);
}

TEST_F(GuildShopTest, ATotalWeightOfZeroEmptiesTheSlotWithoutADraw) {
    MakeItem(3, 1, 3);  // common only
    MakeItem(4, 2, 1);  // epic
    Shop()[Site::shopItem1] = 0;
    Shop()[Site::shopItem2] = 0;
    Shop()[Site::shopItem3] = 0;
    state::SeedRandom(77);
    logic::RefillGuildShop(3, 1);
    const int next = state::Random(1000);
    state::SeedRandom(77);
    EXPECT_EQ(state::Random(1000), next);
    EXPECT_EQ(Shop()[Site::shopItem1], 0);
    EXPECT_EQ(Shop()[Site::shopItem3], 0);
}

TEST_F(GuildShopTest, RoundRefillsEmptySlotsForTheLastHumanHeroLevel) {
    state::GameState& g = state::G();
    MakeItem(7, 1, 2);
    MakeItem(8, 4, 2);
    MakeItem(9, 5, 2);
    MakeItem(10, 4, 4);
    g.lord[1][Lord::heroLevel] = 1;
    g.lord[3][Lord::heroLevel] = 4;
    g.lord[3][Lord::controller] = 1;  // the last human lord counts
    for (int round = 0; round < 5; ++round)
        logic::CityRound();
    for (int slot = 0; slot < 3; ++slot) {
        const int item = Shop()[Site::shopItems + slot];
        EXPECT_TRUE(item == 8 || item == 9 || item == 10) << item;
    }
}

TEST_F(GuildShopTest, BuyingNeedsHonorEqualToThePriceAndKeepsTheOffer) {
    state::GameState& g = state::G();
    MakeItem(8, 2, 2, 5);  // price 2 * 2 * 5 = 20
    Shop()[Site::shopItem2] = 8;
    g.lord[1][Lord::honor] = 19;
    EXPECT_FALSE(logic::BuyGuildItem(3, 2));
    EXPECT_EQ(dialogs.Last().text, "You do not have enough honor!");
    EXPECT_FALSE(hooks.Has("PlayPayment"));

    g.lord[1][Lord::honor] = 20;
    g.dungeonLord = 4;
    EXPECT_TRUE(logic::BuyGuildItem(3, 2));
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_EQ(dialogs.Last().text, "The adventurer guild is proud to have been able to help you.");
    EXPECT_TRUE(hooks.Has("PlayPayment"));
    EXPECT_EQ(g.dungeonLord, 1);
    EXPECT_EQ(Shop()[Site::shopItem2], 8);
}

TEST_F(GuildShopTest, EmptyOrInvalidSlotsOfferNothing) {
    state::GameState& g = state::G();
    MakeItem(8, 2, 2, 5);
    g.itemTable[0][Item::exists] = 1;
    Shop()[Site::shopItem1] = 0;
    Shop()[Site::shopItem2] = 8;
    Shop()[Site::shopItem3] = 777;
    g.lord[1][Lord::honor] = 500;
    const auto offers = logic::GuildOffers(3);
    EXPECT_EQ(offers[0].item, 0);
    EXPECT_EQ(offers[1].item, 8);
    EXPECT_EQ(offers[1].picture, "item_8.jpg");
    EXPECT_EQ(offers[1].buyCaption, "Buy (20 honor)");
    EXPECT_EQ(offers[2].item, 0);
    EXPECT_TRUE(offers[2].buyCaption.empty());
    EXPECT_FALSE(logic::BuyGuildItem(3, 1));
    EXPECT_FALSE(logic::BuyGuildItem(3, 3));
    EXPECT_FALSE(logic::BuyGuildItem(3, 4));
    logic::ShowGuildItem(3, 1);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(g.lord[1][Lord::honor], 500);
}

}  // namespace
