#include <gtest/gtest.h>

#include <string>

#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "state/random.h"

namespace themetest {
namespace {

namespace L = state::Lord;

TEST_F(ThemeTest, HumanDuelsTheDragonOrFleesAndFiveEggsCalmIt) {
    auto& g = state::G();
    Theme(1);
    Lord(1)[L::themeCounter] = 4;
    dialogs.Answer(logic::kAnswerYes);
    logic::ThemeEvent(kSite);
    ASSERT_EQ(duels.opponents.size(), 1u);
    EXPECT_EQ(duels.opponents[0], "Ancient dragon m1_dragon 10 1 0");
    EXPECT_EQ(g.monsterTable[0][state::MonsterTable::soundFamily], 6);
    EXPECT_EQ(g.monsterTable[0][state::MonsterTable::resistance], 2);
    EXPECT_EQ(Lord(1)[L::gold], 11000);
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(g.mapSetting[state::MapSetting::theme], 0);
    EXPECT_EQ(Army(1)[state::Army::movesLeft], 0);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Dragon!", "", "Ancient dragon", "Dragonhoard"}));
    EXPECT_EQ(dialogs.Shown()[1].text, "Do you wish to fight the dragon (Level 10 (!) monster)?");

    // A lost duel changes nothing; the turn goes on.
    Theme(1);
    duels.heroWins = false;
    dialogs.Answer(logic::kAnswerYes);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(1)[L::gold], 11000);
    EXPECT_EQ(Site()[state::MapSite::active], 1);
    EXPECT_EQ(Army(1)[state::Army::movesLeft], 4);

    // No: the army runs home and the turn ends.
    Theme(1);
    dialogs.Answer(logic::kAnswerNo);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(1)[state::Army::x], 1);
    EXPECT_EQ(Army(1)[state::Army::movesLeft], 0);
    EXPECT_TRUE(
        dialogs.ShownText("Your men are so afraid about the dragon they do not stop until "
                          "you have reached your castle."));

    // Five eggs: no question, no duel, the hoard.
    Theme(1);
    Lord(1)[L::themeCounter] = 5;
    const size_t before = dialogs.Shown().size();
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Shown().size(), before + 2);  // no duel
    EXPECT_EQ(dialogs.Last().picture, "m1_dragontreasure.jpg");
    EXPECT_EQ(Lord(1)[L::gold], 21000);
    EXPECT_EQ(Army(1)[state::Army::movesLeft], 0);
    EXPECT_EQ(duels.opponents.size(), 2u);
}

TEST_F(ThemeTest, ComputerLordsTakeTheHoardWithEggsOrByChanceAndOnlyTheirArmyFlees) {
    auto& g = state::G();
    Theme(1);
    Visit(2);
    Lord(2)[L::themeCounter] = 5;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::gold], 11000);
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_green.jpg");
    EXPECT_EQ(dialogs.Last().title, "Dragonhoard!");
    EXPECT_EQ(g.mapSetting[state::MapSetting::theme], 0);

    // Hero level 7 without eggs: nothing at all.
    Theme(1);
    Visit(3);
    Lord(3)[L::heroLevel] = 7;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(3)[state::Army::x], 2);
    EXPECT_EQ(Lord(3)[L::gold], 1000);

    // Level 8: a roll of 49 wins, 50 sends the army home.
    Lord(3)[L::heroLevel] = 8;
    SeedGiving(100, 49);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(3)[L::gold], 11000);
    EXPECT_EQ(dialogs.Last().text,
              "Oh no! One of your enemies has killed the mighty dragon, cleared the way and found "
              "10.000 gold coins in the dragonshoard!");
    Theme(1);
    Visit(3);
    g.dungeonLord = 1;
    g.hero[1][state::Hero::goldCarried] = 700;
    g.heroGear[1][1][state::HeroGear::present] = 1;
    g.heroGear[1][1][state::HeroGear::item] = 7;
    SeedGiving(100, 50);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(3)[L::gold], 11000);
    EXPECT_EQ(Army(3)[state::Army::x], 12);
    EXPECT_EQ(Army(3)[state::Army::y], 11);
    EXPECT_TRUE(hooks.Has("DrawMap 1 0"));
    // The human's hero in DungeonLord keeps its gold and gear.
    EXPECT_EQ(g.hero[1][state::Hero::goldCarried], 700);
    EXPECT_EQ(g.heroGear[1][1][state::HeroGear::item], 7);
    EXPECT_EQ(Site()[state::MapSite::active], 1);
}

