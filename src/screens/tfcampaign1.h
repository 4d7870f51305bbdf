// The strategic window: the 12 x 11 map of field pictures with the armies, castles, sites and
// spawn fields laid over it, the move targets around the human's army, the action buttons, the
// status bar and the hover and right-click help.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "campaign/map_model.h"
#include "platform/form.h"
#include "rules/battle_view.h"
#include "rules/view_hooks.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class BattlePanel;
class FrameBox;
class RangeShade;

class TFCampaign1 final : public platform::Form {
  public:
    explicit TFCampaign1(ScreenServices& screens);
    ~TFCampaign1() override;

    // The map view.
    void DrawMap(bool highlight, bool nearOnly);
    // Only the armies, where the tables put them (a message is about to open over the map).
    void PlaceArmies();
    void DrawSiteIcon(int row);
    void DrawAllSiteIcons();
    void DrawSpawnField(int slot);
    void DrawAllSpawnFields();
    void PlaceCastleMarker(int lord, int x, int y, bool visible);
    void DisableAllTimers();
    void DrawStatusBar();
    void HideHoverHelp();
    void ShowComputerMovePanel(int lord);
    void HideComputerMovePanel();
    // The theme boxes: shown or hidden with their pictures, and their numbers.
    void SetupThemeBoxes(const logic::ThemeBoxes& boxes);
    void SetThemeNumbers(int counter, int troop);

    // What the buttons and clicks do; the turn rules fill these in.
    struct Actions {
        std::function<void(int direction)> moveTarget;  // 0 north, 1 east, 2 south, 3 west
        std::function<void()> placeCastleMarkers;
        std::function<void()> skipTurn, portal, moveInfo, hire, castle, options;
        std::function<void(int lord)> rightClickArmy, rightClickCastle;
        // False when the buttons may not act now (not a human lord's own turn).
        std::function<bool()> humanMayAct;
        // True while a battle is shown (the status bar then shows the battle's troops).
        std::function<bool()> battleShown;
        // Shows the battle refusal when a battle is shown; true when it did.
        std::function<bool()> refuseDuringBattle;
    };
    Actions& GetActions() { return actions_; }

    platform::Timer& Timer1() { return timer1_; }
    platform::Timer& Timer3() { return timer3_; }
    // The battle's timers: the battle clock, the command cool-down and the two 250 ms flashes
    // of the coats of arms.
    platform::Timer& BattleClock() { return battleClock_; }
    platform::Timer& CommandDelayTimer() { return commandDelayTimer_; }
    platform::Timer& FlashTimer(logic::BattleSideId side) {
        return side == logic::BattleSideId::own ? flashOwn_ : flashFoe_;
    }
    BattlePanel& Battle() { return *battle_; }
    TutorialPanel& Tutorial() { return *tutorial_; }
    platform::Control* MoveTarget(int direction) { return moveTargets_[direction]; }
    // What the map shows of the castle range: a shaded field, a marked move target.
    bool FieldShaded(int x, int y) const;
    bool TargetMarked(int direction) const;
    platform::Picture* FieldPicture(int x, int y) { return fields_[x][y]; }
    platform::Picture* ArmyPicture(int lord) { return armies_[lord]; }
    // The theme boxes (counter, troop) and the special troop picture of the army panel.
    platform::Picture* ThemePicture(int box) { return themePictures_[box]; }
    platform::Label* ThemeLabel(int box) { return themeLabels_[box]; }
    platform::Picture* SpecialTroopPicture() { return specialTroop_; }
    platform::Label* SpecialTroopCount() { return specialCount_; }
    platform::Picture* CastleMarker(int lord) { return castles_[lord]; }
    // The number of field pictures loaded by the last DrawMap (the benchmark counts them).
    int FieldsDrawnLast() const { return fieldsDrawn_; }

  private:
    void BuildMap();
    void BuildLeftColumn();
    void BuildRightColumn();
    void BuildStatusBar();
    void BuildHelpPanels();
    void BuildTutorial();
    // A button of this screen: click sound, hover help hidden, the battle refusal, then action.
    platform::SpeedButton* ActionButton(const std::string& name, const std::string& caption, int x,
                                        int y, int w, int h,
                                        std::function<void()> Actions::*action);
    void AttachHelp(platform::Control& control);
    void ShowHover(const std::string& control);
    void ShowRightClickHelp(const std::string& control);
    // The theme box (0 counter, 1 troop) a control belongs to, or -1.
    static int ThemeBoxOf(const std::string& control);
    // Places the army pictures; raiseTurnArmy: the army of the turn's lord over the others.
    void ArmyPictures(const logic::MapModel& model, bool raiseTurnArmy = true);
    void MoveTargets(const logic::MapModel& model);
    // The shade beyond the castle range and the marks of the move targets beyond it.
    void CastleRange(const logic::MapModel& model);

    ScreenServices& screens_;
    Actions actions_;
    platform::Panel* map_ = nullptr;
    std::array<std::array<platform::Picture*, 12>, 13> fields_{};  // [x 1..12][y 1..11]
    std::array<platform::Picture*, 5> armies_{};
    std::array<platform::Picture*, 5> castles_{};
    std::array<platform::Picture*, 11> missions_{};
    std::array<platform::Picture*, 11> spawns_{};
    std::array<platform::Picture*, 4> moveTargets_{};  // N, E, S, W
    std::array<FrameBox*, 4> rangeMarks_{};            // over a target beyond the castle range
    RangeShade* shade_ = nullptr;                      // over the fields beyond the castle range
    platform::Panel* computerMove_ = nullptr;
    platform::Picture* computerMoveLogo_ = nullptr;
    platform::Picture* image1_ = nullptr;   // faction logo
    platform::Picture* image76_ = nullptr;  // hero
    platform::Label* label17_ = nullptr;    // hero level
    platform::SpeedButton* moveInfo_ = nullptr;
    platform::Picture* image4_ = nullptr;
    platform::Label* label5_ = nullptr;
    platform::Picture* image18_ = nullptr;               // hourglass
    platform::Label* turnLine_ = nullptr;                // "Round 12 - Blue's turn"
    std::array<platform::Label*, 6> resources_{};        // gold, honor, wood, iron, stone, gems
    std::array<platform::Label*, 4> troops_{};           // soldiers, fast, archers, siege
    std::array<platform::Picture*, 2> themePictures_{};  // Image69, Image646
    std::array<platform::Label*, 2> themeLabels_{};      // Label30, Label76
    platform::Picture* specialTroop_ = nullptr;
    platform::Label* specialCount_ = nullptr;
    platform::Panel* hoverPanel_ = nullptr;
    platform::Label* hoverText_ = nullptr;
    platform::Timer timer1_, timer3_, timer6_, inGameHelpTimer_;
    platform::Timer battleClock_, commandDelayTimer_, flashOwn_, flashFoe_;
    std::unique_ptr<BattlePanel> battle_;
    std::unique_ptr<TutorialPanel> tutorial_;
    int hoverNumber_ = 0;
    int fieldsDrawn_ = 0;
};

}  // namespace screens
