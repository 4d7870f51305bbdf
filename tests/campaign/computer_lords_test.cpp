#include <gtest/gtest.h>

#include "campaign/campaign_fixture.h"
#include "campaign/computer_city_visit.h"
#include "campaign/computer_economy.h"
#include "campaign/computer_goals.h"
#include "campaign/computer_lord.h"
#include "campaign/computer_path.h"
#include "campaign/computer_status.h"
#include "campaign/movement.h"
#include "campaign/tile_value.h"
#include "campaign/turn_cycle.h"
#include "state/ai_plan.h"
#include "state/game_state.h"

#include <memory>

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Field = state::Field;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

// Computer lords with the troop table of a real game (health 10, 20, 12, 30 for kinds 1..4).
class ComputerLordTest : public CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        NewGameBattlePlans();
        auto& g = state::G();
        const int health[5] = {0, 10, 20, 12, 30};
        for (int k = 1; k <= 4; ++k) {
            g.troopType[k][state::TroopType::attack] = 5;
            g.troopType[k][state::TroopType::health] = health[k];
        }
        g.troopType[9][state::TroopType::health] = 100;
    }
    void BuildAll(int p, bool built = true) {
        for (int b = 1; b <= 9; ++b)
            state::G().lord[p][Lord::Built(b)] = built ? 1 : 0;
    }
    void Army4(int p, int soldiers, int fast, int archers, int siege) {
        auto& a = state::G().army[p];
        a[Army::soldiers] = soldiers;
        a[Army::fast] = fast;
        a[Army::archers] = archers;
        a[Army::siege] = siege;
    }
    void City(int row, int x, int y, int owner, int soldiers) {
        auto& s = state::G().mapSite[row];
        s[MapSite::active] = 1;
        s[MapSite::kind] = 1;
        s[MapSite::x] = x;
        s[MapSite::y] = y;
        s[MapSite::owner] = owner;
        s[MapSite::garrison] = soldiers;
    }
};

TEST_F(ComputerLordTest, StrengthCountsOnlyAPresentSpecialOfAKnownKind) {
    auto& a = state::G().army[2];
    Army4(2, 3, 1, 2, 1);
    EXPECT_EQ(logic::ArmyStrength(2), 3 * 10 + 20 + 2 * 12 + 30);
    a[Army::specialCount] = 2;
    a[Army::specialType] = 9;
    EXPECT_EQ(logic::ArmyStrength(2), 104 + 200);
    a[Army::specialType] = 101;
    EXPECT_EQ(logic::ArmyStrength(2), 104);
    a[Army::specialType] = 0;
    EXPECT_EQ(logic::ArmyStrength(2), 104);
    a[Army::specialType] = 9;
    a[Army::specialCount] = 0;
    EXPECT_EQ(logic::ArmyStrength(2), 104);
    // Potential: gold / 400 more soldiers (1000 gold: 2).
    EXPECT_EQ(logic::PotentialStrength(2), 104 + 2 * 10);
    EXPECT_EQ(logic::ArmyStrength(7), 0);
}

TEST_F(ComputerLordTest, GoalsFollowTheirPriorities) {
    auto& g = state::G();
    // Without gold no lord is stronger by its potential.
    for (int p = 1; p <= 4; ++p)
        g.lord[p][Lord::gold] = 0;
    auto goal = [] { return logic::ChooseGoal(2).goal; };
    // Nothing built: walls come first.
    EXPECT_EQ(goal(), 20);
    g.lord[2][Lord::walls] = 1;
    EXPECT_EQ(goal(), 25);
    g.lord[2][Lord::barracks] = 1;
    EXPECT_EQ(goal(), 40);
    // An enemy army two steps from the castle outranks everything; three steps does not.
    PlaceArmy(3, 12, 3);
    EXPECT_EQ(goal(), 10);
    EXPECT_EQ(logic::ChooseGoal(2).enemy, 3);
    PlaceArmy(3, 12, 4);
    EXPECT_EQ(goal(), 40);
    // With the first three buildings, lord 2 equal to everyone in strength: the rest to build.
    g.lord[2][Lord::keep] = 1;
    g.lord[2][Lord::moveRange] = 3;  // no enemy castle in reach
    EXPECT_EQ(goal(), 50);
    BuildAll(2);
    g.lord[2][Lord::moveRange] = 3;
    EXPECT_EQ(goal(), 60);
}

