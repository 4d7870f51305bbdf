// The dungeon window's controls, its drawing of the board and the status column, its timers and
// its close query.
#include "screens/tform3.h"

#include <algorithm>

#include "campaign/tutorial_grants.h"
#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "rules/tutorial_steps.h"
#include "screens/dungeon_duel_panel.h"
#include "screens/frame_box.h"
#include "screens/screen_services.h"
#include "screens/tutorial_extras.h"
#include "screens/tutorial_guide.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"

namespace screens {

namespace {

using logic::DungeonControl;

constexpr int kWidth = 860, kHeight = 460;
constexpr int kBoardLeft = 16, kBoardTop = 16;
constexpr int kColumns = 7, kRows = 5;
constexpr int kTileW = 80, kTileH = 75;
constexpr int kBoardW = kColumns * kTileW + 2, kBoardH = kRows * kTileH + 2;
constexpr int kDoorLong = 20, kDoorShort = 7;
constexpr int kStatusLeft = 596;
constexpr int kHoverMs = 2000;
const platform::Color kDoorColor = platform::Color::Rgb(150, 120, 80);
const platform::Color kMoveColor = platform::Color::Rgb(40, 200, 60);
const platform::Color kSelectedColor = platform::Color::Rgb(240, 220, 40);

constexpr const char* kMoveNames[4] = {"MoveFieldN", "MoveFieldE", "MoveFieldS", "MoveFieldW"};
constexpr int kStepX[4] = {0, 1, 0, -1};
constexpr int kStepY[4] = {-1, 0, 1, 0};
void (*const kMoves[4])() = {logic::MoveNorth, logic::MoveEast, logic::MoveSouth, logic::MoveWest};
// The keys of the moves, in the same order: an arrow or the number pad's arrow digit.
struct MoveKeys {
    std::vector<std::string> keys;
    const char* what;
};
const MoveKeys kMoveKeys[4] = {
    {{"Up", "Keypad 8"}, "go north"},
    {{"Right", "Keypad 6"}, "go east"},
    {{"Down", "Keypad 2"}, "go south"},
    {{"Left", "Keypad 4"}, "go west"},
};

int TileLeft(int x) {
    return (x - 1) * kTileW + 1;
}
int TileTop(int y) {
    return (y - 1) * kTileH;
}
char RowLetter(int y) {
    return static_cast<char>('A' + y - 1);
}

platform::Panel* Door(platform::Panel& board, const std::string& name, int x, int y, int w, int h) {
    auto* door = board.Add<platform::Panel>(name);
    door->SetBounds(x, y, w, h);
    door->SetColor(kDoorColor);
    door->SetBorder(false);
    door->Hide();
    return door;
}

}  // namespace

TForm3::TForm3(ScreenServices& screens)
    : Form(screens.App(), "TForm3", kWidth, kHeight),
      screens_(screens),
      opponentTimer_(screens.App(), logic::kDuelTimerIntervalMs[0], false),
      coolDownTimer_(screens.App(), logic::kDuelTimerIntervalMs[1], false),
      heroFlashTimer_(screens.App(), logic::kDuelTimerIntervalMs[2], false),
      opponentFlashTimer_(screens.App(), logic::kDuelTimerIntervalMs[3], false),
      hoverTimer_(screens.App(), kHoverMs, false) {
    SetCaption(kGameCaption);
    SetColor(platform::Color::Rgb(30, 26, 22));
    BuildBoard();
    BuildStatusColumn();
    BuildButtons();
    duel_ =
        std::make_unique<DungeonDuelPanel>(*this, screens, kBoardLeft, kBoardTop, kBoardW, kBoardH);
    hoverPanel_ = Add<platform::Panel>("DungeonHelpPanel");
    hoverPanel_->SetBounds(0, 0, 260, 70);
    hoverPanel_->SetColor(platform::Color::Rgb(236, 222, 186));
    hoverText_ = AddLabel(*hoverPanel_, "DungeonHelpText", 8, 6, 244, 58, 12);
    hoverText_->SetColor(platform::colors::kInk);
    hoverPanel_->Hide();
    BuildTutorial();

    opponentTimer_.OnTimer = [] { logic::OpponentAttackTick(); };
    coolDownTimer_.OnTimer = [] { logic::CoolDownTick(); };
    heroFlashTimer_.OnTimer = [this] {
        heroFlashTimer_.SetEnabled(false);
        logic::HeroFlashTick();
    };
    opponentFlashTimer_.OnTimer = [] { logic::OpponentFlashTick(); };
    hoverTimer_.OnTimer = [this] { HideHoverHelp(); };
    OnMouseMove = [this](int, int) { HideHoverHelp(); };
    OnShow = [] { state::G().dungeonMayClose = false; };
    OnCloseQuery = [this] {
        HideHoverHelp();
        return programClose_ || logic::DungeonCloseQuery();
    };
    OnClose = [this] {
        HideHoverHelp();
        for (platform::Timer* t :
             {&opponentTimer_, &coolDownTimer_, &heroFlashTimer_, &opponentFlashTimer_})
            t->SetEnabled(false);
    };
}

TForm3::~TForm3() = default;

// The tutorial's strip with its "Continue", the two item panels over the board, and the door
// its step into the first new room points at.
void TForm3::BuildTutorial() {
    tutorial_ = AddTutorialStrip(screens_, *this, logic::TutorialScreen::dungeon, true);
    tutorial_->onContinue = [] { logic::TutorialContinueClick(logic::TutorialContinue::dungeon); };
    const platform::Rect board{kBoardLeft, kBoardTop, kBoardW, kBoardH};
    screens_.RegisterTutorialExtra(logic::TutorialExtra::itemKinds,
                                   BuildItemKindsPanel(*this, screens_.Svc(), board, [] {
                                       logic::TutorialExtraContinueClick();
                                   }));
    screens_.RegisterTutorialExtra(
        logic::TutorialExtra::itemExample,
        BuildItemExamplePanel(*this, screens_.Svc(), board, exampleItem_,
                              [] { logic::TutorialExtraContinueClick(); }));
    screens_.Tutorial().dungeonMoveTarget = [this] { return TutorialDoor(); };
}

// The first door shown that leads into a room not visited yet, else the first door shown.
platform::Control* TForm3::TutorialDoor() {
    const auto& hero = logic::HeroRecord();
    platform::Control* shown = nullptr;
    for (int d = 0; d < 4; ++d) {
        FrameBox* frame = moveFrames_[static_cast<size_t>(d)];
        if (!frame->Visible()) continue;
        const auto* room =
            logic::RoomAt(hero[state::Hero::posX] + kStepX[d], hero[state::Hero::posY] + kStepY[d]);
        if (room != nullptr && (*room)[state::Room::visited] == 0) return frame;
        if (shown == nullptr) shown = frame;
    }
    return shown;
}

// ---------------------------------------------------------------------------------------------
// Building the window

void TForm3::BuildBoard() {
    board_ = Add<platform::Panel>("DungeonBoard");
    board_->SetBounds(kBoardLeft, kBoardTop, kBoardW, kBoardH);
    board_->SetColor(platform::colors::kBlack);
    board_->SetBorder(false);
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            const std::string name = std::string("Field") + RowLetter(y) + std::to_string(x);
            auto* tile = AddPicture(*board_, name, TileLeft(x), TileTop(y), kTileW, kTileH);
            tile->Hide();
            tiles_[x][y] = tile;
        }
    }
    const int midY = (kTileH - kDoorLong) / 2, midX = (kTileW - kDoorLong) / 2;
    for (int y = 1; y <= kRows; ++y) {
        for (int n = 1; n <= kColumns; ++n) {
            const std::string row(1, RowLetter(y));
            const int edge = TileLeft(n + 1);
            if (n < kColumns) {
                doorL_[n][y] = Door(*board_, "Door" + row + std::to_string(n) + "L",
                                    edge - kDoorShort, TileTop(y) + midY, kDoorShort, kDoorLong);
                doorR_[n][y] = Door(*board_, "Door" + row + std::to_string(n) + "R", edge,
                                    TileTop(y) + midY, kDoorShort, kDoorLong);
            }
            if (y < kRows) {
                const std::string rows = row + RowLetter(y + 1) + std::to_string(n);
                const int line = TileTop(y + 1);
                doorO_[n][y] = Door(*board_, "Door" + rows + "O", TileLeft(n) + midX,
                                    line - kDoorShort, kDoorLong, kDoorShort);
                doorU_[n][y] = Door(*board_, "Door" + rows + "U", TileLeft(n) + midX, line,
                                    kDoorLong, kDoorShort);
            }
        }
    }
    boardHero_ = AddPicture(*board_, "PlayerImage", 0, 0, 50, 46);
    boardHero_->Hide();
    AttachHelp(*boardHero_, DungeonControl::BoardHero);
    selected_ = board_->Add<FrameBox>("ShowSelectedPlayer", kSelectedColor, 2);
    selected_->SetBounds(0, 0, kTileW, kTileH);
    selected_->Hide();
    for (int d = 0; d < 4; ++d) {
        auto* frame = board_->Add<FrameBox>(kMoveNames[d], kMoveColor, 2);
        frame->SetBounds(0, 0, kTileW, kTileH);
        frame->OnMouseDown = [this, d](platform::MouseButton b, int, int) {
            if (b != platform::MouseButton::Left) return;
            HideHoverHelp();
            kMoves[d]();
        };
        frame->Hide();
        moveFrames_[static_cast<size_t>(d)] = frame;
        BindKeys(kMoveKeys[d].keys, kMoveKeys[d].what, *frame);
    }
}

