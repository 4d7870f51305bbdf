// The dungeon window with its real duel timers in virtual time: the opponent waits for the hero's
// first action, the cool-down's hourglasses, a help window that stops the duel while it is open,
// the close query that refuses only the player, and the board's drawing.
#include <gtest/gtest.h>

#include "dungeon/duel.h"
#include "platform/driver.h"
#include "platform/form.h"
#include "rules/view_hooks.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/tform3.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/reset.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

struct DungeonFixture {
    HeadlessApp h{true};
    screens::GameScreens screens{h.App(), screens::StartOptions{true, 5}};
    screens::TForm3& window = screens.Dungeon().Window();
    state::GameState& g = state::G();

    DungeonFixture() {
        state::ResetGameState(g);
        state::ScenarioSetup(g);
        g.currentLord = 1;
        g.dungeonLord = 1;
        g.lord[1][state::Lord::inGame] = 1;
        g.lord[1][state::Lord::controller] = 1;
        g.lord[1][state::Lord::difficulty] = 5;
        auto& hero = g.hero[1];
        hero[state::Hero::level] = 1;
        hero[state::Hero::baseMaxHealth] = 25;
        hero[state::Hero::health] = 25;
        auto& rat = g.monsterTable[1];
        rat[state::MonsterTable::exists] = 1;
        rat[state::MonsterTable::monsterLevel] = 1;
        g.monsterText[1][state::MonsterText::name] = "Giant rat";
        g.monsterText[1][state::MonsterText::picture] = "mon_rat_1";
        g.inDungeon = 1;
        g.duelShown = false;
        window.Show();
    }
    ~DungeonFixture() {
        logic::AbandonDuel();
        window.CloseByProgram();
    }

    platform::Control& C(const std::string& name) {
        platform::Control* c = window.Find(name);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    std::string Picture(const std::string& name) {
        return static_cast<platform::Picture&>(C(name)).FileName();
    }
    void Advance(int ms) {
        const std::int64_t target = h.Clock().NowMs() + ms;
        while (h.App().AdvanceVirtualTime(target)) {
        }
    }
    // The next modal message window is answered with its first button.
    void ThenContinue() {
        h.Then([this] {
            platform::Form* f = h.App().InputForm();
            ASSERT_NE(f, nullptr);
            platform::Driver(h.App()).ClickControl(*f->Find("SpeedButton1"));
        });
    }
    void StartRatDuel() {
        ThenContinue();  // "You are attacked! Fight for your life!"
        logic::StartDuel(1);
    }
};

TEST(DungeonWindow, DuelTimersWaitForTheHeroAndLockTheButtonsFor1200Ms) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    DungeonFixture f;
    f.StartRatDuel();
    EXPECT_TRUE(f.C("DuelPanel").Visible());
    EXPECT_EQ(f.Picture("OpponentPicture"), "mon_rat_1.jpg");
    EXPECT_EQ(f.C("OpponentLevel").Caption(), "Level: 1");
    EXPECT_TRUE(f.C("HeroicNA").Visible());
    EXPECT_FALSE(f.C("Strike").Visible());

    // The opponent never strikes before the hero's first action.
    f.Advance(60000);
    EXPECT_EQ(f.g.hero[1][state::Hero::health], 25);
    EXPECT_FALSE(f.window.DuelTimer(logic::DuelTimer::OpponentAttack).Enabled());

    platform::Driver(f.h.App()).ClickControl(f.C("Slash"));
    EXPECT_TRUE(f.window.DuelTimer(logic::DuelTimer::OpponentAttack).Enabled());
    EXPECT_FALSE(f.C("Thrust").Enabled());
    EXPECT_FALSE(f.C("ThrustHourglass").Visible());
    f.Advance(200);
    EXPECT_TRUE(f.C("ThrustHourglass").Visible());
    EXPECT_EQ(f.Picture("ThrustHourglass"), "hourglass_100of100_sm.bmp");
    EXPECT_FALSE(f.C("StrikeHourglass").Visible() && f.g.hero[1][state::Hero::heroic] == 0);
    f.Advance(800);  // 1000 ms: the fifth step
    EXPECT_EQ(f.Picture("SmashHourglass"), "hourglass_0of100_sm.bmp");
    EXPECT_FALSE(f.C("Smash").Enabled());
    f.Advance(199);
    EXPECT_FALSE(f.C("Smash").Enabled());
    f.Advance(1);  // 1200 ms: unlocked
    EXPECT_TRUE(f.C("Smash").Enabled());
    EXPECT_FALSE(f.C("SmashHourglass").Visible());
    EXPECT_FALSE(f.window.DuelTimer(logic::DuelTimer::CoolDown).Enabled());

    // The first blow of the opponent comes 1300 ms after the hero's first action, not earlier.
    const int before = f.g.hero[1][state::Hero::health];
    int blows = 0;
    for (int i = 0; i < 40 && f.g.duelShown; ++i) {
        f.Advance(1300);
        if (f.g.hero[1][state::Hero::health] < before) ++blows;
    }
    EXPECT_GT(blows, 0);
}

