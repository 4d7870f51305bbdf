// The common ground of the battle rule tests: the campaign test world (four lords, scripted
// dialogs, recording hooks) with the battle rules installed and a battle panel that records
// what it is asked to show.
#pragma once

#include <string>
#include <vector>

#include "campaign/campaign_fixture.h"
#include "rules/battle_view.h"
#include "state/game_state.h"

namespace battletest {

// Records each call as a short line; dialogsShown tells how many dialogs were open before it.
class PanelRecorder final : public logic::BattleView {
  public:
    explicit PanelRecorder(const testsupport::ScriptedDialogs& d) : dialogs_(d) {}
    std::vector<std::string> calls;
    logic::OrderButtons buttons;
    std::string vessel[2];
    std::string coat[2];

    bool Has(const std::string& call) const;
    int Count(const std::string& call) const;

    void ShowPanel() override { Add("ShowPanel"); }
    void HidePanel() override { Add("HidePanel"); }
    void StartClock() override { Add("StartClock"); }
    void StopClock() override { Add("StopClock"); }
    void StartCommandDelay() override { Add("StartCommandDelay"); }
    void StopCommandDelay() override { Add("StopCommandDelay"); }
    void ShowCoatOfArms(logic::BattleSideId side, const std::string& picture) override;
    void ShowVessel(logic::BattleSideId side, const std::string& picture) override;
    void ShowHourglasses(const std::string& picture) override { Add("Hourglass " + picture); }
    void HideHourglasses() override { Add("HideHourglasses"); }
    void SetOrderButtons(const logic::OrderButtons& b) override { buttons = b; }

  private:
    void Add(const std::string& call);
    const testsupport::ScriptedDialogs& dialogs_;
};

class BattleTest : public camptest::CampaignTest {
  protected:
    void SetUp() override;

    // Lord p's army with the five counts (soldiers, fast, archers, siege, special).
    void Troops(int p, int s, int f = 0, int a = 0, int sg = 0, int sp = 0);
    state::Values<100>& Own() { return state::G().battleOwnSide; }
    state::Values<100>& Foe() { return state::G().battleFoeSide; }
    // Lord 2's army stands next to the human's on (2, 1) and the battle starts.
    void StartFieldBattle();
    // Ticks of the battle clock and of the cool-down.
    void ClockTicks(int n);
    void DelayTicks(int n);

    PanelRecorder panel{dialogs};
};

}  // namespace battletest
