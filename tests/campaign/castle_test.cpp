#include <gtest/gtest.h>

#include "campaign/buildings.h"
#include "campaign/campaign_fixture.h"
#include "campaign/hiring.h"
#include "state/game_state.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;

using CastleTest = CampaignTest;

void Give(int p, int gold, int honor, int wood, int iron, int stone, int gems) {
    auto& l = state::G().lord[p];
    l[Lord::gold] = gold;
    l[Lord::honor] = honor;
    l[Lord::wood] = wood;
    l[Lord::iron] = iron;
    l[Lord::stone] = stone;
    l[Lord::gems] = gems;
}

TEST_F(CastleTest, BuildingWithExactlyTheCostLeavesNothing) {
    auto& g = state::G();
    Give(1, 2500, 2, 6, 0, 6, 2);
    g.lord[1][Lord::moveRange] = 5;
    EXPECT_TRUE(logic::BuildSelected(3));
    for (int s = Lord::gold; s <= Lord::gems; ++s)
        EXPECT_EQ(g.lord[1][s], 0) << s;
    EXPECT_EQ(g.lord[1][Lord::keep], 1);
    EXPECT_EQ(g.lord[1][Lord::moveRange], 99);
    EXPECT_EQ(dialogs.Last().picture, "icon_castleupgrade.jpg");
    EXPECT_EQ(dialogs.Last().title, "Building...");
    EXPECT_EQ(dialogs.Last().text,
              "Your craftsmen have built a keep. You may now explore the whole map with your "
              "army, there are no movement restrictions anymore.");
    EXPECT_TRUE(hooks.Has("PlayPayment"));
    EXPECT_EQ(logic::BuildingTilePicture(3), "icon_castleupgradeg.jpg");
    EXPECT_EQ(logic::BuildingTilePicture(2), "icon_castleupgrade.jpg");

    // Built once: the detail panel disables "Build" and a second build does nothing.
    EXPECT_FALSE(logic::ShowBuildingDetails(3).buildEnabled);
    Give(1, 9999, 9, 9, 9, 9, 9);
    EXPECT_FALSE(logic::BuildSelected(3));
    EXPECT_EQ(g.lord[1][Lord::gold], 9999);
    EXPECT_FALSE(logic::BuildSelected(0));
    EXPECT_FALSE(logic::BuildSelected(10));
}

TEST_F(CastleTest, EveryMissingCostIsRefusedAndChangesNothing) {
    auto& g = state::G();
    const char* refusal = "Sorry, but you do not have enough gold or resources...";
    // The guildhouse needs 10 honor.
    Give(1, 100000, 9, 50, 50, 50, 50);
    EXPECT_FALSE(logic::BuildSelected(9));
    EXPECT_EQ(dialogs.Last().text, refusal);
    EXPECT_EQ(g.lord[1][Lord::gold], 100000);
    EXPECT_EQ(g.lord[1][Lord::guildhouse], 0);
    // One gold short, one wood short, one gem short.
    Give(1, 999, 1, 2, 2, 0, 0);
    EXPECT_FALSE(logic::BuildSelected(1));
    Give(1, 1000, 1, 1, 2, 0, 0);
    EXPECT_FALSE(logic::BuildSelected(1));
    Give(1, 8000, 2, 4, 4, 0, 7);
    EXPECT_FALSE(logic::BuildSelected(8));
    EXPECT_EQ(dialogs.Shown().size(), 4u);
    EXPECT_FALSE(hooks.Has("PlayPayment"));
    // The human pays wood for the workshop.
    Give(1, 8000, 2, 4, 4, 0, 8);
    EXPECT_TRUE(logic::BuildSelected(8));
    EXPECT_EQ(g.lord[1][Lord::wood], 0);
}

TEST_F(CastleTest, TheBuildingTableAsTheScreenShowsIt) {
    const char* names[9] = {"Barracks", "Walls",     "Keep",     "Bowmaker",  "Treasury",
                            "Stables",  "Scoutcamp", "Workshop", "Guildhouse"};
    const char* gold[9] = {"1.000", "1.000", "2.500", "2.000", "2000",
                           "4.000", "6000",  "8000",  "4000"};
    const char* honor[9] = {"1", "1", "2", "1", "1", "2", "1", "2", "10"};
    for (int b = 1; b <= 9; ++b) {
        const logic::BuildingDetails d = logic::ShowBuildingDetails(b);
        EXPECT_EQ(d.name, names[b - 1]);
        EXPECT_EQ(d.goldLabel, gold[b - 1]);
        EXPECT_EQ(d.honorLabel, honor[b - 1]);
        EXPECT_TRUE(d.buildEnabled);
    }
    const logic::BuildingDetails stables = logic::ShowBuildingDetails(6);
    EXPECT_EQ(stables.resources[0].kind, 1);
    EXPECT_EQ(stables.resources[0].amount, 8);
    EXPECT_EQ(stables.resourcePictures[2], "d2_icon_stone2.bmp");
    const logic::BuildingDetails walls = logic::ShowBuildingDetails(2);
    EXPECT_EQ(walls.resources[2].kind, 0);
    EXPECT_EQ(walls.resourcePictures[2], "");
    EXPECT_EQ(logic::ShowBuildingDetails(5).resourcePictures[2], "d2_icon_crystal.bmp");
    EXPECT_EQ(logic::ShowBuildingDetails(9).description,
              "The adventurer guildhouse will make it possible to buy hero equipment at cities.");
    EXPECT_EQ(logic::Building(7)->builtMessage,
              std::string("Your craftsmen have built scout camp. HINT: If you right-click on any "
                          "enemy army or castle you will get in-depth information about it!!"));
    EXPECT_EQ(logic::Building(0), nullptr);
}