void TForm3::BuildStatusColumn() {
    const int x = kStatusLeft;
    heroPicture_ = AddPicture(*this, "HeroPicture", x, 16, 100, 100);
    AttachHelp(*heroPicture_, DungeonControl::HeroPicture);
    health_ = AddPicture(*this, "HealthPicture", x + 112, 16, 40, 100);
    AttachHelp(*health_, DungeonControl::Health);
    experience_ = AddPicture(*this, "XPPicture", x + 164, 16, 40, 100);
    AttachHelp(*experience_, DungeonControl::Experience);
    heroName_ = AddLabel(*this, "HeroName", x, 124, 248, 24, 16, true, false);
    heroName_->SetColor(platform::colors::kGold);
    level_ = AddLabel(*this, "LevelLabel", x, 150, 248, 22, 15, false, false);
    AttachHelp(*level_, DungeonControl::Level);
    gold_ = AddLabel(*this, "GoldLabel", x, 174, 248, 22, 15, false, false);
    AttachHelp(*gold_, DungeonControl::Gold);
    rations_ = AddLabel(*this, "RationsLabel", x, 198, 248, 22, 15, false, false);
    AttachHelp(*rations_, DungeonControl::Rations);

    auto* weaponTitle = AddLabel(*this, "WeaponTitle", x, 230, 120, 20, 13, true, false);
    weaponTitle->SetCaption("Weapon:");
    weapon_.picture = AddPicture(*this, "WeaponSlot", x, 252, 64, 64);
    weapon_.picture->OnClick = [this] {
        HideHoverHelp();
        logic::ShowWeaponDetail();
    };
    AttachHelp(*weapon_.picture, DungeonControl::WeaponSlot);
    weapon_.caption = AddLabel(*this, "WeaponCaption", x + 72, 272, 176, 24, 14, false, false);

    auto* packTitle = AddLabel(*this, "BackpackTitle", x, 324, 120, 20, 13, true, false);
    packTitle->SetCaption("Backpack:");
    for (int s = 1; s <= logic::kBackpackSlots; ++s) {
        const int sx = x + (s - 1) * 62;
        const std::string n = "Slot" + std::to_string(s);
        Slot& slot = backpack_[static_cast<size_t>(s)];
        slot.picture = AddPicture(*this, n, sx, 346, 56, 56);
        slot.picture->OnClick = [this, s] {
            HideHoverHelp();
            logic::ShowItemDetail(s);
        };
        AttachHelp(*slot.picture, DungeonControl::BackpackSlot);
        slot.equipped = AddLabel(*this, n + "Equipped", sx, 364, 56, 20, 10, false, false);
        slot.equipped->SetAlign(platform::Align::Center);
        slot.equipped->SetBackground(platform::Color::Rgb(20, 60, 20));
        slot.equipped->SetCaption("Equipped");
        slot.equipped->Hide();
        slot.caption = AddLabel(*this, n + "Caption", sx, 404, 58, 36, 10, false, true);
    }
}

