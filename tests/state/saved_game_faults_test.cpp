// Saved games with values the rules could not work with: each is refused with the value named,
// and the running game is kept.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "state/game_state.h"
#include "state/saved_games.h"
#include "state/value_ranges.h"
#include "support/temp_dir.h"

namespace {

using namespace state;

// Blue (the player) and red (the computer) on their castles, blue's turn, a city of red's.
void PlayableGame(GameState& g) {
    g = GameState{};
    g.currentLord = 1;
    g.dungeonLord = 1;
    g.mapSetting[MapSetting::theme] = 3;
    for (int p : {1, 3}) {
        g.lord[p][Lord::inGame] = 1;
        g.lord[p][Lord::controller] = p == 1 ? 1 : 2;
        g.lord[p][Lord::castleX] = 3 * p;
        g.lord[p][Lord::castleY] = 2 * p;
        g.lord[p][Lord::heroLevel] = 1;
        g.hero[p][Hero::level] = 1;
        g.hero[p][Hero::baseMaxHealth] = 25;
        g.army[p][Army::present] = 1;
        g.army[p][Army::x] = 3 * p;
        g.army[p][Army::y] = 2 * p;
        g.army[p][Army::soldiers] = 4;
    }
    g.mapSite[1][MapSite::active] = 1;
    g.mapSite[1][MapSite::kind] = 1;
    g.mapSite[1][MapSite::owner] = 3;
    g.itemTable[17][ItemTable::exists] = 1;
}

class SavedGameFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::UseFiles(platform::Files(data_.Path(), user_.Path()));
        running_ = std::make_unique<GameState>();
    }
    void TearDown() override { platform::UseFiles(platform::Files()); }
    // The error of loading a playable game changed by `damage` from slot 2 over a running game.
    std::string LoadDamaged(const std::function<void(GameState&)>& damage) {
        auto saved = std::make_unique<GameState>();
        PlayableGame(*saved);
        damage(*saved);
        std::string error;
        EXPECT_TRUE(SaveGame(2, error, *saved)) << error;
        PlayableGame(*running_);
        running_->lord[1][Lord::gold] = 777;
        error.clear();
        if (LoadGame(2, error, *running_)) return {};
        EXPECT_EQ(running_->lord[1][Lord::gold], 777);
        return error;
    }
    testsupport::TempDir data_, user_;
    std::unique_ptr<GameState> running_;
};

TEST_F(SavedGameFaults, ValuesThePlayWouldOverflowAreRefused) {
    constexpr Int kMax = kIntMax;
    constexpr Int kMin = kIntMin;
    struct Case {
        std::function<void(GameState&)> damage;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {[](GameState& g) { g.mapSite[1][MapSite::woodPrice] = kMax; },
         "the map site 1's wood price is 2147483647, not from 0 to 135"},
        {[](GameState& g) { g.mapSite[1][MapSite::gemsPrice] = kMin; },
         "the map site 1's gems price is -2147483648, not from 0 to 500"},
        {[](GameState& g) { g.lord[1][Lord::heroLevel] = kMax; },
         "the blue lord's hero level is 2147483647, not from 0 to 8"},
        {[](GameState& g) { g.army[3][Army::fast] = kMax; },
         "the red lord's army counts 2147483647 troops of one kind"},
        {[](GameState& g) { g.army[3][Army::soldiers] = kTroopLimit + 1; },
         "the red lord's army counts 100001 troops of one kind"},
        {[](GameState& g) { g.troopType[2][TroopType::health] = kMax; },
         "the troop type 2's health is 2147483647, not from 0 to 1000"},
        {[](GameState& g) { g.mapSite[1][MapSite::garrisonSoldiers] = kMax; },
         "the map site 1's garrison counts 2147483647 troops of one kind"},
        {[](GameState& g) {
             g.hero[1][Hero::health] = kMax;
             g.hero[1][Hero::baseMaxHealth] = kMax;
         },
         "the blue lord's hero's health is 2147483647, not from -1000000 to 2000000"},
        {[](GameState& g) { g.hero[3][Hero::itemHealthBonus] = 1'000'001; },
         "the red lord's hero's health from items is 1000001, not from 0 to 1000000"},
        {[](GameState& g) { g.field[1][1][Field::tile] = 636; },
         "the field (1, 1)'s tile is 636, not from 0 to 635"},
        {[](GameState& g) { g.itemTable[500][ItemTable::itemKind] = 4; },
         "the item 500's kind is 4, not from 0 to 3"},
        {[](GameState& g) { g.room[7][5][Room::monster] = 101; },
         "the dungeon room (7, 5)'s monster is 101, not from 0 to 100"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadDamaged(c.damage),
                  std::string("The saved game \"Savegame02.int\" could not be loaded: ") + c.fault +
                      ". The current game was kept.");
    }
    // Treasuries and taxes may hold any value: every sum on them saturates.
    EXPECT_EQ(LoadDamaged([](GameState& g) {
                  g.lord[1][Lord::gold] = kIntMax;
                  g.lord[3][Lord::honor] = kIntMin;
                  g.mapSite[1][MapSite::taxes] = kIntMax;
                  g.hero[1][Hero::goldCarried] = kIntMin;
              }),
              "");
    EXPECT_EQ(running_->lord[1][Lord::gold], kIntMax);
}

TEST_F(SavedGameFaults, ACarriedItemIsAnItemOfTheScenario) {
    for (Int item : {0, 500, -1}) {
        EXPECT_EQ(LoadDamaged([item](GameState& g) {
                      g.heroGear[1][2][HeroGear::present] = 1;
                      g.heroGear[1][2][HeroGear::item] = item;
                  }),
                  "The saved game \"Savegame02.int\" could not be loaded: the blue lord's hero "
                  "carries the item " +
                      std::to_string(item) +
                      ", which is not among the scenario's items. The current game was kept.");
    }
    EXPECT_EQ(LoadDamaged([](GameState& g) {
                  g.heroGear[1][2][HeroGear::present] = 1;
                  g.heroGear[1][2][HeroGear::item] = 9999;
              }),
              "The saved game \"Savegame02.int\" could not be loaded: the blue lord's hero's "
              "backpack slot 2's item is 9999, not from -1 to 500. The current game was kept.");
    // An item of the catalogue, and any number of the range in a slot that holds nothing.
    EXPECT_EQ(LoadDamaged([](GameState& g) {
                  g.heroGear[1][2][HeroGear::present] = 1;
                  g.heroGear[1][2][HeroGear::item] = 17;
                  g.heroGear[1][3][HeroGear::item] = 400;
              }),
              "");
    EXPECT_EQ(running_->heroGear[1][2][HeroGear::item], 17);
}

}  // namespace