TEST_F(ComputerLordTest, AStrongerEnemyLeadsToTroopsOrTheBuildingsForThem) {
    auto& g = state::G();
    BuildAll(2, false);
    g.lord[2][Lord::walls] = 1;
    g.lord[2][Lord::barracks] = 1;
    // Lord 4 is stronger in the field (a castle with walls needs siege units to fear it).
    Army4(4, 20, 0, 0, 1);
    auto c = logic::ChooseGoal(2);
    EXPECT_EQ(c.goal, 30);
    EXPECT_EQ(c.enemy, 4);
    // Lord 3 is stronger only by its gold: the larger compared value wins across both passes.
    g.lord[3][Lord::gold] = 40000;  // 100 soldiers more: 1040 against 230
    c = logic::ChooseGoal(2);
    EXPECT_EQ(c.enemy, 3);
    // More than 9 soldiers: the bowmaker; and stables against fast melee; more than 19: keep.
    Army4(2, 10, 0, 0, 0);
    EXPECT_EQ(logic::ChooseGoal(2).goal, 52);
    g.army[3][Army::fast] = 1;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 53);
    Army4(2, 20, 0, 0, 0);
    EXPECT_EQ(logic::ChooseGoal(2).goal, 40);
    // The stored argument is the enemy.
    logic::StoreGoal(2);
    EXPECT_EQ(g.lord[2][Lord::aiGoal], 40);
    EXPECT_EQ(g.lord[2][Lord::aiTarget], 0);
    Army4(2, 5, 0, 0, 0);
    g.lord[2][Lord::bowmaker] = 1;
    logic::StoreGoal(2);
    EXPECT_EQ(g.lord[2][Lord::aiTarget], 3);
}

TEST_F(ComputerLordTest, TheWeakestCastleInReachIsAttackedOnlyWhenItCanBe) {
    auto& g = state::G();
    BuildAll(2);
    g.lord[2][Lord::guildhouse] = 0;
    // Lord 3 at (12, 11) lies 10 steps away; range 11 reaches it, range 10 does not.
    g.lord[2][Lord::moveRange] = 11;
    for (int p : {1, 4})
        g.lord[p][Lord::inGame] = 0;
    Army4(2, 40, 0, 0, 0);
    Army4(3, 4, 0, 0, 0);
    auto c = logic::ChooseGoal(2);
    EXPECT_EQ(c.goal, 45);
    EXPECT_EQ(c.enemy, 3);
    EXPECT_EQ(logic::GoalText(45, 3), "We can attack the enemy castle (red) and should do so!");
    g.lord[2][Lord::moveRange] = 10;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 60);
    g.lord[2][Lord::moveRange] = 11;
    // A walled castle needs siege units.
    g.lord[3][Lord::walls] = 1;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 60);
    g.army[2][Army::siege] = 1;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 45);
    // Not a third stronger than the enemy: hire instead (40+30 = 70 vs 4x10... make it close).
    Army4(3, 60, 0, 0, 0);  // 600; lord 2 has 430: not stronger, yet the goal-30 rule wins
    EXPECT_EQ(logic::ChooseGoal(2).goal, 30);
    Army4(3, 34, 0, 0, 0);  // 340 + 113 = 453 > 430
    EXPECT_EQ(logic::ChooseGoal(2).goal, 60);
    Army4(3, 32, 0, 0, 0);  // 320 + 106 = 426 < 430
    EXPECT_EQ(logic::ChooseGoal(2).goal, 45);
    // An enemy with stables while this lord has none: buildings first.
    g.lord[3][Lord::stables] = 1;
    g.lord[2][Lord::stables] = 0;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 50);
    g.lord[2][Lord::stables] = 1;
    // The dragon's pass of theme 1 holds the lords back while the dragon lives.
    g.mapSetting[state::MapSetting::theme] = 1;
    g.mapSite[5][MapSite::active] = 1;
    g.mapSite[5][MapSite::kind] = -1;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 60);
    g.mapSite[5][MapSite::active] = 0;
    EXPECT_EQ(logic::ChooseGoal(2).goal, 45);
}

