#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "rules/view_hooks.h"
#include "state/random.h"
#include "state/theme_weapon.h"
#include "support/temp_dir.h"

namespace themetest {
namespace {

namespace L = state::Lord;
namespace A = state::Army;
namespace I = state::ItemTable;

// The last duel was against a monster of this level.
void LastDuelAgainst(int level) {
    auto& g = state::G();
    g.monsterTable[20][state::MonsterTable::exists] = 1;
    g.monsterTable[20][state::MonsterTable::monsterLevel] = level;
    g.opponent[state::Opponent::oppMonster] = 20;
}

TEST_F(ThemeTest, FindRollsByDifficultyWithCorruptLevelsClamped) {
    const int ranges[][2] = {{-4, 250}, {0, 250},  {1, 250},  {2, 200},  {3, 190},
                             {7, 150},  {11, 110}, {12, 100}, {13, 100}, {99, 100}};
    for (const auto& [difficulty, range] : ranges) {
        Lord(2)[L::difficulty] = difficulty;
        EXPECT_EQ(logic::FindRollRange(2), range) << difficulty;
    }
    Lord(1)[L::difficulty] = 1;
    EXPECT_EQ(logic::FindRollRange(1), 100);
    // A number that is no lord (the console passes any) has no range and reads no table.
    for (int notALord : {0, -1, 5, 99999, INT32_MIN, INT32_MAX})
        EXPECT_EQ(logic::FindRollRange(notALord), 0) << notALord;
}

TEST_F(ThemeTest, DragonEggsAreFoundOnARollUpToTenUntilTheFifth) {
    Theme(1);
    Lord(2)[L::difficulty] = 1;
    SeedGiving(250, 10);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    SeedGiving(250, 11);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    EXPECT_TRUE(dialogs.Shown().empty());  // a computer lord's egg is not announced

    Lord(1)[L::themeCounter] = 4;
    SeedGiving(100, 0);
    logic::ThemeFind(1, false);
    EXPECT_EQ(Lord(1)[L::themeCounter], 5);
    EXPECT_EQ(dialogs.Last().title, "Dragon eggs!");
    EXPECT_EQ(dialogs.Last().picture, "m1_dragoneggs.jpg");
    SeedGiving(100, 0);
    logic::ThemeFind(1, true);
    EXPECT_EQ(Lord(1)[L::themeCounter], 5);
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(ThemeTest, BossFindsFollowOnlyAWonDuelAgainstALevelTenMonster) {
    Theme(12);
    LastDuelAgainst(10);
    logic::ThemeFind(1, true);
    logic::ThemeFind(1, true);
    EXPECT_EQ(Lord(1)[L::themeCounter], 2);
    EXPECT_EQ(dialogs.Last().title, "Vial!");
    // Room events and pickups after that duel find nothing.
    logic::ThemeFind(1, false);
    EXPECT_EQ(Lord(1)[L::themeCounter], 2);
    LastDuelAgainst(9);
    logic::ThemeFind(1, true);
    EXPECT_EQ(Lord(1)[L::themeCounter], 2);
    // A computer lord's boss condition is its hero at level 8, with or without a duel.
    Lord(2)[L::heroLevel] = 7;
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
    Lord(2)[L::heroLevel] = 8;
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);

    // Theme 6: the computer also needs a roll of at most 25, the human none.
    Theme(6);
    Lord(2)[L::difficulty] = 12;
    SeedGiving(100, 26);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    SeedGiving(100, 25);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 2);
    LastDuelAgainst(10);
    SeedGiving(100, 99);
    logic::ThemeFind(1, true);
    EXPECT_EQ(dialogs.Last().title, "Blood vials!");
}

TEST_F(ThemeTest, TheHolyBowIsFilledInAndHandedOutWhileNobodyCarriesIt) {
    auto& g = state::G();
    Theme(7);
    g.itemTable.ClearRows(0, 0);
    LastDuelAgainst(10);
    SeedGiving(100, 10);
    logic::ThemeFind(1, true);
    EXPECT_EQ(Lord(1)[L::themeCounter], 1);
    EXPECT_EQ(dialogs.Last().title, "\"Bow Of Tir Elgire\"");
    EXPECT_EQ(duels.foundItems, (std::vector<int>{0}));
    EXPECT_EQ(g.itemTable[0][I::itemKind], 2);
    EXPECT_EQ(g.itemTable[0][I::damageStrength], 4);
    EXPECT_EQ(g.itemText[0][state::ItemText::picture], "m1_bow_demon");

    // While lord 1's hero carries it, no bow is found.
    g.heroGear[1][1][state::HeroGear::present] = 1;
    g.heroGear[1][1][state::HeroGear::item] = 0;
    Lord(2)[L::heroLevel] = 8;
    Lord(2)[L::difficulty] = 12;
    SeedGiving(100, 0);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
    // A computer lord's bow stays out of its gear and is told to the human.
    g.heroGear[1][1][state::HeroGear::present] = 0;
    SeedGiving(100, 0);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_green.jpg");
    EXPECT_EQ(dialogs.Last().text,
              "Oh no! One of your enemies has found the mighty bow and can command the elves!");
    EXPECT_EQ(duels.foundItems.size(), 1u);
    SeedGiving(100, 0);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 2);
}

