// What the campaign rules reach of the screens: the strategic window as their map view, its two
// turn timers, the castle, hire, trading, city, guild shop and options screens, the sound effects
// and the error box. Installed once when the windows are made.
#pragma once

#include "rules/view_hooks.h"

namespace screens {

class ScreenServices;
class TFAIStatusScreen;
class TFBuildings;
class TFBuyItems;
class TFCampaign1;
class TFCity;
class TFHireTroops;
class TFOptions;
class TFTrading;

// The windows the campaign rules open or draw on.
struct CampaignWindows {
    TFCampaign1& campaign;
    TFAIStatusScreen& aiStatus;
    TFTrading& trading;
    TFCity& city;
    TFBuyItems& guildShop;
    TFBuildings& buildings;
    TFHireTroops& hireTroops;
    TFOptions& options;
};

class CampaignBridge final : public logic::MapView,
                             public logic::TurnTimers,
                             public logic::CampaignScreens,
                             public logic::Sounds {
  public:
    CampaignBridge(ScreenServices& screens, const CampaignWindows& windows);
    ~CampaignBridge() override;

    // MapView
    void DrawMap(bool highlight, bool nearOnly) override;
    void DrawStatusBar() override;
    void DrawSiteIcon(int row) override;
    void DrawAllSiteIcons() override;
    void DrawSpawnField(int slot) override;
    void PlaceCastleMarker(int lord, int x, int y, bool visible) override;
    void ShowComputerMovePanel(int lord) override;
    void HideComputerMovePanel() override;
    void HideHoverHelp() override;
    bool IsBattleShown() override;
    bool IsMapShown() override;

    // TurnTimers
    void EnableTimer1() override;
    void DisableTimer1() override;
    void EnableTimer3() override;
    void DisableTimer3() override;
    void DisableAllTimers() override;

    // CampaignScreens
    void OpenTrading(logic::TradeOffer& offer) override;
    int ShowCity(int site) override;
    void ShowGuildShop(int site) override;
    void OpenBuildings() override;
    void OpenHireTroops() override;
    void OpenOptions() override;
    void CloseStrategicWindow() override;
    void ReportError(const std::string& text) override;
    void RefreshComputerStatus() override;
    void ShowComputerLordStatus(int lord) override;

    // Sounds
    void Play(sound::Effect effect) override;
    void PlayPayment() override;
    void PlayReward(int n) override;

  private:
    ScreenServices& screens_;
    CampaignWindows windows_;
};

}  // namespace screens
