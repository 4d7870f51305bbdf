// What the battle rules reach of the screens: the battle panel on the strategic window and the
// window's four battle timers (the battle clock, CommandDelayTimer and the two flashes).
// Installed once when the windows are made.
#pragma once

#include "rules/battle_view.h"

namespace screens {

class TFCampaign1;

class BattleBridge final : public logic::BattleView {
  public:
    explicit BattleBridge(TFCampaign1& campaign);
    ~BattleBridge() override;

    void ShowPanel() override;
    void HidePanel() override;
    void StartClock() override;
    void StopClock() override;
    void StartCommandDelay() override;
    void StopCommandDelay() override;
    void StartFlash(logic::BattleSideId side) override;
    void StopFlash(logic::BattleSideId side) override;
    void ShowCoatOfArms(logic::BattleSideId side, const std::string& picture) override;
    void ShowVessel(logic::BattleSideId side, const std::string& picture) override;
    void ShowBonus(logic::BattleSideId side, logic::BonusKind kind, int percent,
                   const std::string& text) override;
    void ShowHeroicActions(bool available) override;
    void ShowPausePicture(const std::string& picture) override;
    void SetOrderButtons(const logic::OrderButtons& buttons) override;
    void ShowHourglasses(const std::string& picture) override;
    void HideHourglasses() override;
    void ShowTroops(logic::BattleSideId side, const std::array<int, 5>& counts) override;
    void ShowStrikeLog(const std::vector<std::string>& lines) override;

  private:
    TFCampaign1& campaign_;
};

}  // namespace screens
