// The controls of the duel panel and what its buttons do.
#include "screens/dungeon_duel_panel.h"

#include "dungeon/duel.h"
#include "screens/screen_services.h"
#include "screens/tform3.h"

namespace screens {

namespace {

using logic::DungeonControl;

constexpr int kCheatSpot = 9;  // the hidden cheat: a 9 by 9 pixel spot in the top-left corner
constexpr int kActionSize = 64;
constexpr int kBasicTop = 56, kHeroicTop = 214;
constexpr int kColumns[3] = {236, 340, 444};
constexpr const char* kHourglasses[6] = {"",
                                         "hourglass_100of100_sm.bmp",
                                         "hourglass_75of100_sm.bmp",
                                         "hourglass_50of100_sm.bmp",
                                         "hourglass_25of100_sm.bmp",
                                         "hourglass_0of100_sm.bmp"};
const platform::Color kBackground = platform::Color::Rgb(34, 28, 24);

}  // namespace

DungeonDuelPanel::DungeonDuelPanel(TForm3& form, ScreenServices& screens, int left, int top,
                                   int width, int height)
    : form_(form), screens_(screens) {
    root_ = form_.Add<platform::Panel>("DuelPanel");
    root_->SetBounds(left, top, width, height);
    root_->SetColor(kBackground);

    result_ = AddLabel(*root_, "DuelResult", 16, 8, width - 32, 32, 22, true, false);
    result_->SetAlign(platform::Align::Center);
    result_->SetColor(platform::colors::kGold);

    opponent_ = AddPicture(*root_, "OpponentPicture", 16, 48, 150, 150);
    opponent_->OnMouseDown = [](platform::MouseButton b, int x, int y) {
        if (b == platform::MouseButton::Left && x < kCheatSpot && y < kCheatSpot)
            logic::DuelCheat();
    };
    health_ = AddPicture(*root_, "OpponentHealth", 176, 48, 40, 100);
    form_.AttachHelp(*health_, DungeonControl::OpponentHealth);
    name_ = AddLabel(*root_, "OpponentName", 16, 206, 200, 48, 16, true, true);
    level_ = AddLabel(*root_, "OpponentLevel", 16, 258, 200, 24, 15, false, false);
    form_.AttachHelp(*level_, DungeonControl::OpponentLevel);

    ActionButton(0, "Thrust", "m1_action_thrust.jpg", kColumns[0], kBasicTop,
                 DungeonControl::Thrust);
    ActionButton(1, "Slash", "m1_action_slash.jpg", kColumns[1], kBasicTop, DungeonControl::Slash);
    ActionButton(2, "Smash", "m1_action_smash.jpg", kColumns[2], kBasicTop, DungeonControl::Smash);

    auto* heroic = AddLabel(*root_, "HeroicLabel", kColumns[0], 170, 300, 24, 15, true, false);
    heroic->SetCaption("Heroic actions:");
    heroic->SetColor(platform::colors::kGold);
    form_.AttachHelp(*heroic, DungeonControl::HeroicLabel);
    ActionButton(3, "Strike", "m1_action_strike.jpg", kColumns[0], kHeroicTop,
                 DungeonControl::Strike);
    ActionButton(4, "Heal", "m1_action_divine.jpg", kColumns[1], kHeroicTop, DungeonControl::Heal);
    ActionButton(5, "Retreat", "m1_action_retreat.jpg", kColumns[2], kHeroicTop,
                 DungeonControl::Retreat);

    notAvailable_ = root_->Add<platform::Panel>("HeroicNA");
    notAvailable_->SetBounds(kColumns[0], kHeroicTop, kColumns[2] + 96 - kColumns[0], 96);
    notAvailable_->SetColor(platform::Color::Rgb(60, 52, 44));
    notAvailable_->SetCaption("N/A");
    form_.AttachHelp(*notAvailable_, DungeonControl::HeroicLabel);
    root_->Hide();
}

platform::SpeedButton* DungeonDuelPanel::ActionButton(int index, const char* name,
                                                      const char* glyph, int x, int y,
                                                      DungeonControl help) {
    static constexpr int kKinds[6] = {logic::DuelAction::thrust,
                                      logic::DuelAction::slash,
                                      logic::DuelAction::smash,
                                      logic::DuelAction::strike,
                                      0,
                                      0};
    const int kind = kKinds[index];
    auto* button = AddButton(*root_, screens_.Svc(), name, "", x, y, kActionSize, kActionSize,
                             [this, index, kind] {
                                 form_.HideHoverHelp();
                                 if (index == 4) {
                                     logic::HeroHeal();
                                 } else if (index == 5) {
                                     logic::HeroRetreat();
                                 } else {
                                     logic::HeroAttack(kind);
                                 }
                             });
    button->LoadGlyph(glyph);
    form_.AttachHelp(*button, help);
    // The actions by their number, left to right and top to bottom.
    static constexpr const char* kWhat[6] = {"thrust", "slash",          "smash",
                                             "strike", "divine healing", "retreat"};
    form_.BindKeys({std::to_string(index + 1)}, kWhat[index], *button);
    auto* caption = AddLabel(*root_, std::string(name) + "Caption", x - 8, y + kActionSize + 2,
                             kActionSize + 16, 22, 13, true, false);
    caption->SetAlign(platform::Align::Center);
    caption->SetCaption(name);
    const auto i = static_cast<size_t>(index);
    actions_[i] = button;
    hourglasses_[i] =
        AddPicture(*root_, std::string(name) + "Hourglass", x + kActionSize + 2, y + 12, 30, 40);
    hourglasses_[i]->Hide();
    return button;
}

void DungeonDuelPanel::Show() {
    root_->Show();
    root_->BringToFront();
}

void DungeonDuelPanel::Hide() {
    root_->Hide();
}

bool DungeonDuelPanel::Shown() const {
    return root_->Visible();
}

void DungeonDuelPanel::Draw(const logic::DuelView& duel) {
    name_->SetCaption(duel.opponentName);
    level_->SetCaption("Level: " + std::to_string(duel.opponentLevel));
    if (health_->FileName() != duel.opponentHealthPicture)
        health_->LoadPicture(duel.opponentHealthPicture);
    for (size_t i = 3; i < actions_.size(); ++i) {
        actions_[i]->SetVisible(duel.heroic);
        root_->Find(actions_[i]->Name() + "Caption")->SetVisible(duel.heroic);
    }
    notAvailable_->SetVisible(!duel.heroic);
}

void DungeonDuelPanel::SetOpponentPicture(const std::string& picture) {
    if (opponent_->FileName() != picture) opponent_->LoadPicture(picture);
}

void DungeonDuelPanel::SetResult(const std::string& line) {
    result_->SetCaption(line);
}

void DungeonDuelPanel::EnableActions(bool enabled) {
    for (auto* button : actions_)
        button->SetEnabled(enabled);
}

void DungeonDuelPanel::ShowHourglasses(int step, bool heroic) {
    const bool shown = step >= 1 && step <= 5;
    for (size_t i = 0; i < hourglasses_.size(); ++i) {
        platform::Picture* glass = hourglasses_[i];
        const bool here = shown && (i < 3 || heroic);
        glass->SetVisible(here);
        if (here && glass->FileName() != kHourglasses[step]) glass->LoadPicture(kHourglasses[step]);
    }
}

}  // namespace screens
