// The controls of the battle panel and what its buttons do.
#include "screens/battle_panel.h"

#include "battle/battle_clock.h"
#include "battle/battle_engine.h"
#include "battle/lord_duel.h"
#include "screens/battle_help.h"
#include "screens/screen_services.h"
#include "screens/tfmodifybattlecommands.h"

namespace screens {

using logic::BattleSideId;

namespace {

constexpr int kWidth = 560, kHeight = 470;
constexpr int kOrderTop = 128;
constexpr int kInfoWidth = 200, kInfoHeight = 222;
constexpr const char* kHelpPicture = "m1_action_help.jpg";
constexpr const char* kCountNames[5] = {"Soldiers", "Fast melee", "Archers", "Siege", "Special"};

}  // namespace

BattlePanel::BattlePanel(platform::Form& form, ScreenServices& screens, platform::Timer& helpTimer,
                         int left, int top)
    : form_(form), screens_(screens), helpTimer_(helpTimer) {
    root_ = form_.Add<platform::Panel>("BattlePanel");
    root_->SetBounds(left, top, kWidth, kHeight);
    root_->SetColor(platform::Color::Rgb(46, 38, 30));
    // Moving over the panel's background forgets the help strip's control and the information.
    root_->OnMouseMove = [this](int, int) { info_.panel->Hide(); };
    BuildSide(BattleSideId::own, 16, 124, 172, 208);
    BuildSide(BattleSideId::foe, 444, 396, 356, 288);
    BuildOrders();
    BuildHeroicActions();
    BuildTroopGrid();
    // The last strikes, under the heroic actions; the help strip lies over them while shown.
    strikeLog_ = AddLabel(*root_, "BattleStrikeLog", 16, 406, 528, 62, 12, false, true);
    helpStrip_ = AddLabel(*root_, "BattleHelpStrip", 16, 414, 528, 44, 12);
    helpStrip_->SetBackground(platform::Color::Rgb(236, 222, 186));
    helpStrip_->SetColor(platform::colors::kInk);
    helpStrip_->Hide();
    BuildInfoPanel();
    root_->Hide();
}

// ---------------------------------------------------------------------------------------------
// Building the panel

// Both sides' troops by kind, beside the retreat button: a heading row with the kinds, then a
// row for the player's side and one for the enemy.
void BattlePanel::BuildTroopGrid() {
    constexpr int kLeft = 176, kTop = 222, kNameWidth = 52, kColumn = 63, kRow = 17;
    for (int i = 0; i < 5; ++i) {
        auto* heading =
            AddLabel(*root_, "BattleTroopKind" + std::to_string(i + 1),
                     kLeft + kNameWidth + i * kColumn, kTop, kColumn, kRow, 11, false, false);
        heading->SetAlign(platform::Align::Center);
        heading->SetColor(platform::colors::kGold);
        heading->SetCaption(kCountNames[i]);
    }
    const char* rows[2] = {"You", "Enemy"};
    const char* prefixes[2] = {"BattleOwnTroops", "BattleFoeTroops"};
    for (int side = 0; side < 2; ++side) {
        const int y = kTop + (side + 1) * kRow;
        auto* name = AddLabel(*root_, std::string(prefixes[side]) + "Name", kLeft, y, kNameWidth,
                              kRow, 12, true, false);
        name->SetCaption(rows[side]);
        for (int i = 0; i < 5; ++i) {
            auto* count =
                AddLabel(*root_, prefixes[side] + std::to_string(i + 1),
                         kLeft + kNameWidth + i * kColumn, y, kColumn, kRow, 12, true, false);
            count->SetAlign(platform::Align::Center);
            sides_[static_cast<std::size_t>(side)].troops[static_cast<std::size_t>(i)] = count;
        }
    }
}

void BattlePanel::BuildSide(BattleSideId id, int logoX, int vesselX, int bonusX, int textX) {
    const std::string prefix = id == BattleSideId::own ? "BattleOwn" : "BattleFoe";
    SideControls& s = Side(id);
    s.logo = AddPicture(*root_, prefix + "Logo", logoX, 12, 100, 100);
    s.logo->OnMouseMove = [this, id](int, int) { ShowSideInfo(id); };
    s.vessel = AddPicture(*root_, prefix + "Health", vesselX, 12, 40, 100);
    const platform::Align align =
        id == BattleSideId::own ? platform::Align::Left : platform::Align::Right;
    s.heroImage = AddPicture(*root_, prefix + "HeroBonusImage", bonusX, 18, 32, 32);
    s.heroImage->LoadPicture("m1_action_strike.jpg");
    s.heroBonus = AddLabel(*root_, prefix + "HeroBonus", textX, 22, 64, 24, 16, true, false);
    s.heroBonus->SetAlign(align);
    s.castleImage = AddPicture(*root_, prefix + "CastleBonusImage", bonusX, 66, 32, 32);
    s.castleImage->LoadPicture("m2_castle.jpg");
    s.castleBonus = AddLabel(*root_, prefix + "CastleBonus", textX, 70, 64, 24, 16, true, false);
    s.castleBonus->SetAlign(align);
    for (platform::Control* c : {static_cast<platform::Control*>(s.heroImage),
                                 static_cast<platform::Control*>(s.heroBonus)})
        AttachHelp(*c, prefix + "HeroBonus");
    for (platform::Control* c : {static_cast<platform::Control*>(s.castleImage),
                                 static_cast<platform::Control*>(s.castleBonus)})
        AttachHelp(*c, prefix + "CastleBonus");
}

platform::SpeedButton* BattlePanel::Button(const std::string& name, const std::string& caption,
                                           int x, int y, int w, int h,
                                           std::function<void()> action) {
    auto* button = AddButton(*root_, screens_.Svc(), name, caption, x, y, w, h,
                             [this, action = std::move(action)] {
                                 HideHelp();
                                 action();
                             });
    AttachHelp(*button, name);
    return button;
}

platform::Picture* BattlePanel::Hourglass(const std::string& name, int x, int y) {
    auto* picture = AddPicture(*root_, name, x, y, 30, 40);
    picture->Hide();
    return picture;
}

void BattlePanel::BuildOrders() {
    struct Order {
        const char* name;
        const char* caption;
        const char* glyph;
        int set;
        const char* key;
        const char* what;
    };
    static constexpr Order kOrders[3] = {
        {"BattleAttack", "Attack", "m1_action_charge.jpg", logic::BattleOrder::attack, "A",
         "order: attack"},
        {"BattleFlank", "Flank", "m1_skill_flank.jpg", logic::BattleOrder::flank, "F",
         "order: flank"},
        {"BattleDefend", "Defend", "m1_action_hold.jpg", logic::BattleOrder::defend, "D",
         "order: defend"},
    };
    std::array<platform::SpeedButton*, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        const Order& o = kOrders[i];
        const int x = 16 + i * 112;
        const int set = o.set;
        buttons[static_cast<size_t>(i)] =
            Button(o.name, "", x, kOrderTop, 64, 64, [set] { logic::GiveOrder(set); });
        buttons[static_cast<size_t>(i)]->LoadGlyph(o.glyph);
        form_.BindKeys({o.key}, o.what, *buttons[static_cast<size_t>(i)]);
        auto* caption = AddLabel(*root_, std::string(o.name) + "Caption", x - 8, kOrderTop + 68, 80,
                                 20, 13, true, false);
        caption->SetAlign(platform::Align::Center);
        caption->SetCaption(o.caption);
        hourglasses_[static_cast<size_t>(i)] =
            Hourglass(std::string(o.name) + "Hourglass", x + 68, kOrderTop + 12);
    }
    attack_ = buttons[0];
    flank_ = buttons[1];
    defend_ = buttons[2];
    pause_ = Button("BattlePause", "", 352, kOrderTop, 64, 64, [] { logic::TogglePause(); });
    pause_->LoadGlyph(logic::kPausedPicture);
    auto* pauseCaption =
        AddLabel(*root_, "BattlePauseCaption", 344, kOrderTop + 68, 80, 20, 13, true, false);
    pauseCaption->SetAlign(platform::Align::Center);
    pauseCaption->SetCaption("Pause");
    auto* modify = Button("BattleModify", "Modify..", 432, kOrderTop + 12, 112, 40,
                          [this] { commands_->Open(); });
    retreat_ = Button("BattleRetreat", "Retreat", 16, 232, 120, 40, [] { logic::RetreatOrder(); });
    form_.BindKeys({"Space"}, "pause the battle or go on", *pause_);
    form_.BindKeys({"R"}, "retreat", *retreat_);
    form_.BindKeys({"M"}, "modify the battle commands", *modify);
    hourglasses_[3] = Hourglass("BattleRetreatHourglass", 140, 232);
}