TEST_F(ComputerLordTest, HiringSplitsTheBudgetByWeights) {
    auto& g = state::G();
    BuildAll(2);
    Army4(2, 0, 0, 0, 0);
    Army4(3, 10, 0, 0, 0);
    g.lord[2][Lord::gold] = 10000;
    g.lord[2][Lord::aiGoal] = 10;
    logic::ComputerHire(2, 10000, 3);
    EXPECT_EQ(g.army[2][Army::fast], 2);
    EXPECT_EQ(g.army[2][Army::archers], 5);
    EXPECT_EQ(g.army[2][Army::soldiers], 10);
    EXPECT_EQ(g.army[2][Army::siege], 0);
    EXPECT_EQ(g.lord[2][Lord::gold], 0);

    // Outside goal 10 the soldiers get only their share: 10000 / 7 x 2 = 2856 -> 7 soldiers.
    Army4(2, 0, 0, 0, 0);
    g.lord[2][Lord::gold] = 10000;
    g.lord[2][Lord::aiGoal] = 30;
    logic::ComputerHire(2, 10000, 3);
    EXPECT_EQ(g.army[2][Army::soldiers], 7);
    EXPECT_EQ(g.lord[2][Lord::gold], 10000 - 2000 - 4000 - 2800);

    // The enemy's shape: archers above a fifth of its soldiers.
    EXPECT_EQ(logic::ComputerHireWeights(2, 3), (logic::HireWeights{2, 2, 3, 0}));
    Army4(3, 10, 0, 3, 0);
    EXPECT_EQ(logic::ComputerHireWeights(2, 3), (logic::HireWeights{2, 3, 2, 0}));
    Army4(3, 10, 3, 0, 0);
    EXPECT_EQ(logic::ComputerHireWeights(2, 3), (logic::HireWeights{2, 3, 3, 0}));
    Army4(3, 10, 2, 0, 0);  // exactly a fifth fits no shape
    EXPECT_EQ(logic::ComputerHireWeights(2, 3), (logic::HireWeights{1, 2, 2, 0}));
    EXPECT_EQ(logic::ComputerHireWeights(2, 0), (logic::HireWeights{1, 2, 2, 1}));

    // Partial buildings: no stables but a bowmaker gives archers the fast weight.
    g.lord[2][Lord::stables] = 0;
    EXPECT_EQ(logic::ComputerHireWeights(2, 0), (logic::HireWeights{1, 0, 2, 1}));
    g.lord[2][Lord::barracks] = 0;
    g.lord[2][Lord::workshop] = 0;
    g.lord[2][Lord::bowmaker] = 0;
    EXPECT_EQ(logic::ComputerHireWeights(2, 0), (logic::HireWeights{0, 0, 0, 0}));
    // Goal 60 without siege units saves for siege: without a workshop it buys nothing.
    g.lord[2][Lord::aiGoal] = 60;
    g.lord[2][Lord::barracks] = 1;
    g.lord[2][Lord::gold] = 5000;
    logic::ComputerHire(2, 5000, 0);
    EXPECT_EQ(g.lord[2][Lord::gold], 5000);
    g.lord[2][Lord::workshop] = 1;
    g.lord[2][Lord::gold] = 7000;
    logic::ComputerHire(2, 7000, 0);
    EXPECT_EQ(g.army[2][Army::siege], 1);
    EXPECT_EQ(g.lord[2][Lord::gold], 1000);
}

TEST_F(ComputerLordTest, TheRingOfKingsHiresCheaper) {
    auto& g = state::G();
    BuildAll(2);
    g.mapSetting[state::MapSetting::theme] = 10;
    g.lord[2][Lord::themeCounter] = 1;
    g.lord[2][Lord::aiGoal] = 10;
    Army4(2, 0, 0, 0, 0);
    Army4(3, 10, 0, 0, 0);
    g.lord[2][Lord::gold] = 7000;
    logic::ComputerHire(2, 7000, 3);
    // 7000 / 7 = 1000: fast 2000 / 750 = 2, archers 3000 / 600 = 5, soldiers the rest / 300.
    EXPECT_EQ(g.army[2][Army::fast], 2);
    EXPECT_EQ(g.army[2][Army::archers], 5);
    EXPECT_EQ(g.army[2][Army::soldiers], (7000 - 1500 - 3000) / 300);
}

