// The duel fought outside a dungeon room: the hero of a lord against the opponent of
// MonsterTable row 0, shown modally on the dungeon window.
#include "dungeon/set_piece_duel.h"

#include "campaign/campaign_hooks.h"
#include "campaign/lords.h"
#include "dungeon/duel.h"
#include "dungeon/hero_access.h"

namespace logic {

bool RunSetPieceDuel(int lord) {
    return RunDuelAgainst(lord, state::MonsterTable::kSetPieceRow);
}

bool RunDuelAgainst(int lord, int monster) {
    if (!ValidLord(lord) || !ValidMonster(monster)) return false;
    state::GameState& g = state::G();
    g.dungeonLord = lord;
    auto& hero = g.hero[lord];
    hero[state::Hero::health] =
        hero[state::Hero::baseMaxHealth] + hero[state::Hero::itemHealthBonus];
    StartDuel(monster);
    g.dungeonMayClose = false;
    Hooks().Dungeon().ShowDungeonWindow();
    // The window closed with the duel still on (or no window exists): the duel is not fought.
    AbandonDuel();
    return g.opponent[state::Opponent::oppHealth] < 1;
}

}  // namespace logic