void BattlePanel::BuildHeroicActions() {
    auto* heading = AddLabel(*root_, "HeroicActionsCaption", 16, 290, 300, 22, 14, true, false);
    heading->SetCaption("Heroic actions:");
    heading->SetColor(platform::colors::kGold);
    placeholders_ = root_->Add<platform::Panel>("HeroicPlaceholders");
    placeholders_->SetBounds(16, 316, 528, 88);
    placeholders_->SetBorder(false);
    placeholders_->SetColor(platform::Color::Rgb(46, 38, 30));
    for (int i = 0; i < 4; ++i) {
        auto* na = AddLabel(*placeholders_, "HeroicNA" + std::to_string(i + 1), i * 112, 12, 64, 64,
                            14, true, false);
        na->SetAlign(platform::Align::Center);
        na->SetBackground(platform::Color::Rgb(60, 52, 44));
        na->SetColor(platform::colors::kGrey);
        na->SetCaption("N/A");
    }
    duelPanel_ = root_->Add<platform::Panel>("DuelPanel");
    duelPanel_->SetBounds(16, 316, 528, 88);
    duelPanel_->SetBorder(false);
    duelPanel_->SetColor(platform::Color::Rgb(46, 38, 30));
    duel_ = AddButton(*duelPanel_, screens_.Svc(), "BattleDuel", "", 0, 12, 64, 64, [this] {
        HideHelp();
        logic::ChallengeDuel();
    });
    duel_->LoadGlyph("hero2.jpg");
    form_.BindKeys({"U"}, "challenge the enemy lord to a duel", *duel_);
    AttachHelp(*duel_, "BattleDuel");
    auto* duelCaption =
        AddLabel(*duelPanel_, "BattleDuelCaption", 72, 34, 120, 22, 14, true, false);
    duelCaption->SetCaption("Duel");
    hourglasses_[4] = AddPicture(*duelPanel_, "BattleDuelHourglass", 196, 24, 30, 40);
    hourglasses_[4]->Hide();
    duelPanel_->Hide();
}

