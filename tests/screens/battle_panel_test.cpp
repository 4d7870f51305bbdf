// The battle panel on the strategic window with its real timers in virtual time: the clock, the
// cool-down and the flashes as the player sees them, the pause around dialogs, the help, and the
// command editor.
#include <gtest/gtest.h>

#include "battle/battle_engine.h"
#include "campaign/strategic_buttons.h"
#include "platform/driver.h"
#include "platform/form.h"
#include "rules/view_hooks.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "screens/tfmodifybattlecommands.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/reset.h"
#include "support/game_data.h"
#include "support/headless_app.h"
#include "support/scripted_dialogs.h"

namespace {

namespace BS = state::BattleSide;
using testsupport::HeadlessApp;

struct PanelFixture {
    HeadlessApp h{true};
    screens::GameScreens screens{h.App(), screens::StartOptions{true, 3}};
    screens::TFCampaign1& map = screens.Campaign();
    state::GameState& g = state::G();

    PanelFixture() {
        state::ResetGameState(g);
        state::ScenarioSetup(g);
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                g.field[x][y][state::Field::walkable] = 1;
                g.field[x][y][state::Field::tile] = 200;
            }
        }
        const int castles[2][2] = {{1, 1}, {12, 11}};
        for (int p = 1; p <= 2; ++p) {
            auto& lord = g.lord[p];
            lord[state::Lord::inGame] = 1;
            lord[state::Lord::controller] = p;
            lord[state::Lord::castleX] = castles[p - 1][0];
            lord[state::Lord::castleY] = castles[p - 1][1];
            lord[state::Lord::heroLevel] = 1;
            g.army[p][state::Army::present] = 1;
            g.army[p][state::Army::x] = 6;
            g.army[p][state::Army::y] = 6;
        }
        g.army[1][state::Army::soldiers] = 40;
        g.army[2][state::Army::soldiers] = 40;
        g.currentLord = 1;
        map.Show();
    }

    platform::Control& C(const std::string& name) {
        platform::Control* c = map.Find(name);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    std::string Picture(const std::string& name) {
        return static_cast<platform::Picture&>(C(name)).FileName();
    }
    void Click(const std::string& name) { platform::Driver(h.App()).ClickControl(C(name)); }
    // Lets virtual time pass, firing every timer that falls due on the way.
    void Advance(int ms) {
        const std::int64_t target = h.Clock().NowMs() + ms;
        while (h.App().AdvanceVirtualTime(target)) {
        }
    }
    bool BattleShown() { return logic::Hooks().View().IsBattleShown(); }
    // Runs the strategic window's loop through the queued steps, then leaves it.
    void Run() {
        h.Then([this] {
            g.returnToMenu = true;
            map.Close();
        });
        h.App().Run(map);
    }
};

TEST(BattlePanel, RealTimersBringTheFirstRoundFourSecondsAfterTheOrder) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    PanelFixture f;
    testsupport::ScriptedDialogs dialogs;
    EXPECT_FALSE(f.BattleShown());
    logic::StartBattle(1, 2);
    EXPECT_TRUE(f.BattleShown());
    EXPECT_EQ(f.Picture("BattleOwnLogo"), "factionlogo_blue.jpg");
    EXPECT_EQ(f.Picture("BattleFoeLogo"), "factionlogo_green.jpg");
    EXPECT_EQ(f.Picture("BattleOwnHealth"), "Health9.jpg");
    EXPECT_EQ(f.C("BattleOwnHeroBonus").Caption(), "5 %");
    EXPECT_FALSE(f.C("BattleOwnCastleBonus").Visible());  // 0 is hidden
    EXPECT_TRUE(f.C("HeroicPlaceholders").Visible());

    // The battle starts paused: nothing happens however long the player waits.
    f.Advance(20000);
    EXPECT_EQ(f.g.battleFoeSide[BS::order], 0);
    EXPECT_EQ(f.g.battleOwnSide[BS::soldiers], 40);

    f.Click("BattleAttack");
    EXPECT_LT(f.g.battleFoeSide[BS::soldiers], 40);
    EXPECT_FALSE(f.C("BattleAttack").Enabled());
    EXPECT_FALSE(f.C("BattleRetreat").Enabled());
    EXPECT_TRUE(f.C("BattleAttackHourglass").Visible());
    EXPECT_EQ(f.Picture("BattleFoeLogo"), "factionlogo_green_r.jpg");
    f.Advance(249);
    EXPECT_EQ(f.Picture("BattleFoeLogo"), "factionlogo_green_r.jpg");
    f.Advance(1);
    EXPECT_EQ(f.Picture("BattleFoeLogo"), "factionlogo_green.jpg");
    f.Advance(550);  // 800 ms: the cool-down's second tick
    EXPECT_EQ(f.Picture("BattleAttackHourglass"), "hourglass_75of100_sm.jpg");
    f.Advance(3199);  // 3999 ms
    EXPECT_EQ(f.g.battleFoeSide[BS::order], 0);
    EXPECT_EQ(f.g.battleOwnSide[BS::soldiers], 40);
    EXPECT_EQ(f.Picture("BattleAttackHourglass"), "hourglass_0of100_sm.jpg");
    f.Advance(1);  // 4000 ms: the first enemy round and the end of the cool-down
    EXPECT_NE(f.g.battleFoeSide[BS::order], 0);
    EXPECT_LT(f.g.battleOwnSide[BS::soldiers], 40);
    EXPECT_EQ(f.Picture("BattleOwnLogo"), "factionlogo_blue_r.jpg");
    EXPECT_TRUE(f.C("BattleAttack").Enabled());
    EXPECT_FALSE(f.C("BattleAttackHourglass").Visible());
    // The status bar shows the battle's troops, not the army's.
    EXPECT_EQ(f.C("Label9").Caption(), std::to_string(f.g.battleOwnSide[BS::soldiers]));
    f.Advance(250);
    EXPECT_EQ(f.Picture("BattleOwnLogo"), "factionlogo_blue.jpg");

    // The pause button stops the clock and shows the paused picture.
    f.Click("BattlePause");
    EXPECT_FALSE(f.map.BattleClock().Enabled());
    const int own = f.g.battleOwnSide[BS::soldiers];
    f.Advance(12000);
    EXPECT_EQ(f.g.battleOwnSide[BS::soldiers], own);
    f.Click("BattlePause");
    EXPECT_TRUE(f.map.BattleClock().Enabled());

    // Retreat: the panel goes, every battle timer stops.
    f.Click("BattleRetreat");
    EXPECT_TRUE(
        dialogs.ShownText("You order your men to retreat. The enemy follows close behind "
                          "and you have no choice than to to return to your castle."));
    EXPECT_FALSE(f.BattleShown());
    EXPECT_FALSE(f.map.BattleClock().Enabled());
    EXPECT_FALSE(f.map.CommandDelayTimer().Enabled());
    EXPECT_FALSE(f.map.FlashTimer(logic::BattleSideId::own).Enabled());
}

