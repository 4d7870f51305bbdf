#include "state/range_check.h"

#include <array>
#include <string>

#include "state/ai_plan.h"
#include "state/lord_colours.h"

namespace state {

namespace {

std::string Num(Int value) {
    return std::to_string(value);
}

void ReplaceAll(std::string& text, const std::string& key, const std::string& by) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at)) {
        text.replace(at, key.size(), by);
        at += by.size();
    }
}

bool HoldsFor(Holds holds, FileKind file) {
    if (holds == Holds::both) return true;
    return (holds == Holds::savedGames) == (file == FileKind::savedGame);
}

bool InScope(const GameState& g, Scope scope, int lord) {
    if (scope == Scope::everyRecord) return true;
    if (g.lord[lord][Lord::inGame] != 1) return false;
    return scope == Scope::lordsInGame || g.army[lord][Army::present] > 0;
}

// The fault of one value: empty when it lies in the row's range. Who holds the value is named
// only for a fault.
template <class Record, class Who>
std::string ValueFault(const ValueRange& row, const Record& record, const Who& who) {
    const Int value = record[static_cast<std::size_t>(row.slot)];
    if (InRange(value, row.low, row.high)) return {};
    std::string text =
        *row.fault ? row.fault : "{who}'s {name} is {value}, not from {low} to {high}";
    auto at = [&record](int slot) { return Num(record[static_cast<std::size_t>(slot)]); };
    if (text.find("{placeEnding}") != std::string::npos)
        ReplaceAll(text, "{placeEnding}", "(" + at(row.slot - 1) + ", " + at(row.slot) + ")");
    if (text.find("{place}") != std::string::npos)
        ReplaceAll(text, "{place}", "(" + at(row.slot) + ", " + at(row.slot + 1) + ")");
    ReplaceAll(text, "{who}", who());
    ReplaceAll(text, "{name}", row.name);
    ReplaceAll(text, "{value}", Num(value));
    ReplaceAll(text, "{low}", Num(row.low));
    ReplaceAll(text, "{high}", Num(row.high));
    return text;
}

// The first fault of a row over the records it looks at.
std::string RowFault(const GameState& g, const ValueRange& row) {
    auto rows = [&](const auto& table, int first, int last, auto&& who) -> std::string {
        for (int r = first; r <= last; ++r) {
            std::string fault = ValueFault(row, table[r], [&] { return who(r); });
            if (!fault.empty()) return fault;
        }
        return {};
    };
    auto lordRows = [&](const auto& table, const char* what) -> std::string {
        for (int p = 1; p <= 4; ++p) {
            if (!InScope(g, row.scope, p)) continue;
            std::string fault = ValueFault(row, table[p], [&] { return LordName(p) + what; });
            if (!fault.empty()) return fault;
        }
        return {};
    };
    auto numbered = [](const char* what) {
        return [what](int r) { return std::string(what) + Num(r); };
    };
    switch (row.holder) {
        case Holder::lord:
            return lordRows(g.lord, "");
        case Holder::army:
            return lordRows(g.army, "'s army");
        case Holder::hero:
            return lordRows(g.hero, "'s hero");
        case Holder::heroSkill:
            return lordRows(g.heroSkill, "'s hero");
        case Holder::heroGear:
            for (int p = 1; p <= 4; ++p) {
                if (!InScope(g, row.scope, p)) continue;
                std::string fault = rows(g.heroGear[p], 1, 4, [p](int slot) {
                    return LordName(p) + "'s hero's backpack slot " + Num(slot);
                });
                if (!fault.empty()) return fault;
            }
            return {};
        case Holder::field:
            for (int x = 1; x <= Field::kColumns; ++x) {
                std::string fault = rows(g.field[x], 1, Field::kRows, [x](int y) {
                    return "the field (" + Num(x) + ", " + Num(y) + ")";
                });
                if (!fault.empty()) return fault;
            }
            return {};
        case Holder::room:
            for (int x = 1; x <= Room::kColumns; ++x) {
                std::string fault = rows(g.room[x], 1, Room::kRows, [x](int y) {
                    return "the dungeon room (" + Num(x) + ", " + Num(y) + ")";
                });
                if (!fault.empty()) return fault;
            }
            return {};
        case Holder::mapSite:
            return rows(g.mapSite, 1, 10, numbered("the map site "));
        case Holder::spawnField:
            return rows(g.spawnField, 1, SpawnField::kUsedRows, numbered("the spawn field "));
        case Holder::monster:
            return rows(g.monsterTable, 1, kLastMonster, numbered("the monster "));
        case Holder::item:
            return rows(g.itemTable, 1, kLastItem, numbered("the item "));
        case Holder::troopType:
            return rows(g.troopType, 1, 100, numbered("the troop type "));
        case Holder::battleOrdersOwn:
            return rows(g.battleOrdersOwn, 1, 3, numbered("the player's battle orders "));
        case Holder::battleOrdersFoe:
            return rows(g.battleOrdersFoe, 1, 3, numbered("the computer's battle orders "));
        case Holder::aiPlanA:
            return rows(g.aiPlanA, 1, AIPlan::kEntries, numbered("the open path entry "));
        case Holder::aiPlanB:
            return rows(g.aiPlanB, 1, AIPlan::kEntries, numbered("the closed path entry "));
        case Holder::opponent:
            return ValueFault(row, g.opponent.slot,
                              [] { return std::string("the duel's opponent"); });
        case Holder::mapSetting:
            return ValueFault(row, g.mapSetting.slot, [] { return std::string("the scenario"); });
        case Holder::modSetting:
            return ValueFault(row, g.modSetting.slot,
                              [] { return std::string("the scenario module"); });
        case Holder::game: {
            const std::array<Int, 6> values = {
                0, g.currentLord, g.dungeonLord, g.dungeonTurn, g.inDungeon, g.playedScenario};
            return ValueFault(row, values, [] { return std::string("the game"); });
        }
        case Holder::progress:
            return {};
    }
    return {};
}

}  // namespace

