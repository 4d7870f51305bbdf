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

void StartBattleStep(int c, int o, int ax, int ay, int x, int y) {
    state::GameState& g = state::G();
    g.battleStarted = true;
    auto& a = ArmyRecord(c);
    a[Army::movesLeft] = 0;
    a[Army::prevX] = ax;
    a[Army::prevY] = ay;
    a[Army::x] = x;
    a[Army::y] = y;

    if (IsHuman(c) || IsHuman(o)) {
        const int human = IsHuman(c) ? c : o;
        const int other = human == c ? o : c;
        g.battleHumanLord = human;
        g.battleOtherLord = other;
        StartBattle(human, other);
        return;
    }

    // Two computer lords: the automatic battle settles it at once.
    g.battleOver = false;
    FillSide(g.battleOwnSide, c);
    FillSide(g.battleFoeSide, o);
    g.battleFoeSide[BattleSide::neutralPicture] = 0;
    g.battleFoeSide[BattleSide::site] = 0;
    AutoBattleRounds();
    CopyBack(g.battleOwnSide, c);
    CopyBack(g.battleFoeSide, o);
    Hooks().Screens().RefreshComputerStatus();
    g.battleStarted = false;
    if (ArmyEmpty(c)) {
        SendHome(c);
    } else if (CastleAt(o, a[Army::x], a[Army::y])) {
        // The castle field becomes the conqueror's, as after a stormed castle.
        if (auto* f = FieldAt(x, y)) (*f)[state::Field::owner] = c;
        // The player hears of a lord's defeat even when two computer lords fought.
        CastleFalls(o, true);
    } else {
        SendHome(o);
    }
}

}  // namespace logic