void BattlePanel::BuildInfoPanel() {
    info_.panel = root_->Add<platform::Panel>("BattleInfoPanel");
    info_.panel->SetBounds(16, 116, kInfoWidth, kInfoHeight);
    info_.panel->SetColor(platform::Color::Rgb(236, 222, 186));
    info_.title = AddLabel(*info_.panel, "BattleInfoTitle", 8, 6, 184, 22, 15, true, false);
    info_.title->SetColor(platform::colors::kInk);
    for (int i = 0; i < 5; ++i) {
        auto* row = AddLabel(*info_.panel, "BattleInfoCount" + std::to_string(i + 1), 8,
                             32 + i * 24, 184, 22, 13, false, false);
        row->SetColor(platform::colors::kInk);
        info_.counts[static_cast<size_t>(i)] = row;
    }
    info_.orderPicture = AddPicture(*info_.panel, "BattleInfoOrder", 8, 160, 48, 48);
    info_.orderCaption =
        AddLabel(*info_.panel, "BattleInfoOrderCaption", 64, 174, 128, 22, 14, true, false);
    info_.orderCaption->SetColor(platform::colors::kInk);
    info_.panel->Hide();
}

// ---------------------------------------------------------------------------------------------
// Help

void BattlePanel::AttachHelp(platform::Control& control, const std::string& helpName) {
    control.OnMouseMove = [this, helpName](int, int) { ShowHoverLine(helpName); };
    auto previous = control.OnMouseDown;
    control.OnMouseDown = [this, helpName, previous](platform::MouseButton b, int x, int y) {
        if (b == platform::MouseButton::Right) {
            ShowRightClickHelp(helpName);
            return;
        }
        if (previous) previous(b, x, y);
    };
}

