#include "campaign/field_battle.h"

#include "battle/auto_battle.h"
#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "battle/castle_fall.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;

namespace {

constexpr int kTroopSlots[5] = {Army::soldiers, Army::fast, Army::archers, Army::siege,
                                Army::specialCount};
constexpr int kSideSlots[5] = {BattleSide::soldiers, BattleSide::fast, BattleSide::archers,
                               BattleSide::siege, BattleSide::specialCount};

template <typename Side>
void FillSide(Side& side, int lord) {
    side.Clear();
    side[BattleSide::lord] = lord;
    side[BattleSide::heroicOrMayRetreat] = 0;
    for (int i = 0; i < 5; ++i)
        side[kSideSlots[i]] = ArmyRecord(lord)[kTroopSlots[i]];
    side[BattleSide::heroBonus] = HeroBonus(LordRecord(lord)[Lord::heroLevel]);
    side[BattleSide::castleBonus] = CastleBonus(lord);
}

template <typename Side>
void CopyBack(const Side& side, int lord) {
    for (int i = 0; i < 5; ++i)
        ArmyRecord(lord)[kTroopSlots[i]] = side[kSideSlots[i]];
}

void SendHome(int lord) {
    auto& a = ArmyRecord(lord);
    a[Army::x] = LordRecord(lord)[Lord::castleX];
    a[Army::y] = LordRecord(lord)[Lord::castleY];
}

}  // namespace

void StartBattleStep(int attacker, int defender, int fromX, int fromY, int toX, int toY) {
    state::GameState& g = state::G();
    g.battleStarted = true;
    auto& army = ArmyRecord(attacker);
    army[Army::movesLeft] = 0;
    army[Army::prevX] = fromX;
    army[Army::prevY] = fromY;
    army[Army::x] = toX;
    army[Army::y] = toY;

    if (IsHuman(attacker) || IsHuman(defender)) {
        const int human = IsHuman(attacker) ? attacker : defender;
        const int other = human == attacker ? defender : attacker;
        g.battleHumanLord = human;
        g.battleOtherLord = other;
        StartBattle(human, other);
        return;
    }

    // Two computer lords: the automatic battle settles it at once.
    g.battleOver = false;
    FillSide(g.battleOwnSide, attacker);
    FillSide(g.battleFoeSide, defender);
    g.battleFoeSide[BattleSide::neutralPicture] = 0;
    g.battleFoeSide[BattleSide::site] = 0;
    AutoBattleRounds();
    CopyBack(g.battleOwnSide, attacker);
    CopyBack(g.battleFoeSide, defender);
    Hooks().Screens().RefreshComputerStatus();
    g.battleStarted = false;
    if (ArmyEmpty(attacker)) {
        SendHome(attacker);
    } else if (CastleAt(defender, army[Army::x], army[Army::y])) {
        // The castle field becomes the conqueror's, as after a stormed castle.
        if (auto* field = FieldAt(toX, toY)) (*field)[state::Field::owner] = attacker;
        // The player hears of a lord's defeat even when two computer lords fought.
        CastleFalls(defender, true);
    } else {
        SendHome(defender);
    }
}

}  // namespace logic
