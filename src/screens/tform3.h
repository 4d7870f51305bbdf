// The dungeon window: the 7 x 5 board of rooms with its doors, the hero and the move frames, the
// status column with the hero, the backpack and the "Eat", "Leave" and "Options" buttons, the duel
// panel laid over the board with the duel's four timers, and the hover and right-click help.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "dungeon/dungeon_help.h"
#include "platform/form.h"
#include "rules/dungeon_view.h"
#include "screens/frame_box.h"
#include "screens/item_detail_box.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class DungeonDuelPanel;

class TForm3 final : public platform::Form {
  public:
    explicit TForm3(ScreenServices& screens);
    ~TForm3() override;

    // Modally, unless the window is already shown (then it only comes to the front).
    void Open();
    // A close by the program: it never asks the close query.
    void CloseByProgram();

    void DrawBoard(const logic::BoardView& board);
    void DrawHeroStatus(const logic::HeroStatusView& status);
    void SetHeroPicture(const std::string& picture);
    DungeonDuelPanel& Duel() { return *duel_; }
    platform::Timer& DuelTimer(logic::DuelTimer timer);

    // Hover text (with the in-game help on) and right-click help of a control.
    void AttachHelp(platform::Control& control, logic::DungeonControl help);
    void HideHoverHelp();

    platform::Picture* Tile(int x, int y) { return tiles_[x][y]; }
    platform::Control* MoveFrame(int direction) {
        return moveFrames_.at(static_cast<size_t>(direction));
    }
    // The number of pictures the last DrawBoard loaded (the benchmark counts them).
    int PicturesLoadedLast() const { return picturesLoaded_; }

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    struct Slot {
        platform::Picture* picture = nullptr;
        platform::Label* caption = nullptr;
        platform::Label* equipped = nullptr;
    };

    void BuildBoard();
    void BuildTutorial();
    platform::Control* TutorialDoor();
    void BuildStatusColumn();
    void BuildButtons();
    void ShowHover(const platform::Control& control, logic::DungeonControl help);
    // Loads a picture unless the control shows it already.
    void Load(platform::Picture& picture, const std::string& file);
    void ShowSlot(Slot& slot, const logic::GearSlotView& view, bool weapon);

    ScreenServices& screens_;
    platform::Panel* board_ = nullptr;
    std::array<std::array<platform::Picture*, 6>, 8> tiles_{};  // [x 1..7][y 1..5]
    std::array<std::array<platform::Panel*, 6>, 8> doorL_{}, doorR_{}, doorO_{}, doorU_{};
    platform::Picture* boardHero_ = nullptr;
    FrameBox* selected_ = nullptr;
    std::array<FrameBox*, 4> moveFrames_{};  // N, E, S, W
    platform::Picture* heroPicture_ = nullptr;
    platform::Label* heroName_ = nullptr;
    platform::Label* level_ = nullptr;
    platform::Picture* health_ = nullptr;
    platform::Picture* experience_ = nullptr;
    platform::Label* gold_ = nullptr;
    platform::Label* rations_ = nullptr;
    Slot weapon_;
    std::array<Slot, 5> backpack_{};  // slots 1..4
    platform::Panel* hoverPanel_ = nullptr;
    platform::Label* hoverText_ = nullptr;
    std::unique_ptr<DungeonDuelPanel> duel_;
    platform::Timer opponentTimer_, coolDownTimer_, heroFlashTimer_, opponentFlashTimer_;
    platform::Timer hoverTimer_;
    bool programClose_ = false;
    int picturesLoaded_ = 0;
    std::unique_ptr<TutorialPanel> tutorial_;
    std::unique_ptr<ItemDetailBox> exampleItem_;  // the tutorial's example item
};

}  // namespace screens
