// The battle panel laid over the strategic map: both sides' coats of arms, health vessels and
// bonus lines, the orders with their cool-down hourglasses, pause, retreat, "Modify..", the
// heroic actions with the duel button, the information panel over a coat of arms and the help
// strip.
#pragma once

#include <array>
#include <string>

#include "platform/form.h"
#include "rules/battle_view.h"

namespace screens {

class ScreenServices;
class TFModifyBattleCommands;

class BattlePanel {
  public:
    // Builds the panel's controls on the strategic window at (left, top); helpTimer hides the
    // help strip 3.5 seconds after it was shown.
    BattlePanel(platform::Form& form, ScreenServices& screens, platform::Timer& helpTimer, int left,
                int top);
    // The window behind "Modify..", made after the strategic window.
    void Connect(TFModifyBattleCommands& commands) { commands_ = &commands; }

    void Show();
    void Hide();
    bool Shown() const;

    void ShowCoatOfArms(logic::BattleSideId side, const std::string& picture);
    void ShowVessel(logic::BattleSideId side, const std::string& picture);
    void ShowBonus(logic::BattleSideId side, logic::BonusKind kind, int percent,
                   const std::string& text);
    void ShowHeroicActions(bool available);
    void ShowPausePicture(const std::string& picture);
    void SetOrderButtons(const logic::OrderButtons& buttons);
    void ShowHourglasses(const std::string& picture);
    void HideHourglasses();
    // Both sides' troops by kind, in the grid beside the retreat button.
    void ShowTroops(logic::BattleSideId side, const std::array<int, 5>& counts);
    // The last strikes, at the foot of the panel.
    void ShowStrikeLog(const std::vector<std::string>& lines);
    // The help strip and the information panel (any action hides them).
    void HideHelp();

    // The information panel over a side's coat of arms.
    void ShowSideInfo(logic::BattleSideId side);

    platform::Panel& Root() { return *root_; }

  private:
    struct SideControls {
        platform::Picture* logo = nullptr;
        platform::Picture* vessel = nullptr;
        platform::Picture* heroImage = nullptr;
        platform::Label* heroBonus = nullptr;
        platform::Picture* castleImage = nullptr;
        platform::Label* castleBonus = nullptr;
        std::array<platform::Label*, 5> troops{};  // the grid's row of this side
    };
    struct InfoControls {
        platform::Panel* panel = nullptr;
        platform::Label* title = nullptr;
        std::array<platform::Label*, 5> counts{};
        platform::Picture* orderPicture = nullptr;
        platform::Label* orderCaption = nullptr;
    };

    void BuildSide(logic::BattleSideId side, int logoX, int vesselX, int bonusX, int textX);
    void BuildOrders();
    void BuildHeroicActions();
    void BuildInfoPanel();
    void BuildTroopGrid();
    platform::SpeedButton* Button(const std::string& name, const std::string& caption, int x, int y,
                                  int w, int h, std::function<void()> action);
    platform::Picture* Hourglass(const std::string& name, int x, int y);
    // Hover help in the strip and right-click help, under the control's help name.
    void AttachHelp(platform::Control& control, const std::string& helpName);
    void ShowHoverLine(const std::string& helpName);
    void ShowRightClickHelp(const std::string& helpName);
    SideControls& Side(logic::BattleSideId side) {
        return sides_[side == logic::BattleSideId::own ? 0 : 1];
    }

    platform::Form& form_;
    ScreenServices& screens_;
    TFModifyBattleCommands* commands_ = nullptr;
    platform::Timer& helpTimer_;
    platform::Panel* root_ = nullptr;
    std::array<SideControls, 2> sides_{};
    platform::SpeedButton* attack_ = nullptr;
    platform::SpeedButton* flank_ = nullptr;
    platform::SpeedButton* defend_ = nullptr;
    platform::SpeedButton* retreat_ = nullptr;
    platform::SpeedButton* pause_ = nullptr;
    platform::SpeedButton* duel_ = nullptr;
    std::array<platform::Picture*, 5> hourglasses_{};  // Attack, Flank, Defend, Retreat, duel
    platform::Panel* placeholders_ = nullptr;          // the "N/A" chain
    platform::Panel* duelPanel_ = nullptr;
    platform::Label* helpStrip_ = nullptr;
    platform::Label* strikeLog_ = nullptr;
    InfoControls info_;
};

}  // namespace screens