TEST(ComputerBuildingCost, MatchesTheTableButTheWorkshopNeedsNoWood) {
    EXPECT_EQ(logic::ComputerBuildingCost(8), (logic::CostRow{8000, 2, 0, 4, 0, 8}));
    EXPECT_EQ(logic::ComputerBuildingCost(3), (logic::CostRow{2500, 2, 6, 0, 6, 2}));
    EXPECT_EQ(logic::ComputerBuildingCost(6), (logic::CostRow{4000, 2, 8, 4, 2, 0}));
    EXPECT_EQ(logic::ComputerBuildingCost(9), (logic::CostRow{4000, 10, 4, 0, 2, 2}));
    EXPECT_EQ(logic::ComputerBuildingCost(0), (logic::CostRow{}));
    EXPECT_EQ(logic::ComputerBuildingCost(10), (logic::CostRow{}));
}

TEST_F(CastleTest, HiringNeedsTheBuildingAndThePrice) {
    auto& g = state::G();
    g.lord[1][Lord::gold] = 5000;
    const char* refusals[4] = {"You need to build \"barracks\" to hire soldiers!",
                               "You need to build \"stables\" to hire knights!",
                               "You need to build a \"bowmaker\" house to hire archers!",
                               "You need to build a \"workshop\" to build cannons!"};
    for (int kind = 1; kind <= 4; ++kind) {
        EXPECT_FALSE(logic::HireUnit(kind));
        EXPECT_EQ(dialogs.Last().text, refusals[kind - 1]);
    }
    EXPECT_EQ(g.lord[1][Lord::gold], 5000);

    g.lord[1][Lord::barracks] = 1;
    g.lord[1][Lord::gold] = 399;
    EXPECT_FALSE(logic::HireUnit(1));
    EXPECT_EQ(dialogs.Last().text, "You do not have enough money!");
    EXPECT_EQ(g.army[1][Army::soldiers], 4);
    g.lord[1][Lord::gold] = 400;
    EXPECT_TRUE(logic::HireUnit(1));
    EXPECT_EQ(g.lord[1][Lord::gold], 0);
    EXPECT_EQ(g.army[1][Army::soldiers], 5);
    EXPECT_TRUE(hooks.Has("PlayPayment"));

    // Wherever the army stands.
    g.army[1][Army::x] = 7;
    g.lord[1][Lord::workshop] = 1;
    g.lord[1][Lord::gold] = 6000;
    EXPECT_TRUE(logic::HireUnit(4));
    EXPECT_EQ(g.army[1][Army::siege], 1);
    EXPECT_FALSE(logic::HireUnit(0));
    EXPECT_FALSE(logic::HireUnit(5));
}

TEST_F(CastleTest, TheRingOfKingsLowersPricesOnlyInItsTheme) {
    auto& g = state::G();
    g.lord[1][Lord::themeCounter] = 1;
    EXPECT_EQ(logic::HirePrice(1, 1), 400);
    EXPECT_EQ(logic::HireScreenLine(1, 4).priceLine, "(Long Range / 6000 gold)");
    g.mapSetting[state::MapSetting::theme] = 10;
    EXPECT_EQ(logic::HirePrice(1, 1), 300);
    EXPECT_EQ(logic::HirePrice(1, 2), 750);
    EXPECT_EQ(logic::HirePrice(1, 3), 600);
    EXPECT_EQ(logic::HirePrice(1, 4), 4500);
    EXPECT_EQ(logic::HirePrice(2, 4), 6000);
    EXPECT_EQ(logic::HireScreenLine(1, 2).priceLine, "(Fast Melee / 750 gold)");

    const logic::HireLine greyed = logic::HireScreenLine(1, 3);
    EXPECT_TRUE(greyed.greyed);
    EXPECT_EQ(greyed.picture, "m2_archersg.jpg");
    EXPECT_EQ(greyed.buttonPicture, "icon_buytroopsg.jpg");
    g.lord[1][Lord::bowmaker] = 1;
    const logic::HireLine archers = logic::HireScreenLine(1, 3);
    EXPECT_FALSE(archers.greyed);
    EXPECT_EQ(archers.name, "Archers");
    EXPECT_EQ(archers.picture, "m2_archers.jpg");
    EXPECT_EQ(archers.buttonPicture, "icon_buytroops.jpg");
    EXPECT_EQ(archers.priceLine, "(Range / 600 gold)");
    EXPECT_EQ(logic::HireScreenLine(1, 1).priceLine, "(Melee / 300 gold)");
}

}  // namespace
}  // namespace camptest
