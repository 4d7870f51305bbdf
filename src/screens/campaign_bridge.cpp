#include "screens/campaign_bridge.h"

#include "screens/battle_panel.h"
#include "screens/game_screens.h"
#include "screens/tfaistatusscreen.h"
#include "screens/tfbuildings.h"
#include "screens/tfbuyitems.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcity.h"
#include "screens/tfhiretroops.h"
#include "screens/tfoptions.h"
#include "screens/tftrading.h"

namespace screens {

CampaignBridge::CampaignBridge(GameScreens& screens) : screens_(screens) {
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
    screens_.Campaign().DrawMap(highlight, nearOnly);
}
void CampaignBridge::DrawStatusBar() {
    screens_.Campaign().DrawStatusBar();
}
void CampaignBridge::DrawSiteIcon(int row) {
    screens_.Campaign().DrawSiteIcon(row);
}
void CampaignBridge::DrawAllSiteIcons() {
    screens_.Campaign().DrawAllSiteIcons();
}
void CampaignBridge::DrawSpawnField(int slot) {
    screens_.Campaign().DrawSpawnField(slot);
}

void CampaignBridge::PlaceCastleMarker(int lord, int x, int y, bool visible) {
    screens_.Campaign().PlaceCastleMarker(lord, x, y, visible);
}

void CampaignBridge::ShowComputerMovePanel(int lord) {
    screens_.Campaign().ShowComputerMovePanel(lord);
}
bool CampaignBridge::IsMapShown() {
    return screens_.Campaign().Visible();
}

void CampaignBridge::RefreshComputerStatus() {
    screens_.AIStatus().Refresh();
}

void CampaignBridge::ShowComputerLordStatus(int lord) {
    screens_.AIStatus().ShowLord(lord);
    screens_.AIStatus().Show();
}

void CampaignBridge::HideComputerMovePanel() {
    screens_.Campaign().HideComputerMovePanel();
}
void CampaignBridge::HideHoverHelp() {
    screens_.Campaign().HideHoverHelp();
}

bool CampaignBridge::IsBattleShown() {
    return screens_.Campaign().Battle().Shown();
}

void CampaignBridge::EnableTimer1() {
    screens_.Campaign().Timer1().SetEnabled(true);
}
void CampaignBridge::DisableTimer1() {
    screens_.Campaign().Timer1().SetEnabled(false);
}
void CampaignBridge::EnableTimer3() {
    screens_.Campaign().Timer3().SetEnabled(true);
}
void CampaignBridge::DisableTimer3() {
    screens_.Campaign().Timer3().SetEnabled(false);
}
void CampaignBridge::DisableAllTimers() {
    screens_.Campaign().DisableAllTimers();
}

void CampaignBridge::OpenTrading(logic::TradeOffer& offer) {
    screens_.Trading().Open(offer);
}
int CampaignBridge::ShowCity(int site) {
    return screens_.City().Open(site);
}
void CampaignBridge::ShowGuildShop(int site) {
    screens_.GuildShop().Open(site);
}
void CampaignBridge::OpenBuildings() {
    screens_.Buildings().Open();
}
void CampaignBridge::OpenHireTroops() {
    screens_.HireTroops().Open();
}
void CampaignBridge::OpenOptions() {
    screens_.OptionsScreen().ShowModal();
}
void CampaignBridge::CloseStrategicWindow() {
    screens_.Campaign().Close();
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
