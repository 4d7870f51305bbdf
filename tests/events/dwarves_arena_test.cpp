#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "state/random.h"

namespace themetest {
namespace {

namespace L = state::Lord;
namespace A = state::Army;
namespace I = state::ItemTable;
namespace M = state::MonsterTable;

void AddItem(int row, int level, int rarity) {
    auto& item = state::G().itemTable[row];
    item[I::exists] = 1;
    item[I::itemKind] = 3;
    item[I::itemLevel] = level;
    item[I::rarity] = rarity;
    item[I::healthStrength] = 1;
}

TEST_F(ThemeTest, DwarvesWantGoldAndDarkIronForAxemenAndForTheirItem) {
    Theme(3);
    // The computer needs 500 gold, 20 ore and a countdown of exactly 0.
    Visit(2);
    Lord(2)[L::gold] = 499;
    Lord(2)[L::themeCounter] = 20;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(2)[A::specialCount], 0);
    Lord(2)[L::gold] = 500;
    Lord(2)[L::themeCounter] = 19;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(2)[A::specialCount], 0);
    Lord(2)[L::themeCounter] = 20;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(2)[A::specialCount], 3);
    EXPECT_EQ(Army(2)[A::specialType], 6);
    EXPECT_EQ(Lord(2)[L::gold], 0);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
    EXPECT_EQ(Site()[state::MapSite::countdown], 15);
    EXPECT_TRUE(dialogs.Shown().empty());

    // The human: both options are closed while the dwarves are busy.
    Visit(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().buttons,
              (std::vector<std::string>{
                  "Hire dwarven axemen (3 batallions, 500 gold, 20 dark iron) (disabled)",
                  "Ask them for a magic weapon (20 dark iron) (disabled)", "Leave"}));
    Site()[state::MapSite::countdown] = 0;
    // Gold is checked before the ore.
    Lord(1)[L::gold] = 499;
    Lord(1)[L::themeCounter] = 3;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough gold!");
    Lord(1)[L::gold] = 500;
    dialogs.Answer(2);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Dark iron required");
    EXPECT_EQ(dialogs.Last().text,
              "The dwarves agree to help you. However to craft the weapons for their men they need "
              "20 units of dark iron ingots (you have 3). You can get them by mining ore in the "
              "\"dark mines\".");
    // The magic item costs the gold too; rarity 2 weighs 200, rarity 3 nothing.
    Lord(1)[L::themeCounter] = 20;
    Lord(1)[L::heroLevel] = 2;
    AddItem(40, 2, 3);
    AddItem(41, 2, 2);
    AddItem(42, 3, 2);
    dialogs.Answer(2);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(1)[L::gold], 0);
    EXPECT_EQ(Lord(1)[L::themeCounter], 0);
    EXPECT_EQ(duels.foundItems, (std::vector<int>{41}));
    EXPECT_EQ(state::G().dungeonLord, 1);
    // Nothing to draw: item 1.
    Site()[state::MapSite::countdown] = 0;
    Lord(1)[L::gold] = 500;
    Lord(1)[L::themeCounter] = 20;
    Lord(1)[L::heroLevel] = 5;
    AddItem(1, 1, 2);
    dialogs.Answer(2);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.foundItems.back(), 1);
}

TEST_F(ThemeTest, MiningYieldsBySkillAndTheSkillRisesOnARollAboveIt) {
    const int table[][2] = {{-5, 1}, {0, 1},  {9, 1},  {10, 2},   {20, 2},
                            {21, 3}, {40, 3}, {41, 4}, {60, 4},   {61, 6},
                            {80, 6}, {81, 8}, {99, 8}, {100, 16}, {150, 16}};
    for (const auto& [skill, ore] : table)
        EXPECT_EQ(logic::MiningYield(skill), ore) << skill;

    Theme(3, -2);
    Lord(1)[L::miningSkill] = 95;
    Lord(1)[L::themeCounter] = 2;
    Lord(1)[L::ironIngots] = 1;
    SeedGiving(100, 95);
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(
        dialogs.Shown()[0].text,
        "Hidden in the shadow you find the entrance to a dwarven mine. You can mine dark iron "
        "ore here. Your mining skill is at 95% of 100%. You have 2 dark iron ore and 1 dark "
        "iron ingots.");
    EXPECT_EQ(dialogs.Last().text, "You mine 8 iron ore (Total now: 10)");
    EXPECT_EQ(Lord(1)[L::miningSkill], 95);
    EXPECT_EQ(Site()[state::MapSite::countdown], 6);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "Hidden in the shadow you find the entrance to a dwarven mine. The mine is closed "
              "(for 6 turns). Your mining skill is at 95% of 100%. You have 10 dark iron ore and 1 "
              "dark iron ingots.");
    EXPECT_EQ(dialogs.Last().buttons.at(0), "Mine for ore (disabled)");

    Site()[state::MapSite::countdown] = 0;
    SeedGiving(100, 96);
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(1)[L::miningSkill], 100);
    EXPECT_EQ(dialogs.Last().text,
              "Your mining skill has increased to 100 of 100%. The higher the "
              "more ore you can mine.");
    // At 100 the skill stays and the yield is 16; a computer mines at countdown 0 only.
    Visit(2);
    Lord(2)[L::miningSkill] = 100;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
    Site()[state::MapSite::countdown] = 0;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::themeCounter], 16);
    EXPECT_EQ(Lord(2)[L::miningSkill], 100);
}

