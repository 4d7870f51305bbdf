// What the theme places share: the theme and the site they work on, the special troops they
// grant, the removal of a site, the flight home, the end of a theme and the messages a
// computer lord's success sends to the human.
#pragma once

#include <string>

#include "events/sites.h"
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

// The lord's army flees to its castle and the map is redrawn.
void DriveBack(int lord);
// The lord's turn ends: its army has no moves left.
void EndTurn(int lord);
void RedrawStatus();

// A picture notice with the lord's faction logo, shown to the human about a computer lord.
void TellHumanAbout(int lord, const std::string& title, const std::string& text);

// The handlers of the themes, for the current lord at a site of the theme.
using ThemeHandler = void (*)(int lord, int site);
void DragonAtThePass(int lord, int site);
void Efreet(int lord, int site);
void OrcCamp(int lord, int site);
void CrusaderCamp(int lord, int site);
void Graveyard(int lord, int site);
void MordulsCitadel(int lord, int site);
void Dwarves(int lord, int site);
void DwarvenMine(int lord, int site);
void Arena(int lord, int site);
void CauldronOfDoom(int lord, int site);
void Elves(int lord, int site);
void DragonAltar(int lord, int site);
void DemonAltar(int lord, int site);
void TheEldest(int lord, int site);
void GateOfHell(int lord, int site);
void Tombs(int lord, int site);

// The follow-ups after a won event battle, for the lord who won it.
void OrcCampDestroyed(int lord, int site);
void CrusaderCampDestroyed(int lord, int site);
void GraveyardCleared(int lord, int site);
void CitadelStormed(int lord, int site);

}  // namespace logic