TEST_F(ComputerLordTest, BuildingUsesTheComputerCostsWithoutAMessage) {
    auto& g = state::G();
    auto& l = g.lord[2];
    l[Lord::gold] = 20000;
    l[Lord::honor] = 5;
    l[Lord::wood] = 10;
    l[Lord::stone] = 10;
    l[Lord::iron] = 10;
    l[Lord::gems] = 10;
    logic::ComputerBuild(2, 3);
    EXPECT_EQ(l[Lord::keep], 1);
    EXPECT_EQ(l[Lord::moveRange], 99);
    EXPECT_EQ(l[Lord::aiTarget], 0);
    // The workshop costs the computer no wood.
    l[Lord::wood] = 0;
    logic::ComputerBuild(2, 8);
    EXPECT_EQ(l[Lord::workshop], 1);
    // Too poor: the argument stays on the building being saved for.
    l[Lord::gold] = 0;
    logic::ComputerBuild(2, 1);
    EXPECT_EQ(l[Lord::barracks], 0);
    EXPECT_EQ(l[Lord::aiTarget], 1);
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(ComputerLordTest, TileValuesOfCastlesArmiesCitiesAndRange) {
    auto& g = state::G();
    auto& l = g.lord[2];
    l[Lord::moveRange] = 30;
    EXPECT_EQ(logic::TileValue(2, 12, 1), -100000);
    EXPECT_EQ(logic::TileValue(2, 12, 11), -100000);
    l[Lord::aiGoal] = 45;
    l[Lord::aiTarget] = 3;
    EXPECT_EQ(logic::TileValue(2, 12, 11), 100000);
    EXPECT_EQ(logic::TileValue(2, 1, 11), -100000);
    l[Lord::aiGoal] = 60;
    // A weaker neutral city is worth 2500, a stronger one nothing.
    City(1, 6, 6, 0, 3);
    EXPECT_EQ(logic::TileValue(2, 6, 6), 2500);
    g.mapSite[1][MapSite::garrison] = 4;
    EXPECT_EQ(logic::TileValue(2, 6, 6), 0);
    // Another lord's city: avoided unless weaker, then worth 2500.
    g.mapSite[1][MapSite::owner] = 3;
    EXPECT_EQ(logic::TileValue(2, 6, 6), -10000);
    g.mapSite[1][MapSite::garrison] = 3;
    EXPECT_EQ(logic::TileValue(2, 6, 6), 2500);
    // Own city with more than 1000 taxes waiting.
    g.mapSite[1][MapSite::owner] = 2;
    g.mapSite[1][MapSite::taxes] = 1001;
    EXPECT_EQ(logic::TileValue(2, 6, 6), 1000);
    g.mapSite[1][MapSite::taxes] = 1000;
    EXPECT_EQ(logic::TileValue(2, 6, 6), 0);
    // Enemy armies: stronger -50, twice as strong -1000, a third weaker +1000.
    PlaceArmy(3, 8, 8, 5);
    EXPECT_EQ(logic::TileValue(2, 8, 8), -50);
    PlaceArmy(3, 8, 8, 9);
    EXPECT_EQ(logic::TileValue(2, 8, 8), -1000);
    PlaceArmy(3, 8, 8, 3);
    EXPECT_EQ(logic::TileValue(2, 8, 8), 0);  // 30 + 10 = 40, not below 40
    PlaceArmy(3, 8, 8, 2);
    EXPECT_EQ(logic::TileValue(2, 8, 8), 1000);
    // Beyond the range limit.
    l[Lord::moveRange] = 5;
    EXPECT_EQ(logic::TileValue(2, 6, 6), -10000);
    EXPECT_EQ(logic::TileValue(2, 7, 1), 0);
}

TEST_F(ComputerLordTest, TileValuesOfSpawnFieldsAndPlaces) {
    auto& g = state::G();
    auto& l = g.lord[2];
    l[Lord::moveRange] = 30;
    auto& sf = g.spawnField[1];
    sf[state::SpawnField::present] = 1;
    sf[state::SpawnField::kind] = 3;
    sf[state::SpawnField::x] = 5;
    sf[state::SpawnField::y] = 5;
    l[Lord::aiGoal] = 20;
    l[Lord::aiTarget] = 2;
    l[Lord::gold] = 200;
    EXPECT_EQ(logic::TileValue(2, 5, 5), 6000);
    l[Lord::gold] = 199;
    EXPECT_EQ(logic::TileValue(2, 5, 5), 1000);
    // Mercenaries: worth a visit only with the gold and without a countdown.
    auto& s = g.mapSite[2];
    s[MapSite::active] = 1;
    s[MapSite::kind] = 6;
    s[MapSite::x] = 3;
    s[MapSite::y] = 3;
    l[Lord::gold] = 600;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 5000);
    l[Lord::gold] = 599;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 0);
    s[MapSite::kind] = 4;
    l[Lord::gold] = 500;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 5000);
    s[MapSite::countdown] = 1;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 0);
    // Theme rows: the dragon of theme 1 (five eggs, then one).
    g.mapSetting[state::MapSetting::theme] = 1;
    s[MapSite::kind] = -1;
    l[Lord::themeCounter] = 5;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 10000);
    l[Lord::themeCounter] = 1;
    EXPECT_EQ(logic::TileValue(2, 3, 3), -5000);  // set -10000, then +5000
    l[Lord::themeCounter] = 0;
    EXPECT_EQ(logic::TileValue(2, 3, 3), -10000);
    l[Lord::heroLevel] = 8;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 10000);
    // Theme 3: the main site needs 20 ore and 500 gold, the others only a free site.
    g.mapSetting[state::MapSetting::theme] = 3;
    s[MapSite::countdown] = 0;
    l[Lord::themeCounter] = 20;
    l[Lord::gold] = 500;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 5000);
    l[Lord::themeCounter] = 19;
    EXPECT_EQ(logic::TileValue(2, 3, 3), -10000);
    s[MapSite::kind] = -2;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 1000);
    // Theme 15: any theme site, honor 20.
    g.mapSetting[state::MapSetting::theme] = 15;
    l[Lord::honor] = 20;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 5000);
    l[Lord::honor] = 19;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 0);
    // Theme 4: arena rank above 8 is done.
    g.mapSetting[state::MapSetting::theme] = 4;
    s[MapSite::kind] = -1;
    l[Lord::themeCounter] = 8;
    EXPECT_EQ(logic::TileValue(2, 3, 3), 1000);
    l[Lord::themeCounter] = 9;
    EXPECT_EQ(logic::TileValue(2, 3, 3), -10000);
    // Theme 5: a city is everything while the walls are missing.
    g.mapSetting[state::MapSetting::theme] = 5;
    City(3, 4, 9, 0, 100);
    EXPECT_EQ(logic::TileValue(2, 4, 9), 100000);
}

