// The end of a battle and what follows: draw before lost, the soulstone, the duels, the storming
// of castles, the neutral opponent and the conquest choice.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "battle/battle_end.h"
#include "battle/battle_engine.h"
#include "battle/battle_fixture.h"
#include "battle/conquered_city.h"
#include "battle/lord_duel.h"
#include "state/random.h"

namespace battletest {
namespace {

namespace Army = state::Army;
namespace BS = state::BattleSide;
namespace Lord = state::Lord;
namespace Site = state::MapSite;

TEST_F(BattleTest, TheEndTestFindsADrawBeforeALoss) {
    struct Case {
        int own, foe;
        const char* title;
    };
    const Case cases[] = {{0, 0, "Draw!"}, {0, 3, "Lost!"}, {3, 0, "Victory!"}};
    for (const Case& c : cases) {
        Troops(1, 5);
        Troops(2, 5);
        StartFieldBattle();
        Own()[BS::soldiers] = c.own;
        Foe()[BS::soldiers] = c.foe;
        hooks.calls.clear();
        logic::CheckBattleEnd();
        EXPECT_TRUE(state::G().battleOver) << c.title;
        EXPECT_TRUE(dialogs.ShownText(dialogs.Last().text));
        bool found = false;
        for (const auto& d : dialogs.Shown())
            found = found || d.title == c.title;
        EXPECT_TRUE(found) << c.title;
        EXPECT_TRUE(hooks.Has("PlayReward 1"));
        EXPECT_FALSE(state::G().battleStarted);
    }
    // The draw sent both armies home.
    Troops(1, 5);
    Troops(2, 5);
    StartFieldBattle();
    Own()[BS::soldiers] = 0;
    Foe()[BS::soldiers] = 0;
    logic::CheckBattleEnd();
    EXPECT_EQ(state::G().army[1][Army::x], 1);
    EXPECT_EQ(state::G().army[2][Army::x], 12);
    // A battle that goes on shows nothing.
    Troops(1, 5);
    Troops(2, 5);
    StartFieldBattle();
    const size_t shown = dialogs.Shown().size();
    logic::CheckBattleEnd();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_FALSE(state::G().battleOver);
}

TEST_F(BattleTest, TheSoulstoneRaisesAQuarterOfTheFallenOnce) {
    state::GameState& g = state::G();
    Troops(1, 10, 10, 10, 3, 0);
    g.lord[1][Lord::soulstone] = 1;
    Own()[BS::lord] = 1;
    // Lost 3 -> 1, 8 -> 2, 0 -> 0, 1 -> 1; a count above the army's (no loss) raises none.
    Own()[BS::soldiers] = 7;
    Own()[BS::fast] = 2;
    Own()[BS::archers] = 10;
    Own()[BS::siege] = 2;
    Own()[BS::specialCount] = 4;
    logic::RaiseSoulstoneDead(Own());
    EXPECT_EQ(Own()[BS::soldiers], 8);
    EXPECT_EQ(Own()[BS::fast], 4);
    EXPECT_EQ(Own()[BS::archers], 10);
    EXPECT_EQ(Own()[BS::siege], 3);
    EXPECT_EQ(Own()[BS::specialCount], 4);
    EXPECT_EQ(g.lord[1][Lord::soulstone], 0);
    EXPECT_EQ(dialogs.Last().title, "Soulstone");
    Own()[BS::soldiers] = 2;
    logic::RaiseSoulstoneDead(Own());
    EXPECT_EQ(Own()[BS::soldiers], 2);
}

TEST_F(BattleTest, ADuelWonMultipliesTheHeroBonusByEightAndALostOneDoublesTheEnemys) {
    Own()[BS::heroBonus] = 10;
    Foe()[BS::heroBonus] = 15;
    Own()[BS::heroicOrMayRetreat] = 1;
    logic::ApplyChallengeOutcome(true);
    EXPECT_EQ(Own()[BS::heroBonus], 80);
    EXPECT_EQ(Foe()[BS::heroBonus], 15);
    EXPECT_EQ(Own()[BS::duelUsed], 1);
    EXPECT_EQ(Own()[BS::heroicOrMayRetreat], 0);
    logic::ApplyChallengeOutcome(false);
    EXPECT_EQ(Foe()[BS::heroBonus], 30);
    EXPECT_EQ(dialogs.Last().text,
              "You lost the duel! Your men sacrifice their lives to protect you and drag you from "
              "the battlefield. Enemy hero bonus is doubled!");
    Own()[BS::heroBonus] = 0;
    logic::ApplyChallengeOutcome(true);
    EXPECT_EQ(Own()[BS::heroBonus], 0);
}

TEST_F(BattleTest, TheDuelButtonChallengesOnlyALord) {
    state::GameState& g = state::G();
    Troops(1, 40);
    Troops(2, 40);
    g.lord[2][Lord::heroLevel] = 6;
    StartFieldBattle();
    Own()[BS::heroicOrMayRetreat] = 1;
    logic::ChallengeDuel();
    // The duel fills the set-piece opponent with the enemy lord's hero.
    EXPECT_EQ(g.monsterTable[0][state::MonsterTable::monsterLevel], 6);
    EXPECT_EQ(g.monsterTable[0][state::MonsterTable::duelFlag], 1);
    EXPECT_EQ(g.monsterText[0][1], g.heroName[2]);
    EXPECT_EQ(g.monsterText[0][2], "Hero2");
    EXPECT_EQ(Own()[BS::duelUsed], 1);
    EXPECT_FALSE(panel.buttons.duel);
    EXPECT_TRUE(g.battleClock.clockOn);  // the cool-down starts with the clock
    // Used once, the button does nothing.
    const size_t shown = dialogs.Shown().size();
    Own()[BS::heroicOrMayRetreat] = 1;
    logic::ChallengeDuel();
    EXPECT_EQ(dialogs.Shown().size(), shown);

    Own()[BS::duelUsed] = 0;
    Foe()[BS::lord] = 0;
    g.battleClock.delayActive = false;
    logic::ChallengeDuel();
    EXPECT_EQ(dialogs.Last().text, "The enemy is not lead by a lord. You can only duel a lord.");
}

TEST_F(BattleTest, StormingTheHumansCastle) {
    state::GameState& g = state::G();
    // Lost duel: the castle falls and the game is lost.
    PlaceArmy(2, 1, 1, 5);
    logic::ApplyOwnCastleDuel(1, 2, false);
    EXPECT_EQ(g.lord[1][Lord::inGame], 0);
    EXPECT_EQ(g.army[1][Army::present], 0);
    EXPECT_EQ(g.field[1][1][state::Field::owner], 2);
    EXPECT_TRUE(dialogs.ShownText("The enemy has conquered your castle!"));
    EXPECT_TRUE(dialogs.ShownText("You have been defeated in the thornfeud!"));
    EXPECT_TRUE(g.gameOver);

    // Won duel: the attacker goes home and the castle is kept.
    SetUp();
    PlaceArmy(2, 1, 1, 5);
    logic::ApplyOwnCastleDuel(1, 2, true);
    EXPECT_EQ(g.lord[1][Lord::inGame], 1);
    EXPECT_EQ(g.army[2][Army::x], 12);
    EXPECT_EQ(dialogs.Last().title, "Duel");
}

TEST_F(BattleTest, StormingTheLastEnemyCastleWinsTheGame) {
    state::GameState& g = state::G();
    g.lord[3][Lord::inGame] = 0;
    g.lord[4][Lord::inGame] = 0;
    PlaceArmy(1, 12, 1, 5);
    // A lost duel sends the player's army home.
    logic::ApplyEnemyCastleDuel(1, 2, false);
    EXPECT_EQ(g.army[1][Army::x], 1);
    EXPECT_EQ(g.lord[2][Lord::inGame], 1);
    PlaceArmy(1, 12, 1, 5);
    logic::ApplyEnemyCastleDuel(1, 2, true);
    EXPECT_EQ(g.lord[2][Lord::inGame], 0);
    EXPECT_EQ(g.army[2][Army::present], 0);
    EXPECT_EQ(g.field[12][1][state::Field::owner], 1);
    EXPECT_TRUE(dialogs.ShownText("You have conquered the castle of the " + g.realmName[2] + "!"));
    EXPECT_TRUE(g.gameOver);
    EXPECT_EQ(dialogs.Last().title, "Victory!");
}

TEST_F(BattleTest, ANeutralGarrisonFightsFromTheScratchRowAndItsCityIsWon) {
    state::GameState& g = state::G();
    auto& site = g.mapSite[3];
    site[Site::active] = 1;
    site[Site::kind] = 1;
    site[Site::x] = 2;
    site[Site::y] = 2;
    site[Site::size] = 1;
    g.army[0].fill(0);
    g.army[0][Army::soldiers] = 1;
    Troops(1, 30);
    g.army[1][Army::x] = 2;
    g.army[1][Army::y] = 2;
    Foe()[BS::neutralPicture] = 2;
    Foe()[BS::site] = 3;
    logic::StartBattle(1, 0);
    EXPECT_EQ(Foe()[BS::heroBonus], 0);
    EXPECT_EQ(Foe()[BS::castleBonus], 0);
    EXPECT_EQ(panel.coat[1], "m1_orc.jpg");
    dialogs.Answer(logic::kOfferAction);
    logic::GiveOrder(logic::BattleOrder::attack);
    ASSERT_TRUE(g.battleOver);
    EXPECT_TRUE(dialogs.ShownText(
        "Your army is victorious! The enemy troops have been crushed! This battle is yours!"));
    EXPECT_EQ(site[Site::owner], 1);
    EXPECT_EQ(site[Site::size], 2);
    EXPECT_EQ(site[Site::garrison], 12);
    EXPECT_EQ(site[Site::garrison + 1], 2);
    EXPECT_EQ(site[Site::garrison + 2], 4);
    EXPECT_EQ(g.lord[1][Lord::honor], 2);
    EXPECT_EQ(g.field[2][2][state::Field::owner], 1);
    EXPECT_EQ(g.army[0][Army::soldiers], 0);
    // Only the player's army goes home.
    EXPECT_EQ(g.army[1][Army::x], 2);
}

TEST_F(BattleTest, PillageNeedsTenHonor) {
    state::GameState& g = state::G();
    auto& site = g.mapSite[4];
    site[Site::active] = 1;
    site[Site::kind] = 1;
    site[Site::size] = 3;
    g.lord[1][Lord::honor] = 9;
    g.lord[1][Lord::gold] = 0;
    dialogs.Answer(logic::kOfferSecond);
    dialogs.Answer(logic::kOfferAction);
    logic::ConqueredCity(4, 1);
    EXPECT_TRUE(dialogs.ShownText("You do not have enough honor for this evil action."));
    EXPECT_EQ(g.lord[1][Lord::honor], 11);
    EXPECT_EQ(site[Site::garrison], 18);
    EXPECT_EQ(site[Site::garrison + 1], 3);
    EXPECT_EQ(site[Site::garrison + 2], 6);

    g.lord[1][Lord::honor] = 10;
    dialogs.Answer(logic::kOfferSecond);
    logic::ConqueredCity(4, 1);
    EXPECT_EQ(g.lord[1][Lord::honor], 0);
    EXPECT_EQ(site[Site::active], 0);
    EXPECT_EQ(site[Site::kind], 0);
    EXPECT_GE(g.lord[1][Lord::gold], 4000);
    EXPECT_LT(g.lord[1][Lord::gold], 11000);
    EXPECT_EQ(dialogs.Last().text, "You pillage and burn the town. You find " +
                                       std::to_string(g.lord[1][Lord::gold]) +
                                       " gold in valuables.");
    EXPECT_EQ(dialogs.Last().buttons.size(), 1u);
}

// A pillage finds 4000 + a draw in [0, 7000) gold: 4000 to 10999, and says how much.
TEST_F(BattleTest, APillageFinds4000PlusADrawOf7000Gold) {
    state::GameState& g = state::G();
    for (const auto& [draw, gold] : {std::pair{0, 4000}, std::pair{6999, 10999}}) {
        auto& site = g.mapSite[4];
        site[Site::active] = 1;
        site[Site::kind] = 1;
        g.lord[1][Lord::honor] = 10;
        g.lord[1][Lord::gold] = 0;
        state::ScriptedDraws draws;
        draws.Then(7000, {draw});
        dialogs.Answer(logic::kOfferSecond);
        logic::ConqueredCity(4, 1);
        EXPECT_EQ(draws.Taken(7000), 1);
        EXPECT_EQ(g.lord[1][Lord::gold], gold);
        EXPECT_EQ(dialogs.Last().text, "You pillage and burn the town. You find " +
                                           std::to_string(gold) + " gold in valuables.");
    }
}

}  // namespace
}  // namespace battletest
