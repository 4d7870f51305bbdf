// The computer lords' goal choice: a fixed list of rules, each applying only while its priority
// is above the priority reached so far.
#include "campaign/computer_goals.h"

#include <cstdint>

#include "battle/battle_sides.h"
#include "campaign/movement.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "state/int_math.h"
#include "state/lord_colours.h"
#include "state/scenario_settings.h"
#include "state/themes.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

constexpr int kPriorityEnemyClose = 100000;
constexpr int kPriorityWalls = 10000;
constexpr int kPriorityBarracks = 9500;
constexpr int kPriorityEnemyStronger = 9000;
constexpr int kPriorityKeep = 8000;
constexpr int kPriorityAttack = 7500;
constexpr int kPriorityBuildings = 7000;
constexpr int kPriorityHire = 6000;
// Armies at least this strong are never chosen as the weakest castle to attack.
constexpr int kAttackStrengthLimit = 100000;
// A lord's army this close (steps below) to a castle threatens it.
constexpr int kCloseDistance = 3;
// Gold counted as one soldier in the potential strength.
constexpr int kGoldPerSoldier = 400;

// Buildings 1..8 without the guildhouse: what goal 50 completes.
constexpr int kComputerBuildings[] = {1, 2, 3, 4, 5, 6, 7, 8};

int Strength(int lord, std::int64_t soldiers) {
    const auto& a = state::G().army[lord];
    std::int64_t s = soldiers * TroopHealth(1) + std::int64_t{a[Army::fast]} * TroopHealth(2) +
                     std::int64_t{a[Army::archers]} * TroopHealth(3) +
                     std::int64_t{a[Army::siege]} * TroopHealth(4);
    const int kind = a[Army::specialType];
    if (a[Army::specialCount] > 0 && kind >= 1 && kind <= 100)
        s += std::int64_t{a[Army::specialCount]} * TroopHealth(kind);
    return state::Saturate(s);
}

bool OtherInGame(int lord, int p) {
    return p != lord && InGame(p);
}

int Theme() {
    return state::G().mapSetting[state::MapSetting::theme];
}

// The dragon's site of theme 1 (the main theme site) is still on the map.
bool DragonSiteExists() {
    const auto& sites = state::G().mapSite;
    for (int r = 1; r <= 10; ++r) {
        if (sites[r][state::MapSite::active] > 0 &&
            sites[r][state::MapSite::kind] == SiteKind::mainTheme)
            return true;
    }
    return false;
}

int CastleDistance(int lord, int x, int y) {
    const auto& l = LordRecord(lord);
    return StepDistance(l[Lord::castleX], l[Lord::castleY], x, y);
}

// Rule 1: the first other lord whose army stands close to the castle.
int CloseEnemy(int lord) {
    for (int p = 1; p <= kLords; ++p) {
        if (!OtherInGame(lord, p)) continue;
        const auto& a = ArmyRecord(p);
        if (a[Army::present] > 0 && CastleDistance(lord, a[Army::x], a[Army::y]) < kCloseDistance)
            return p;
    }
    return 0;
}

// Rule 3: the enemy that is stronger, by its army and then by its potential; 0 if none.
int StrongerEnemy(int lord) {
    const int mine = ArmyStrength(lord);
    int best = 0, enemy = 0;
    for (int p = 1; p <= kLords; ++p) {
        if (!OtherInGame(lord, p)) continue;
        const int s = ArmyStrength(p);
        const bool exposed =
            !HasBuilt(lord, CastleBuilding::walls) || ArmyRecord(p)[Army::siege] > 0;
        if (exposed && mine < s && s > best) {
            best = s;
            enemy = p;
        }
    }
    for (int p = 1; p <= kLords; ++p) {
        if (!OtherInGame(lord, p)) continue;
        const int s = PotentialStrength(p);
        if (mine < s && s > best) {
            best = s;
            enemy = p;
        }
    }
    return enemy;
}

// Rule 5: the weakest enemy whose castle is in reach and open to this lord's army.
int CastleToAttack(int lord) {
    if (Theme() == state::kDemonPactTheme) {
        for (int p = 1; p <= kLords; ++p) {
            if (OtherInGame(lord, p) && IsHuman(p) && LordRecord(p)[Lord::themeCounter] >= 1)
                return p;
        }
    }
    int weakest = kAttackStrengthLimit, enemy = 0;
    const bool siege = ArmyRecord(lord)[Army::siege] > 0;
    for (int p = 1; p <= kLords; ++p) {
        if (!OtherInGame(lord, p)) continue;
        const auto& l = LordRecord(p);
        if (CastleDistance(lord, l[Lord::castleX], l[Lord::castleY]) >=
            LordRecord(lord)[Lord::moveRange])
            continue;
        if (HasBuilt(p, CastleBuilding::walls) && !siege) continue;
        const int s = ArmyStrength(p);
        if (s < weakest) {
            weakest = s;
            enemy = p;
        }
    }
    return enemy;
}

