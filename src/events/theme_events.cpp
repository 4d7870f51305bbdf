// The choice of a theme place's handler by the scenario theme, the set-piece opponents, the
// event battles and the follow-ups of a won event battle.
#include "events/theme_events.h"

#include "campaign/campaign_hooks.h"
#include "campaign/lords.h"
#include "dungeon/set_piece_duel.h"
#include "events/theme_common.h"

namespace logic {

namespace {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Monster = state::MonsterTable;

struct ThemePlaces {
    int theme;
    ThemeHandler main;       // kind -1
    ThemeHandler secondary;  // kinds -2 and -3
};

constexpr ThemePlaces kThemePlaces[] = {
    {1, DragonAtThePass, nullptr},
    {2, OrcCamp, OrcCamp},
    {3, Dwarves, DwarvenMine},
    {4, Arena, nullptr},
    {6, CauldronOfDoom, CauldronOfDoom},
    {7, Elves, nullptr},
    {8, DragonAltar, nullptr},
    {9, Graveyard, Graveyard},
    {10, TheEldest, nullptr},
    {12, GateOfHell, nullptr},
    {13, MordulsCitadel, nullptr},
    {14, Efreet, nullptr},
    {15, CrusaderCamp, CrusaderCamp},
    {16, Tombs, Tombs},
    {17, DemonAltar, nullptr},
    {19, Arena, nullptr},
};

struct BattleFollowUp {
    int theme;
    ThemeHandler handler;
};

constexpr BattleFollowUp kBattleFollowUps[] = {
    {2, OrcCampDestroyed},
    {9, GraveyardCleared},
    {13, CitadelStormed},
    {15, CrusaderCampDestroyed},
};

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

void ThemeEvent(int site) {
    if (!state::InRange(site, 1, 10)) return;
    const int lord = CurrentLordChecked();
    if (lord == 0) return;
    const int kind = SiteRecord(site)[state::MapSite::kind];
    if (kind != -1 && kind != -2 && kind != -3) return;
    const int theme = ScenarioTheme();
    for (const ThemePlaces& t : kThemePlaces) {
        if (t.theme != theme) continue;
        const ThemeHandler handler = kind == -1 ? t.main : t.secondary;
        if (handler != nullptr) handler(lord, site);
        return;
    }
}

bool StartSetPieceDuel(int lord, SetPiece opponent) {
    if (!ValidLord(lord) || !FillSetPieceOpponent(opponent)) return false;
    return RunSetPieceDuel(lord);
}

void StartEventBattle(int count, int kind, int troopClass, int battleKind, int site) {
    state::GameState& g = state::G();
    const int lord = CurrentLordChecked();
    if (lord == 0 || !state::InRange(site, 1, 10)) return;
    auto& event = g.army[Army::kScratchRow];
    g.army.ClearRows(Army::kScratchRow, Army::kScratchRow);
    event[Army::specialCount] = count;
    event[Army::specialType] = kind;
    event[Army::specialClass] = troopClass;
    event[Army::x] = -1;
    event[Army::y] = -1;
    g.battleFoeSide[BattleSide::neutralPicture] = battleKind;
    g.battleFoeSide[BattleSide::site] = site;
    EndTurn(lord);
    g.battleStarted = true;
    g.battleHumanLord = lord;
    g.battleOtherLord = 0;
    Hooks().Battle().StartBattle(lord, 0);
}

void ThemeBattleWon(int site) {
    if (!state::InRange(site, 1, 10)) return;
    const state::GameState& g = state::G();
    const int winner = g.battleOwnSide[BattleSide::lord];
    const int lord = ValidLord(winner) ? winner : CurrentLordChecked();
    if (lord == 0) return;
    const int theme = ScenarioTheme();
    for (const BattleFollowUp& f : kBattleFollowUps) {
        if (f.theme == theme) f.handler(lord, site);
    }
}

}  // namespace logic
