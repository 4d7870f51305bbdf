// The battles of the theme places against an event army (the orc and crusader camps, the
// graveyards, Morduls Citadel), and what follows a won one.
#include "battle/theme_battles.h"

#include "battle/battle_engine.h"
#include "dungeon/hero_access.h"
#include "dungeon/set_piece_duel.h"
#include "rules/dialogs.h"
#include "rules/game_end.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/theme_basics.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/themes.h"

namespace logic {

namespace {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;

constexpr int kCrusaderLoot = 7500;

void OrcCampDestroyed(int lord, int site) {
    UI().ShowNotice(HeroPicture(lord), "Orc camp destroyed!",
                    "You have destroyed a camp of those murderous beasts and you cannot say you "
                    "are sorry about it.",
                    "Continue");
    ClearSite(site);
    LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], 6);
}

void CrusaderCampDestroyed(int lord, int site) {
    UI().ShowNotice(HeroPicture(lord), "Crusader camp destroyed!",
                    "You have destroyed a camp of the crusaders. In their tents you find 7500 gold "
                    "coins. You receive 6 honor points.",
                    "Continue");
    ClearSite(site);
    LordRecord(lord)[Lord::gold] = state::AddSaturated(LordRecord(lord)[Lord::gold], kCrusaderLoot);
    LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], 6);
}

void GraveyardCleared(int lord, int site) {
    UI().ShowNotice("m1_village1.jpg", "Curse lifted!",
                    "You have defeated all skeletons and have lifted the curse. The village close "
                    "to the graveyard will pay taxes again.",
                    "Continue");
    RemoveSite(site);
    LordRecord(lord)[Lord::honor] = state::AddSaturated(LordRecord(lord)[Lord::honor], 6);
}

void CitadelStormed(int lord, int site) {
    UI().ShowNotice("m1_sorcerer.jpg", "Evil sorcerer!",
                    "As your men storm the walls you enter the citadel to look for the princess "
                    "and her tormentor. Finally you find both in the sorcerers library. Fight for "
                    "your life!",
                    "Continue");
    if (!StartSetPieceDuel(lord, SetPiece::evilSorcerer)) return;
    Hooks().Sound().PlayReward(2);
    UI().ShowNotice("m1_princess.jpg", "Princess Alina!",
                    "You did it! You rescued the princess from the hands of the evil sorcerer. "
                    "Luckily both of you find each other attractive - which makes things a lot "
                    "easier - and she agrees to marry you. The throne is in your reach!",
                    "Continue");
    RemoveSite(site);
    WinGame("m1_victory.jpg",
            "Through the marriage you become the new king of the empire. But ... there are rumors "
            "about a new threat from the north, far beyond the mountains. However this is a "
            "different story to be told at a different time.");
}

using FollowUp = void (*)(int lord, int site);

struct BattleFollowUp {
    int theme;
    FollowUp handler;
};

constexpr BattleFollowUp kBattleFollowUps[] = {
    {state::kOrcCampsTheme, OrcCampDestroyed},
    {state::kGraveyardsTheme, GraveyardCleared},
    {state::kPrincessTheme, CitadelStormed},
    {state::kCrusadersTheme, CrusaderCampDestroyed},
};

}  // namespace

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
    StartBattle(lord, 0);
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
