#include "screens/campaign_bridge.h"

#include "screens/battle_panel.h"
#include "screens/screen_services.h"
#include "screens/tfaistatusscreen.h"
#include "screens/tfbuildings.h"
#include "screens/tfbuyitems.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcity.h"
#include "screens/tfhiretroops.h"
#include "screens/tfoptions.h"
#include "screens/tftrading.h"

namespace screens {

CampaignBridge::CampaignBridge(ScreenServices& screens, const CampaignWindows& windows)
    : screens_(screens), windows_(windows) {
    logic::ViewHooks& hooks = logic::Hooks();
    hooks.SetView(this);
    hooks.SetTimers(this);
    hooks.SetScreens(this);
    hooks.SetSounds(this);
}

CampaignBridge::~CampaignBridge() {
    logic::Hooks().Clear();
}

void CampaignBridge::DrawMap(bool highlight, bool nearOnly) {
    windows_.campaign.DrawMap(highlight, nearOnly);
}
void CampaignBridge::DrawStatusBar() {
    windows_.campaign.DrawStatusBar();
}
void CampaignBridge::DrawSiteIcon(int row) {
    windows_.campaign.DrawSiteIcon(row);
}
void CampaignBridge::DrawAllSiteIcons() {
    windows_.campaign.DrawAllSiteIcons();
}
void CampaignBridge::DrawSpawnField(int slot) {
    windows_.campaign.DrawSpawnField(slot);
}

void CampaignBridge::PlaceCastleMarker(int lord, int x, int y, bool visible) {
    windows_.campaign.PlaceCastleMarker(lord, x, y, visible);
}

void CampaignBridge::ShowComputerMovePanel(int lord) {
    windows_.campaign.ShowComputerMovePanel(lord);
}
bool CampaignBridge::IsMapShown() {
    return windows_.campaign.Visible();
}

void CampaignBridge::RefreshComputerStatus() {
    windows_.aiStatus.Refresh();
}

void CampaignBridge::ShowComputerLordStatus(int lord) {
    windows_.aiStatus.ShowLord(lord);
    windows_.aiStatus.Show();
}

void CampaignBridge::HideComputerMovePanel() {
    windows_.campaign.HideComputerMovePanel();
}
void CampaignBridge::HideHoverHelp() {
    windows_.campaign.HideHoverHelp();
}

bool CampaignBridge::IsBattleShown() {
    return windows_.campaign.Battle().Shown();
}

void CampaignBridge::EnableTimer1() {
    windows_.campaign.Timer1().SetEnabled(true);
}
void CampaignBridge::DisableTimer1() {
    windows_.campaign.Timer1().SetEnabled(false);
}
void CampaignBridge::EnableTimer3() {
    windows_.campaign.Timer3().SetEnabled(true);
}
void CampaignBridge::DisableTimer3() {
    windows_.campaign.Timer3().SetEnabled(false);
}
void CampaignBridge::DisableAllTimers() {
    windows_.campaign.DisableAllTimers();
}

void CampaignBridge::OpenTrading(logic::TradeOffer& offer) {
    windows_.trading.Open(offer);
}
int CampaignBridge::ShowCity(int site) {
    return windows_.city.Open(site);
}
void CampaignBridge::ShowGuildShop(int site) {
    windows_.guildShop.Open(site);
}
void CampaignBridge::OpenBuildings() {
    windows_.buildings.Open();
}
void CampaignBridge::OpenHireTroops() {
    windows_.hireTroops.Open();
}
void CampaignBridge::OpenOptions() {
    windows_.options.ShowModal();
}
void CampaignBridge::CloseStrategicWindow() {
    windows_.campaign.Close();
}
void CampaignBridge::ReportError(const std::string& text) {
    screens_.ShowError(text);
}

void CampaignBridge::Play(sound::Effect effect) {
    screens_.Sound().Effects().Play(effect);
}
void CampaignBridge::PlayPayment() {
    screens_.Sound().Effects().PlayPayment();
}
void CampaignBridge::PlayReward(int n) {
    screens_.Sound().Effects().PlayReward(n);
}

}  // namespace screens