TEST(BattlePanel, FlankIsGreyedWithACastleBonusAndTheBonusLineShows) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    PanelFixture f;
    testsupport::ScriptedDialogs dialogs;
    f.g.army[2][state::Army::x] = 12;  // the enemy on its own castle
    f.g.army[2][state::Army::y] = 11;
    f.g.lord[2][state::Lord::Built(2)] = 1;  // with walls
    logic::StartBattle(1, 2);
    EXPECT_FALSE(f.C("BattleFlank").Enabled());
    EXPECT_TRUE(f.C("BattleFoeCastleBonus").Visible());
    EXPECT_EQ(f.C("BattleFoeCastleBonus").Caption(), "35 %");
    f.Click("BattleDefend");
    f.Advance(4000);
    EXPECT_TRUE(f.C("BattleDefend").Enabled());
    EXPECT_FALSE(f.C("BattleFlank").Enabled());  // still greyed after the cool-down
}

TEST(BattlePanel, ARefusalPausesTheBattleButHelpAndTheCommandEditorDoNot) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    PanelFixture f;
    int ownBefore = 0;
    f.h.Then([&] {
        logic::StartBattle(1, 2);  // "A battle!" is open now
    });
    f.h.Then([&] {
        platform::Driver(f.h.App()).ClickControl(*f.h.App().InputForm()->Find("SpeedButton1"));
    });
    f.h.Then([&] {
        f.Click("BattleAttack");
        ownBefore = f.g.battleOwnSide[BS::soldiers];
        f.Click("SpeedButton4");  // Skip: refused during a battle
    });
    f.h.Then([&] {
        EXPECT_EQ(f.h.App().InputForm()->ClassName(), "TFMessage3");
        EXPECT_FALSE(f.map.BattleClock().Enabled());
        EXPECT_FALSE(f.map.CommandDelayTimer().Enabled());
    });
    f.h.ThenWait(10000);
    f.h.Then([&] {
        // No enemy round came while the refusal was open.
        EXPECT_EQ(f.g.battleOwnSide[BS::soldiers], ownBefore);
        EXPECT_EQ(f.g.battleFoeSide[BS::order], 0);
        platform::Driver(f.h.App()).ClickControl(*f.h.App().InputForm()->Find("SpeedButton1"));
    });
    f.h.Then([&] {
        EXPECT_TRUE(f.map.BattleClock().Enabled());
        EXPECT_TRUE(f.map.CommandDelayTimer().Enabled());
        platform::Driver(f.h.App()).ClickControl(f.C("BattleAttack"), platform::MouseButton::Right);
    });
    f.h.Then([&] {
        platform::Form* help = f.h.App().InputForm();
        EXPECT_EQ(help->ClassName(), "TFHelpMessage");
        EXPECT_TRUE(f.map.BattleClock().Enabled());
    });
    f.h.ThenWait(4000);
    f.h.Then([&] {
        // The enemy struck while the help was open.
        EXPECT_NE(f.g.battleFoeSide[BS::order], 0);
        ownBefore = f.g.battleOwnSide[BS::soldiers];
        f.h.App().InputForm()->Close();
    });
    f.h.Then([&] { f.Click("BattleModify"); });
    f.h.Then([&] {
        auto& editor = static_cast<screens::TFModifyBattleCommands&>(*f.h.App().InputForm());
        EXPECT_EQ(editor.ClassName(), "TFModifyBattleCommands");
        EXPECT_TRUE(f.map.BattleClock().Enabled());
        EXPECT_FALSE(editor.RoleList(1)->Enabled());
    });
    f.h.ThenWait(4000);
    f.h.Then([&] {
        EXPECT_LT(f.g.battleOwnSide[BS::soldiers], ownBefore);
        f.h.App().InputForm()->Close();
    });
    f.Run();
    EXPECT_TRUE(f.BattleShown());
}