TEST_F(ComputerLordTest, TheTargetIsTheBestTileAndTiesGoToTheLaterColumnThenRow) {
    auto& g = state::G();
    auto& l = g.lord[2];
    l[Lord::moveRange] = 30;
    l[Lord::aiGoal] = 60;
    BuildAll(2);
    PlaceArmy(2, 6, 6);
    // Two equal cities at distance 2: (4, 6) and (6, 8); the later column wins.
    City(1, 4, 6, 0, 0);
    City(2, 6, 8, 0, 0);
    // ChooseTarget computes the goal itself from the stored one; keep it at 60.
    auto t = logic::ChooseTarget(2);
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.x, 6);
    EXPECT_EQ(t.y, 8);
    EXPECT_EQ(t.value, 5000);
    EXPECT_EQ(g.aiFieldScore[4][6], 5000);
    EXPECT_EQ(g.aiFieldScore[6][6], -10000);
    // Same column: the later row.
    City(1, 6, 4, 0, 0);
    t = logic::ChooseTarget(2);
    EXPECT_EQ(t.y, 8);
    // Nothing of value: the last tile of value 0 in range wins (scanning ends at 12, 11).
    g.mapSite[1][MapSite::active] = 0;
    g.mapSite[2][MapSite::active] = 0;
    t = logic::ChooseTarget(2);
    EXPECT_EQ(t.x, 12);
    EXPECT_EQ(t.y, 10);
    // An enemy army within two steps of the castle: no target.
    PlaceArmy(4, 11, 2);
    EXPECT_FALSE(logic::ChooseTarget(2).found);
    PlaceArmy(4, 11, 3);
    EXPECT_TRUE(logic::ChooseTarget(2).found);
}

