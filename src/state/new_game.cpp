#include "state/new_game.h"

#include "state/theme_weapon.h"

namespace state {

namespace {

struct TroopStart {
    Int slot1, slot2;
};

// Rows 1 to 11: soldiers, fast troops, archers, siege troops, orcs, dwarven axemen, skeleton
// knights, elvish archers, dragons, nightscares, crusaders.
constexpr TroopStart kTroopTypes[11] = {{6, 10},  {12, 8}, {14, 4},  {30, 6},  {8, 10}, {6, 20},
                                        {14, 12}, {10, 6}, {30, 20}, {16, 16}, {14, 10}};

constexpr Int kBattleOrders[3][3] = {{1, 3, 1}, {1, 2, 1}, {3, 3, 3}};

constexpr const char* kHeroNames[4] = {"Sultan Hunas", "Sultan Pallavas", "Sultan Kujula",
                                       "Sultan Samudragupta"};
constexpr const char* kRealmNames[4] = {"Sultanate Bahmani", "Sultanate Kushar",
                                        "Sulatanate Kuninda", "Sultanate Aryabhata"};

// The hero's start record: slot and value.
constexpr std::pair<int, Int> kHeroStart[] = {{1, 1},  {5, 1},   {6, 0},   {7, 400}, {8, 1},
                                              {9, 0},  {10, 10}, {11, 4},  {13, 1},  {20, 25},
                                              {21, 8}, {22, 8},  {30, 25}, {31, 8},  {32, 8}};

constexpr Int kStartGold = 1000;
constexpr Int kStartRange = 5;
constexpr Int kStartSoldiers = 4;

}  // namespace

void ScenarioSetup(GameState& g) {
    for (int row = 1; row <= 11; ++row) {
        g.troopType[row][1] = kTroopTypes[row - 1].slot1;
        g.troopType[row][2] = kTroopTypes[row - 1].slot2;
    }
    for (int row = 1; row <= 3; ++row) {
        for (int slot = 1; slot <= 3; ++slot) {
            g.battleOrdersOwn[row][slot] = kBattleOrders[row - 1][slot - 1];
            g.battleOrdersFoe[row][slot] = kBattleOrders[row - 1][slot - 1];
        }
    }
    for (int p = 1; p <= 4; ++p) {
        g.heroName[p] = kHeroNames[p - 1];
        g.realmName[p] = kRealmNames[p - 1];
    }
    // DungeonLord is the loop lord here, as it always was; it ends at 4.
    for (g.dungeonLord = 1; g.dungeonLord <= 4; ++g.dungeonLord) {
        const int p = g.dungeonLord;
        for (const auto& [slot, value] : kHeroStart)
            g.hero[p][slot] = value;
        Record& lord = g.lord[p];
        lord[Lord::gold] = kStartGold;
        lord[Lord::moveRange] = kStartRange;
        lord[Lord::heroLevel] = 1;
        lord[Lord::difficulty] = 1;
        Record& army = g.army[p];
        army[Army::present] = 1;
        army[Army::x] = lord[Lord::castleX];
        army[Army::y] = lord[Lord::castleY];
        army[Army::soldiers] = kStartSoldiers;
        army[Army::fast] = 0;
        army[Army::archers] = 0;
        // A castle that lies off the map has no field to own (the file is not trusted).
        if (Int* owner = g.field.Find(lord[Lord::castleX], lord[Lord::castleY], Field::owner)) {
            *owner = p;
        }
    }
    g.dungeonLord = 4;
    g.currentLord = 4;
    g.dungeonTurn = 0;
    FillSpecialItemRow(g);
    // The heroes' gear bonuses are recomputed here once items can be worn.
}

void SetDifficulty(Int value, GameState& g) {
    for (int p = 1; p <= 4; ++p) {
        if (g.lord[p][Lord::inGame] > 0) g.lord[p][Lord::difficulty] = value;
    }
}

}  // namespace state
