// The value order of a saved game's two files. WalkSavedInts calls value(Int&) for each of the
// 166641 integers of the ".int" file in file order, WalkSavedTexts calls text(std::string&) for
// each of the 6318 strings of the ".str" file. Saving and loading share these walks.
//
// Not saved: row 0 of Army, MonsterTable and ItemTable, the battle sides, the run-time flags and
// the progress values.
#pragma once

#include <cstddef>

#include "state/game_state.h"

namespace state {

inline constexpr std::size_t kSavedInts = 166641;
inline constexpr std::size_t kSavedTexts = 6318;

namespace saved_layout {

template <class Table, class Value>
void Rows(Table& table, int first, int last, Value& value) {
    for (int r = first; r <= last; ++r) {
        for (int s = 1; s <= Table::kSlots; ++s)
            value(table[r][s]);
    }
}

template <class Grid, class Value>
void Cells(Grid& grid, Value& value) {
    for (int x = 1; x <= Grid::kX; ++x) {
        for (int y = 1; y <= Grid::kY; ++y) {
            for (int s = 1; s <= Grid::kSlots; ++s)
                value(grid[x][y][s]);
        }
    }
}

template <class One, class Value>
void Slots(One& record, Value& value) {
    for (int s = 1; s <= One::kSlots; ++s)
        value(record[s]);
}

}  // namespace saved_layout

// G is GameState or const GameState.
template <class G, class Value>
void WalkSavedInts(G& g, Value&& value) {
    using namespace saved_layout;
    Rows(g.troopType, 1, 100, value);
    Rows(g.hero, 1, 4, value);
    Cells(g.room, value);
    Slots(g.reservedA, value);
    Slots(g.mapSetting, value);
    Slots(g.modSetting, value);
    Cells(g.heroGear, value);
    Slots(g.opponent, value);
    Rows(g.monsterTable, 1, 100, value);
    Rows(g.itemTable, 1, 500, value);
    Rows(g.dungeonPickup, 1, 7, value);
    Cells(g.field, value);
    for (int x = 1; x <= Field::kColumns; ++x) {
        for (int y = 1; y <= Field::kRows; ++y)
            value(g.aiFieldScore[x][y]);
    }
    Rows(g.lord, 1, 4, value);
    Rows(g.army, 1, 4, value);
    Rows(g.battleOrdersOwn, 1, 3, value);
    Rows(g.battleOrdersFoe, 1, 3, value);
    Rows(g.heroSkill, 1, 4, value);
    Cells(g.storedDungeonPickup, value);
    Rows(g.spawnField, 1, SpawnField::kUsedRows, value);
    Rows(g.mapSite, 1, 10, value);
    Cells(g.reservedB, value);
    Rows(g.aiPlanA, 1, 48, value);
    Rows(g.aiPlanB, 1, 48, value);
    value(g.dungeonTurn);
    value(g.dungeonLord);
    value(g.currentLord);
    value(g.inDungeon);
    value(g.playedScenario);
}

template <class G, class Text>
void WalkSavedTexts(G& g, Text&& text) {
    for (int p = 1; p <= 4; ++p)
        text(g.heroName[p]);
    for (int r = 1; r <= 30; ++r) {
        for (int t = 1; t <= 10; ++t)
            text(g.reservedText[r][t]);
    }
    for (int t = 1; t <= 10; ++t)
        text(g.modText[t]);
    for (int r = 1; r <= 100; ++r) {
        for (int t = 1; t <= 10; ++t)
            text(g.monsterText[r][t]);
    }
    for (int r = 1; r <= 500; ++r) {
        for (int t = 1; t <= 10; ++t)
            text(g.itemText[r][t]);
    }
    for (int p = 1; p <= 4; ++p)
        text(g.realmName[p]);
}

}  // namespace state