// The path lists on a small map laid out for the test; walls of water close columns.
class ComputerPathTest : public ComputerLordTest {
  protected:
    void Water(int x, int y) { state::G().field[x][y][Field::walkable] = 0; }
    // Scores as a step would leave them: 0 everywhere but on water.
    void Scores() {
        auto& g = state::G();
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y)
                g.aiFieldScore[x][y] = g.field[x][y][Field::walkable] > 0 ? 0 : -100000;
        }
    }
    std::pair<int, int> Step(int tx, int ty) {
        state::G().currentLord = 2;
        Scores();
        logic::SearchPath(2, tx, ty);
        int x = 0, y = 0;
        if (!logic::NextStep(2, tx, ty, x, y)) return {0, 0};
        return {x, y};
    }
};

TEST_F(ComputerPathTest, PathsGoAroundWaterAndThroughNarrowPasses) {
    // Two corridors, columns 5 and 7, joined by one pass at row 10; water everywhere else.
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y) {
            if (x != 5 && x != 7 && !(x == 6 && y == 10)) Water(x, y);
        }
    }
    PlaceArmy(2, 7, 2);
    EXPECT_EQ(Step(5, 2), std::make_pair(7, 3));  // south, towards the pass
    PlaceArmy(2, 7, 10);
    EXPECT_EQ(Step(5, 2), std::make_pair(6, 10));  // through the pass
    // The target next to the army is entered directly.
    PlaceArmy(2, 7, 2);
    EXPECT_EQ(Step(7, 1), std::make_pair(7, 1));
    // Shut the pass: no way, no step.
    Water(6, 10);
    EXPECT_EQ(Step(5, 2), std::make_pair(0, 0));
    // A castle tile is never crossed: lord 2's own castle (12, 1) closes the way along row 1.
    auto& g = state::G();
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][Field::walkable] = y == 1 ? 1 : 0;
    }
    g.field[12][2][Field::walkable] = 1;
    g.field[11][2][Field::walkable] = 1;
    PlaceArmy(2, 12, 2);
    EXPECT_EQ(Step(10, 1), std::make_pair(11, 2));
}

TEST_F(ComputerPathTest, FullListsDropEntriesAndNeverWritePastTheEnd) {
    auto& g = state::G();
    // On the open map the search from a far corner fills both lists long before the army.
    PlaceArmy(2, 11, 10);
    g.lord[1][Lord::castleX] = 0;  // no castles in the way
    g.lord[3][Lord::castleX] = 0;
    EXPECT_EQ(Step(2, 2), std::make_pair(0, 0));
    int used = 0;
    for (int i = 1; i <= 48; ++i)
        used += g.aiPlanB[i][state::AIPlan::used];
    EXPECT_EQ(used, 48);
    // Near the target the search reaches the army: shortest length wins, first found on ties.
    PlaceArmy(2, 4, 4);
    EXPECT_EQ(Step(2, 2), std::make_pair(4, 3));  // north before west
}

TEST_F(ComputerPathTest, AStepWithoutAWayHomeUsesThePortalAndTellsTheHumanOnce) {
    auto& g = state::G();
    g.realmName[2] = "Green Realm";
    g.heroName[2] = "Gorm";
    // Lord 2 stands away from home; everything is water around it.
    PlaceArmy(2, 6, 6);
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y) {
            if (x != 6 || y != 6) Water(x, y);
        }
    }
    TurnOf(2);
    logic::ComputerLordStep();
    EXPECT_EQ(g.army[2][Army::x], 12);
    EXPECT_EQ(g.army[2][Army::y], 1);
    EXPECT_EQ(g.army[2][Army::movesLeft], 0);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().title, "Magic portal!");
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_green.jpg");
    EXPECT_EQ(dialogs.Last().text,
              "Gorm has opened a magic portal and returned to his home castle! You can do the "
              "same (click on \"Portal\" at the left).");
    PlaceArmy(2, 6, 6);
    TurnOf(2);
    logic::ComputerLordStep();
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(g.army[2][Army::x], 12);
}

