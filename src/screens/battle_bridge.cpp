// The battle rules' view, passed on to the strategic window's battle panel and timers.
#include "screens/battle_bridge.h"

#include "rules/view_hooks.h"
#include "screens/battle_panel.h"
#include "screens/tfcampaign1.h"

namespace screens {

BattleBridge::BattleBridge(TFCampaign1& campaign) : campaign_(campaign) {
    logic::Hooks().SetBattleView(this);
}

BattleBridge::~BattleBridge() {
    logic::Hooks().SetBattleView(nullptr);
}

void BattleBridge::ShowPanel() {
    campaign_.Battle().Show();
}
void BattleBridge::HidePanel() {
    campaign_.Battle().Hide();
}

void BattleBridge::StartClock() {
    campaign_.BattleClock().SetEnabled(true);
}
void BattleBridge::StopClock() {
    campaign_.BattleClock().SetEnabled(false);
}
void BattleBridge::StartCommandDelay() {
    campaign_.CommandDelayTimer().SetEnabled(true);
}
void BattleBridge::StopCommandDelay() {
    campaign_.CommandDelayTimer().SetEnabled(false);
}
void BattleBridge::StartFlash(logic::BattleSideId side) {
    // A flash under way starts again from its beginning.
    platform::Timer& flash = campaign_.FlashTimer(side);
    flash.SetEnabled(false);
    flash.SetEnabled(true);
}
void BattleBridge::StopFlash(logic::BattleSideId side) {
    campaign_.FlashTimer(side).SetEnabled(false);
}

void BattleBridge::ShowCoatOfArms(logic::BattleSideId side, const std::string& picture) {
    campaign_.Battle().ShowCoatOfArms(side, picture);
}
void BattleBridge::ShowVessel(logic::BattleSideId side, const std::string& picture) {
    campaign_.Battle().ShowVessel(side, picture);
}
void BattleBridge::ShowBonus(logic::BattleSideId side, logic::BonusKind kind, int percent,
                             const std::string& text) {
    campaign_.Battle().ShowBonus(side, kind, percent, text);
}
void BattleBridge::ShowHeroicActions(bool available) {
    campaign_.Battle().ShowHeroicActions(available);
}
void BattleBridge::ShowPausePicture(const std::string& picture) {
    campaign_.Battle().ShowPausePicture(picture);
}
void BattleBridge::SetOrderButtons(const logic::OrderButtons& buttons) {
    campaign_.Battle().SetOrderButtons(buttons);
}
void BattleBridge::ShowHourglasses(const std::string& picture) {
    campaign_.Battle().ShowHourglasses(picture);
}
void BattleBridge::HideHourglasses() {
    campaign_.Battle().HideHourglasses();
}
void BattleBridge::ShowTroops(logic::BattleSideId side, const std::array<int, 5>& counts) {
    campaign_.Battle().ShowTroops(side, counts);
}
void BattleBridge::ShowStrikeLog(const std::vector<std::string>& lines) {
    campaign_.Battle().ShowStrikeLog(lines);
}

}  // namespace screens