TEST_F(ThemeTest, TheDemonsGiveAnItemGoldOrNightscaresAndAnnounceTheAllianceOnce) {
    auto& g = state::G();
    Theme(11);
    Lord(1)[L::heroLevel] = 2;
    for (int row : {1, 30, 31, 32}) {
        g.itemTable[row][I::exists] = 1;
        g.itemTable[row][I::itemKind] = 3;
        g.itemTable[row][I::rarity] = row == 31 ? 2 : 1;
        g.itemTable[row][I::itemLevel] = row == 32 ? 3 : row == 1 ? 1 : 2;
    }
    SeedGiving(100, 30);
    logic::DemonGift();
    EXPECT_EQ(hooks.calls.front(), "PlayReward 1");
    EXPECT_EQ(duels.foundItems, (std::vector<int>{32}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Demons!", "Alliance!"}));
    EXPECT_EQ(Lord(1)[L::themeCounter], 1);

    SeedGiving(100, 31);
    logic::DemonGift();
    EXPECT_EQ(Lord(1)[L::gold], 11000);
    SeedGiving(100, 60);
    logic::DemonGift();
    EXPECT_EQ(Lord(1)[L::gold], 21000);
    Army(1)[A::specialCount] = 1;
    SeedGiving(100, 61);
    logic::DemonGift();
    EXPECT_EQ(Army(1)[A::specialCount], 3);
    EXPECT_EQ(Army(1)[A::specialType], 10);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Demons!", "Alliance!", "Demons!", "Gold!",
                                                  "Demons!", "Gold!", "Demons!", "Demonic army!"}));
    // Without a candidate the item is item 1; a computer lord gets nothing.
    Lord(1)[L::heroLevel] = 6;
    SeedGiving(100, 0);
    logic::DemonGift();
    EXPECT_EQ(duels.foundItems.back(), 1);
    const size_t shown = dialogs.Shown().size();
    TurnOf(2);
    logic::DemonGift();
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
}

// A human's find draws in [0, 100) and holds on a draw of at most the theme's limit: 10 for the
// dragon pass, the holy bow and the sword, 5 for the dragon eggs and the shards; the vials of
// the gates of hell need no roll, but the draw is made.
TEST_F(ThemeTest, AHumansFindHoldsOnADrawOfAtMostItsLimit) {
    auto& g = state::G();
    struct Case {
        int theme, limit;
    };
    const Case cases[] = {{1, 10}, {7, 10}, {18, 10}, {8, 5}, {17, 5}, {12, 99}};
    for (const Case& c : cases) {
        Theme(c.theme);
        LastDuelAgainst(10);
        const std::vector<int> edges =
            c.limit == 99 ? std::vector<int>{0, 99} : std::vector<int>{c.limit + 1, c.limit, 0};
        int found = 0;
        for (const int draw : edges) {
            SCOPED_TRACE("theme " + std::to_string(c.theme) + ", draw " + std::to_string(draw));
            g.itemTable.ClearRows(0, 0);
            Lord(1)[L::themeCounter] = 0;
            state::ScriptedDraws draws;
            draws.Then(100, {draw});
            logic::ThemeFind(1, true);
            EXPECT_EQ(draws.Taken(100), 1);
            EXPECT_EQ(Lord(1)[L::themeCounter], draw <= c.limit ? 1 : 0);
            found += Lord(1)[L::themeCounter];
        }
        EXPECT_EQ(found, static_cast<int>(edges.size()) - (c.limit == 99 ? 0 : 1)) << c.theme;
    }
}

// A computer lord's find draws in [0, its range by difficulty): 250 at difficulty 1, 200 at 2,
// 150 at 7, 100 at 12; the dragon egg holds on a draw of at most 10. At the cauldrons the
// computer needs a draw of at most 25, the human none.
TEST_F(ThemeTest, AComputersFindDrawsInTheRangeOfItsDifficulty) {
    Theme(1);
    for (const auto& [difficulty, range] :
         {std::pair{1, 250}, std::pair{2, 200}, std::pair{7, 150}, std::pair{12, 100}}) {
        Lord(2)[L::difficulty] = difficulty;
        Lord(2)[L::themeCounter] = 0;
        state::ScriptedDraws draws;
        draws.Then(range, {range - 1, 11, 10});
        for (int i = 0; i < 3; ++i)
            logic::ThemeFind(2, false);
        EXPECT_EQ(draws.Taken(range), 3) << difficulty;
        EXPECT_EQ(Lord(2)[L::themeCounter], 1) << difficulty;
    }
    Theme(6);
    Lord(2)[L::heroLevel] = 8;
    Lord(2)[L::difficulty] = 12;
    Lord(2)[L::themeCounter] = 0;
    {
        state::ScriptedDraws draws;
        draws.Then(100, {26, 25, 0});
        for (int i = 0; i < 3; ++i)
            logic::ThemeFind(2, false);
        EXPECT_EQ(draws.Taken(100), 3);
        EXPECT_EQ(Lord(2)[L::themeCounter], 2);
    }
    LastDuelAgainst(10);
    state::ScriptedDraws draws;
    draws.Then(100, {99});
    logic::ThemeFind(1, true);
    EXPECT_EQ(draws.Taken(100), 1);
    EXPECT_EQ(Lord(1)[L::themeCounter], 1);
}