TEST_F(ComputerLordTest, CityVisitsTaxTradeAndConquerOnlyAfterARealWin) {
    auto& g = state::G();
    BuildAll(2);
    auto& l = g.lord[2];
    TurnOf(2);
    // Own city: the taxes, and a trade for the building saved for.
    City(1, 10, 1, 2, 0);
    g.mapSite[1][MapSite::taxes] = 300;
    PlaceArmy(2, 10, 1);
    l[Lord::gold] = 100;
    l[Lord::aiGoal] = 60;
    logic::ComputerCityVisit(1);
    EXPECT_EQ(l[Lord::gold], 400);
    EXPECT_EQ(g.mapSite[1][MapSite::taxes], 0);
    l[Lord::walls] = 0;
    l[Lord::aiGoal] = 20;
    l[Lord::aiTarget] = 2;  // 2 wood, 6 stone
    l[Lord::gold] = 10000;
    l[Lord::wood] = 5;
    logic::ComputerCityVisit(1);
    EXPECT_EQ(l[Lord::wood], 2);
    EXPECT_EQ(l[Lord::stone], 6);
    EXPECT_EQ(l[Lord::iron], 0);
    // Gold equal to a price buys nothing.
    l[Lord::stone] = 0;
    l[Lord::gold] = 39;
    logic::ComputerCityVisit(1);
    EXPECT_EQ(l[Lord::stone], 0);

    // A stronger garrison: the army steps back.
    City(2, 9, 1, 0, 5);
    g.army[2][Army::prevX] = 10;
    g.army[2][Army::prevY] = 1;
    PlaceArmy(2, 9, 1, 4);
    l[Lord::aiGoal] = 60;
    logic::ComputerCityVisit(2);
    EXPECT_EQ(g.army[2][Army::x], 10);
    EXPECT_EQ(g.mapSite[2][MapSite::owner], 0);
    // Weaker garrison: the automatic battle, and the city after a win.
    g.mapSite[2][MapSite::garrison] = 1;
    PlaceArmy(2, 9, 1, 40);
    const int honor = l[Lord::honor];
    logic::ComputerCityVisit(2);
    EXPECT_EQ(g.mapSite[2][MapSite::owner], 2);
    EXPECT_EQ(g.mapSite[2][MapSite::size], 1);
    EXPECT_EQ(l[Lord::honor], honor + 2);
    EXPECT_GT(g.army[2][Army::soldiers], 0);
    EXPECT_EQ(g.mapSite[2][MapSite::garrison], 1);  // the garrison record stays
    // Goal 45 or 10 never stops for a city.
    City(3, 8, 1, 0, 0);
    g.army[2][Army::prevX] = 9;
    PlaceArmy(2, 8, 1, 40);
    l[Lord::aiGoal] = 45;
    logic::ComputerCityVisit(3);
    EXPECT_EQ(g.army[2][Army::x], 9);
    EXPECT_EQ(g.mapSite[3][MapSite::owner], 0);
}

// A battle lost takes nothing: a garrison that looks weaker (35 archers against 40 soldiers of
// the same health) but strikes far harder beats the army, which goes home.
TEST_F(ComputerLordTest, ACityIsNotTakenWhenTheBattleEndsWithoutAWin) {
    auto& g = state::G();
    g.troopType[1][state::TroopType::health] = 10;
    g.troopType[3][state::TroopType::health] = 10;
    g.troopType[3][state::TroopType::attack] = 1000;
    TurnOf(2);
    City(2, 9, 1, 3, 0);
    g.mapSite[2][MapSite::garrisonArchers] = 35;
    PlaceArmy(2, 9, 1, 40);
    g.lord[2][Lord::aiGoal] = 60;
    logic::ComputerCityVisit(2);
    EXPECT_EQ(g.mapSite[2][MapSite::owner], 3);
    EXPECT_EQ(g.lord[2][Lord::honor], 0);
    EXPECT_LT(g.army[2][Army::soldiers], 40);
    EXPECT_EQ(g.army[2][Army::x], 12);
    EXPECT_EQ(g.army[2][Army::y], 1);
    EXPECT_TRUE(hooks.Has("RefreshComputerStatus"));
}