TEST_F(ThemeTest, TheEfreetIsDuelledOrFledAndComputerLordsNeedLevelEight) {
    auto& g = state::G();
    Theme(14);
    dialogs.Answer(logic::kAnswerYes);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.at(0), "Efreet m2_efreet 10 2 0");
    EXPECT_EQ(Lord(1)[L::gold], 11000);
    EXPECT_EQ(dialogs.Last().title, "Efreet defeated!");
    EXPECT_EQ(g.mapSetting[state::MapSetting::theme], 0);
    EXPECT_EQ(Army(1)[state::Army::movesLeft], 0);

    Theme(14);
    logic::ThemeEvent(kSite);  // No
    EXPECT_EQ(Army(1)[state::Army::x], 1);
    EXPECT_TRUE(
        dialogs.ShownText("Your men are so afraid about the efreet they do not stop until "
                          "you have reached your castle."));

    Theme(14);
    Visit(4);
    Lord(4)[L::heroLevel] = 8;
    SeedGiving(100, 0);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(4)[L::gold], 11000);
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_cyan.jpg");
    EXPECT_EQ(dialogs.Last().text,
              "One of your competitors has defeated the efreet, lootet it\u00b4s treasure of "
              "10.000 gold coins and is right on the way to your castle!");
}

// A computer lord whose hero is of level 8 beats the dragon at the pass (without eggs) and the
// efreet on a draw below 50 of 100: 49 and 0 take the hoard, 50 and 99 send its army home; a
// hero below level 8 takes no draw.
TEST_F(ThemeTest, AComputerHeroOfLevelEightBeatsAGuardianOnADrawBelow50Of100) {
    auto& g = state::G();
    for (const int guardian : {1, 14}) {
        for (const int draw : {50, 99, 49, 0}) {
            SCOPED_TRACE("theme " + std::to_string(guardian) + ", draw " + std::to_string(draw));
            Theme(guardian);
            Visit(3);
            Lord(3)[L::heroLevel] = 8;
            Lord(3)[L::gold] = 1000;
            state::ScriptedDraws draws;
            draws.Then(100, {draw});
            logic::ThemeEvent(kSite);
            EXPECT_EQ(draws.Taken(100), 1);
            if (draw < 50) {
                EXPECT_EQ(Lord(3)[L::gold], 11000);
                EXPECT_EQ(g.mapSetting[state::MapSetting::theme], 0);
                EXPECT_EQ(Army(3)[state::Army::x], 2);
            } else {
                EXPECT_EQ(Lord(3)[L::gold], 1000);
                EXPECT_EQ(g.mapSetting[state::MapSetting::theme], guardian);
                EXPECT_EQ(Site()[state::MapSite::active], 1);
                EXPECT_EQ(Army(3)[state::Army::x], 12);
                EXPECT_EQ(Army(3)[state::Army::y], 11);
            }
        }
        Theme(guardian);
        Visit(3);
        Lord(3)[L::heroLevel] = 7;
        state::ScriptedDraws draws;
        draws.Then(100, {0});
        logic::ThemeEvent(kSite);
        EXPECT_EQ(draws.Taken(100), 0);
        EXPECT_EQ(Army(3)[state::Army::x], 2);
    }
}

}  // namespace
}  // namespace themetest
