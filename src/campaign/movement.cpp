#include "campaign/movement.h"

#include "battle/castle_fall.h"
#include "campaign/field_battle.h"
#include "campaign/spawn_fields.h"
#include "campaign/turn_cycle.h"
#include "campaign/visit_site.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"

namespace logic {

namespace Army = state::Army;
namespace Field = state::Field;
namespace Lord = state::Lord;

namespace {

constexpr const char* kCastlePicture = "m2_castle.jpg";
constexpr const char* kWallsTitle = "Walls!";
constexpr const char* kWallsText =
    "The enemy has build superior walls. You will need cannons to attack the castle!";

// The step under way: the current lord c, its army's field before the step and the target.
struct Step {
    int c = 0;
    int o = 0;  // owner of the target field, 0 when neutral or not a lord
    int ax = 0, ay = 0;
    int x = 0, y = 0;
    bool human = false;
};

void TellHuman(const Step& s, const char* text) {
    if (s.human) UI().ShowShortNotice(text, "Continue");
}

void MoveOnto(int lord, int x, int y) {
    auto& a = ArmyRecord(lord);
    a[Army::x] = x;
    a[Army::y] = y;
}

// The army falls back to the field it held before its last step. A previous field that is not
// on the map (nothing stored yet) leaves the army where it is.
void StepBack(int lord) {
    auto& a = ArmyRecord(lord);
    if (OnMap(a[Army::prevX], a[Army::prevY])) MoveOnto(lord, a[Army::prevX], a[Army::prevY]);
}

// The army enters the target field and takes it.
void Enter(const Step& s) {
    auto& a = ArmyRecord(s.c);
    a[Army::prevX] = s.ax;
    a[Army::prevY] = s.ay;
    MoveOnto(s.c, s.x, s.y);
    (*FieldAt(s.x, s.y))[Field::owner] = s.c;
}

void SendHome(int lord) {
    const auto& l = LordRecord(lord);
    MoveOnto(lord, l[Lord::castleX], l[Lord::castleY]);
}

bool NoSiegeAgainstWalls(const Step& s) {
    return HasBuilt(s.o, CastleBuilding::walls) && ArmyRecord(s.c)[Army::siege] <= 0;
}

// Half of the defender's treasury goes to the attacker; only the human hears about it.
void Plunder(const Step& s) {
    auto& og = LordRecord(s.o)[Lord::gold];
    const int loot = og / 2;
    const bool defenderHuman = IsHuman(s.o);
    if (loot < 1) {
        UI().ShowShortNotice(defenderHuman
                                 ? "The enemy finds your treasury is empty and is furious!"
                                 : "You find the enemy treasury to be empty. Bad luck!",
                             "Continue");
        return;
    }
    og = og / 2;
    auto& gold = LordRecord(s.c)[Lord::gold];
    gold = state::AddSaturated(gold, loot);
    Hooks().View().DrawStatusBar();
    Hooks().Sound().PlayPayment();
    UI().ShowShortNotice(defenderHuman ? "You lose " + std::to_string(loot) + " gold coins!"
                                       : "You plunder " + std::to_string(loot) + " gold coins!",
                         "Continue");
}

void Siege(const Step& s) {
    if (ArmyEmpty(s.c)) {
        StepBack(s.c);
        TellHuman(s, "Without an army you cannot attack a castle!");
        return;
    }
    if (NoSiegeAgainstWalls(s)) {
        StepBack(s.c);
        if (s.human) UI().ShowNotice(kCastlePicture, kWallsTitle, kWallsText, "Continue");
        return;
    }
    if (IsHuman(s.o)) {
        UI().ShowNotice(kCastlePicture, "Under siege!",
                        "Your castle is under siege! While you open a magic portal to bring your "
                        "army home, the enemy is able to plunder your treasury!",
                        "Continue");
        Plunder(s);
    } else if (s.human) {
        UI().ShowNotice(kCastlePicture, "Siege!!",
                        "You set the enemy castle under siege. It does not take long until help "
                        "arrives. Meanwhile though you plunder the enemy treasury.",
                        "Continue");
        Plunder(s);
    }
    SendHome(s.o);
}

void AttackCastle(const Step& s) {
    if (ArmyEmpty(s.c)) {
        StepBack(s.c);
        TellHuman(s, "Without soldiers you cannot attack a castle!");
        return;
    }
    if (NoSiegeAgainstWalls(s)) {
        StepBack(s.c);
        if (s.human) UI().ShowNotice(kCastlePicture, kWallsTitle, kWallsText, "Continue");
        return;
    }
    if (ArmyEmpty(s.o)) {
        if (s.human) {
            Hooks().Sound().PlayReward(2);
            UI().ShowNotice(
                kCastlePicture, "Conquered!",
                "You have conquered the castle of the " + state::G().realmName[s.o] + "!",
                "Continue");
        }
        if (IsHuman(s.o)) {
            Hooks().Sound().PlayReward(1);
            UI().ShowNotice(kCastlePicture, "No defenders!",
                            "Without defenders it is easy for the enemy to conquer your castle!",
                            "Continue");
        }
        Enter(s);
        CastleFalls(s.o, s.human);
        Hooks().View().DrawMap(true, false);
        return;
    }
    StartBattleStep(s.c, s.o, s.ax, s.ay, s.x, s.y);
}

// Cases 7 to 9: the target field holds the owner's army away from its castle.
void MeetArmy(const Step& s) {
    const bool oEmpty = ArmyEmpty(s.o);
    const bool cEmpty = ArmyEmpty(s.c);
    if (oEmpty && !cEmpty) {
        TellHuman(s,
                  "Your scouts have found an enemy lord travelling without an escort! They chase "
                  "him back to his castle!");
        if (IsHuman(s.o))
            UI().ShowShortNotice(
                "Enemy scouts have found you! You are only just able to escape being taken "
                "prisoner and return to your castle!",
                "Continue");
        SendHome(s.o);
    } else if (cEmpty) {
        TellHuman(s, "You cannot attack without an army.");
        StepBack(s.c);
    } else {
        StartBattleStep(s.c, s.o, s.ax, s.ay, s.x, s.y);
    }
}

// Cases 3 to 9 on a walkable field.
void Resolve(const Step& s) {
    if (s.o == 0 || s.o == s.c) {
        Enter(s);
        if (s.human) Hooks().View().DrawMap(true, true);
        return;
    }
    const bool onCastle = CastleAt(s.o, s.x, s.y);
    const bool onArmy = ArmyAt(s.o, s.x, s.y);
    if (!onCastle && !onArmy) {
        Enter(s);
        return;
    }
    if (onCastle && !onArmy) {
        Siege(s);
        return;
    }
    if (onCastle) {
        AttackCastle(s);
        return;
    }
    MeetArmy(s);
}

}  // namespace

int StepDistance(int x1, int y1, int x2, int y2) {
    int steps = 0;
    for (int round = 0; round < 11 && (x1 != x2 || y1 != y2); ++round) {
        if (x1 != x2) {
            x1 += x1 < x2 ? 1 : -1;
            ++steps;
        }
        if (y1 != y2) {
            y1 += y1 < y2 ? 1 : -1;
            ++steps;
        }
    }
    return steps;
}

void MoveArmy(int x, int y) {
    state::GameState& g = state::G();
    Step s;
    s.c = CurrentLordChecked();
    auto* field = FieldAt(x, y);
    if (s.c == 0 || field == nullptr) return;
    auto& a = ArmyRecord(s.c);
    auto& lord = LordRecord(s.c);
    s.human = IsHuman(s.c);
    // A second click after the last step, before the turn has passed, does nothing.
    if (s.human && a[Army::movesLeft] < 1) return;
    s.ax = a[Army::x];
    s.ay = a[Army::y];
    s.x = x;
    s.y = y;
    const int owner = (*field)[Field::owner];
    s.o = ValidLord(owner) ? owner : 0;

    // 1. The range check.
    if (StepDistance(s.ax, s.ay, x, y) >= 2 ||
        StepDistance(lord[Lord::castleX], lord[Lord::castleY], x, y) > lord[Lord::moveRange]) {
        TellHuman(s, kOutOfRange);
        return;
    }
    const int walkable = (*field)[Field::walkable];
    // 2. The moves are spent.
    a[Army::movesLeft] = state::AddSaturated(a[Army::movesLeft], -4);
    g.battleStarted = false;
    if (s.human) Hooks().Sound().Play(sound::Effect::Step);

    // 3. to 9.
    if (walkable > 0) Resolve(s);
    if (g.gameOver) return;

    // 10. The map event and the spawn field of the new field, then the end of the human's turn.
    if (!g.battleStarted) VisitSite();
    if (!g.battleStarted) PickUpField();
    if (!g.battleStarted) {
        // A game loaded in a dungeon entered on this step goes on from the loaded turn instead.
        if (a[Army::movesLeft] < 1 && s.human && g.inDungeon == 0 && !g.enteringDungeon &&
            g.currentLord == s.c)
            Hooks().Timers().EnableTimer3();
        if (s.human) Hooks().View().DrawMap(true, true);
    }
}

void MoveTargetClick(int direction) {
    if (direction < 0 || direction > 3 || !HumanMayAct()) return;
    const auto& a = ArmyRecord(state::G().currentLord);
    // An army off the map has no neighbouring field to step onto.
    if (!OnMap(a[Army::x], a[Army::y])) return;
    const DirectionStep step = kDirectionSteps[direction];
    MoveArmy(a[Army::x] + step.dx, a[Army::y] + step.dy);
}

}  // namespace logic