TEST_F(ComputerLordTest, AWholeTurnOfElevenStepsOnAStagedMap) {
    auto& g = state::G();
    // Lord 2 is stuck in a pocket: its castle and one field south, the rest water. An enemy
    // army two steps from its castle makes it hire with all its gold in every step.
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][Field::walkable] = (x == 12 && y <= 3) || (x == 11 && y == 1) ? 1 : 0;
    }
    BuildAll(2);
    PlaceArmy(3, 12, 3, 4);
    g.lord[2][Lord::gold] = 4000;
    g.currentLord = 1;
    g.army[1][Army::movesLeft] = 0;
    logic::NextLord();
    EXPECT_EQ(g.currentLord, 2);
    EXPECT_EQ(g.lord[2][Lord::aiGoal], 10);
    EXPECT_EQ(g.lord[2][Lord::aiTarget], 3);
    // No target near an enemy army: all steps run and the army stays home.
    EXPECT_EQ(hooks.Count("RefreshComputerStatus"), 11);
    EXPECT_EQ(g.army[2][Army::x], 12);
    EXPECT_EQ(g.army[2][Army::y], 1);
    EXPECT_LT(g.lord[2][Lord::gold], 400);
    EXPECT_GT(g.army[2][Army::soldiers], 4);

    // Next turn without the enemy: the lord walks one step and ends its turn.
    PlaceArmy(3, 12, 11, 4);
    hooks.calls.clear();
    g.currentLord = 1;
    logic::NextLord();
    EXPECT_EQ(hooks.Count("RefreshComputerStatus"), 1);
    EXPECT_EQ(g.army[2][Army::movesLeft], 0);
    EXPECT_EQ(logic::StepDistance(12, 1, g.army[2][Army::x], g.army[2][Army::y]), 1);
}

}  // namespace
}  // namespace camptest

namespace camptest {
namespace {

using ComputerStatusTest = CampaignTest;

TEST_F(ComputerStatusTest, TheStatusScreenShowsTheLordAndItsGoal) {
    auto& g = state::G();
    g.heroName[3] = "Rana";
    g.lord[3][state::Lord::gold] = 1234;
    g.lord[3][state::Lord::walls] = 1;
    g.lord[3][state::Lord::aiGoal] = 45;
    g.lord[3][state::Lord::aiTarget] = 4;
    auto s = logic::ShowComputerLordStatus(3);
    EXPECT_EQ(s.name, "Red Realm");
    EXPECT_EQ(s.logo, "factionlogo_red.jpg");
    EXPECT_EQ(s.values[0], "Gold: 1234");
    EXPECT_EQ(s.values[4], "Stones: 0");
    EXPECT_EQ(s.values[7], "Elephants: 0");
    EXPECT_EQ(s.values[6], "Soldiers: 4");
    EXPECT_EQ(s.buildings[0], "Barracks: No");
    EXPECT_EQ(s.buildings[1], "Walls: Yes");
    EXPECT_EQ(s.buildings[4], "Treasurer: No");
    EXPECT_EQ(s.goal, "\"We can attack the enemy castle (cyan) and should do so!\"");
    g.lord[3][state::Lord::aiGoal] = 52;
    EXPECT_EQ(logic::ShowComputerLordStatus(3).goal, "\"?\"");
    // A lord out of the game snaps back to the current one.
    g.lord[4][state::Lord::inGame] = 0;
    TurnOf(2);
    EXPECT_EQ(logic::StatusLordFor(4), 2);
    EXPECT_EQ(logic::StatusLordFor(3), 3);
}

}  // namespace
}  // namespace camptest
