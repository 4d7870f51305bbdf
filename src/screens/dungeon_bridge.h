// What the dungeon rules reach of the screens: the dungeon window TForm3 with its duel panel and
// four timers, the wait window, and the treasure, item, replace and level-up windows. It owns
// those windows and is installed once as the rules' dungeon view when the windows are made.
#pragma once

#include <memory>

#include "rules/dungeon_view.h"

namespace screens {

class ScreenServices;
class TForm3;
class DungeonWait;
class TFItemTreasure;
class TFItemDetail;
class TFItemReplace;
class TFGoldTreasure;
class TFLevelUp;

class DungeonBridge final : public logic::DungeonView {
  public:
    explicit DungeonBridge(ScreenServices& screens);
    ~DungeonBridge() override;

    TForm3& Window() { return *form3_; }
    DungeonWait& Wait() { return *wait_; }

    void ShowWaitWindow() override;
    void ShowDungeonWindow() override;
    void FocusDungeonWindow() override;
    void CloseDungeonWindow() override;

    void DrawBoard(const logic::BoardView& board) override;
    void DrawHeroStatus(const logic::HeroStatusView& status) override;
    void SetHeroPicture(const std::string& picture) override;

    void ShowDuelPanel() override;
    void HideDuelPanel() override;
    void DrawDuel(const logic::DuelView& duel) override;
    void SetOpponentPicture(const std::string& picture) override;
    void SetDuelResult(const std::string& line) override;
    void EnableDuelActions(bool enabled) override;
    void ShowHourglasses(int step, bool heroic) override;

    void StartTimer(logic::DuelTimer timer) override;
    void StopTimer(logic::DuelTimer timer) override;
    bool TimerRunning(logic::DuelTimer timer) override;
    // True while any of the four duel timers runs.
    bool AnyDuelTimerRunning();

    void OpenFoundItem(int item, const logic::ItemDetailView& detail, int value) override;
    void OpenPreview(int item, const logic::ItemDetailView& detail) override;
    bool OpenReplaceWindow(int item) override;
    void OpenItemDetail(int slot, const logic::ItemDetailView& detail,
                        const std::string& weaponButton) override;
    void OpenGoldTreasure(const logic::GoldFindView& gold) override;
    void OpenLevelUp(const logic::LevelUpView& levelUp) override;

    void PlayHitCry(int soundFamily) override;

  private:
    ScreenServices& screens_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<DungeonWait> wait_;
    std::unique_ptr<TFItemTreasure> treasure_;
    std::unique_ptr<TFItemDetail> detail_;
    std::unique_ptr<TFItemReplace> replace_;
    std::unique_ptr<TFGoldTreasure> gold_;
    std::unique_ptr<TFLevelUp> levelUp_;
};

}  // namespace screens