void TForm3::BuildButtons() {
    struct Button {
        const char* name;
        const char* caption;
        DungeonControl help;
        void (*action)();
        const char* key;
        const char* what;
    };
    static constexpr Button kButtons[3] = {
        {"EatButton", "Eat", DungeonControl::Eat, logic::Eat, "E", "eat"},
        {"LeaveButton", "Leave", DungeonControl::Leave, logic::Leave, "L", "leave the dungeon"},
        {"OptionsButton", "Options", DungeonControl::Options, logic::DungeonOptions, "O",
         "options"},
    };
    for (int i = 0; i < 3; ++i) {
        const Button& b = kButtons[i];
        auto* button = AddButton(*this, screens_.Svc(), b.name, b.caption, kBoardLeft + i * 130,
                                 kBoardTop + kBoardH + 12, 120, 40, [this, action = b.action] {
                                     HideHoverHelp();
                                     action();
                                 });
        AttachHelp(*button, b.help);
        BindKeys({b.key}, b.what, *button);
    }
}

// ---------------------------------------------------------------------------------------------
// Help

void TForm3::AttachHelp(platform::Control& control, DungeonControl help) {
    control.OnMouseMove = [this, &control, help](int, int) { ShowHover(control, help); };
    auto previous = control.OnMouseDown;
    control.OnMouseDown = [this, help, previous](platform::MouseButton b, int x, int y) {
        if (b == platform::MouseButton::Right) {
            HideHoverHelp();
            logic::DungeonRightClickHelp(help);
            return;
        }
        if (previous) previous(b, x, y);
    };
}

