// The duel fought outside a dungeon room: the hero of a lord against the opponent of
// MonsterTable row 0 (one of the set-piece opponents, or a catalogue monster), shown modally on
// the dungeon window.
#include "dungeon/set_piece_duel.h"

#include "dungeon/duel.h"
#include "dungeon/hero_access.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

namespace {

namespace Monster = state::MonsterTable;

// The set-piece opponents: name, picture base name and the first eight values of the row
// (Exists, MonsterLevel, Toughness, Frequency, the fifth value, SoundFamily, Resistance,
// DuelFlag).
struct Opponent {
    SetPiece which;
    const char* name;
    const char* picture;
    int values[8];
};

constexpr Opponent kOpponents[] = {
    {SetPiece::ancientDragon, "Ancient dragon", "m1_dragon", {1, 10, 1, 1, 1, 6, 2, 0}},
    {SetPiece::orcChieftain, "Orc chieftain", "m1_orc", {1, 6, 0, 1, 3, 1, 1, 1}},
    {SetPiece::lichLord, "Lich Lord", "m1_vampire", {1, 10, 0, 1, 3, 1, 1, 1}},
    {SetPiece::efreet, "Efreet", "m2_efreet", {1, 10, 2, 1, 1, 6, 2, 0}},
    {SetPiece::vampire, "Vampire", "m1_vampire", {1, 6, 0, 1, 3, 1, 1, 1}},
    {SetPiece::evilSorcerer, "\"Evil Sorcerer\"", "m1_sorcerer", {1, 10, 0, 1, 1, 1, 1, 1}},
};

bool FillSetPieceOpponent(SetPiece which) {
    for (const Opponent& o : kOpponents) {
        if (o.which != which) continue;
        state::GameState& g = state::G();
        constexpr int row = Monster::kSetPieceRow;
        g.monsterTable.ClearRows(row, row);
        for (int i = 0; i < 8; ++i)
            g.monsterTable[row][i + 1] = o.values[i];
        g.monsterText[row].fill(std::string{});
        g.monsterText[row][state::MonsterText::name] = o.name;
        g.monsterText[row][state::MonsterText::picture] = o.picture;
        return true;
    }
    return false;
}

}  // namespace

bool StartSetPieceDuel(int lord, SetPiece opponent) {
    if (!ValidLord(lord) || !FillSetPieceOpponent(opponent)) return false;
    return RunSetPieceDuel(lord);
}

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
