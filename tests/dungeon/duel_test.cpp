// The duel: statistics, damage by weapon and resistance, the heroic roll, the end of a duel, the
// timers and the refusals during combat.
#include <string>

#include "dungeon/duel.h"
#include "dungeon/dungeon_fixture.h"
#include "dungeon/exploration.h"
#include "dungeon/items.h"
#include "dungeon/set_piece_duel.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/random.h"

namespace dungeontest {
namespace {

namespace Hero = state::Hero;
namespace Opp = state::Opponent;
using logic::DuelTimer;

TEST(DuelStats, ByLevelDifficultyToughnessAndDuelFlag) {
    struct Case {
        int L, h, D, toughness, flag;
        int heroSkill, oppSkill, oppDamage, oppHealth;
    };
    const Case cases[] = {
        {1, 1, 5, 0, 0, 10, 7, 3, 8},     // the worked level-1 example
        {10, 8, 5, 0, 0, 8, 10, 9, 68},   // the worked level-10 example
        {1, 1, 1, 0, 0, 10, 7, 2, 5},     // easy: no damage bonus, health halved
        {4, 2, 7, 0, 0, 8, 12, 4, 29},    // skill + 1/5 at 6..8, damage + 1/2
        {5, 5, 12, 0, 0, 10, 10, 6, 70},  // health doubled at 12, damage doubled
        {3, 3, 3, 1, 1, 10, 8, 2, 18},    // duel flag: + 1/2 health, + 1 skill; tough: + 1/3
        {6, 6, 9, 2, 0, 10, 10, 7, 63},   // strong: damage + 1/4 after doubling
        {6, 6, 5, 3, 0, 10, 8, 4, 29},    // weak: health - 1/3
        {12, 8, 5, 0, 0, 6, 12, 9, 81},   // above level 10: the damage of level 10
        {0, 1, 5, 0, 0, 11, 7, 3, 2},     // below level 1: the damage of level 1
    };
    for (const Case& c : cases) {
        const logic::DuelStats s = logic::ComputeDuelStats(c.L, c.h, c.D, c.toughness, c.flag);
        SCOPED_TRACE("level " + std::to_string(c.L) + " difficulty " + std::to_string(c.D));
        EXPECT_EQ(s.heroSkill, c.heroSkill);
        EXPECT_EQ(s.oppSkill, c.oppSkill);
        EXPECT_EQ(s.oppDamage, c.oppDamage);
        EXPECT_EQ(s.oppHealth, c.oppHealth);
    }
}

TEST(DuelExperience, ByLevelDifferenceWithTheMonsterLevelBonus) {
    EXPECT_EQ(logic::DuelExperience(1, 1), 55);    // 50 + 5
    EXPECT_EQ(logic::DuelExperience(3, 1), 275);   // 250 + 25
    EXPECT_EQ(logic::DuelExperience(8, 2), 600);   // t = 6: 500 + 100
    EXPECT_EQ(logic::DuelExperience(1, 2), 30);    // 25 + 5
    EXPECT_EQ(logic::DuelExperience(1, 3), 13);    // 10 + 3
    EXPECT_EQ(logic::DuelExperience(1, 4), 7);     // 5 + 2
    EXPECT_EQ(logic::DuelExperience(2, 1), 110);   // 100 + 10
    EXPECT_EQ(logic::DuelExperience(1, 12), 0);    // t = -11
    EXPECT_EQ(logic::DuelExperience(11, 1), 550);  // t = 10 is the last with a base
    EXPECT_EQ(logic::DuelExperience(12, 1), 0);
    EXPECT_EQ(logic::DuelExperience(10, 0), 500);
}

class DuelTest : public DungeonTest {
  protected:
    void SetUp() override {
        DungeonTest::SetUp();
        MakeCorridorFloor();
        AddMonster(1, 1);
        logic::StartDuel(1);
    }
    // An opponent that cannot dodge and deals no harm; the hero's base damage d.
    void SureHits(int d) {
        auto& g = state::G();
        g.opponent[Opp::oppSkill] = -1000;
        g.opponent[Opp::oppHealth] = 10000;
        g.hero[1][Hero::duelDamage] = d;
    }
    int Damage(int kind) {
        auto& g = state::G();
        g.hero[1][Hero::heroic] = kind == logic::DuelAction::strike ? 1 : 0;
        const int before = g.opponent[Opp::oppHealth];
        logic::HeroAttack(kind);
        return before - g.opponent[Opp::oppHealth];
    }
};

TEST_F(DuelTest, StartShowsTheOpponentAndWaitsForTheHero) {
    auto& g = state::G();
    EXPECT_EQ(dialogs.Last().title, "Monster 1");
    EXPECT_EQ(dialogs.Last().picture, "m1_mon1.jpg");
    EXPECT_EQ(dialogs.Last().text, "You are attacked! Fight for your life!");
    EXPECT_EQ(g.opponent[Opp::oppHealth], 8);
    EXPECT_EQ(g.opponent[Opp::oppMaxHealth], 8);
    EXPECT_EQ(g.hero[1][Hero::duelDamage], 2);
    EXPECT_TRUE(logic::DuelActive());
    EXPECT_TRUE(view.Has("ShowDuelPanel"));
    EXPECT_TRUE(view.running.empty());  // the opponent waits for the hero's first action
    EXPECT_EQ(view.duel.opponentHealthPicture, "Health9.jpg");
    logic::OpponentAttackTick();  // a stray tick changes nothing
    EXPECT_EQ(g.hero[1][Hero::health], 25);
}

TEST_F(DuelTest, DamageByWeaponKindAgainstResistance) {
    AddItem(1, 1, 1, 2);  // slash weapon, no strengths
    AddItem(2, 2, 1, 2);  // thrust weapon
    using logic::DuelAction::slash, logic::DuelAction::smash, logic::DuelAction::strike,
        logic::DuelAction::thrust;
    struct Case {
        int weapon;  // 0 none, else the weapon kind
        int resistance;
        int kind;
        int damage;
    };
    const Case cases[] = {
        {0, 0, thrust, 12}, {0, 2, thrust, 9},  {2, 0, thrust, 8},  {2, 2, thrust, 6},
        {1, 0, thrust, 4},  {1, 2, thrust, 3},  {0, 0, slash, 12},  {0, 1, slash, 9},
        {2, 0, slash, 8},   {2, 1, slash, 6},   {1, 0, slash, 12},  {1, 0, smash, 36},
        {1, 1, smash, 12},  {1, 2, smash, 36},  {2, 0, smash, 10},  {0, 0, smash, 12},
        {0, 0, strike, 36}, {1, 1, strike, 36}, {2, 2, strike, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("weapon " + std::to_string(c.weapon) + " resistance " +
                     std::to_string(c.resistance) + " action " + std::to_string(c.kind));
        state::G().heroGear[1][1] = {};
        state::G().equippedSlot = 0;
        if (c.weapon != 0) {
            Give(1, c.weapon);
            state::G().equippedSlot = 1;
        }
        state::G().monsterTable[1][state::MonsterTable::resistance] = c.resistance;
        SureHits(12);
        EXPECT_EQ(Damage(c.kind), c.damage);
    }
}

TEST_F(DuelTest, ItemBonusesCountForItemsAndTheEquippedWeaponOnly) {
    AddItem(1, 1, 2, 2, 0, 2);  // slash weapon, damage Greater at level 2: +3 for a level-1 hero
    AddItem(3, 3, 1, 2, 0, 1);  // an item with damage Lesser: +1
    Give(1, 1);
    Give(2, 3);
    SureHits(2);
    state::G().equippedSlot = 0;  // a weapon carried but not equipped gives nothing
    EXPECT_EQ(Damage(logic::DuelAction::slash), 3);
    state::G().equippedSlot = 1;
    EXPECT_EQ(Damage(logic::DuelAction::slash), 6);
    EXPECT_EQ(Damage(logic::DuelAction::strike), 6);  // the item bonus does not count
    // A stale EquippedSlot pointing at a non-weapon counts as no weapon.
    state::G().equippedSlot = 2;
    EXPECT_EQ(Damage(logic::DuelAction::smash), 3);
    state::G().equippedSlot = 7;
    EXPECT_EQ(Damage(logic::DuelAction::smash), 3);
}

// A seed after which the hero's hit roll draws 7 of [0, 12), the opponent's roll 3 and the
// heroic roll that follows a hit 25 or more of [0, 100) (no heroic state).
unsigned SeedForHitRolls() {
    for (unsigned seed = 1;; ++seed) {
        state::SeedRandom(seed);
        const int hero = state::Random(12);
        const int opponent = state::Random(12);
        if (hero == 7 && opponent == 3 && state::Random(100) >= 25) return seed;
    }
}

TEST_F(DuelTest, HitRollAgainstTheOpponentsRollWithLevelItemsWeaponAndResistance) {
    auto& g = state::G();
    AddItem(1, 1, 1, 2);     // slash weapon
    AddItem(2, 2, 1, 2);     // thrust weapon
    AddItem(3, 2, 1, 2, 3);  // thrust weapon of hit strength 3 at level 1: +3 for a level-1 hero
    AddItem(4, 3, 2, 2, 2);  // another item of hit strength 2 at level 2: +3 for a level-1 hero
    const unsigned seed = SeedForHitRolls();
    using logic::DuelAction::slash, logic::DuelAction::smash, logic::DuelAction::strike,
        logic::DuelAction::thrust;
    // The hero of duel skill 10 rolls 7 + 2 + 10 + 2 = 21 before the modifiers, the opponent
    // 3 + 2 + its skill: a skill of 16 ties, and a tie is a hit.
    struct Case {
        const char* what;
        int weapon;  // item in slot 1, 0 for none
        bool armed;  // the weapon is equipped
        bool charm;  // item 4 in slot 2
        int heroLevel;
        int resistance;
        int kind;
        int oppSkill;
        const char* result;
    };
    const Case cases[] = {
        {"bare hands tie", 0, false, false, 1, 0, slash, 16, "Hit!!"},
        {"bare hands one short", 0, false, false, 1, 0, slash, 17, "Miss..."},
        {"no weapon, thrust unchanged", 0, false, false, 1, 0, thrust, 16, "Hit!!"},
        {"no weapon, thrust unchanged", 0, false, false, 1, 0, thrust, 17, "Miss..."},
        {"no weapon, smash unchanged", 0, false, false, 1, 0, smash, 16, "Hit!!"},
        {"no weapon, smash unchanged", 0, false, false, 1, 0, smash, 17, "Miss..."},
        {"no weapon, smash against resistance 2: - 2", 0, false, false, 1, 2, smash, 14, "Hit!!"},
        {"no weapon, smash against resistance 2: - 2", 0, false, false, 1, 2, smash, 15, "Miss..."},
        {"thrust weapon, thrust + 4", 2, true, false, 1, 0, thrust, 20, "Hit!!"},
        {"thrust weapon, thrust + 4", 2, true, false, 1, 0, thrust, 21, "Miss..."},
        {"thrust weapon, thrust against resistance 2: no bonus", 2, true, false, 1, 2, thrust, 17,
         "Miss..."},
        {"thrust weapon, thrust against resistance 2: no bonus", 2, true, false, 1, 2, thrust, 16,
         "Hit!!"},
        {"thrust weapon, slash unchanged", 2, true, false, 1, 0, slash, 16, "Hit!!"},
        {"thrust weapon, slash unchanged", 2, true, false, 1, 0, slash, 17, "Miss..."},
        {"thrust weapon, smash - 4", 2, true, false, 1, 0, smash, 12, "Hit!!"},
        {"thrust weapon, smash - 4", 2, true, false, 1, 0, smash, 13, "Miss..."},
        {"thrust weapon, smash against resistance 2: - 6", 2, true, false, 1, 2, smash, 10,
         "Hit!!"},
        {"thrust weapon, smash against resistance 2: - 6", 2, true, false, 1, 2, smash, 11,
         "Miss..."},
        {"slash weapon, thrust - 2", 1, true, false, 1, 0, thrust, 14, "Hit!!"},
        {"slash weapon, thrust - 2", 1, true, false, 1, 0, thrust, 15, "Miss..."},
        {"slash weapon, thrust against resistance 2: - 2", 1, true, false, 1, 2, thrust, 15,
         "Miss..."},
        {"slash weapon, smash - 2", 1, true, false, 1, 0, smash, 14, "Hit!!"},
        {"slash weapon, smash - 2", 1, true, false, 1, 0, smash, 15, "Miss..."},
        {"slash weapon, smash against resistance 2: - 4", 1, true, false, 1, 2, smash, 12, "Hit!!"},
        {"slash weapon, smash against resistance 2: - 4", 1, true, false, 1, 2, smash, 13,
         "Miss..."},
        {"slash weapon, slash unchanged", 1, true, false, 1, 1, slash, 16, "Hit!!"},
        {"slash weapon, slash unchanged", 1, true, false, 1, 1, slash, 17, "Miss..."},
        {"equipped weapon's hit + 3", 3, true, false, 1, 0, slash, 19, "Hit!!"},
        {"equipped weapon's hit + 3", 3, true, false, 1, 0, slash, 20, "Miss..."},
        {"a weapon carried but not equipped adds nothing", 3, false, false, 1, 0, slash, 17,
         "Miss..."},
        {"carried item's hit + 3 at level 1", 0, false, true, 1, 0, slash, 19, "Hit!!"},
        {"carried item's hit + 3 at level 1", 0, false, true, 1, 0, slash, 20, "Miss..."},
        {"carried item's hit + 2 at level 2", 0, false, true, 2, 0, slash, 19, "Miss..."},
        {"carried item's hit + 2 at level 2", 0, false, true, 2, 0, slash, 18, "Hit!!"},
        {"carried item's hit never below 0", 0, false, true, 5, 0, slash, 16, "Hit!!"},
        {"carried item and weapon: + 6", 3, true, true, 1, 0, slash, 22, "Hit!!"},
        {"carried item and weapon: + 6", 3, true, true, 1, 0, slash, 23, "Miss..."},
        {"the heroic strike rolls 1000", 2, true, true, 1, 2, strike, 995, "Strike!!"},
        {"the heroic strike rolls 1000", 2, true, true, 1, 2, strike, 996, "Miss..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ", opponent skill " + std::to_string(c.oppSkill));
        g.heroGear[1] = {};
        if (c.weapon != 0) Give(1, c.weapon);
        if (c.charm) Give(2, 4);
        g.equippedSlot = c.armed ? 1 : 0;
        g.hero[1][Hero::level] = c.heroLevel;
        g.hero[1][Hero::duelSkill] = 10;
        g.hero[1][Hero::heroic] = c.kind == strike ? 1 : 0;
        g.monsterTable[1][state::MonsterTable::resistance] = c.resistance;
        g.opponent[Opp::oppSkill] = c.oppSkill;
        g.opponent[Opp::oppHealth] = 10000;
        view.result.clear();
        state::SeedRandom(seed);
        logic::HeroAttack(c.kind);
        EXPECT_EQ(view.result, c.result);
        // Only a hit wounds the opponent.
        EXPECT_EQ(g.opponent[Opp::oppHealth] < 10000, std::string(c.result) != "Miss...");
    }
}

TEST_F(DuelTest, HeroicStateComesOneHitInFourOrOneInThreeBelowNineHealth) {
    auto& g = state::G();
    for (int health : {9, 8}) {
        int heroic = 0;
        const int hits = 3000;
        for (int i = 0; i < hits; ++i) {
            SureHits(1);
            g.hero[1][Hero::health] = health;
            g.hero[1][Hero::heroic] = 0;
            logic::HeroAttack(logic::DuelAction::slash);
            heroic += g.hero[1][Hero::heroic];
        }
        const int expected = health == 9 ? hits / 4 : hits / 3;
        EXPECT_NEAR(heroic, expected, hits / 30) << "health " << health;
    }
    // A strike never turns heroic again, and the result line says what happened.
    SureHits(1);
    g.hero[1][Hero::heroic] = 1;
    logic::HeroAttack(logic::DuelAction::strike);
    EXPECT_EQ(g.hero[1][Hero::heroic], 0);
    EXPECT_EQ(view.result, "Strike!!");
    // Strike is refused outside the heroic state.
    const int before = g.opponent[Opp::oppHealth];
    logic::HeroAttack(logic::DuelAction::strike);
    EXPECT_EQ(g.opponent[Opp::oppHealth], before);
}

// The hero's attack is a draw in [0, 12) + 2 + the duel skill + 2, drawn first; the opponent's
// defense a second draw in [0, 12) + 2 + its skill. A tie hits. With the draws 0 and 11 a hero
// of skill 10 attacks with 14 against 13 + skill: skill 1 ties, 2 misses; with 11 and 0 with 25
// against 2 + skill: skill 23 ties, 24 misses. A hit then draws the heroic roll, a miss does not.
TEST_F(DuelTest, TheHitRollsAreDrawnInTwelveHeroFirstAndATieHits) {
    auto& g = state::G();
    struct Case {
        int heroDraw, oppDraw, oppSkill;
        bool hit;
    };
    const Case cases[] = {
        {0, 11, 1, true}, {0, 11, 2, false}, {11, 0, 23, true}, {11, 0, 24, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.heroDraw) + " " + std::to_string(c.oppDraw) + " skill " +
                     std::to_string(c.oppSkill));
        g.hero[1][Hero::duelSkill] = 10;
        g.hero[1][Hero::heroic] = 0;
        g.opponent[Opp::oppSkill] = c.oppSkill;
        g.opponent[Opp::oppHealth] = 10000;
        state::ScriptedDraws draws;
        draws.Then(12, {c.heroDraw, c.oppDraw});
        draws.Then(100, {99});
        logic::HeroAttack(logic::DuelAction::slash);
        EXPECT_EQ(draws.Taken(12), 2);
        EXPECT_EQ(view.result, c.hit ? "Hit!!" : "Miss...");
        EXPECT_EQ(g.opponent[Opp::oppHealth], c.hit ? 10000 - 2 : 10000);
        EXPECT_EQ(draws.Taken(100), c.hit ? 1 : 0);
    }
}

// A hit turns the hero heroic on a draw below 25: of 100 at 9 health or more, of 75 below 9; a
// hero already heroic stays as he is.
TEST_F(DuelTest, AHitTurnsHeroicOnADrawBelow25Of100OrOf75BelowNineHealth) {
    auto& g = state::G();
    struct Case {
        int health, n, draw;
        bool heroic;
    };
    const Case cases[] = {{9, 100, 24, true},  {9, 100, 25, false}, {9, 100, 0, true},
                          {9, 100, 99, false}, {8, 75, 24, true},   {8, 75, 25, false},
                          {8, 75, 0, true},    {8, 75, 74, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("health " + std::to_string(c.health) + ", draw " + std::to_string(c.draw));
        SureHits(1);
        g.hero[1][Hero::health] = c.health;
        g.hero[1][Hero::heroic] = 0;
        view.result.clear();
        state::ScriptedDraws draws;
        draws.Then(c.n, {c.draw});
        logic::HeroAttack(logic::DuelAction::slash);
        EXPECT_EQ(draws.Taken(c.n), 1);
        EXPECT_EQ(g.hero[1][Hero::heroic], c.heroic ? 1 : 0);
        EXPECT_EQ(view.result, c.heroic ? "Heroic..." : "Hit!!");
    }
}

// The opponent's attack draws the hero's defense first, a draw in [0, 12) + 2 + the duel skill,
// then its own attack, a draw in [0, 12) + 2 + its skill + 2; a defense up to the attack is hit.
// With 11 and 0 a hero of skill 10 defends with 23 against 4 + skill: 19 hits, 18 does not; with
// 0 and 11 with 12 against 15 + skill: -3 hits, -4 does not.
TEST_F(DuelTest, TheOpponentsRollsAreDrawnInTwelveDefenseFirstAndATieHits) {
    auto& g = state::G();
    struct Case {
        int heroDraw, oppDraw, oppSkill;
        bool hit;
    };
    const Case cases[] = {
        {11, 0, 19, true}, {11, 0, 18, false}, {0, 11, -3, true}, {0, 11, -4, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.heroDraw) + " " + std::to_string(c.oppDraw) + " skill " +
                     std::to_string(c.oppSkill));
        g.hero[1][Hero::duelSkill] = 10;
        g.hero[1][Hero::health] = 25;
        g.opponent[Opp::oppSkill] = c.oppSkill;
        g.opponent[Opp::oppDamage] = 3;
        state::ScriptedDraws draws;
        draws.Then(12, {c.heroDraw, c.oppDraw});
        logic::OpponentAttack();
        EXPECT_EQ(draws.Taken(12), 2);
        EXPECT_EQ(g.hero[1][Hero::health], c.hit ? 22 : 25);
    }
}

// A prayer heals p - p / 3 with p = a draw in [0, 5) + 10 + the hero's level, up to the maximum
// health: at level 1 the draws 0 and 4 heal 8 and 10, at level 3 9 and 12.
TEST_F(DuelTest, APrayerHealsTwoThirdsOfADrawOf5PlusTenPlusTheLevel) {
    auto& g = state::G();
    struct Case {
        int level, draw, health, after;
    };
    const Case cases[] = {{1, 0, 5, 13}, {1, 4, 5, 15},  {3, 0, 5, 14},
                          {3, 4, 5, 17}, {1, 4, 15, 25}, {1, 4, 16, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + ", draw " + std::to_string(c.draw));
        g.hero[1][Hero::level] = c.level;
        g.hero[1][Hero::health] = c.health;
        g.hero[1][Hero::heroic] = 1;
        state::ScriptedDraws draws;
        draws.Then(5, {c.draw});
        logic::HeroHeal();
        EXPECT_EQ(draws.Taken(5), 1);
        EXPECT_EQ(g.hero[1][Hero::health], c.after);
        EXPECT_EQ(g.hero[1][Hero::heroic], 0);
    }
    EXPECT_EQ(dialogs.Last().title, "Prayer!");
}

TEST_F(DuelTest, BothBelowOneIsAWinWithOneHealthAndExperience) {
    auto& g = state::G();
    g.room[1][3][state::Room::visited] = 0;
    g.hero[1][Hero::health] = -3;
    g.opponent[Opp::oppHealth] = 0;
    logic::CheckDuelEnd();
    EXPECT_EQ(g.hero[1][Hero::health], 1);
    EXPECT_EQ(g.inDungeon, 1);
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_EQ(g.opponent[Opp::oppActive], 0);
    EXPECT_EQ(g.hero[1][Hero::xp], 55);
    EXPECT_EQ(g.room[1][3][state::Room::visited], 1);
    EXPECT_TRUE(dialogs.ShownText("Your attacker has been slain. You won the fight!"));
    EXPECT_TRUE(view.running.empty());
}

TEST_F(DuelTest, LosingInADungeonKillsTheHeroAndKeepsTheTreasury) {
    auto& g = state::G();
    g.lord[1][state::Lord::gold] = 700;
    g.hero[1][Hero::goldCarried] = 1900;
    g.hero[1][Hero::health] = 0;
    g.opponent[Opp::oppHealth] = 5;
    logic::CheckDuelEnd();
    EXPECT_EQ(g.inDungeon, 0);
    EXPECT_EQ(g.hero[1][Hero::goldCarried], 0);
    EXPECT_EQ(g.lord[1][state::Lord::gold], 700);
    EXPECT_EQ(g.army[1][state::Army::x], 1);
    EXPECT_EQ(g.army[1][state::Army::y], 1);
    EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].title, "Dead!");
    EXPECT_EQ(dialogs.Last().title, "Resurrection!");
    EXPECT_TRUE(view.Has("CloseDungeonWindow"));
    EXPECT_TRUE(g.dungeonMayClose);
}

TEST_F(DuelTest, TimersCoolDownAndPauseAroundModalWindows) {
    auto& g = state::G();
    g.opponent[Opp::oppHealth] = 10000;
    logic::HeroAttack(logic::DuelAction::thrust);
    EXPECT_TRUE(view.Running(DuelTimer::OpponentAttack));
    EXPECT_TRUE(view.Running(DuelTimer::CoolDown));
    for (int step = 1; step <= 5; ++step) {
        logic::CoolDownTick();
        EXPECT_TRUE(view.Running(DuelTimer::CoolDown)) << step;
    }
    logic::CoolDownTick();  // the sixth tick frees the buttons
    EXPECT_FALSE(view.Running(DuelTimer::CoolDown));

    // A potion window in the duel stops the opponent and restarts it afterwards.
    AddItem(5, 3, 1, 3, 0, 0, 0, 1);
    Give(1, 5);
    logic::ShowItemDetail(1);  // answered "Back"
    EXPECT_TRUE(view.Running(DuelTimer::OpponentAttack));

    // Refusals while the duel is on change nothing.
    const int rations = g.hero[1][Hero::rations];
    g.hero[1][Hero::health] = 5;
    logic::Eat();
    EXPECT_EQ(dialogs.Last().text, "Sorry, but during combat you can not take this action.");
    EXPECT_EQ(g.hero[1][Hero::rations], rations);
    logic::MoveHero(2, 3);
    EXPECT_EQ(g.hero[1][Hero::posX], 1);
    logic::Leave();
    EXPECT_EQ(g.inDungeon, 1);
    logic::DungeonOptions();
    EXPECT_EQ(dialogs.Last().text, "Sorry, but during combat you can not access the option menu.");
    EXPECT_FALSE(logic::DungeonCloseQuery());
    EXPECT_EQ(dialogs.Last().text, "You cannot close the screen while in combat!");
    EXPECT_TRUE(view.Running(DuelTimer::OpponentAttack));

    // The won duel stops every timer and the cool-down does not start again.
    g.opponent[Opp::oppHealth] = 1;
    g.opponent[Opp::oppSkill] = -1000;
    logic::HeroAttack(logic::DuelAction::slash);
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_TRUE(view.running.count(DuelTimer::CoolDown) == 0 &&
                view.running.count(DuelTimer::OpponentAttack) == 0);
    EXPECT_TRUE(logic::DungeonCloseQuery() == false);
    EXPECT_EQ(dialogs.Last().text,
              "Please exit a dungeon using the LEAVE button at the left bottom part of the "
              "screen.");
}

TEST_F(DuelTest, OpponentHitsFlashTheHeroAndTheFlashesEnd) {
    auto& g = state::G();
    g.opponent[Opp::oppSkill] = 1000;
    g.opponent[Opp::oppDamage] = 3;
    logic::OpponentAttack();
    EXPECT_EQ(g.hero[1][Hero::health], 22);
    EXPECT_TRUE(view.Running(DuelTimer::HeroFlash));
    EXPECT_EQ(view.status.heroPicture, "hero1_red.jpg");
    logic::HeroFlashTick();
    EXPECT_FALSE(view.Running(DuelTimer::HeroFlash));

    SureHits(1);
    logic::HeroAttack(logic::DuelAction::slash);
    EXPECT_TRUE(view.Running(DuelTimer::OpponentFlash));
    for (int i = 0; i < 3; ++i)
        logic::OpponentFlashTick();
    EXPECT_FALSE(view.Running(DuelTimer::OpponentFlash));
}

TEST_F(DuelTest, RetreatBackToThePreviousRoomUnlessItIsADuel) {
    auto& g = state::G();
    g.hero[1][Hero::prevX] = 1;
    g.hero[1][Hero::prevY] = 3;
    g.hero[1][Hero::posX] = 2;
    g.room[2][3][state::Room::visited] = 1;
    g.hero[1][Hero::heroic] = 1;
    g.monsterTable[1][state::MonsterTable::duelFlag] = 1;
    logic::HeroRetreat();
    EXPECT_EQ(dialogs.Last().text, "You cannot flee in a duel!");
    EXPECT_TRUE(logic::DuelActive());
    g.monsterTable[1][state::MonsterTable::duelFlag] = 0;
    logic::HeroRetreat();
    EXPECT_EQ(dialogs.Last().title, "Flee!");
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_EQ(g.hero[1][Hero::posX], 1);
    EXPECT_EQ(g.room[2][3][state::Room::visited], 0);
    EXPECT_EQ(g.hero[1][Hero::heroic], 1);  // retreat leaves the heroic state set
}

TEST_F(DungeonTest, SetPieceDuelsFleeWithoutTouchingTheDungeonAndReportTheWinner) {
    auto& g = state::G();
    AddMonster(0, 2);
    g.hero[2][Hero::posX] = 4;
    // Without a window the duel is not fought: a loss, and no duel is left open.
    EXPECT_FALSE(logic::RunSetPieceDuel(2));
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_EQ(g.dungeonLord, 2);

    logic::StartDuel(0);
    g.hero[2][Hero::heroic] = 1;
    g.hero[2][Hero::prevX] = 1;
    logic::HeroRetreat();
    EXPECT_EQ(g.hero[2][Hero::posX], 4);
    EXPECT_TRUE(view.Has("CloseDungeonWindow"));

    // A lord duel in a battle that is lost leaves the hero alive for the battle to read.
    g.battleStarted = true;
    logic::StartDuel(0);
    g.hero[2][Hero::health] = 0;
    logic::CheckDuelEnd();
    EXPECT_FALSE(
        dialogs.ShownText("Your wounds are too severe, you drop to the floor.  The world "
                          "around you fades away and luckily you do not notice what "
                          "happens to whats left of your body."));
}

TEST_F(DuelTest, TheHiddenCheatKillsTheMonsterAfterYes) {
    dialogs.Answer(logic::kAnswerYes);
    logic::DuelCheat();
    EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].text,
              "You have discovered a hidden cheat! Do you want to kill the monster? (WARNING "
              "SPOILER!)");
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_EQ(state::G().opponent[Opp::oppActive], 0);
}

}  // namespace
}  // namespace dungeontest

namespace dungeontest {
namespace {

TEST_F(DungeonTest, TheStrategicWindowClosesADuelAndReopensTheDungeonAfterALoad) {
    auto& g = state::G();
    MakeCorridorFloor();
    AddMonster(1, 1);
    logic::StartDuel(1);
    g.opponent[state::Opponent::oppHealth] = 10000;
    logic::HeroAttack(logic::DuelAction::slash);
    logic::AbandonDuel();
    EXPECT_FALSE(logic::DuelActive());
    EXPECT_TRUE(view.running.empty());

    g.dungeonMayClose = true;
    logic::ResumeDungeon();
    EXPECT_TRUE(view.Has("ShowDungeonWindow"));
    EXPECT_FALSE(g.dungeonMayClose);
    EXPECT_EQ(view.board.heroX, 1);
}

}  // namespace
}  // namespace dungeontest