// The dwarves' item is drawn among the items of the hero's level with p = 1 + a draw in
// [0, total): the first item whose running weight reaches p. Rarity 3 and 1 weigh nothing, 2
// weighs 200, 4 weighs 50: rows 40 and 43 are never given, 41 takes the draws 0 to 199, 42 the
// draws 200 to 249.
TEST_F(ThemeTest, TheDwarvesItemIsTheFirstWhoseRunningWeightReachesTheDraw) {
    Theme(3);
    Lord(1)[L::heroLevel] = 2;
    AddItem(40, 2, 3);
    AddItem(41, 2, 2);
    AddItem(42, 2, 4);
    AddItem(43, 2, 1);
    AddItem(44, 3, 2);  // another level
    const std::pair<int, int> picks[] = {{0, 41}, {199, 41}, {200, 42}, {249, 42}};
    for (const auto& [draw, item] : picks) {
        Site()[state::MapSite::countdown] = 0;
        Lord(1)[L::gold] = 500;
        Lord(1)[L::themeCounter] = 20;
        state::ScriptedDraws draws;
        draws.Then(250, {draw});
        dialogs.Answer(2);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(duels.foundItems.back(), item) << draw;
        EXPECT_EQ(draws.Taken(250), 1);
    }
    EXPECT_EQ(duels.foundItems.size(), 4u);
}

// A visit to the mine raises the skill by 5 (up to 100) when a draw of 100 exceeds the skill: at
// 40 the draw 40 does not, 41 does; a draw cannot exceed 99, and at 100 the skill stays.
TEST_F(ThemeTest, TheMiningSkillRisesWhenTheDrawExceedsIt) {
    Theme(3, -2);
    struct Case {
        int skill, draw, after;
    };
    const Case cases[] = {{40, 40, 40},  {40, 41, 45},  {40, 99, 45}, {0, 0, 0},     {0, 1, 5},
                          {96, 97, 100}, {98, 99, 100}, {99, 99, 99}, {100, 99, 100}};
    Visit(2);
    for (const Case& c : cases) {
        Site()[state::MapSite::countdown] = 0;
        Lord(2)[L::miningSkill] = c.skill;
        state::ScriptedDraws draws;
        draws.Then(100, {c.draw});
        logic::ThemeEvent(kSite);
        EXPECT_EQ(Lord(2)[L::miningSkill], c.after) << c.skill << " " << c.draw;
        EXPECT_EQ(draws.Taken(100), 1);
    }
    // The human is told of a rise, and only of a rise.
    Visit(1);
    Lord(1)[L::miningSkill] = 40;
    Lord(1)[L::themeCounter] = 0;
    for (const int draw : {40, 41}) {
        Site()[state::MapSite::countdown] = 0;
        state::ScriptedDraws draws;
        draws.Then(100, {draw});
        dialogs.Answer(logic::kOfferAction);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(draws.Taken(100), 1);
    }
    EXPECT_EQ(Lord(1)[L::miningSkill], 45);
    EXPECT_EQ(Titles().size(), 5u);  // two offers, two yields, one rise
    EXPECT_EQ(dialogs.Shown()[1].text, "You mine 3 iron ore (Total now: 3)");
    EXPECT_EQ(dialogs.Shown()[3].text, "You mine 3 iron ore (Total now: 6)");
    EXPECT_EQ(dialogs.Last().text,
              "Your mining skill has increased to 45 of 100%. The higher the more ore you can "
              "mine.");
}

