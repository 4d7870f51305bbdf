#include "state/reset.h"

namespace state {

namespace {

// Tables a finished game leaves behind that the classic reset does not reach. Without this a
// second game in the same run would start with the previous game's hero skills (which also make
// the load screen ask for confirmation), the pickups of the dungeons of the last game, the
// scratch army of the last city fight and the flags of a step that was cut short.
void ClearLeftoversOfPreviousGame(GameState& g) {
    g.heroSkill.ClearRows(1, 4);
    g.dungeonPickup.ClearRows(1, 7);
    g.storedDungeonPickup.Clear();
    g.army.ClearRows(0, 0);
    g.enteringDungeon = false;
    g.battleStarted = false;
}

}  // namespace

void ResetGameState(GameState& g) {
    g.troopType.ClearRows(1, 100);
    g.hero.ClearRows(1, 4);
    g.room.Clear();
    g.reservedA.Clear();
    g.mapSetting.Clear();
    g.modSetting.Clear();
    g.heroGear.Clear();
    g.opponent.Clear();
    g.monsterTable.ClearRows(1, 100);
    g.itemTable.ClearRows(1, 500);
    g.field.Clear();
    g.aiFieldScore.Clear();
    g.lord.ClearRows(1, 4);
    g.army.ClearRows(1, 4);
    g.battleOrdersOwn.ClearRows(1, 3);
    g.battleOrdersFoe.ClearRows(1, 3);
    g.spawnField.ClearRows(1, 10);
    g.mapSite.ClearRows(1, 10);
    g.aiPlanA.ClearRows(1, 48);
    g.aiPlanB.ClearRows(1, 48);
    g.dungeonTurn = 0;
    g.inDungeon = 0;
    g.currentLord = 1;
    g.dungeonLord = 1;
    g.round = -1;
    g.gameOver = false;
    g.portalNoticeShown = false;

    ClearLeftoversOfPreviousGame(g);
}

}  // namespace state
