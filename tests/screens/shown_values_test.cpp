// What the windows show against the tables: a value changed behind a window's back is reported
// with its control, and the refresh that runs when a modal window opens or closes (or after an
// operation) makes each window show the tables again.
#include <gtest/gtest.h>

#include <string>

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "campaign/city_visit.h"
#include "dungeon/exploration.h"
#include "platform/driver.h"
#include "screens/battle_panel.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/shown_values.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcity.h"
#include "screens/tform3.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/reset.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

struct ShownFixture {
    HeadlessApp h{true};
    screens::GameScreens screens{h.App(), screens::StartOptions{true, 5}};
    screens::TFCampaign1& map = screens.Campaign();
    state::GameState& g = state::G();

    ShownFixture() {
        state::ResetGameState(g);
        state::ScenarioSetup(g);
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                g.field[x][y][state::Field::walkable] = 1;
                g.field[x][y][state::Field::tile] = 200;
            }
        }
        for (int p : {1, 3}) {
            g.lord[p][state::Lord::inGame] = 1;
            g.lord[p][state::Lord::controller] = p == 1 ? 1 : 2;
            g.army[p][state::Army::present] = 1;
        }
        g.army[1][state::Army::x] = 6;
        g.army[1][state::Army::y] = 6;
        g.army[3][state::Army::x] = 10;
        g.army[3][state::Army::y] = 9;
        g.army[1][state::Army::movesLeft] = 4;
        g.currentLord = 1;
        map.DrawMap(true, false);
        map.Show();
    }
    std::string Faults() {
        std::string all;
        for (const std::string& fault : screens::ShownValueFaults(screens))
            all += fault + "\n";
        return all;
    }
};

TEST(ShownValues, StatusBarHeroPanelTroopsAndMoveTargets) {
    ShownFixture f;
    EXPECT_EQ(f.Faults(), "");
    const std::string goldShown = std::to_string(f.g.lord[1][state::Lord::gold]);
    f.g.lord[1][state::Lord::gold] = 1234;
    f.g.lord[1][state::Lord::heroLevel] = 3;
    f.g.army[1][state::Army::archers] = 7;
    const std::string faults = f.Faults();
    EXPECT_NE(faults.find("TFCampaign1 Label2 (gold) shows \"" + goldShown +
                          "\", the tables hold \"1234\""),
              std::string::npos)
        << faults;
    EXPECT_NE(faults.find("Label17 (hero level)"), std::string::npos) << faults;
    EXPECT_NE(faults.find("Label10 (troops) shows \"0\", the tables hold \"7\""), std::string::npos)
        << faults;
    // An operation ends like a click: the bar shows the tables again.
    f.h.App().RefreshViews();
    EXPECT_EQ(f.Faults(), "");
    // The map drawn without the highlight while the human may step: the move targets are missing.
    f.map.DrawMap(false, false);
    EXPECT_NE(f.Faults().find("MoveFieldN (move target)"), std::string::npos);
    f.map.DrawMap(true, false);
    EXPECT_EQ(f.Faults(), "");
    // In the computer lord's turn the bar is the human's, and shows its values too.
    f.g.currentLord = 3;
    f.g.lord[1][state::Lord::honor] = 12;
    f.h.App().RefreshViews();
    EXPECT_EQ(f.Faults(), "");
}

TEST(ShownValues, AModalWindowRefreshesTheWindowsBehindIt) {
    ShownFixture f;
    bool checked = false;
    f.h.Then([&] {
        // The notice has just opened: the gold changed before it is already on the bar.
        EXPECT_EQ(f.Faults(), "");
        f.g.lord[1][state::Lord::wood] = 55;  // changed while the notice is open
        platform::Driver(f.h.App()).PressEnterEscape(true);
        checked = true;
    });
    f.g.lord[1][state::Lord::gold] = 4321;
    f.screens.Dialogs().ShowShortNotice("Done.", "Continue");
    ASSERT_TRUE(checked);
    EXPECT_EQ(f.Faults(), "");  // and the wood once the notice has closed
}

TEST(ShownValues, DungeonStatusColumn) {
    ShownFixture f;
    auto& hero = f.g.hero[1];
    hero[state::Hero::level] = 2;
    hero[state::Hero::baseMaxHealth] = 25;
    hero[state::Hero::health] = 25;
    hero[state::Hero::rations] = 6;
    f.g.dungeonLord = 1;
    f.g.inDungeon = 1;
    screens::TForm3& window = f.screens.Dungeon().Window();
    window.Show();
    logic::DrawHeroStatus();
    EXPECT_EQ(f.Faults(), "");
    hero[state::Hero::goldCarried] = 250;
    hero[state::Hero::rations] = 5;
    hero[state::Hero::health] = 3;
    const std::string faults = f.Faults();
    EXPECT_NE(faults.find("TForm3 GoldLabel (gold carried) shows \"0 gold\", the tables hold "
                          "\"250 gold\""),
              std::string::npos)
        << faults;
    EXPECT_NE(faults.find("RationsLabel (rations)"), std::string::npos) << faults;
    EXPECT_NE(faults.find("HealthPicture (health) shows \"Health9.jpg\""), std::string::npos)
        << faults;
    f.h.App().RefreshViews();
    EXPECT_EQ(f.Faults(), "");
    f.g.inDungeon = 0;
    window.CloseByProgram();
}

TEST(ShownValues, CityScreen) {
    ShownFixture f;
    auto& city = f.g.mapSite[2];
    city[state::MapSite::active] = 1;
    city[state::MapSite::kind] = 1;
    city[state::MapSite::x] = 6;
    city[state::MapSite::y] = 6;
    city[state::MapSite::owner] = 1;
    city[state::MapSite::taxes] = 300;
    std::string during;
    f.h.Then([&] {
        during = f.Faults();
        f.g.mapSite[2][state::MapSite::garrisonSoldiers] = 9;
        f.g.mapSite[2][state::MapSite::taxes] = 450;
        const std::string faults = f.Faults();
        EXPECT_NE(faults.find("TFCity Label2 (soldiers) shows \"0\", the tables hold \"9\""),
                  std::string::npos)
            << faults;
        EXPECT_NE(faults.find("SpeedButton3 (taxes) shows \"" + logic::TaxCaption(300)),
                  std::string::npos)
            << faults;
        f.h.App().RefreshViews();
        EXPECT_EQ(f.Faults(), "");
        f.screens.City().Close();
    });
    f.screens.City().Open(2);
    EXPECT_EQ(during, "");
}

TEST(ShownValues, BattlePanel) {
    ShownFixture f;
    auto& own = f.g.battleOwnSide;
    auto& foe = f.g.battleFoeSide;
    own[state::BattleSide::soldiers] = 20;
    foe[state::BattleSide::soldiers] = 20;
    own[state::BattleSide::startStrength] = logic::SideStrength(own);
    foe[state::BattleSide::startStrength] = logic::SideStrength(foe);
    ASSERT_GT(foe[state::BattleSide::startStrength], 0);
    f.map.Battle().Show();
    logic::RefreshBattleDisplay();
    EXPECT_EQ(f.Faults(), "");
    foe[state::BattleSide::soldiers] = 2;
    own[state::BattleSide::soldiers] = 11;
    const std::string faults = f.Faults();
    EXPECT_NE(faults.find("BattleFoeHealth (enemy strength)"), std::string::npos) << faults;
    EXPECT_NE(faults.find("Label9 (troops) shows \"20\", the tables hold \"11\""),
              std::string::npos)
        << faults;
    f.h.App().RefreshViews();
    EXPECT_EQ(f.Faults(), "");
    f.map.Battle().Hide();
}

}  // namespace
