// The room events: choices, chances, prices, texts and effects, and the injury's death check.
#include <string>

#include "dungeon/dungeon_fixture.h"
#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/room_events.h"
#include "state/game_state.h"
#include "state/random.h"

namespace dungeontest {
namespace {

namespace Hero = state::Hero;
namespace Room = state::Room;
namespace Lord = state::Lord;

class RoomEventTest : public DungeonTest {
  protected:
    void SetUp() override {
        DungeonTest::SetUp();
        MakeCorridorFloor();
        AddItem(3, 3, 1, 3, 1);  // sale value 40: wizard 60, trader 160
    }
    // The hero steps from (1, 3) into (2, 3) holding event e, and the event runs.
    void Enter(int e) {
        auto& g = state::G();
        g.room[2][3][Room::event] = e;
        g.room[2][3][Room::visited] = 0;
        g.hero[1][Hero::prevX] = 1;
        g.hero[1][Hero::prevY] = 3;
        g.hero[1][Hero::posX] = 2;
        g.hero[1][Hero::posY] = 3;
        logic::RunRoomEvent(e);
    }
    state::RecordOf<100>& EventRoom() { return state::G().room[2][3]; }
    // The last choice window shown.
    const testsupport::ShownDialog& LastChoice() const {
        for (auto it = dialogs.Shown().rbegin(); it != dialogs.Shown().rend(); ++it) {
            if (it->kind == "TFMessage7") return *it;
        }
        return dialogs.Last();
    }
};

TEST_F(RoomEventTest, RiskyChoicesClearTheEventTurningBackKeepsIt) {
    auto& g = state::G();
    for (int e : {2, 3, 11, 12, 13}) {
        SCOPED_TRACE("event " + std::to_string(e));
        Enter(e);  // "Go back" / "Leave"
        EXPECT_EQ(EventRoom()[Room::event], e);
        EXPECT_EQ(EventRoom()[Room::visited], 0);
        EXPECT_EQ(g.hero[1][Hero::posX], 1);
        dialogs.Answer(1);
        g.hero[1][Hero::health] = 1000;
        Enter(e);
        EXPECT_EQ(EventRoom()[Room::event], 0);
        EXPECT_EQ(g.hero[1][Hero::posX], 2);
    }
    EXPECT_EQ(dialogs.Shown()[0].title, "Something is wrong...");
    EXPECT_EQ(dialogs.Shown()[0].buttons,
              (std::vector<std::string>{"Enter the room", "Go back", "Leave"}));
}

TEST_F(RoomEventTest, InjuriesFollowTheirChanceAndRange) {
    auto& g = state::G();
    struct Case {
        int event, chance;
    };
    for (const Case& c : {Case{2, 40}, Case{11, 20}, Case{13, 30}}) {
        int hurt = 0;
        const int runs = 2000;
        for (int i = 0; i < runs; ++i) {
            g.hero[1][Hero::health] = 1000;
            dialogs.Answer(1);
            Enter(c.event);
            const int loss = 1000 - g.hero[1][Hero::health];
            if (loss == 0) continue;
            ++hurt;
            ASSERT_GE(loss, 6);   // 25 / 4
            ASSERT_LE(loss, 17);  // 25 / 4 + 25 / 2 - 1
        }
        EXPECT_NEAR(hurt, runs * c.chance / 100, runs / 25) << c.event;
    }
    // A hero without base health takes no injury draw.
    g.hero[1][Hero::baseMaxHealth] = 1;
    g.hero[1][Hero::health] = 1000;
    for (int i = 0; i < 50; ++i) {
        dialogs.Answer(1);
        Enter(2);
    }
    EXPECT_EQ(g.hero[1][Hero::health], 1000);
}

// Taking the risk hurts on a draw below the event's chance of 100: 40 for the pit, the arrow
// trap and the statue, 20 for the worm hole, 30 for the chasm; chance - 1 hurts, chance does not
// and draws no injury.
TEST_F(RoomEventTest, ARiskHurtsOnADrawBelowItsChanceOf100) {
    auto& g = state::G();
    struct Case {
        int event, chance;
    };
    for (const Case& c : {Case{2, 40}, Case{3, 40}, Case{11, 20}, Case{12, 40}, Case{13, 30}}) {
        for (const int draw : {c.chance - 1, c.chance, 0, 99}) {
            SCOPED_TRACE("event " + std::to_string(c.event) + ", draw " + std::to_string(draw));
            g.hero[1][Hero::health] = 1000;
            state::ScriptedDraws draws;
            draws.Then(100, {draw});
            draws.Then(12, {0});
            dialogs.Answer(1);
            Enter(c.event);
            EXPECT_EQ(draws.Taken(100), 1);
            const bool hurt = draw < c.chance;
            EXPECT_EQ(draws.Taken(12), hurt ? 1 : 0);
            EXPECT_EQ(g.hero[1][Hero::health], hurt ? 1000 - 6 : 1000);
        }
    }
    state::ScriptedDraws draws;
    draws.Then(100, {39, 40});
    g.hero[1][Hero::health] = 1000;
    dialogs.Answer(1);
    Enter(2);
    EXPECT_EQ(dialogs.Last().text,
              "Right beneath your feet a panel opens and you fall into a 10 foot deep pit. You are "
              "seriously hurt.");
    dialogs.Answer(1);
    Enter(2);
    EXPECT_EQ(dialogs.Last().text,
              "Just in time you notice a small difference in the floor tiles in front of you. Its "
              "a 10 foot deep pit! Carefully you walk around it.");
}

// An injury costs a draw in [0, base / 2) + base / 4 of the base maximum health, both divisions
// rounding down: at 25 the draws 0 and 11 cost 6 and 17, at 27 the draws 0 and 12 cost 6 and 18,
// at 28 the draws 0 and 13 cost 7 and 20.
TEST_F(RoomEventTest, AnInjuryCostsADrawOfHalfTheBaseHealthPlusAQuarter) {
    auto& g = state::G();
    struct Case {
        int base, draw, loss;
    };
    const Case cases[] = {{25, 0, 6},   {25, 11, 17}, {27, 0, 6},
                          {27, 12, 18}, {28, 0, 7},   {28, 13, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE("base " + std::to_string(c.base) + ", draw " + std::to_string(c.draw));
        g.hero[1][Hero::baseMaxHealth] = c.base;
        g.hero[1][Hero::health] = 1000;
        state::ScriptedDraws draws;
        draws.Then(100, {0});
        draws.Then(c.base / 2, {c.draw});
        dialogs.Answer(1);
        Enter(2);
        EXPECT_EQ(draws.Taken(c.base / 2), 1);
        EXPECT_EQ(g.hero[1][Hero::health], 1000 - c.loss);
    }
}

TEST_F(RoomEventTest, AFatalInjuryEndsTheEventWithoutItsTreasure) {
    auto& g = state::G();
    view.foundItemAnswer = "keep";
    // A stale slain opponent must not turn the death into a win.
    g.opponent[state::Opponent::oppHealth] = -5;
    int deaths = 0;
    for (int i = 0; i < 40 && deaths == 0; ++i) {
        MakeCorridorFloor();
        g.hero[1][Hero::health] = 1;
        dialogs.Answer(1);
        Enter(2);
        if (g.inDungeon == 0) ++deaths;
    }
    ASSERT_EQ(deaths, 1);
    EXPECT_EQ(dialogs.Last().title, "Resurrection!");
    EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 3].title, "Pit!");
    EXPECT_FALSE(view.Has("OpenFoundItem 3 Item 3 40"));
    EXPECT_LT(g.hero[1][Hero::health], 1);
}

TEST_F(RoomEventTest, TheStatuePaysFiveHundredEvenWhenItHurts) {
    auto& g = state::G();
    for (int i = 0; i < 30; ++i) {
        g.hero[1][Hero::health] = 1000;
        g.hero[1][Hero::goldCarried] = 0;
        dialogs.Answer(1);
        Enter(12);
        EXPECT_EQ(g.hero[1][Hero::goldCarried], 500);
    }
    EXPECT_FALSE(view.Has("OpenFoundItem 3 Item 3 40"));  // the statue's item is not handed out
}

TEST_F(RoomEventTest, TheWizardAsksHalfAgainTheValueAndTakesExactGold) {
    auto& g = state::G();
    EXPECT_EQ(logic::WizardPrice(3), 60);
    EXPECT_EQ(logic::TraderPrice(3), 160);
    EXPECT_EQ(logic::WizardPrice(0), 0);
    EXPECT_EQ(logic::TraderPrice(0), 0);
    g.hero[1][Hero::goldCarried] = 60;
    view.foundItemAnswer = "keep";
    dialogs.Answer(1);
    Enter(4);
    EXPECT_EQ(dialogs.Shown()[0].picture, "m1_sorcerer.jpg");
    EXPECT_TRUE(dialogs.ShownText(
        "\"Hold on,\" he says still giggling. \"I do have something here for you,\" he grins. "
        "\"Lets play a game. You pay me ... lets say ... 60 gold and you get my treasure. No, I "
        "will not show it to you before you have made your decision.\""));
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 0);
    EXPECT_EQ(EventRoom()[Room::event], 0);
    EXPECT_TRUE(logic::CarriesItem(1, 3));
    // Refused: the event ends, nothing is paid.
    g.hero[1][Hero::goldCarried] = 100;
    Enter(4);
    EXPECT_EQ(dialogs.Last().text,
              "The wizard shrugs. \"Your decision,\" he whispers and before you can take any "
              "action he disappears.");
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 100);
    EXPECT_EQ(EventRoom()[Room::event], 0);
    // Without any item of the hero's level the price is 0.
    g.itemTable.ClearRows(1, 500);
    Enter(4);
    EXPECT_TRUE(dialogs.ShownText(
        "\"Hold on,\" he says still giggling. \"I do have something here for you,\" he grins. "
        "\"Lets play a game. You pay me ... lets say ... 0 gold and you get my treasure. No, I "
        "will not show it to you before you have made your decision.\""));
}

