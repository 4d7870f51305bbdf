// The dungeon rules' view, passed on to the dungeon window and its small windows.
#include "screens/dungeon_bridge.h"

#include "rules/view_hooks.h"
#include "screens/dungeon_duel_panel.h"
#include "screens/screen_services.h"
#include "screens/tfgoldtreasure.h"
#include "screens/tfitemdetail.h"
#include "screens/tfitemreplace.h"
#include "screens/tfitemtreasure.h"
#include "screens/tflevelup.h"
#include "screens/tfmessage6.h"
#include "screens/tform3.h"

namespace screens {

DungeonBridge::DungeonBridge(ScreenServices& screens) : screens_(screens) {
    form3_ = std::make_unique<TForm3>(screens);
    wait_ = std::make_unique<DungeonWait>(screens, screens.Dialogs().WaitScreen());
    treasure_ = std::make_unique<TFItemTreasure>(screens);
    detail_ = std::make_unique<TFItemDetail>(screens);
    replace_ = std::make_unique<TFItemReplace>(screens);
    gold_ = std::make_unique<TFGoldTreasure>(screens);
    levelUp_ = std::make_unique<TFLevelUp>(screens);
    logic::Hooks().SetDungeon(this);
}

DungeonBridge::~DungeonBridge() {
    logic::Hooks().SetDungeon(nullptr);
}

void DungeonBridge::ShowWaitWindow() {
    wait_->Run();
}
void DungeonBridge::ShowDungeonWindow() {
    form3_->Open();
}
void DungeonBridge::FocusDungeonWindow() {
    if (form3_->Visible()) form3_->Show();
}
void DungeonBridge::CloseDungeonWindow() {
    form3_->CloseByProgram();
}

void DungeonBridge::DrawBoard(const logic::BoardView& board) {
    form3_->DrawBoard(board);
}
void DungeonBridge::DrawHeroStatus(const logic::HeroStatusView& status) {
    form3_->DrawHeroStatus(status);
}
void DungeonBridge::SetHeroPicture(const std::string& picture) {
    form3_->SetHeroPicture(picture);
}

void DungeonBridge::ShowDuelPanel() {
    form3_->Duel().Show();
}
void DungeonBridge::HideDuelPanel() {
    form3_->Duel().Hide();
}
void DungeonBridge::DrawDuel(const logic::DuelView& duel) {
    form3_->Duel().Draw(duel);
}
void DungeonBridge::SetOpponentPicture(const std::string& picture) {
    form3_->Duel().SetOpponentPicture(picture);
}
void DungeonBridge::SetDuelResult(const std::string& line) {
    form3_->Duel().SetResult(line);
}
void DungeonBridge::EnableDuelActions(bool enabled) {
    form3_->Duel().EnableActions(enabled);
}
void DungeonBridge::ShowHourglasses(int step, bool heroic) {
    form3_->Duel().ShowHourglasses(step, heroic);
}

void DungeonBridge::StartTimer(logic::DuelTimer timer) {
    // A timer started again counts its interval from now.
    platform::Timer& t = form3_->DuelTimer(timer);
    t.SetEnabled(false);
    t.SetEnabled(true);
}
void DungeonBridge::StopTimer(logic::DuelTimer timer) {
    form3_->DuelTimer(timer).SetEnabled(false);
}
bool DungeonBridge::TimerRunning(logic::DuelTimer timer) {
    return form3_->DuelTimer(timer).Enabled();
}
bool DungeonBridge::AnyDuelTimerRunning() {
    for (int i = 0; i < logic::kDuelTimerCount; ++i) {
        if (TimerRunning(static_cast<logic::DuelTimer>(i))) return true;
    }
    return false;
}

void DungeonBridge::OpenFoundItem(int item, const logic::ItemDetailView& detail, int value) {
    treasure_->OpenFound(item, detail, value);
}
void DungeonBridge::OpenPreview(int item, const logic::ItemDetailView& detail) {
    (void)item;
    treasure_->OpenPreview(detail);
}
bool DungeonBridge::OpenReplaceWindow(int item) {
    return replace_->Open(item);
}
void DungeonBridge::OpenItemDetail(int slot, const logic::ItemDetailView& detail,
                                   const std::string& weaponButton) {
    detail_->Open(slot, detail, weaponButton);
}
void DungeonBridge::OpenGoldTreasure(const logic::GoldFindView& gold) {
    gold_->Open(gold);
}
void DungeonBridge::OpenLevelUp(const logic::LevelUpView& levelUp) {
    levelUp_->Open(levelUp);
}

void DungeonBridge::PlayHitCry(int soundFamily) {
    screens_.Sound().Effects().PlayHitCry(soundFamily);
}

}  // namespace screens
