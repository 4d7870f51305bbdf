// The duel engine: statistics from the opponent's level and flags, the rolls of both sides, the
// heroic state, the timers and the end of a duel in a dungeon room or at a set piece.
#include "dungeon/duel.h"

#include <algorithm>

#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/progression.h"
#include "dungeon/theme_finds.h"
#include "dungeon/treasure.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/monster_table.h"
#include "state/random.h"
#include "state/value_ranges.h"

namespace logic {

namespace Hero = state::Hero;
namespace Opp = state::Opponent;
namespace MonsterTable = state::MonsterTable;
namespace ItemTable = state::ItemTable;
namespace Room = state::Room;

namespace {

constexpr int kHeroicChance = 25;
constexpr int kLowHealthForHeroic = 9;
constexpr int kOpponentFlashSteps = 3;
constexpr int kHourglassSteps = 5;
constexpr const char* kBossSlain =
    "You have killed the boss monster! All monsters you might have missed will flee the dungeon "
    "now. You may return to your troops...with your treasures...";

// The opponent's damage by level 1..10 (levels outside use the nearest end).
constexpr int kDamageByLevel[11] = {0, 2, 2, 2, 3, 3, 3, 4, 4, 6, 6};

// The experience base by the hero's level minus the monster's level, for a lead of -10..10.
int ExperienceBase(int levelLead) {
    if (levelLead < -10 || levelLead > 10) return 0;
    if (levelLead <= -3) return 5;
    if (levelLead >= 3) return 500;
    constexpr int kNear[5] = {10, 25, 50, 100, 250};  // a lead of -2..2
    return kNear[levelLead + 2];
}

DungeonView& View() {
    return Hooks().Dungeon();
}

bool TutorialRefusesAction() {
    if (!TutorialRefusesDuelAction()) return false;
    DuelPause pause;
    UI().ShowShortNotice("Sorry, please follow the tutorial (click on \"Continue\")");
    return true;
}

state::Values<100>& Opponent() {
    return state::G().opponent;
}

int OppMonster() {
    const int monster = Opponent()[Opp::oppMonster];
    return ValidMonster(monster) ? monster : 0;
}

std::string OppPictureBase() {
    const int monster = Opponent()[Opp::oppPicture];
    return ValidMonster(monster) ? state::G().monsterText[monster][state::MonsterText::picture]
                                 : "";
}

bool InDungeonDuel() {
    return state::G().inDungeon == 1;
}

// A duel of lords during a battle or the storming of a castle: the battle reads the result.
bool LordDuel() {
    return !InDungeonDuel() && state::G().battleStarted;
}

void StopDuelTimers() {
    for (DuelTimer timer : {DuelTimer::OpponentAttack, DuelTimer::CoolDown, DuelTimer::HeroFlash,
                            DuelTimer::OpponentFlash})
        View().StopTimer(timer);
}

void StartCoolDown() {
    state::G().coolDownStep = 0;
    View().ShowHourglasses(0, false);
    View().StartTimer(DuelTimer::CoolDown);
}

void HideDuel() {
    state::G().duelShown = false;
    View().HideDuelPanel();
}

// The item bonus of one item to the attack (hit) or the damage.
void AddItemBonuses(int item, int heroLevel, int& attack, int& damage) {
    const int level = ItemField(item, ItemTable::itemLevel);
    const int hit = ItemField(item, ItemTable::hitStrength);
    const int dmg = ItemField(item, ItemTable::damageStrength);
    if (hit > 0) attack += ItemBonus(level, hit, heroLevel);
    if (dmg > 0) damage += ItemBonus(level, dmg, heroLevel);
}

void HeroWon() {
    state::GameState& g = state::G();
    AdvanceTutorial(TutorialStep::heroSurvived);
    Opponent()[Opp::oppActive] = 0;
    StopDuelTimers();
    g.duelShown = false;
    const int level = MonsterField(OppMonster(), MonsterTable::monsterLevel);
    UI().ShowNotice(OppPictureBase() + ".jpg", "Enemy slain!",
                    "Your attacker has been slain. You won the fight!");
    AddXP(DuelExperience(HeroRecord()[Hero::level], level));
    if (!LordDuel()) {
        if (InDungeonDuel()) {
            if (auto* room = HeroRoom()) (*room)[Room::visited] = 1;
            HandOutRoomTreasure(true);
        } else {
            ThemeFind(HeroLord(), true);
        }
    }
    if (InDungeonDuel()) {
        auto* room = HeroRoom();
        if (room != nullptr && (*room)[Room::event] == 1) {
            (*room)[Room::event] = 0;
            ClearDungeon(kBossSlain);
        }
    }
    View().HideDuelPanel();
    if (InDungeonDuel()) {
        DrawDungeon();
    } else {
        CloseDungeonScreen();
    }
}

void HeroLost() {
    StopDuelTimers();
    HideDuel();
    if (LordDuel()) {
        CloseDungeonScreen();
        return;
    }
    HeroDies();
}

}  // namespace

DuelStats ComputeDuelStats(int monsterLevel, int heroLevel, int difficulty, int toughness,
                           int duelFlag) {
    DuelStats stats;
    stats.heroSkill = 10 + heroLevel - monsterLevel;

    int skill = 10 + monsterLevel - heroLevel;
    skill = skill - skill / 5;
    if (difficulty >= 6 && difficulty <= 8) skill = skill + skill / 5;
    if (difficulty >= 9 && difficulty <= 12) skill = skill + skill / 4;
    if (monsterLevel <= 3) skill = skill - skill / 5;
    if (duelFlag == 1) skill = skill + 1;
    stats.oppSkill = skill;

    int damage = kDamageByLevel[std::clamp(monsterLevel, 1, 10)];
    if (difficulty >= 2 && difficulty <= 3) damage = damage + damage / 3;
    if (difficulty >= 4 && difficulty <= 8) damage = damage + damage / 2;
    if (difficulty >= 9 && difficulty <= 12) damage = damage * 2;

    int health = 9 * monsterLevel;
    if (duelFlag == 1) health = health + health / 2;
    health = health - health / 4;
    if (difficulty >= 1 && difficulty <= 3) health = health - health / 2;
    if (difficulty >= 9 && difficulty <= 11) health = health + health / 2;
    if (difficulty == 12) health = 2 * health;
    if (monsterLevel <= 3) health = health - health / 4;
    if (monsterLevel < 8) health = health + 2;

    if (toughness == 1) health = health + health / 3;
    if (toughness == 2) damage = damage + damage / 4;
    if (toughness == 3) health = health - health / 3;
    stats.oppDamage = damage;
    stats.oppHealth = health;
    return stats;
}

int DuelExperience(int heroLevel, int monsterLevel) {
    const int base = ExperienceBase(heroLevel - monsterLevel);
    return base + (monsterLevel * base) / 10;
}

bool DuelActive() {
    return state::G().duelShown;
}

void AbandonDuel() {
    if (!DuelActive()) return;
    StopDuelTimers();
    HideDuel();
}

DuelPause::DuelPause() {
    if (!DuelActive()) return;
    opponent_ = View().TimerRunning(DuelTimer::OpponentAttack);
    coolDown_ = View().TimerRunning(DuelTimer::CoolDown);
    View().StopTimer(DuelTimer::OpponentAttack);
    View().StopTimer(DuelTimer::CoolDown);
}

DuelPause::~DuelPause() {
    if (!DuelActive()) return;
    if (opponent_) View().StartTimer(DuelTimer::OpponentAttack);
    if (coolDown_) View().StartTimer(DuelTimer::CoolDown);
}

void StartDuel(int monster) {
    state::GameState& g = state::G();
    if (!ValidMonster(monster)) return;
    auto& hero = HeroRecord();
    hero[Hero::heroic] = 0;
    Opponent()[Opp::oppMonster] = monster;
    Opponent()[Opp::oppPicture] = monster;
    Opponent()[Opp::oppActive] = 1;
    StopDuelTimers();
    g.coolDownStep = 0;
    g.oppFlashStep = 0;
    View().ShowHourglasses(0, false);
    View().EnableDuelActions(true);

    const auto& row = g.monsterTable[monster];
    const std::string& name = g.monsterText[monster][state::MonsterText::name];
    UI().ShowNotice(OppPictureBase() + ".jpg", name, "You are attacked! Fight for your life!");

    const int level = row[MonsterTable::monsterLevel];
    const DuelStats stats =
        ComputeDuelStats(level, hero[Hero::level], LordRecord(HeroLord())[state::Lord::difficulty],
                         row[MonsterTable::toughness], row[MonsterTable::duelFlag]);
    hero[Hero::duelSkill] = stats.heroSkill;
    hero[Hero::duelDamage] = 2;
    Opponent()[Opp::oppSkill] = stats.oppSkill;
    Opponent()[Opp::oppDamage] = stats.oppDamage;
    Opponent()[Opp::oppHealth] = stats.oppHealth;
    Opponent()[Opp::oppMaxHealth] = stats.oppHealth;

    g.duelShown = true;
    View().SetOpponentPicture(OppPictureBase() + ".jpg");
    View().SetDuelResult("");
    DrawDuelStatus();
    View().ShowDuelPanel();
    AdvanceTutorial(TutorialStep::firstMove);
}

void HeroAttack(int kind) {
    if (!DuelActive() || !state::InRange(kind, DuelAction::thrust, DuelAction::strike)) return;
    auto& hero = HeroRecord();
    if (kind == DuelAction::strike && hero[Hero::heroic] != 1) return;
    if (TutorialRefusesAction()) return;
    if (!View().TimerRunning(DuelTimer::OpponentAttack))
        View().StartTimer(DuelTimer::OpponentAttack);
    View().EnableDuelActions(false);
    if (kind == DuelAction::strike) hero[Hero::heroic] = 0;

    // The hero's attack roll and damage bonus: the other items carried and the equipped weapon
    // add to both.
    const int heroLevel = hero[Hero::level];
    int attack = state::Random(12) + 2 + hero[Hero::duelSkill] + 2;
    int damageBonus = 0;
    for (int slot = 1; slot <= kBackpackSlots; ++slot) {
        const int item = SlotItem(slot);
        if (item != kNoItem && ItemField(item, ItemTable::itemKind) == ItemKind::other)
            AddItemBonuses(item, heroLevel, attack, damageBonus);
    }
    const int weapon = EquippedItem();
    if (weapon != kNoItem) AddItemBonuses(weapon, heroLevel, attack, damageBonus);
    const int opponentDefense = state::Random(12) + 2 + Opponent()[Opp::oppSkill];

    const int weaponKind = EquippedKind();
    const int resistance = MonsterField(OppMonster(), MonsterTable::resistance);
    switch (kind) {
        case DuelAction::thrust:
            if (weaponKind == ItemKind::thrustWeapon && resistance != state::Resistance::thrusts)
                attack += 4;
            if (weaponKind == ItemKind::slashWeapon) attack -= 2;
            break;
        case DuelAction::smash:
            if (weaponKind == ItemKind::slashWeapon) attack -= 2;
            if (weaponKind == ItemKind::thrustWeapon) attack -= 4;
            if (resistance == state::Resistance::thrusts) attack -= 2;
            break;
        case DuelAction::strike:
            attack = 1000;
            break;
        default:
            break;
    }

    if (attack < opponentDefense) {
        Hooks().Sound().Play(sound::Effect::Miss);
        View().SetDuelResult("Miss...");
    } else {
        View().PlayHitCry(MonsterField(OppMonster(), MonsterTable::soundFamily));
        View().SetDuelResult("Hit!!");
        int damage = hero[Hero::duelDamage] + damageBonus;
        switch (kind) {
            case DuelAction::thrust:
                if (weaponKind == ItemKind::thrustWeapon) damage = damage - damage / 3;
                if (weaponKind == ItemKind::slashWeapon) damage = damage - 2 * (damage / 3);
                if (resistance == state::Resistance::thrusts) damage = damage - damage / 4;
                break;
            case DuelAction::slash:
                if (weaponKind == ItemKind::thrustWeapon) damage = damage - damage / 3;
                if (resistance == state::Resistance::slashes) damage = damage - damage / 4;
                break;
            case DuelAction::smash:
                if (weaponKind == ItemKind::slashWeapon && resistance != state::Resistance::slashes)
                    damage = 3 * damage;
                if (weaponKind == ItemKind::thrustWeapon) damage = damage - damage / 6;
                break;
            default:
                damage = 3 * hero[Hero::duelDamage];
                View().SetDuelResult("Strike!!");
                break;
        }
        Opponent()[Opp::oppHealth] -= damage;
        state::G().oppFlashStep = kOpponentFlashSteps;
        View().SetOpponentPicture(OppPictureBase() + "_red.jpg");
        View().StartTimer(DuelTimer::OpponentFlash);
        const int roll = state::Random(hero[Hero::health] < kLowHealthForHeroic ? 75 : 100);
        if (roll < kHeroicChance && kind != DuelAction::strike && hero[Hero::heroic] == 0) {
            hero[Hero::heroic] = 1;
            View().SetDuelResult("Heroic...");
        }
    }
    DrawDuelStatus();
    CheckDuelEnd();
    if (DuelActive()) StartCoolDown();
}

void HeroHeal() {
    if (!DuelActive() || HeroRecord()[Hero::heroic] != 1) return;
    if (TutorialRefusesAction()) return;
    View().StopTimer(DuelTimer::OpponentAttack);
    View().StopTimer(DuelTimer::CoolDown);
    View().EnableDuelActions(false);
    auto& hero = HeroRecord();
    hero[Hero::heroic] = 0;
    const int prayer = state::Random(5) + 10 + hero[Hero::level];
    hero[Hero::health] = std::min(hero[Hero::health] + (prayer - prayer / 3), MaxHealth());
    RecomputeItemBonuses();
    DrawDuelStatus();
    UI().ShowNotice("m1_action_divine.jpg", "Prayer!",
                    "In deep despair you pray to the gods and indeed you feel how the divine "
                    "intervention begins to heal your wounds.");
    if (!DuelActive()) return;
    StartCoolDown();
    View().StartTimer(DuelTimer::OpponentAttack);
}

void HeroRetreat() {
    if (!DuelActive() || HeroRecord()[Hero::heroic] != 1) return;
    if (TutorialRefusesAction()) return;
    View().EnableDuelActions(false);
    if (MonsterField(OppMonster(), MonsterTable::duelFlag) == 1) {
        {
            DuelPause pause;
            UI().ShowNotice("m1_action_retreat.jpg", "Duel!", "You cannot flee in a duel!");
        }
        StartCoolDown();
        return;
    }
    StopDuelTimers();
    HideDuel();
    if (InDungeonDuel()) {
        auto& hero = HeroRecord();
        if (auto* room = HeroRoom()) (*room)[Room::visited] = 0;
        if (OnBoard(hero[Hero::prevX], hero[Hero::prevY])) {
            hero[Hero::posX] = hero[Hero::prevX];
            hero[Hero::posY] = hero[Hero::prevY];
        }
        DrawDungeon();
    }
    UI().ShowNotice("m1_action_retreat.jpg", "Flee!",
                    "You run like you have never run before in your life and you manage to "
                    "escape certain death.");
    // A set-piece duel fled from ends with the opponent standing.
    if (!InDungeonDuel()) CloseDungeonScreen();
}

void OpponentAttack() {
    if (!DuelActive()) return;
    if (TutorialHoldsMonsters()) return;
    auto& hero = HeroRecord();
    const int heroDefense = state::Random(12) + 2 + hero[Hero::duelSkill];
    const int attack = state::Random(12) + 2 + Opponent()[Opp::oppSkill] + 2;
    if (heroDefense <= attack) {
        Hooks().Sound().Play(sound::Effect::Alert);
        hero[Hero::health] =
            state::AddWithin(hero[Hero::health], -std::int64_t{Opponent()[Opp::oppDamage]},
                             state::kLowestHeroHealth, state::kHighestHeroHealth);
        View().SetHeroPicture(HeroPicture(CurrentLordChecked(), "_red.jpg"));
        View().StartTimer(DuelTimer::HeroFlash);
    }
    DrawDuelStatus();
    CheckDuelEnd();
}

void CheckDuelEnd() {
    auto& hero = HeroRecord();
    if (hero[Hero::health] < 1 && Opponent()[Opp::oppHealth] < 1) hero[Hero::health] = 1;
    if (TutorialAt(TutorialStep::heroSurvived) && hero[Hero::health] < 1) {
        DuelPause pause;
        hero[Hero::health] = 6;
        UI().ShowShortNotice(
            "In this tutorial fight you may not die. To prevent it we healed you to some degree. "
            "Try to use a potion by clicking on it or the \"heal\" heroic action.");
    }
    if (hero[Hero::health] < 1) {
        HeroLost();
    } else if (Opponent()[Opp::oppHealth] < 1) {
        HeroWon();
    }
}

void DrawDuelStatus() {
    DrawHeroStatus();
    const int monster = OppMonster();
    DuelView duel;
    duel.opponentName = state::G().monsterText[monster][state::MonsterText::name];
    duel.opponentLevel = MonsterField(monster, MonsterTable::monsterLevel);
    duel.opponentHealthPicture =
        HealthPicture(Opponent()[Opp::oppHealth], Opponent()[Opp::oppMaxHealth]);
    duel.heroic = HeroRecord()[Hero::heroic] == 1;
    View().DrawDuel(duel);
}

void DuelCheat() {
    if (!DuelActive()) return;
    int answer = 0;
    {
        DuelPause pause;
        answer = UI().AskYesNo(
            "You have discovered a hidden cheat! Do you want to kill the monster? (WARNING "
            "SPOILER!)");
    }
    if (answer != kAnswerYes) return;
    Opponent()[Opp::oppHealth] = 0;
    CheckDuelEnd();
}

void OpponentAttackTick() {
    OpponentAttack();
}

void CoolDownTick() {
    state::GameState& g = state::G();
    g.coolDownStep += 1;
    if (g.coolDownStep <= kHourglassSteps) {
        View().ShowHourglasses(g.coolDownStep, HeroRecord()[Hero::heroic] == 1);
        return;
    }
    View().ShowHourglasses(0, false);
    View().EnableDuelActions(true);
    View().StopTimer(DuelTimer::CoolDown);
    g.coolDownStep = 0;
}

void HeroFlashTick() {
    View().StopTimer(DuelTimer::HeroFlash);
    View().SetHeroPicture(HeroPicture(CurrentLordChecked()));
}

void OpponentFlashTick() {
    state::GameState& g = state::G();
    if (g.oppFlashStep <= 0) {
        View().StopTimer(DuelTimer::OpponentFlash);
        return;
    }
    // Three steps: normal, red, normal.
    View().SetOpponentPicture(OppPictureBase() + (g.oppFlashStep == 2 ? "_red.jpg" : ".jpg"));
    g.oppFlashStep -= 1;
    if (g.oppFlashStep == 0) View().StopTimer(DuelTimer::OpponentFlash);
}

}  // namespace logic
