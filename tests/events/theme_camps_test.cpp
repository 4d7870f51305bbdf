#include <gtest/gtest.h>

#include <utility>

#include "battle/battle_end.h"
#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "rules/theme_basics.h"
#include "rules/view_hooks.h"
#include "state/random.h"

namespace themetest {
namespace {

namespace L = state::Lord;
namespace A = state::Army;

TEST_F(ThemeTest, ComputerLordsJoinCampsWithHonorAboveNineAndHeroAboveFiveIgnoringTheCountdown) {
    for (int theme : {2, 15}) {
        Theme(theme);
        Site()[state::MapSite::countdown] = 9;
        Visit(2);
        Army(2)[A::specialCount] = 0;
        Lord(2)[L::honor] = 10;
        Lord(2)[L::heroLevel] = 5;
        logic::ThemeEvent(kSite);
        EXPECT_EQ(Army(2)[A::specialCount], 0);
        Lord(2)[L::heroLevel] = 6;
        Lord(2)[L::honor] = 9;
        logic::ThemeEvent(kSite);
        EXPECT_EQ(Army(2)[A::specialCount], 0);
        Lord(2)[L::honor] = 10;
        logic::ThemeEvent(kSite);
        EXPECT_EQ(Lord(2)[L::honor], 0);
        EXPECT_GE(Army(2)[A::specialCount], 2);
        EXPECT_LE(Army(2)[A::specialCount], 5);
        EXPECT_EQ(Army(2)[A::specialType], theme == 2 ? 5 : 11);
        EXPECT_EQ(Army(2)[A::specialClass], theme == 2 ? 1 : 2);
        EXPECT_EQ(Site()[state::MapSite::countdown], 9);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

// A band that joins is 2 + a draw in [0, 4): the draw 0 gives two, 3 gives five; at the orc and
// the crusader camps alike it is added to the special stack.
TEST_F(ThemeTest, ABandOfTwoToFiveJoinsOnADrawOf0To3) {
    {
        state::ScriptedDraws draws;
        draws.Then(4, {0, 3});
        EXPECT_EQ(logic::RandomBand(), 2);
        EXPECT_EQ(logic::RandomBand(), 5);
        EXPECT_EQ(draws.Taken(4), 2);
    }
    for (const int theme : {2, 15}) {
        for (const auto& [draw, band] : {std::pair{0, 2}, std::pair{3, 5}}) {
            Theme(theme);
            Visit(2);
            Army(2)[A::specialCount] = 1;
            Lord(2)[L::honor] = 10;
            Lord(2)[L::heroLevel] = 6;
            state::ScriptedDraws draws;
            draws.Then(4, {draw});
            logic::ThemeEvent(kSite);
            EXPECT_EQ(Army(2)[A::specialCount], 1 + band) << theme << " " << draw;
            EXPECT_EQ(draws.Taken(4), 1);
        }
    }
}

TEST_F(ThemeTest, TheOrcChieftainIsDuelledForHonorAndWaitsFifteenTurns) {
    Theme(2);
    Site()[state::MapSite::countdown] = 3;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().buttons.at(0), "No chieftain in the camp for 3 turns. (disabled)");

    Site()[state::MapSite::countdown] = 0;
    Lord(1)[L::honor] = 9;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough honor points!");
    EXPECT_TRUE(duels.opponents.empty());

    Lord(1)[L::honor] = 10;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.at(0), "Orc chieftain m1_orc 6 0 1");
    EXPECT_EQ(Lord(1)[L::honor], 0);
    EXPECT_EQ(Site()[state::MapSite::countdown], 15);
    EXPECT_EQ(Army(1)[A::specialType], 5);
    EXPECT_EQ(dialogs.Last().title, "Orcs");

    // A lost duel costs nothing.
    Site()[state::MapSite::countdown] = 0;
    Lord(1)[L::honor] = 20;
    duels.heroWins = false;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(1)[L::honor], 20);
    EXPECT_EQ(Site()[state::MapSite::countdown], 0);
}

TEST_F(ThemeTest, CrusadersAreHiredForHonorAndGoldAndTakeOverTheSpecialStack) {
    Theme(15);
    Army(1)[A::specialCount] = 4;
    Army(1)[A::specialType] = 5;
    Army(1)[A::specialClass] = 1;
    Lord(1)[L::honor] = 9;
    Lord(1)[L::gold] = 1500;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough honor points!");
    Lord(1)[L::honor] = 10;
    Lord(1)[L::gold] = 1499;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "Sorry, but you do not have enough gold...");
    Lord(1)[L::gold] = 1500;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Crusaders hired");
    EXPECT_EQ(Lord(1)[L::gold], 0);
    EXPECT_EQ(Lord(1)[L::honor], 0);
    EXPECT_EQ(Site()[state::MapSite::countdown], 30);
    EXPECT_GE(Army(1)[A::specialCount], 6);
    EXPECT_LE(Army(1)[A::specialCount], 9);
    EXPECT_EQ(Army(1)[A::specialType], 11);
    EXPECT_EQ(Army(1)[A::specialClass], 2);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().buttons.at(0), "No crusaders for hire for 30 turns. (disabled)");
}