TEST(DungeonWindow, HelpWindowDuringADuelStopsTheTimersUntilItCloses) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    DungeonFixture f;
    f.StartRatDuel();
    platform::Driver(f.h.App()).ClickControl(f.C("Thrust"));
    ASSERT_TRUE(f.g.duelShown);
    bool opponentRanWhileOpen = true, coolDownRanWhileOpen = true;
    std::string title;
    f.h.Then([&] {
        opponentRanWhileOpen = f.window.DuelTimer(logic::DuelTimer::OpponentAttack).Enabled();
        coolDownRanWhileOpen = f.window.DuelTimer(logic::DuelTimer::CoolDown).Enabled();
        title = f.h.App().InputForm()->Find("Label1")->Caption();
    });
    f.ThenContinue();
    platform::Driver(f.h.App()).ClickControl(f.C("HealthPicture"), platform::MouseButton::Right);
    EXPECT_EQ(title, "Help mode: Health");
    EXPECT_FALSE(opponentRanWhileOpen);
    EXPECT_FALSE(coolDownRanWhileOpen);
    EXPECT_TRUE(f.window.DuelTimer(logic::DuelTimer::OpponentAttack).Enabled());
    EXPECT_TRUE(f.window.DuelTimer(logic::DuelTimer::CoolDown).Enabled());
}

TEST(DungeonWindow, OnlyTheProgramClosesItWhileInsideOrDuring) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    DungeonFixture f;
    std::string refusal;
    auto expectRefusal = [&] {
        f.h.Then([&] { refusal = f.h.App().InputForm()->Find("Label2")->Caption(); });
        f.ThenContinue();
    };
    // Inside the dungeon: the player's close is refused.
    expectRefusal();
    f.window.Close();
    EXPECT_TRUE(f.window.Visible());
    EXPECT_EQ(refusal,
              "Please exit a dungeon using the LEAVE button at the left bottom part of the "
              "screen.");
    // During a duel the combat text comes first.
    f.StartRatDuel();
    expectRefusal();
    f.window.Close();
    EXPECT_TRUE(f.window.Visible());
    EXPECT_EQ(refusal, "You cannot close the screen while in combat!");
    // A close by the program passes at once, and the duel's timers stop.
    platform::Driver(f.h.App()).ClickControl(f.C("Thrust"));
    f.window.CloseByProgram();
    EXPECT_FALSE(f.window.Visible());
    EXPECT_FALSE(f.window.DuelTimer(logic::DuelTimer::OpponentAttack).Enabled());
    // Showing it again clears the permission to close.
    f.g.dungeonMayClose = true;
    f.window.Show();
    EXPECT_FALSE(f.g.dungeonMayClose);
}

TEST(DungeonWindow, BoardShowsRoomsDoorsHeroAndMoveFramesAndReloadsNothingUnchanged) {
    if (!testsupport::RequireGameData("Health9.jpg")) return;
    DungeonFixture f;
    logic::BoardView b;
    b.tile[1][1] = {true, "m1_set1_cave_sm.jpg"};
    b.tile[2][1] = {true, "blackroom_sm.jpg"};
    b.tile[1][2] = {true, "blackroom_sm.jpg"};
    b.doorLeft[1][1] = true;
    b.doorLower[1][1] = true;
    b.heroX = 1;
    b.heroY = 1;
    b.heroPicture = "hero1_sm.jpg";
    b.moveEast = true;
    b.moveSouth = true;
    f.window.DrawBoard(b);
    EXPECT_EQ(f.Picture("FieldA1"), "m1_set1_cave_sm.jpg");
    EXPECT_TRUE(f.C("FieldB1").Visible());
    EXPECT_FALSE(f.C("FieldE7").Visible());  // rock
    EXPECT_TRUE(f.C("DoorA1L").Visible());
    EXPECT_FALSE(f.C("DoorA1R").Visible());
    EXPECT_FALSE(f.C("DoorAB1O").Visible());
    EXPECT_TRUE(f.C("DoorAB1U").Visible());
    // The hero at ((x - 1) * 80 + 16, y * 75 - 60); the move frames over the open neighbours.
    EXPECT_EQ(f.C("PlayerImage").Left(), 16);
    EXPECT_EQ(f.C("PlayerImage").Top(), 15);
    EXPECT_TRUE(f.C("MoveFieldE").Visible());
    EXPECT_EQ(f.C("MoveFieldE").Left(), 81);
    EXPECT_EQ(f.C("MoveFieldS").Top(), 75);
    EXPECT_FALSE(f.C("MoveFieldN").Visible());
    EXPECT_FALSE(f.C("MoveFieldW").Visible());
    EXPECT_GT(f.window.PicturesLoadedLast(), 0);
    f.window.DrawBoard(b);
    EXPECT_EQ(f.window.PicturesLoadedLast(), 0);
}

}  // namespace