bool AnyBuildingMissing(int lord) {
    for (int b : kComputerBuildings) {
        if (!HasBuilt(lord, b)) return true;
    }
    return false;
}

}  // namespace

bool BuildingGoal(int goal) {
    return goal == Goal::walls || goal == Goal::keep || goal == Goal::buildings ||
           goal == Goal::bowmaker || goal == Goal::stables;
}

int ArmyStrength(int lord) {
    if (lord < 0 || lord > kLords) return 0;
    return Strength(lord, state::G().army[lord][Army::soldiers]);
}

int PotentialStrength(int lord) {
    if (!ValidLord(lord)) return 0;
    return Strength(lord, std::int64_t{ArmyRecord(lord)[Army::soldiers]} +
                              LordRecord(lord)[Lord::gold] / kGoldPerSoldier);
}

GoalChoice ChooseGoal(int lord) {
    GoalChoice c;
    if (!ValidLord(lord)) return c;
    auto take = [&c](int goal, int priority) {
        if (priority <= c.priority) return false;
        c.goal = goal;
        c.priority = priority;
        return true;
    };
    const auto& a = ArmyRecord(lord);

    if (const int e = CloseEnemy(lord); e != 0 && take(Goal::enemyClose, kPriorityEnemyClose))
        c.enemy = e;
    if (!HasBuilt(lord, CastleBuilding::walls)) take(Goal::walls, kPriorityWalls);
    if (!HasBuilt(lord, CastleBuilding::barracks)) take(Goal::barracks, kPriorityBarracks);

    if (kPriorityEnemyStronger > c.priority) {
        if (const int e = StrongerEnemy(lord); e != 0) {
            take(Goal::enemyStronger, kPriorityEnemyStronger);
            c.enemy = e;
            if (!HasBuilt(lord, CastleBuilding::bowmaker) && a[Army::soldiers] > 9)
                c.goal = Goal::bowmaker;
            if (!HasBuilt(lord, CastleBuilding::stables) && a[Army::soldiers] > 9 &&
                ArmyRecord(e)[Army::fast] > 0)
                c.goal = Goal::stables;
            if (!HasBuilt(lord, CastleBuilding::keep) && a[Army::soldiers] > 19)
                c.goal = Goal::keep;
        }
    }
    if (!HasBuilt(lord, CastleBuilding::keep)) take(Goal::keep, kPriorityKeep);

    if (kPriorityAttack > c.priority) {
        if (const int e = CastleToAttack(lord); e != 0) {
            take(Goal::attackCastle, kPriorityAttack);
            c.enemy = e;
            const int theirs = ArmyStrength(e);
            if (ArmyStrength(lord) < std::int64_t{theirs} + theirs / 3) c.goal = Goal::hireTroops;
            if (!HasBuilt(lord, CastleBuilding::barracks)) c.goal = Goal::buildings;
            if ((HasBuilt(e, CastleBuilding::bowmaker) || HasBuilt(e, CastleBuilding::stables)) &&
                !HasBuilt(lord, CastleBuilding::stables))
                c.goal = Goal::buildings;
            if (Theme() == state::kDragonPassTheme && DragonSiteExists()) {
                c.goal = Goal::none;
                c.priority = 0;
            }
        }
    }
    if (AnyBuildingMissing(lord)) take(Goal::buildings, kPriorityBuildings);
    if (c.priority < kPriorityHire) take(Goal::hireTroops, kPriorityHire);
    return c;
}

GoalChoice StoreGoal(int lord) {
    const GoalChoice c = ChooseGoal(lord);
    if (!ValidLord(lord)) return c;
    auto& l = LordRecord(lord);
    l[Lord::aiGoal] = c.goal;
    l[Lord::aiTarget] = 0;
    if (c.goal == Goal::attackCastle || c.goal == Goal::enemyStronger || c.goal == Goal::enemyClose)
        l[Lord::aiTarget] = c.enemy;
    return c;
}

std::string GoalText(int goal, int target) {
    switch (goal) {
        case Goal::enemyClose:
            return "Enemy is close...hire as many troops as possible.";
        case Goal::walls:
            return "We have no walls yet - build walls now!";
        case Goal::barracks:
            return "We need barracks!";
        case Goal::enemyStronger:
            return "Enemy could attack and is stronger - hire troops.";
        case Goal::keep:
            return "We need more range - build a keep now!";
        case Goal::attackCastle:
            return std::string("We can attack the enemy castle (") + state::LordColourWord(target) +
                   ") and should do so!";
        case Goal::buildings:
            return "Build buildings left.";
        case Goal::hireTroops:
            return "Hire troops.";
        default:
            return {};
    }
}

}  // namespace logic