TEST_F(ThemeTest, TheArenaRaisesTheRankWithItsPrizeUpToGrandChampion) {
    EXPECT_EQ(logic::ArenaRankName(-1), "Novice");
    EXPECT_EQ(logic::ArenaRankName(7), "Champion");
    EXPECT_EQ(logic::ArenaRankName(9), "Grand Champion");

    auto& g = state::G();
    Theme(19);
    // A computer lord at rank 8 rises to 9 without a prize, and no further.
    Visit(2);
    Lord(2)[L::themeCounter] = 7;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::gold], 1000 + 8 * 375);
    Site()[state::MapSite::countdown] = 0;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::themeCounter], 9);
    EXPECT_EQ(Lord(2)[L::gold], 4000);
    Site()[state::MapSite::countdown] = 0;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(2)[L::themeCounter], 9);
    EXPECT_EQ(Site()[state::MapSite::countdown], 0);

    // The human at rank 7 fights a level-10 monster; the scenario's DuelFlag 1 stays.
    Visit(1);
    Lord(1)[L::themeCounter] = 7;
    g.monsterTable[5][M::exists] = 1;
    g.monsterTable[5][M::monsterLevel] = 10;
    g.monsterTable[5][M::duelFlag] = 1;
    g.monsterText[5][state::MonsterText::name] = "Troll";
    g.monsterTable[6][M::exists] = 1;
    g.monsterTable[6][M::monsterLevel] = 9;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Shown()[0].buttons.at(0), "Fight (Rank: Champion)");
    EXPECT_EQ(duels.opponents.at(0), "Troll  10 0 1");
    EXPECT_EQ(g.monsterTable[5][M::duelFlag], 1);
    EXPECT_EQ(Lord(1)[L::themeCounter], 8);
    EXPECT_EQ(Lord(1)[L::gold], 1000 + 3000);
    EXPECT_EQ(dialogs.Last().text,
              "Congratulations! You won the arena fight! You advance to the "
              "rank of Grand Champion. You get the prize of 3000 gold!");
    EXPECT_EQ(Site()[state::MapSite::countdown], 6);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "This is the \"Arena of Kings\". The arena is known in the "
              "whole realm for the bloody gladiator games celebrated every "
              "month. The next games are going to start soon (6 turns)");
    Site()[state::MapSite::countdown] = 0;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "This is the \"Arena of Kings\". You are the \"Grand Champion\" "
              "of the arena! Except for the other lords there is nobody you "
              "can challenge!");
    EXPECT_EQ(dialogs.Last().buttons.at(0), "N/A (disabled)");
}

// The arena's opponent is drawn among the monsters of level rank + 3 with p = 1 + a draw in
// [0, total): Frequency 1 weighs 200, 3 weighs 5, any other 50. Monster 5 (50) takes the draws
// 0 to 49, monster 6 (200) 50 to 249, monster 7 (5) 250 to 254.
TEST_F(ThemeTest, TheArenaOpponentIsTheFirstWhoseRunningWeightReachesTheDraw) {
    auto& g = state::G();
    Theme(4);
    Lord(1)[L::themeCounter] = 3;  // level 6 opponents
    for (const auto& [m, frequency] : {std::pair{5, 2}, std::pair{6, 1}, std::pair{7, 3}}) {
        g.monsterTable[m][M::exists] = 1;
        g.monsterTable[m][M::monsterLevel] = 6;
        g.monsterTable[m][M::frequency] = frequency;
        g.monsterText[m][state::MonsterText::name] = "Monster" + std::to_string(m);
        g.monsterText[m][state::MonsterText::picture] = "m" + std::to_string(m);
    }
    g.monsterTable[8][M::exists] = 1;  // another level
    g.monsterTable[8][M::monsterLevel] = 7;
    duels.heroWins = false;  // the rank stays
    const std::pair<int, const char*> picks[] = {
        {0, "Monster5 m5 6 0 1"},   {49, "Monster5 m5 6 0 1"},  {50, "Monster6 m6 6 0 1"},
        {249, "Monster6 m6 6 0 1"}, {250, "Monster7 m7 6 0 1"}, {254, "Monster7 m7 6 0 1"}};
    for (const auto& [draw, opponent] : picks) {
        Site()[state::MapSite::countdown] = 0;
        state::ScriptedDraws draws;
        draws.Then(255, {draw});
        dialogs.Answer(logic::kOfferAction);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(duels.opponents.back(), opponent) << draw;
        EXPECT_EQ(draws.Taken(255), 1);
    }
    EXPECT_EQ(duels.opponents.size(), 6u);
    EXPECT_EQ(Lord(1)[L::themeCounter], 3);
}

TEST_F(ThemeTest, TheArenaRestoresTheDuelFlagAndFallsBackToTheLastSetPieceOpponent) {
    auto& g = state::G();
    Theme(4);
    Lord(1)[L::themeCounter] = 3;  // level 6 opponents
    g.monsterTable[8][M::exists] = 1;
    g.monsterTable[8][M::monsterLevel] = 6;
    g.monsterTable[8][M::duelFlag] = 0;
    duels.heroWins = false;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.at(0).back(), '1');
    EXPECT_EQ(g.monsterTable[8][M::duelFlag], 0);
    EXPECT_EQ(Lord(1)[L::themeCounter], 3);
    EXPECT_EQ(Site()[state::MapSite::countdown], 6);

    // No monster of level 6 and no set-piece opponent filled yet: no fight at all.
    g.monsterTable[8][M::exists] = 0;
    g.monsterTable.ClearRows(0, 0);
    Site()[state::MapSite::countdown] = 0;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.size(), 1u);
    EXPECT_EQ(Site()[state::MapSite::countdown], 0);
    // Once a set-piece duel has filled row 0, that opponent fights in the arena.
    logic::StartSetPieceDuel(1, logic::SetPiece::vampire);
    duels.heroWins = true;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.back(), "Vampire m1_vampire 6 0 1");
    EXPECT_EQ(Lord(1)[L::themeCounter], 4);
    EXPECT_EQ(Lord(1)[L::gold], 1000 + 4 * 375);
}

}  // namespace
}  // namespace themetest
