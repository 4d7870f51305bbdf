// The theme rules as console operations: a theme place's event, the set-piece duels and event
// battles, the follow-up of a won theme battle, the finds and the demons' gift.
#include "app/console_themes.h"

#include "app/script_registry.h"
#include "events/theme_events.h"
#include "state/theme_weapon.h"

namespace app {

void RegisterThemes(ScriptRegistry& r) {
    r.AddCall("ThemeEvent", Ints<1>(&logic::ThemeEvent));
    // StartSetPieceDuel lord opponent: opponent 1 the ancient dragon, 2 the orc chieftain, 3 the
    // lich lord, 4 the efreet, 5 the vampire, 6 the evil sorcerer; the result is 1 when won.
    r.AddCall("StartSetPieceDuel", {kNumber, kNumber},
              [](const CallArgs& a, std::string& result, std::string& error) {
                  int lord = 0, opponent = 0;
                  if (!IntArg(a, 0, lord, error) || !IntArg(a, 1, opponent, error)) return false;
                  if (opponent < 1 || opponent > 6) {
                      error = "no set-piece opponent " + std::to_string(opponent);
                      return false;
                  }
                  result = logic::StartSetPieceDuel(lord, static_cast<logic::SetPiece>(opponent))
                               ? "1"
                               : "0";
                  return true;
              });
    // StartEventBattle count kind class battleKind site
    r.AddCall("StartEventBattle", Ints<5>(&logic::StartEventBattle));
    r.AddCall("ThemeBattleWon", Ints<1>(&logic::ThemeBattleWon));
    // ThemeFind lord afterWonDuel(0 or 1)
    r.AddCall("ThemeFind", Ints<2>([](int lord, int afterWonDuel) {
                  logic::ThemeFind(lord, afterWonDuel != 0);
              }));
    r.AddCall("FindRollRange", Ints<1>(&logic::FindRollRange));
    r.AddCall("DemonGift", Ints<0>(&logic::DemonGift));
    r.AddCall("MiningYield", Ints<1>(&logic::MiningYield));
    r.AddCall("FillSpecialItemRow", Ints<0>([] { state::FillSpecialItemRow(); }));
}

}  // namespace app
