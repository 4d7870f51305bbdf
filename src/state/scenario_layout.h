// The record order of the four scenario files. Each function walks the tables one file fills in
// file order, calling number(Int&) for a number record and text(std::string&) for a string
// record; the readers and the writers share these walks, so they cannot drift apart.
#pragma once

#include <cstddef>

#include "state/game_state.h"

namespace state {

inline constexpr std::size_t kModuleRecords = 110;
inline constexpr std::size_t kMapRecords = 14704;
inline constexpr std::size_t kMonsterRecords = 11000;
inline constexpr std::size_t kItemRecords = 55000;

// G is GameState or const GameState.
template <class G, class Number, class Text>
void WalkModuleFile(G& g, Number&& number, Text&& text) {
    for (int s = 1; s <= 100; ++s)
        number(g.modSetting[s]);
    for (int t = 1; t <= 10; ++t)
        text(g.modText[t]);
}

template <class G, class Number, class Text>
void WalkMapFile(G& g, Number&& number, Text&& text) {
    for (int x = 1; x <= Field::kColumns; ++x) {
        for (int y = 1; y <= Field::kRows; ++y) {
            for (int s = 1; s <= 100; ++s)
                number(g.field[x][y][s]);
        }
    }
    for (int site = 1; site <= 10; ++site) {
        for (int s = 1; s <= 100; ++s)
            number(g.mapSite[site][s]);
    }
    for (int p = 1; p <= 4; ++p) {
        for (int s = 1; s <= 100; ++s)
            number(g.lord[p][s]);
    }
    for (int s = 1; s <= 100; ++s)
        number(g.mapSetting[s]);
    for (int p = 1; p <= 4; ++p)
        text(g.realmName[p]);
}

// Monster and item files: rows 1..Last of numbers, then rows 1..Last of ten texts.
template <class Table, class TextTable, class Number, class Text>
void WalkCatalogue(Table& table, TextTable& texts, Number&& number, Text&& text) {
    for (int r = 1; r <= Table::kLast; ++r) {
        for (int s = 1; s <= 100; ++s)
            number(table[r][s]);
    }
    for (int r = 1; r <= TextTable::kLast; ++r) {
        for (int t = 1; t <= 10; ++t)
            text(texts[r][t]);
    }
}

template <class G, class Number, class Text>
void WalkMonsterFile(G& g, Number&& number, Text&& text) {
    WalkCatalogue(g.monsterTable, g.monsterText, number, text);
}

template <class G, class Number, class Text>
void WalkItemFile(G& g, Number&& number, Text&& text) {
    WalkCatalogue(g.itemTable, g.itemText, number, text);
}

}  // namespace state