void TForm3::ShowHover(const platform::Control& control, DungeonControl help) {
    const std::string text = logic::DungeonHoverText(help);
    if (text.empty() || !state::G().hintsOn) return;
    if (hoverPanel_->Visible() && hoverText_->Caption() == text) return;
    // Below the control, kept inside the window.
    const platform::Rect r = control.ScreenBounds();
    const platform::Rect me = ScreenBounds();
    int left = r.x - me.x;
    int top = r.y - me.y + r.h + 4;
    if (left + hoverPanel_->Width() > kWidth) left = kWidth - hoverPanel_->Width();
    if (top + hoverPanel_->Height() > kHeight) top = r.y - me.y - hoverPanel_->Height() - 4;
    hoverPanel_->SetPosition(std::max(0, left), std::max(0, top));
    hoverText_->SetCaption(text);
    hoverPanel_->Show();
    hoverPanel_->BringToFront();
    hoverTimer_.SetEnabled(false);
    hoverTimer_.SetEnabled(true);
}

void TForm3::HideHoverHelp() {
    hoverTimer_.SetEnabled(false);
    hoverPanel_->Hide();
}

// ---------------------------------------------------------------------------------------------
// Opening and closing

void TForm3::Open() {
    if (Visible()) {
        Show();
        return;
    }
    programClose_ = false;
    ShowModal();
}

void TForm3::CloseByProgram() {
    if (!Visible()) return;
    programClose_ = true;
    Close();
    programClose_ = false;
}

