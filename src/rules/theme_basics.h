// What the theme rules of every layer share: the scenario's theme, the site a theme place works
// on, the special troops it grants, the end of a lord's turn and the messages a computer lord's
// success sends to the human.
#pragma once

#include <string>

#include "rules/sites.h"
#include "state/game_state.h"

namespace logic {

// The special troop kinds with their battle class.
struct SpecialTroop {
    int kind;
    int troopClass;
};
inline constexpr SpecialTroop kOrcs{5, 1};
inline constexpr SpecialTroop kDwarvenAxemen{6, 1};
inline constexpr SpecialTroop kSkeletonKnights{7, 2};
inline constexpr SpecialTroop kElvishArchers{8, 3};
inline constexpr SpecialTroop kDragons{9, 2};
inline constexpr SpecialTroop kNightscares{10, 2};
inline constexpr SpecialTroop kCrusaders{11, 2};

// The battle kinds of the event battles (the enemy's picture).
inline constexpr int kOrcBattle = 2;
inline constexpr int kUndeadBattle = 3;
inline constexpr int kCrusaderBattle = 5;

int ScenarioTheme();
// The scenario's theme ends: nothing theme-specific happens any more.
void EndTheme();

state::RecordOf<100>& SiteRecord(int site);
int Countdown(int site);
// Every field of the site becomes 0 (RemoveSite, in sites.h, only makes it inactive).
void ClearSite(int site);

// Adds count troops of the kind to the lord's special stack, which takes the new kind.
void GrantSpecial(int lord, int count, SpecialTroop troop);
// 2 + a draw in [0, 4): the band of orcs or crusaders that joins.
int RandomBand();

// The lord's turn ends: its army has no moves left.
void EndTurn(int lord);
void RedrawStatus();

// A picture notice with the lord's faction logo, shown to the human about a computer lord.
void TellHumanAbout(int lord, const std::string& title, const std::string& text);

}  // namespace logic