TEST_F(RoomEventTest, TheTraderShowsHisItemAndSendsBeggarsAway) {
    auto& g = state::G();
    g.hero[1][Hero::goldCarried] = 159;
    Enter(5);
    EXPECT_TRUE(view.Has("OpenPreview 3 Item 3"));
    EXPECT_EQ(EventRoom()[Room::event], 0);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 159);
    EXPECT_EQ(dialogs.Last().title, "Trader");
    g.hero[1][Hero::goldCarried] = 200;
    dialogs.Answer(1);
    Enter(5);
    EXPECT_TRUE(dialogs.ShownText(
        "\"A wise choice, Sire, its yours for just 160 gold. An insignificant sum for such an "
        "important lord as you.\""));
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 40);
}

TEST_F(RoomEventTest, CorpseAndSpiritTradeHonorForTheItem) {
    auto& g = state::G();
    view.foundItemAnswer = "keep";
    g.lord[1][Lord::honor] = 1;
    Enter(6);  // "Search him" is disabled at 1 honor
    EXPECT_EQ(dialogs.Last().buttons,
              (std::vector<std::string>{"Search him (-2 honor) (disabled)",
                                        "Say a prayer (+2 honor)", "Leave"}));
    EXPECT_EQ(EventRoom()[Room::event], 0);
    dialogs.Answer(2);
    Enter(6);
    EXPECT_EQ(g.lord[1][Lord::honor], 3);
    dialogs.Answer(1);
    Enter(6);
    EXPECT_EQ(g.lord[1][Lord::honor], 1);
    EXPECT_TRUE(logic::CarriesItem(1, 3));

    // "Reject" may be pressed at 1 honor and is disabled below it.
    const std::vector<std::string> spiritButtons{"Accept (+1 honor)", "Reject (-1 honor)", "Leave"};
    dialogs.Answer(2);
    Enter(7);
    EXPECT_EQ(LastChoice().buttons, spiritButtons);
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_TRUE(dialogs.ShownText("You lose one honor point..."));
    const int carried = logic::SlotItem(2);
    dialogs.Answer(2);  // rejecting cannot be chosen at 0 honor
    Enter(7);
    EXPECT_EQ(
        LastChoice().buttons,
        (std::vector<std::string>{"Accept (+1 honor)", "Reject (-1 honor) (disabled)", "Leave"}));
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_EQ(logic::SlotItem(3), logic::kNoItem);
    EXPECT_EQ(logic::SlotItem(2), carried);
    dialogs.Answer(1);
    Enter(7);
    EXPECT_EQ(g.lord[1][Lord::honor], 1);
    EXPECT_EQ(dialogs.Last().text,
              "\"I bless you my friend,\" the creature whispers before it "
              "disappears.");
}

TEST_F(RoomEventTest, QuestObjectsSetTheLordsFlagsAndUnknownEventsDoNothing) {
    auto& g = state::G();
    Enter(8);
    EXPECT_EQ(g.lord[1][Lord::voodooDoll], 1);
    EXPECT_EQ(dialogs.Last().title, "Voodoo doll");
    Enter(9);
    EXPECT_EQ(g.lord[1][Lord::magicDust], 1);
    EXPECT_FALSE(view.Has("OpenFoundItem 3 Item 3 40"));
    const size_t shown = dialogs.Shown().size();
    Enter(10);
    Enter(57);
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(EventRoom()[Room::event], 57);
}

}  // namespace
}  // namespace dungeontest