TEST_F(ThemeTest, EventBattlesFieldTheThemeArmyAndTheFollowUpsRewardTheWinner) {
    auto& g = state::G();
    struct Case {
        int theme, choice, count, kind, troopClass, picture;
    };
    for (const Case& c :
         {Case{2, 2, 14, 5, 1, 2}, Case{15, 2, 14, 11, 2, 5},
          Case{9, logic::kOfferAction, 16, 7, 2, 3}, Case{13, logic::kOfferAction, 24, 7, 2, 3}}) {
        Theme(c.theme);
        g.army[0][A::soldiers] = 9;  // left over from a city battle
        hooks.calls.clear();
        dialogs.Answer(c.choice);
        logic::ThemeEvent(kSite);
        EXPECT_TRUE(hooks.Has("ShowBattlePanel")) << c.theme;
        EXPECT_EQ(g.battleOwnSide[state::BattleSide::lord], 1);
        EXPECT_EQ(g.battleFoeSide[state::BattleSide::lord], 0);
        EXPECT_EQ(g.army[0][A::soldiers], 0);
        EXPECT_EQ(g.army[0][A::specialCount], c.count);
        EXPECT_EQ(g.army[0][A::specialType], c.kind);
        EXPECT_EQ(g.army[0][A::specialClass], c.troopClass);
        EXPECT_EQ(g.army[0][A::x], -1);
        EXPECT_EQ(g.battleFoeSide[state::BattleSide::neutralPicture], c.picture);
        EXPECT_EQ(g.battleFoeSide[state::BattleSide::site], kSite);
        EXPECT_EQ(Army(1)[A::movesLeft], 0);
        EXPECT_TRUE(g.battleStarted);
    }

    // The follow-ups, for the lord of the player's side.
    g.battleOwnSide[state::BattleSide::lord] = 1;
    Theme(2);
    Lord(1)[L::honor] = 0;
    logic::ThemeBattleWon(kSite);
    EXPECT_EQ(dialogs.Last().picture, "hero1.jpg");
    EXPECT_EQ(dialogs.Last().title, "Orc camp destroyed!");
    EXPECT_EQ(Site()[state::MapSite::kind], 0);
    EXPECT_EQ(Site()[state::MapSite::x], 0);
    EXPECT_EQ(Lord(1)[L::honor], 6);
    Theme(15);
    logic::ThemeBattleWon(kSite);
    EXPECT_EQ(Lord(1)[L::gold], 1000 + 7500);
    EXPECT_EQ(Lord(1)[L::honor], 12);
    EXPECT_EQ(Site()[state::MapSite::kind], 0);
    Theme(9);
    logic::ThemeBattleWon(kSite);
    EXPECT_EQ(dialogs.Last().title, "Curse lifted!");
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(Site()[state::MapSite::kind], -1);
    EXPECT_EQ(Lord(1)[L::honor], 18);
    // Themes without a follow-up do nothing.
    Theme(16);
    const size_t before = dialogs.Shown().size();
    logic::ThemeBattleWon(kSite);
    EXPECT_EQ(dialogs.Shown().size(), before);
    EXPECT_EQ(Site()[state::MapSite::active], 1);
}

TEST_F(ThemeTest, AWonGraveyardBattleLiftsTheCurseAndALostOneChangesNothing) {
    auto& g = state::G();
    Theme(9);
    Lord(1)[L::honor] = 0;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    ASSERT_TRUE(g.battleStarted);
    EXPECT_EQ(g.battleFoeSide[state::BattleSide::specialCount], 16);
    // The enemy is crushed.
    g.battleFoeSide[state::BattleSide::specialCount] = 0;
    logic::CheckBattleEnd();
    EXPECT_FALSE(g.battleStarted);
    EXPECT_TRUE(
        dialogs.ShownText("You have defeated all skeletons and have lifted the curse. The "
                          "village close to the graveyard will pay taxes again."));
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(Lord(1)[L::honor], 6);

    // Lost: the army is scattered home, the graveyard stays.
    Theme(9);
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    for (int s : {state::BattleSide::soldiers, state::BattleSide::fast, state::BattleSide::archers,
                  state::BattleSide::siege, state::BattleSide::specialCount})
        g.battleOwnSide[s] = 0;
    logic::CheckBattleEnd();
    EXPECT_EQ(Site()[state::MapSite::active], 1);
    EXPECT_EQ(Lord(1)[L::honor], 6);
    EXPECT_EQ(Army(1)[A::x], 1);
}

}  // namespace
}  // namespace themetest
