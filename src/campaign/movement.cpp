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

// The step under way: the current lord, its army's field before the step and the target field.
struct Step {
    int lord = 0;
    int owner = 0;  // owner of the target field, 0 when neutral or not a lord
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    bool human = false;  // the current lord is human
};

void TellHuman(const Step& s, const char* text) {
    if (s.human) UI().ShowShortNotice(text, "Continue");
}

void MoveOnto(int lord, int x, int y) {
    auto& army = ArmyRecord(lord);
    army[Army::x] = x;
    army[Army::y] = y;
}

// The army falls back to the field it held before its last step. A previous field that is not
// on the map (nothing stored yet) leaves the army where it is.
void StepBack(int lord) {
    auto& army = ArmyRecord(lord);
    if (OnMap(army[Army::prevX], army[Army::prevY]))
        MoveOnto(lord, army[Army::prevX], army[Army::prevY]);
}

// The army enters the target field and takes it.
void Enter(const Step& s) {
    auto& army = ArmyRecord(s.lord);
    army[Army::prevX] = s.fromX;
    army[Army::prevY] = s.fromY;
    MoveOnto(s.lord, s.toX, s.toY);
    (*FieldAt(s.toX, s.toY))[Field::owner] = s.lord;
}

void SendHome(int lord) {
    const auto& record = LordRecord(lord);
    MoveOnto(lord, record[Lord::castleX], record[Lord::castleY]);
}

bool NoSiegeAgainstWalls(const Step& s) {
    return HasBuilt(s.owner, CastleBuilding::walls) && ArmyRecord(s.lord)[Army::siege] <= 0;
}

// Half of the defender's treasury goes to the attacker; only the human hears about it.
void Plunder(const Step& s) {
    auto& defenderGold = LordRecord(s.owner)[Lord::gold];
    const int loot = defenderGold / 2;
    const bool defenderHuman = IsHuman(s.owner);
    if (loot < 1) {
        UI().ShowShortNotice(defenderHuman
                                 ? "The enemy finds your treasury is empty and is furious!"
                                 : "You find the enemy treasury to be empty. Bad luck!",
                             "Continue");
        return;
    }
    defenderGold = defenderGold / 2;
    auto& gold = LordRecord(s.lord)[Lord::gold];
    gold = state::AddSaturated(gold, loot);
    Hooks().View().DrawStatusBar();
    Hooks().Sound().PlayPayment();
    UI().ShowShortNotice(defenderHuman ? "You lose " + std::to_string(loot) + " gold coins!"
                                       : "You plunder " + std::to_string(loot) + " gold coins!",
                         "Continue");
}