TEST(BattlePanel, HoverHelpAndSideInformation) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    PanelFixture f;
    testsupport::ScriptedDialogs dialogs;
    logic::StartBattle(1, 2);
    platform::Driver(f.h.App()).HoverControl(f.C("BattleDefend"));
    EXPECT_TRUE(f.C("BattleHelpStrip").Visible());
    EXPECT_EQ(f.C("BattleHelpStrip").Caption(),
              "Melee/range +50% defense vs. enemy range and -25% attack, fast melee vs. flanking "
              "attacks.");
    f.Advance(3499);
    EXPECT_TRUE(f.C("BattleHelpStrip").Visible());
    f.Advance(1);
    EXPECT_FALSE(f.C("BattleHelpStrip").Visible());
    platform::Driver(f.h.App()).HoverControl(f.C("BattleFoeHeroBonus"));
    EXPECT_EQ(f.C("BattleHelpStrip").Caption(),
              "Battle bonus for the enemy hero experience level!");
    // Any action hides the strip.
    f.Click("BattlePause");
    EXPECT_FALSE(f.C("BattleHelpStrip").Visible());

    platform::Driver(f.h.App()).HoverControl(f.C("BattleFoeLogo"));
    EXPECT_TRUE(f.C("BattleInfoPanel").Visible());
    EXPECT_EQ(f.C("BattleInfoTitle").Caption(), "Enemy army:");
    EXPECT_EQ(f.C("BattleInfoCount1").Caption(), "Soldiers: 40");
    EXPECT_EQ(f.C("BattleInfoOrderCaption").Caption(), "(Paused)");
    f.Click("BattleFlank");
    platform::Driver(f.h.App()).HoverControl(f.C("BattleOwnLogo"));
    EXPECT_EQ(f.C("BattleInfoTitle").Caption(), "Your army:");
    EXPECT_EQ(f.C("BattleInfoOrderCaption").Caption(), "Flank");
    EXPECT_EQ(f.Picture("BattleInfoOrder"), "m1_action_retreat.jpg");
}

TEST(BattlePanel, TheCommandEditorWritesTheSelectedFormation) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    PanelFixture f;
    screens::TFModifyBattleCommands& editor = f.screens.ModifyCommands();
    f.g.selectedFormation = 0;
    editor.Refresh();
    editor.Show();
    for (int role = 1; role <= 3; ++role) {
        EXPECT_FALSE(editor.RoleList(role)->Enabled());
        EXPECT_EQ(editor.RoleList(role)->Caption(), "Attack");
    }
    // A disabled list takes no click.
    platform::Driver(f.h.App()).ClickControl(*editor.RoleList(1));
    EXPECT_EQ(f.g.battleOrdersOwn[1][state::BattleOrders::melee], 1);
    platform::Driver(f.h.App()).ClickControl(*editor.Formation(3));  // Defend: (3, 3, 3)
    EXPECT_EQ(f.g.selectedFormation, 3);
    EXPECT_EQ(editor.RoleList(1)->Caption(), "Defend");
    EXPECT_EQ(editor.RoleList(2)->Caption(), "Defend");
    EXPECT_EQ(editor.Formation(3)->Caption(), "");
    platform::Driver(f.h.App()).ClickControl(
        *editor.RoleList(2));  // steps from Defend round to Attack
    EXPECT_EQ(f.g.battleOrdersOwn[3][state::BattleOrders::fastMelee], 1);
    platform::Driver(f.h.App()).ClickControl(*editor.RoleList(2));
    EXPECT_EQ(f.g.battleOrdersOwn[3][state::BattleOrders::fastMelee], 2);
    platform::Driver(f.h.App()).ClickControl(*editor.RoleList(3));
    EXPECT_EQ(f.g.battleOrdersOwn[3][state::BattleOrders::range], 1);
    // The other formations are untouched.
    EXPECT_EQ(f.g.battleOrdersOwn[1][state::BattleOrders::fastMelee], 3);
    // Refreshing shows what was stored, and does not write again.
    platform::Driver(f.h.App()).ClickControl(*editor.Formation(1));
    EXPECT_EQ(editor.RoleList(2)->Caption(), "Defend");
    EXPECT_EQ(f.g.battleOrdersOwn[1][state::BattleOrders::melee], 1);
}

}  // namespace