int RecordsOf(Holder holder) {
    switch (holder) {
        case Holder::lord:
        case Holder::army:
        case Holder::hero:
        case Holder::heroSkill:
            return 4;
        case Holder::heroGear:
            return 16;
        case Holder::field:
            return Field::kColumns * Field::kRows;
        case Holder::room:
            return Room::kColumns * Room::kRows;
        case Holder::mapSite:
            return 10;
        case Holder::spawnField:
            return SpawnField::kUsedRows;
        case Holder::monster:
            return kLastMonster;
        case Holder::item:
            return kLastItem;
        case Holder::troopType:
            return 100;
        case Holder::battleOrdersOwn:
        case Holder::battleOrdersFoe:
            return 3;
        case Holder::aiPlanA:
        case Holder::aiPlanB:
            return AIPlan::kEntries;
        default:
            return 1;
    }
}

Int* StoredValue(GameState& g, Holder holder, int record, int slot) {
    if (!InRange(record, 1, RecordsOf(holder)) || !InRange(slot, 1, SlotsOf(holder)))
        return nullptr;
    const int r = record;
    switch (holder) {
        case Holder::lord:
            return &g.lord[r][slot];
        case Holder::army:
            return &g.army[r][slot];
        case Holder::hero:
            return &g.hero[r][slot];
        case Holder::heroSkill:
            return &g.heroSkill[r][slot];
        case Holder::heroGear:
            return g.heroGear.Find((r - 1) / 4 + 1, (r - 1) % 4 + 1, slot);
        case Holder::field:
            return g.field.Find((r - 1) / Field::kRows + 1, (r - 1) % Field::kRows + 1, slot);
        case Holder::room:
            return g.room.Find((r - 1) / Room::kRows + 1, (r - 1) % Room::kRows + 1, slot);
        case Holder::mapSite:
            return &g.mapSite[r][slot];
        case Holder::spawnField:
            return &g.spawnField[r][slot];
        case Holder::monster:
            return &g.monsterTable[r][slot];
        case Holder::item:
            return &g.itemTable[r][slot];
        case Holder::troopType:
            return &g.troopType[r][slot];
        case Holder::battleOrdersOwn:
            return &g.battleOrdersOwn[r][slot];
        case Holder::battleOrdersFoe:
            return &g.battleOrdersFoe[r][slot];
        case Holder::aiPlanA:
            return &g.aiPlanA[r][slot];
        case Holder::aiPlanB:
            return &g.aiPlanB[r][slot];
        case Holder::opponent:
            return &g.opponent[slot];
        case Holder::mapSetting:
            return &g.mapSetting[slot];
        case Holder::modSetting:
            return &g.modSetting[slot];
        case Holder::game: {
            Int* values[] = {&g.currentLord, &g.dungeonLord, &g.dungeonTurn, &g.inDungeon,
                             &g.playedScenario};
            return values[slot - 1];
        }
        case Holder::progress:
            return nullptr;
    }
    return nullptr;
}

std::string LordName(int lord) {
    return std::string("the ") + LordColourWord(lord) + " lord";
}

std::string RangeFault(const GameState& g, FileKind file) {
    for (const ValueRange& row : ValueRanges()) {
        if (!HoldsFor(row.holds, file)) continue;
        std::string fault = RowFault(g, row);
        if (!fault.empty()) return fault;
    }
    return {};
}

bool ProgressValueInRange(int value, Int stored) {
    for (const ValueRange& row : ValueRanges()) {
        if (row.holder == Holder::progress && row.slot == value)
            return InRange(stored, row.low, row.high);
    }
    return true;
}

}  // namespace state