platform::Timer& TForm3::DuelTimer(logic::DuelTimer timer) {
    switch (timer) {
        case logic::DuelTimer::OpponentAttack:
            return opponentTimer_;
        case logic::DuelTimer::CoolDown:
            return coolDownTimer_;
        case logic::DuelTimer::HeroFlash:
            return heroFlashTimer_;
        case logic::DuelTimer::OpponentFlash:
            break;
    }
    return opponentFlashTimer_;
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TForm3::Load(platform::Picture& picture, const std::string& file) {
    if (picture.FileName() == file) return;
    picture.LoadPicture(file);
    ++picturesLoaded_;
}

void TForm3::DrawBoard(const logic::BoardView& b) {
    picturesLoaded_ = 0;
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const logic::TileView& t = b.tile[x][y];
            platform::Picture& tile = *tiles_[x][y];
            tile.SetVisible(t.shown);
            if (t.shown) Load(tile, t.picture);
            if (x < kColumns) {
                doorL_[x][y]->SetVisible(b.doorLeft[x][y]);
                doorR_[x][y]->SetVisible(b.doorRight[x][y]);
            }
            if (y < kRows) {
                doorO_[x][y]->SetVisible(b.doorUpper[x][y]);
                doorU_[x][y]->SetVisible(b.doorLower[x][y]);
            }
        }
    }
    const bool onBoard = b.heroX >= 1 && b.heroX <= kColumns && b.heroY >= 1 && b.heroY <= kRows;
    boardHero_->SetVisible(onBoard);
    selected_->SetVisible(onBoard);
    const bool open[4] = {b.moveNorth, b.moveEast, b.moveSouth, b.moveWest};
    for (int d = 0; d < 4; ++d) {
        FrameBox* frame = moveFrames_[static_cast<size_t>(d)];
        const int tx = b.heroX + kStepX[d], ty = b.heroY + kStepY[d];
        const bool shown =
            onBoard && open[d] && tx >= 1 && tx <= kColumns && ty >= 1 && ty <= kRows;
        frame->SetVisible(shown);
        if (shown) frame->SetPosition(TileLeft(tx), TileTop(ty));
    }
    if (!onBoard) return;
    Load(*boardHero_, b.heroPicture);
    boardHero_->SetPosition((b.heroX - 1) * kTileW + 16, b.heroY * kTileH - 60);
    selected_->SetPosition(TileLeft(b.heroX), TileTop(b.heroY));
    boardHero_->BringToFront();
    selected_->BringToFront();
    for (FrameBox* frame : moveFrames_)
        frame->BringToFront();
}

void TForm3::ShowSlot(Slot& slot, const logic::GearSlotView& view, bool weapon) {
    if (view.picture.empty()) {
        slot.picture->Clear();
    } else {
        Load(*slot.picture, view.picture);
    }
    slot.caption->SetCaption(view.caption);
    if (!weapon) slot.equipped->SetVisible(view.equipped);
}

void TForm3::DrawHeroStatus(const logic::HeroStatusView& s) {
    heroName_->SetCaption(s.heroName);
    level_->SetCaption("Level: " + std::to_string(s.level));
    Load(*heroPicture_, s.heroPicture);
    Load(*health_, s.healthPicture);
    experience_->SetVisible(s.showExperience);
    if (s.showExperience) Load(*experience_, s.experiencePicture);
    gold_->SetCaption(s.goldLine);
    rations_->SetCaption(s.rationsLine);
    gold_->SetVisible(s.goldAndRationsShown);
    rations_->SetVisible(s.goldAndRationsShown);
    ShowSlot(weapon_, s.weapon, true);
    for (int i = 1; i <= logic::kBackpackSlots; ++i)
        ShowSlot(backpack_[static_cast<size_t>(i)], s.backpack[static_cast<size_t>(i)], false);
}

void TForm3::SetHeroPicture(const std::string& picture) {
    Load(*heroPicture_, picture);
}

}  // namespace screens
