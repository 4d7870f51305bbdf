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

// Experience base by t = hero level - monster level, for t = -10..10.
int ExperienceBase(int t) {
    if (t < -10 || t > 10) return 0;
    if (t <= -3) return 5;
    if (t >= 3) return 500;
    constexpr int kNear[5] = {10, 25, 50, 100, 250};  // t = -2..2
    return kNear[t + 2];
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
    const int m = Opponent()[Opp::oppMonster];
    return ValidMonster(m) ? m : 0;
}

std::string OppPictureBase() {
    const int m = Opponent()[Opp::oppPicture];
    return ValidMonster(m) ? state::G().monsterText[m][state::MonsterText::picture] : "";
}

bool InDungeonDuel() {
    return state::G().inDungeon == 1;
}

// A duel of lords during a battle or the storming of a castle: the battle reads the result.
bool LordDuel() {
    return !InDungeonDuel() && state::G().battleStarted;
}

void StopDuelTimers() {
    for (DuelTimer t : {DuelTimer::OpponentAttack, DuelTimer::CoolDown, DuelTimer::HeroFlash,
                        DuelTimer::OpponentFlash})
        View().StopTimer(t);
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
void AddItemBonuses(int item, int h, int& attack, int& damage) {
    const int level = ItemField(item, ItemTable::itemLevel);
    const int hit = ItemField(item, ItemTable::hitStrength);
    const int dmg = ItemField(item, ItemTable::damageStrength);
    if (hit > 0) attack += ItemBonus(level, hit, h);
    if (dmg > 0) damage += ItemBonus(level, dmg, h);
}

void HeroWon() {
    state::GameState& g = state::G();
    AdvanceTutorial(TutorialStep::heroSurvived);
    Opponent()[Opp::oppActive] = 0;
    StopDuelTimers();
    g.duelShown = false;
    const int m = OppMonster();
    const int level = MonsterField(m, MonsterTable::monsterLevel);
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

DuelStats ComputeDuelStats(int L, int h, int D, int toughness, int duelFlag) {
    DuelStats s;
    s.heroSkill = 10 + h - L;

    int skill = 10 + L - h;
    skill = skill - skill / 5;
    if (D >= 6 && D <= 8) skill = skill + skill / 5;
    if (D >= 9 && D <= 12) skill = skill + skill / 4;
    if (L <= 3) skill = skill - skill / 5;
    if (duelFlag == 1) skill = skill + 1;
    s.oppSkill = skill;

    int d = kDamageByLevel[std::clamp(L, 1, 10)];
    if (D >= 2 && D <= 3) d = d + d / 3;
    if (D >= 4 && D <= 8) d = d + d / 2;
    if (D >= 9 && D <= 12) d = d * 2;

    int n = 9 * L;
    if (duelFlag == 1) n = n + n / 2;
    n = n - n / 4;
    if (D >= 1 && D <= 3) n = n - n / 2;
    if (D >= 9 && D <= 11) n = n + n / 2;
    if (D == 12) n = 2 * n;
    if (L <= 3) n = n - n / 4;
    if (L < 8) n = n + 2;

    if (toughness == 1) n = n + n / 3;
    if (toughness == 2) d = d + d / 4;
    if (toughness == 3) n = n - n / 3;
    s.oppDamage = d;
    s.oppHealth = n;
    return s;
}

int DuelExperience(int heroLevel, int monsterLevel) {
    const int f = ExperienceBase(heroLevel - monsterLevel);
    return f + (monsterLevel * f) / 10;
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

void StartDuel(int m) {
    state::GameState& g = state::G();
    if (!ValidMonster(m)) return;
    auto& hero = HeroRecord();
    hero[Hero::heroic] = 0;
    Opponent()[Opp::oppMonster] = m;
    Opponent()[Opp::oppPicture] = m;
    Opponent()[Opp::oppActive] = 1;
    StopDuelTimers();
    g.coolDownStep = 0;
    g.oppFlashStep = 0;
    View().ShowHourglasses(0, false);
    View().EnableDuelActions(true);

    const auto& row = g.monsterTable[m];
    const std::string& name = g.monsterText[m][state::MonsterText::name];
    UI().ShowNotice(OppPictureBase() + ".jpg", name, "You are attacked! Fight for your life!");

    const int level = row[MonsterTable::monsterLevel];
    const DuelStats s =
        ComputeDuelStats(level, hero[Hero::level], LordRecord(HeroLord())[state::Lord::difficulty],
                         row[MonsterTable::toughness], row[MonsterTable::duelFlag]);
    hero[Hero::duelSkill] = s.heroSkill;
    hero[Hero::duelDamage] = 2;
    Opponent()[Opp::oppSkill] = s.oppSkill;
    Opponent()[Opp::oppDamage] = s.oppDamage;
    Opponent()[Opp::oppHealth] = s.oppHealth;
    Opponent()[Opp::oppMaxHealth] = s.oppHealth;

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

    const int h = hero[Hero::level];
    int a = state::Random(12) + 2 + hero[Hero::duelSkill] + 2;
    int b = 0;
    for (int slot = 1; slot <= kBackpackSlots; ++slot) {
        const int item = SlotItem(slot);
        if (item != kNoItem && ItemField(item, ItemTable::itemKind) == ItemKind::other)
            AddItemBonuses(item, h, a, b);
    }
    const int weapon = EquippedItem();
    if (weapon != kNoItem) AddItemBonuses(weapon, h, a, b);
    const int v = state::Random(12) + 2 + Opponent()[Opp::oppSkill];

    const int w = EquippedKind();
    const int r = MonsterField(OppMonster(), MonsterTable::resistance);
    switch (kind) {
        case DuelAction::thrust:
            if (w == 2 && r != 2) a += 4;
            if (w == 1) a -= 2;
            break;
        case DuelAction::smash:
            if (w == 1) a -= 2;
            if (w == 2) a -= 4;
            if (r == 2) a -= 2;
            break;
        case DuelAction::strike:
            a = 1000;
            break;
        default:
            break;
    }

    if (a < v) {
        Hooks().Sound().Play(sound::Effect::Miss);
        View().SetDuelResult("Miss...");
    } else {
        View().PlayHitCry(MonsterField(OppMonster(), MonsterTable::soundFamily));
        View().SetDuelResult("Hit!!");
        int g = hero[Hero::duelDamage] + b;
        switch (kind) {
            case DuelAction::thrust:
                if (w == 2) g = g - g / 3;
                if (w == 1) g = g - 2 * (g / 3);
                if (r == 2) g = g - g / 4;
                break;
            case DuelAction::slash:
                if (w == 2) g = g - g / 3;
                if (r == 1) g = g - g / 4;
                break;
            case DuelAction::smash:
                if (w == 1 && r != 1) g = 3 * g;
                if (w == 2) g = g - g / 6;
                break;
            default:
                g = 3 * hero[Hero::duelDamage];
                View().SetDuelResult("Strike!!");
                break;
        }
        Opponent()[Opp::oppHealth] -= g;
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
    const int x = state::Random(5) + 10 + hero[Hero::level];
    hero[Hero::health] = std::min(hero[Hero::health] + (x - x / 3), MaxHealth());
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
    const int d = state::Random(12) + 2 + hero[Hero::duelSkill];
    const int a = state::Random(12) + 2 + Opponent()[Opp::oppSkill] + 2;
    if (d <= a) {
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
    const int m = OppMonster();
    DuelView duel;
    duel.opponentName = state::G().monsterText[m][state::MonsterText::name];
    duel.opponentLevel = MonsterField(m, MonsterTable::monsterLevel);
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