void BattlePanel::ShowHoverLine(const std::string& helpName) {
    info_.panel->Hide();
    const char* line = FindBattleHoverLine(helpName);
    if (!line) return;
    helpStrip_->SetCaption(line);
    helpStrip_->Show();
    helpStrip_->BringToFront();
    // Shown again from the start: the strip hides 3.5 seconds after the last move.
    helpTimer_.SetEnabled(false);
    helpTimer_.SetEnabled(true);
}

void BattlePanel::ShowRightClickHelp(const std::string& helpName) {
    // The help does not pause the battle: enemy rounds keep coming while it is open.
    const BattleHelpText* help = FindBattleHelpText(helpName);
    if (!help) return;
    HideHelp();
    screens_.Dialogs().ShowHelp(kHelpPicture, help->title, help->text);
}

void BattlePanel::HideHelp() {
    helpStrip_->Hide();
    info_.panel->Hide();
}

void BattlePanel::ShowSideInfo(BattleSideId id) {
    const logic::SideInfo side = logic::HoverInfo(id);
    info_.title->SetCaption(side.title);
    for (size_t i = 0; i < side.counts.size(); ++i)
        info_.counts[i]->SetCaption(std::string(kCountNames[i]) + ": " +
                                    std::to_string(side.counts[i]));
    info_.orderPicture->LoadPicture(side.orderPicture);
    info_.orderCaption->SetCaption(side.orderCaption);
    const int x = id == BattleSideId::own ? 16 : kWidth - 16 - kInfoWidth;
    info_.panel->SetPosition(x, 116);
    info_.panel->Show();
    info_.panel->BringToFront();
}

// ---------------------------------------------------------------------------------------------
// What the rules show

void BattlePanel::Show() {
    HideHelp();
    root_->Show();
    root_->BringToFront();
}

void BattlePanel::Hide() {
    HideHelp();
    root_->Hide();
}

bool BattlePanel::Shown() const {
    return root_->Visible();
}

void BattlePanel::ShowCoatOfArms(BattleSideId side, const std::string& picture) {
    platform::Picture* logo = Side(side).logo;
    if (logo->FileName() != picture) logo->LoadPicture(picture);
}

void BattlePanel::ShowVessel(BattleSideId side, const std::string& picture) {
    platform::Picture* vessel = Side(side).vessel;
    if (vessel->FileName() != picture) vessel->LoadPicture(picture);
}

void BattlePanel::ShowBonus(BattleSideId side, logic::BonusKind kind, int percent,
                            const std::string& text) {
    SideControls& s = Side(side);
    const bool hero = kind == logic::BonusKind::hero;
    platform::Label* label = hero ? s.heroBonus : s.castleBonus;
    platform::Picture* image = hero ? s.heroImage : s.castleImage;
    label->SetCaption(text);
    label->SetVisible(percent != 0);
    image->SetVisible(percent != 0);
}

void BattlePanel::ShowHeroicActions(bool available) {
    placeholders_->SetVisible(!available);
    duelPanel_->SetVisible(available);
}

void BattlePanel::ShowPausePicture(const std::string& picture) {
    pause_->LoadGlyph(picture);
}

void BattlePanel::SetOrderButtons(const logic::OrderButtons& b) {
    attack_->SetEnabled(b.attack);
    flank_->SetEnabled(b.flank);
    flank_->LoadGlyph(b.flankPicture);
    defend_->SetEnabled(b.defend);
    retreat_->SetEnabled(b.retreat);
    duel_->SetEnabled(b.duel);
}

void BattlePanel::ShowHourglasses(const std::string& picture) {
    for (platform::Picture* glass : hourglasses_) {
        if (glass->FileName() != picture) glass->LoadPicture(picture);
        glass->Show();
    }
}

void BattlePanel::ShowTroops(BattleSideId side, const std::array<int, 5>& counts) {
    for (std::size_t i = 0; i < counts.size(); ++i)
        Side(side).troops[i]->SetCaption(std::to_string(counts[i]));
}

void BattlePanel::ShowStrikeLog(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    strikeLog_->SetCaption(text);
}

void BattlePanel::HideHourglasses() {
    for (platform::Picture* glass : hourglasses_)
        glass->Hide();
}

}  // namespace screens