// The demons' gift draws in [0, 100): below 31 an item, up to 60 the gold, above it the
// nightscares. The item is one of the rarity-1 items of the hero's level + 1, each as likely: a
// draw in [0, count) picks it in table order.
TEST_F(ThemeTest, TheDemonsGiveAnItemBelow31GoldUpTo60AndNightscaresAbove) {
    auto& g = state::G();
    Theme(11);
    Lord(1)[L::heroLevel] = 2;
    for (int row : {30, 32, 35, 36}) {
        g.itemTable[row][I::exists] = 1;
        g.itemTable[row][I::itemKind] = 3;
        g.itemTable[row][I::rarity] = row == 36 ? 2 : 1;
        g.itemTable[row][I::itemLevel] = 3;
    }
    struct Case {
        int draw, itemDraw, item;
    };
    for (const Case& c : {Case{0, 0, 30}, Case{30, 2, 35}, Case{30, 1, 32}}) {
        state::ScriptedDraws draws;
        draws.Then(100, {c.draw});
        draws.Then(3, {c.itemDraw});
        logic::DemonGift();
        EXPECT_EQ(duels.foundItems.back(), c.item) << c.draw << " " << c.itemDraw;
        EXPECT_EQ(draws.Taken(100), 1);
        EXPECT_EQ(draws.Taken(3), 1);
    }
    EXPECT_EQ(Lord(1)[L::gold], 1000);
    for (const int draw : {31, 60}) {
        state::ScriptedDraws draws;
        draws.Then(100, {draw});
        logic::DemonGift();
        EXPECT_EQ(draws.Taken(100), 1);
    }
    EXPECT_EQ(Lord(1)[L::gold], 21000);
    EXPECT_EQ(Army(1)[A::specialCount], 0);
    for (const int draw : {61, 99}) {
        state::ScriptedDraws draws;
        draws.Then(100, {draw});
        logic::DemonGift();
        EXPECT_EQ(draws.Taken(100), 1);
    }
    EXPECT_EQ(Army(1)[A::specialCount], 4);
    EXPECT_EQ(Army(1)[A::specialType], 10);
    EXPECT_EQ(Lord(1)[L::gold], 21000);
    EXPECT_EQ(duels.foundItems.size(), 3u);
}

TEST_F(ThemeTest, ThePrincessIsWonAtTheCitadelWithTheVictorysCaps) {
    auto& g = state::G();
    testsupport::TempGameFolders folders;  // the progress file is written
    Theme(13);
    g.battleOwnSide[state::BattleSide::lord] = 1;
    g.playedScenario = 12;
    g.scenariosUnlocked = 12;
    g.difficultyUnlocked = 11;
    Lord(1)[L::difficulty] = 12;
    logic::ThemeBattleWon(kSite);
    EXPECT_EQ(duels.opponents.at(0), "\"Evil Sorcerer\" m1_sorcerer 10 0 1");
    // The duel opens with its own notice of the opponent.
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Evil sorcerer!", "\"Evil Sorcerer\"",
                                                  "Princess Alina!", "Victory!", ""}));
    EXPECT_EQ(dialogs.Shown()[3].picture, "m1_victory.jpg");
    EXPECT_EQ(dialogs.Last().text, "Congratulations! A new difficulty level has become available!");
    EXPECT_EQ(g.difficultyUnlocked, 12);
    EXPECT_EQ(g.scenariosUnlocked, 12);
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_TRUE(g.gameOver);
    EXPECT_TRUE(g.returnToMenu);
    EXPECT_EQ(hooks.IndexOf("PlayReward 2"), 0);
    EXPECT_TRUE(hooks.Has("PlayReward 3"));
    EXPECT_TRUE(hooks.Has("DisableAllTimers"));
    EXPECT_TRUE(hooks.Has("CloseStrategicWindow"));

    // A lost duel with the sorcerer: the game goes on.
    g.gameOver = false;
    Theme(13);
    duels.heroWins = false;
    logic::ThemeBattleWon(kSite);
    EXPECT_FALSE(g.gameOver);
    EXPECT_EQ(Site()[state::MapSite::active], 1);
}

}  // namespace
}  // namespace themetest