void Siege(const Step& s) {
    if (ArmyEmpty(s.lord)) {
        StepBack(s.lord);
        TellHuman(s, "Without an army you cannot attack a castle!");
        return;
    }
    if (NoSiegeAgainstWalls(s)) {
        StepBack(s.lord);
        if (s.human) UI().ShowNotice(kCastlePicture, kWallsTitle, kWallsText, "Continue");
        return;
    }
    if (IsHuman(s.owner)) {
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
    SendHome(s.owner);
}

void AttackCastle(const Step& s) {
    if (ArmyEmpty(s.lord)) {
        StepBack(s.lord);
        TellHuman(s, "Without soldiers you cannot attack a castle!");
        return;
    }
    if (NoSiegeAgainstWalls(s)) {
        StepBack(s.lord);
        if (s.human) UI().ShowNotice(kCastlePicture, kWallsTitle, kWallsText, "Continue");
        return;
    }
    if (ArmyEmpty(s.owner)) {
        if (s.human) {
            Hooks().Sound().PlayReward(2);
            UI().ShowNotice(
                kCastlePicture, "Conquered!",
                "You have conquered the castle of the " + state::G().realmName[s.owner] + "!",
                "Continue");
        }
        if (IsHuman(s.owner)) {
            Hooks().Sound().PlayReward(1);
            UI().ShowNotice(kCastlePicture, "No defenders!",
                            "Without defenders it is easy for the enemy to conquer your castle!",
                            "Continue");
        }
        Enter(s);
        CastleFalls(s.owner, s.human);
        Hooks().View().DrawMap(true, false);
        return;
    }
    StartBattleStep(s.lord, s.owner, s.fromX, s.fromY, s.toX, s.toY);
}

// The target field holds the owner's army away from its castle: a lord without an escort is
// chased home, a lord without an army cannot attack, and two armies fight a battle.
void MeetArmy(const Step& s) {
    const bool ownerEmpty = ArmyEmpty(s.owner);
    const bool lordEmpty = ArmyEmpty(s.lord);
    if (ownerEmpty && !lordEmpty) {
        TellHuman(s,
                  "Your scouts have found an enemy lord travelling without an escort! They chase "
                  "him back to his castle!");
        if (IsHuman(s.owner))
            UI().ShowShortNotice(
                "Enemy scouts have found you! You are only just able to escape being taken "
                "prisoner and return to your castle!",
                "Continue");
        SendHome(s.owner);
    } else if (lordEmpty) {
        TellHuman(s, "You cannot attack without an army.");
        StepBack(s.lord);
    } else {
        StartBattleStep(s.lord, s.owner, s.fromX, s.fromY, s.toX, s.toY);
    }
}

// A step onto a walkable field: a neutral or own field, or one without the owner's castle or
// army, is entered; else the castle, the army or both decide between a siege, an attack on the
// castle and a meeting of the armies.
void Resolve(const Step& s) {
    if (s.owner == 0 || s.owner == s.lord) {
        Enter(s);
        if (s.human) Hooks().View().DrawMap(true, true);
        return;
    }
    const bool onCastle = CastleAt(s.owner, s.toX, s.toY);
    const bool onArmy = ArmyAt(s.owner, s.toX, s.toY);
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

bool WithinCastleRange(int lord, int x, int y) {
    if (!ValidLord(lord)) return false;
    const auto& l = LordRecord(lord);
    return StepDistance(l[Lord::castleX], l[Lord::castleY], x, y) <= l[Lord::moveRange];
}

void MoveArmy(int x, int y) {
    state::GameState& g = state::G();
    Step s;
    s.lord = CurrentLordChecked();
    auto* field = FieldAt(x, y);
    if (s.lord == 0 || field == nullptr) return;
    auto& army = ArmyRecord(s.lord);
    s.human = IsHuman(s.lord);
    // A second click after the last step, before the turn has passed, does nothing.
    if (s.human && army[Army::movesLeft] < 1) return;
    s.fromX = army[Army::x];
    s.fromY = army[Army::y];
    s.toX = x;
    s.toY = y;
    const int owner = (*field)[Field::owner];
    s.owner = ValidLord(owner) ? owner : 0;

    // The target must neighbour the army and lie within the lord's range of its castle.
    if (StepDistance(s.fromX, s.fromY, x, y) >= 2 || !WithinCastleRange(s.lord, x, y)) {
        TellHuman(s, kOutOfRange);
        return;
    }
    const int walkable = (*field)[Field::walkable];
    // The moves are spent.
    army[Army::movesLeft] = state::AddSaturated(army[Army::movesLeft], -4);
    g.battleStarted = false;
    if (s.human) Hooks().Sound().Play(sound::Effect::Step);

    // What the step meets on a walkable field: an owner, a castle, an army.
    if (walkable > 0) Resolve(s);
    if (g.gameOver) return;

    // The map event and the spawn field of the new field, then the end of the human's turn.
    if (!g.battleStarted) VisitSite();
    if (!g.battleStarted) PickUpField();
    if (!g.battleStarted) {
        // A game loaded in a dungeon entered on this step goes on from the loaded turn instead.
        if (army[Army::movesLeft] < 1 && s.human && g.inDungeon == 0 && !g.enteringDungeon &&
            g.currentLord == s.lord)
            Hooks().Timers().EnableTimer3();
        if (s.human) Hooks().View().DrawMap(true, true);
    }
}

void MoveTargetClick(int direction) {
    if (direction < 0 || direction > 3 || !HumanMayAct()) return;
    const auto& army = ArmyRecord(state::G().currentLord);
    // An army off the map has no neighbouring field to step onto.
    if (!OnMap(army[Army::x], army[Army::y])) return;
    const DirectionStep step = kDirectionSteps[direction];
    MoveArmy(army[Army::x] + step.dx, army[Army::y] + step.dy);
}

}  // namespace logic
