#include "screens/tfcampaign1.h"

#include "battle/battle_clock.h"
#include "campaign/movement.h"
#include "campaign/turn_cycle.h"
#include "campaign/tutorial_grants.h"
#include "events/theme_display.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "screens/battle_panel.h"
#include "screens/campaign_help.h"
#include "screens/frame_box.h"
#include "screens/map_pictures.h"
#include "screens/range_shade.h"
#include "screens/screen_services.h"
#include "screens/tutorial_extras.h"
#include "screens/tutorial_guide.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/lord_colours.h"

namespace screens {

namespace {

constexpr int kMapLeft = 228, kMapTop = 10;
// The mark of a move target a step cannot reach: beyond the castle range.
const platform::Color kRangeMark = platform::Color::Rgb(200, 40, 30);
constexpr int kTile = 50;
constexpr int kComputerMoveLeft = 272, kComputerMoveTop = 168;
constexpr int kTimer1Ms = 100, kTimer3Ms = 100, kTimer6Ms = 3500, kInGameHelpMs = 2000;
constexpr int kBattleClockMs = 400, kCommandDelayMs = 400, kFlashMs = 250;
// The battle panel lies over the map.
constexpr int kBattleLeft = kMapLeft + 20, kBattleTop = kMapTop + 40;

// The fields next to the army, in the order of the move targets: north, east, south, west.
constexpr const char* kMoveTargetNames[4] = {"MoveFieldN", "MoveFieldE", "MoveFieldS",
                                             "MoveFieldW"};

// The keys of the move targets, in the same order: an arrow or the number pad's arrow digit.
struct MoveKeys {
    const char* arrow;
    const char* keypad;
    const char* what;
};
constexpr MoveKeys kMoveKeys[4] = {
    {"Up", "Keypad 8", "move the army north"},
    {"Right", "Keypad 6", "move the army east"},
    {"Down", "Keypad 2", "move the army south"},
    {"Left", "Keypad 4", "move the army west"},
};

}  // namespace

TFCampaign1::TFCampaign1(ScreenServices& screens)
    : Form(screens.App(), "TFCampaign1", 1024, 620),
      screens_(screens),
      timer1_(screens.App(), kTimer1Ms, false),
      timer3_(screens.App(), kTimer3Ms, false),
      timer6_(screens.App(), kTimer6Ms, false),
      inGameHelpTimer_(screens.App(), kInGameHelpMs, false),
      battleClock_(screens.App(), kBattleClockMs, false),
      commandDelayTimer_(screens.App(), kCommandDelayMs, false),
      flashOwn_(screens.App(), kFlashMs, false),
      flashFoe_(screens.App(), kFlashMs, false) {
    SetCaption(kGameCaption);
    SetColor(platform::Color::Rgb(30, 26, 22));
    BuildMap();
    BuildLeftColumn();
    BuildRightColumn();
    BuildStatusBar();
    BuildHelpPanels();
    battle_ = std::make_unique<BattlePanel>(*this, screens, timer6_, kBattleLeft, kBattleTop);
    BuildTutorial();
    battleClock_.OnTimer = [] { logic::BattleClockTick(); };
    commandDelayTimer_.OnTimer = [] { logic::CommandDelayTick(); };
    flashOwn_.OnTimer = [] { logic::FlashTick(logic::BattleSideId::own); };
    flashFoe_.OnTimer = [] { logic::FlashTick(logic::BattleSideId::foe); };
    timer6_.OnTimer = [this] {
        timer6_.SetEnabled(false);
        HideHoverHelp();
    };
    inGameHelpTimer_.OnTimer = [this] {
        inGameHelpTimer_.SetEnabled(false);
        hoverPanel_->Hide();
    };
    // Moving over the window's background forgets the control last hovered.
    OnMouseMove = [this](int, int) {
        hoverNumber_ = 0;
        hoverPanel_->Hide();
    };
}

TFCampaign1::~TFCampaign1() = default;

// ---------------------------------------------------------------------------------------------
// Building the screen

void TFCampaign1::BuildMap() {
    map_ = Add<platform::Panel>("MapPanel");
    map_->SetBounds(kMapLeft, kMapTop, 12 * kTile, 11 * kTile);
    map_->SetColor(platform::colors::kBlack);
    map_->SetBorder(false);
    for (int y = 1; y <= 11; ++y) {
        for (int x = 1; x <= 12; ++x) {
            const std::string name =
                std::string("Field") + static_cast<char>('A' + y - 1) + std::to_string(x);
            auto* field = AddPicture(*map_, name, (x - 1) * kTile, (y - 1) * kTile, kTile, kTile);
            fields_[x][y] = field;
        }
    }
    // Over the fields, under everything placed on them.
    shade_ = map_->Add<RangeShade>("RangeShade", kTile);
    shade_->SetBounds(0, 0, 12 * kTile, 11 * kTile);
    for (int i = 1; i <= 10; ++i) {
        missions_[i] = AddPicture(*map_, "Mission" + std::to_string(i), 0, 0, 36, 36);
        missions_[i]->SetTransparentKey(true);
        missions_[i]->Hide();
    }
    for (int i = 1; i <= 10; ++i) {
        spawns_[i] = AddPicture(*map_, "CSpawn" + std::to_string(i), 0, 0, 36, 36);
        spawns_[i]->SetTransparentKey(true);
        spawns_[i]->Hide();
    }
    for (int p = 1; p <= 4; ++p) {
        castles_[p] = AddPicture(*map_, "Castle_Player" + std::to_string(p), 0, 0, 35, 35);
        castles_[p]->Hide();
        castles_[p]->OnMouseDown = [this, p](platform::MouseButton b, int, int) {
            if (b == platform::MouseButton::Right && actions_.rightClickCastle)
                actions_.rightClickCastle(p);
        };
    }
    for (int p = 1; p <= 4; ++p) {
        armies_[p] = AddPicture(*map_, "P" + std::to_string(p) + "Image", 0, 0, kTile, kTile);
        armies_[p]->Hide();
        armies_[p]->OnMouseDown = [this, p](platform::MouseButton b, int, int) {
            if (b == platform::MouseButton::Right && actions_.rightClickArmy)
                actions_.rightClickArmy(p);
        };
    }
    for (int d = 0; d < 4; ++d) {
        auto* target = AddPicture(*map_, kMoveTargetNames[d], 0, 0, kTile, kTile);
        target->Hide();
        target->OnMouseDown = [this, d](platform::MouseButton b, int, int) {
            if (b != platform::MouseButton::Left) return;
            HideHoverHelp();
            if (actions_.moveTarget) actions_.moveTarget(d);
        };
        moveTargets_[d] = target;
        const MoveKeys& keys = kMoveKeys[d];
        BindKeys({keys.arrow, keys.keypad}, keys.what, *target);
    }
    // The mark of a move target beyond the castle range, over the target; it takes no clicks.
    for (int d = 0; d < 4; ++d) {
        auto* mark = map_->Add<FrameBox>(std::string(kMoveTargetNames[d]) + "Range", kRangeMark, 3);
        mark->SetBounds(0, 0, kTile, kTile);
        mark->Hide();
        rangeMarks_[static_cast<std::size_t>(d)] = mark;
    }
    computerMove_ = Add<platform::Panel>("ComputerMovePanel");
    computerMove_->SetBounds(kComputerMoveLeft, kComputerMoveTop, 240, 110);
    computerMove_->SetCaption("");
    computerMoveLogo_ = AddPicture(*computerMove_, "ComputerMoveLogo", 10, 10, 90, 90);
    auto* text = AddLabel(*computerMove_, "ComputerMoveText", 106, 20, 130, 70, 12, true);
    text->SetCaption("Computer move...\n...please wait...");
    computerMove_->Hide();
}

platform::SpeedButton* TFCampaign1::ActionButton(const std::string& name,
                                                 const std::string& caption, int x, int y, int w,
                                                 int h, std::function<void()> Actions::*action) {
    auto* button = AddButton(*this, screens_.Svc(), name, caption, x, y, w, h, [this, action] {
        HideHoverHelp();
        hoverNumber_ = 0;
        if (actions_.refuseDuringBattle && actions_.refuseDuringBattle()) return;
        if (actions_.humanMayAct && !actions_.humanMayAct()) return;
        if (actions_.*action) (actions_.*action)();
    });
    AttachHelp(*button);
    return button;
}

void TFCampaign1::BuildLeftColumn() {
    image1_ = AddPicture(*this, "Image1", 16, 12, 64, 64);
    image76_ = AddPicture(*this, "Image76", 100, 12, 110, 110);
    AttachHelp(*image76_);
    auto* level = AddPicture(*this, "Image23", 16, 86, 30, 30);
    level->LoadPicture("XP01.jpg");
    AttachHelp(*level);
    label17_ = AddLabel(*this, "Label17", 52, 90, 40, 24, 16, true, false);
    auto* hire = ActionButton("SpeedButton1", "", 16, 186, 64, 52, &Actions::hire);
    hire->LoadGlyph("icon_buytroops.jpg");
    auto* castle = ActionButton("SpeedButton5", "", 88, 186, 64, 52, &Actions::castle);
    castle->LoadGlyph("icon_castleupgrade.jpg");
    auto* portal = ActionButton("SpeedButton2", "", 160, 186, 64, 52, &Actions::portal);
    portal->LoadGlyph("icon_transfer.jpg");
    auto* options = ActionButton("SpeedButton6", "Options", 16, 276, 88, 48, &Actions::options);
    auto* skip = ActionButton("SpeedButton4", "Skip", 112, 276, 88, 48, &Actions::skipTurn);
    moveInfo_ = ActionButton("SpeedButton3", "", 16, 356, 200, 56, &Actions::moveInfo);
    BindKeys({"H"}, "hire troops", *hire);
    BindKeys({"C"}, "the castle's buildings", *castle);
    BindKeys({"P"}, "the portal home", *portal);
    BindKeys({"S"}, "skip the rest of the turn", *skip);
    BindKeys({"O"}, "options", *options);
    BindKeys({"I"}, "how to move", *moveInfo_);
    image4_ = AddPicture(*this, "Image4", 22, 360, 48, 48);
    label5_ = AddLabel(*this, "Label5", 80, 372, 130, 24, 16, true, false);
    image18_ = AddPicture(*this, "Image18", 80, 430, 70, 70);
    AttachHelp(*image18_);
    // Which round it is and whose turn, under the hourglass.
    turnLine_ = AddLabel(*this, "TurnLine", 10, 512, 212, 24, 14, false, false);
}

void TFCampaign1::BuildRightColumn() {
    const char* pictures[4] = {"Image31", "Image32", "Image33", "Image66"};
    const char* labels[4] = {"Label9", "Label11", "Label10", "Label29"};
    const char* files[4] = {"m2_nomad.jpg", "m2_elephant.jpg", "m2_archers.jpg", "m2_cannon.jpg"};
    for (int i = 0; i < 4; ++i) {
        auto* picture = AddPicture(*this, pictures[i], 850, 12 + i * 80, 64, 64);
        picture->LoadPicture(files[i]);
        AttachHelp(*picture);
        troops_[i] = AddLabel(*this, labels[i], 924, 32 + i * 80, 80, 28, 20, true, false);
        AttachHelp(*troops_[i]);
    }
    // The special troop of a theme's army, then the two theme boxes: hidden until a theme
    // uses them.
    specialTroop_ = AddPicture(*this, "Image67", 850, 332, 64, 64);
    specialTroop_->Hide();
    specialCount_ = AddLabel(*this, "Label67", 924, 352, 80, 28, 20, true, false);
    specialCount_->Hide();
    const char* pictures2[2] = {"Image69", "Image646"};
    const char* labels2[2] = {"Label30", "Label76"};
    for (int i = 0; i < 2; ++i) {
        themePictures_[i] = AddPicture(*this, pictures2[i], 850, 412 + i * 80, 64, 64);
        themeLabels_[i] = AddLabel(*this, labels2[i], 924, 432 + i * 80, 80, 28, 20, true, false);
        AttachHelp(*themePictures_[i]);
        AttachHelp(*themeLabels_[i]);
        themePictures_[i]->Hide();
        themeLabels_[i]->Hide();
    }
}

void TFCampaign1::BuildStatusBar() {
    const char* pictures[6] = {"Image12",  "Image662", "Image663",
                               "Image664", "Image665", "Image666"};
    const char* labels[6] = {"Label2", "Label16", "Label14", "Label15", "Label22", "Label21"};
    const char* files[6] = {"m1_treasure_fewcoins.jpg", "honor.jpg",
                            "d2_icon_wood.bmp",         "d2_icon_iron.bmp",
                            "d2_icon_stone2.bmp",       "d2_icon_crystal.bmp"};
    const int xs[6] = {40, 208, 272 + 40, 384 + 50, 488 + 60, 592 + 70};
    for (int i = 0; i < 6; ++i) {
        auto* picture = AddPicture(*this, pictures[i], xs[i] + (i == 0 ? 0 : 0), 572, 36, 36);
        picture->LoadPicture(files[i]);
        AttachHelp(*picture);
        resources_[i] =
            AddLabel(*this, labels[i], xs[i] + 42, 580, i == 0 ? 110 : 60, 24, 16, true, false);
        AttachHelp(*resources_[i]);
    }
}

// The tutorial's strip below the status bar with its "Continue", the battle orders panel over the
// army column, and the map fields its blinking arrow marks.
void TFCampaign1::BuildTutorial() {
    tutorial_ = AddTutorialStrip(screens_, *this, logic::TutorialScreen::strategic, true);
    tutorial_->onContinue = [] {
        logic::TutorialContinueClick(logic::TutorialContinue::strategic);
    };
    screens_.RegisterTutorialExtra(
        logic::TutorialExtra::battleOrders,
        BuildBattleOrdersPanel(*this, screens_.Svc(), platform::Rect{836, 10, 184, 552},
                               [] { logic::TutorialExtraContinueClick(); }));
    screens_.Tutorial().mapFieldArea = [this](int x, int y) {
        return logic::OnMap(x, y) ? fields_[x][y]->ScreenBounds() : map_->ScreenBounds();
    };
}

void TFCampaign1::BuildHelpPanels() {
    hoverPanel_ = Add<platform::Panel>("InGameHelp3_Panel");
    hoverPanel_->SetBounds(0, 0, 260, 70);
    hoverPanel_->SetColor(platform::Color::Rgb(236, 222, 186));
    hoverText_ = AddLabel(*hoverPanel_, "InGameHelp3_Text", 8, 6, 244, 58, 12);
    hoverText_->SetColor(platform::colors::kInk);
    hoverPanel_->Hide();
}

// ---------------------------------------------------------------------------------------------
// Help

void TFCampaign1::AttachHelp(platform::Control& control) {
    const std::string name = control.Name();
    control.OnMouseMove = [this, name](int, int) { ShowHover(name); };
    auto previous = control.OnMouseDown;
    control.OnMouseDown = [this, name, previous](platform::MouseButton b, int x, int y) {
        if (b == platform::MouseButton::Right) {
            ShowRightClickHelp(name);
            return;
        }
        if (previous) previous(b, x, y);
    };
}

void TFCampaign1::ShowHover(const std::string& control) {
    const state::GameState& g = state::G();
    const HoverHelp* help = FindHoverHelp(control);
    std::string text;
    int left = 0, top = 0, number = 0;
    if (const int box = ThemeBoxOf(control); box >= 0) {
        const auto hint =
            logic::ThemeBoxHint(g.mapSetting[state::MapSetting::theme],
                                box == 0 ? logic::ThemeBoxId::counter : logic::ThemeBoxId::troop);
        // A theme without a hint of its own leaves the panel's text as it was.
        text = hint ? *hint : hoverText_->Caption();
        left = 680;
        top = box == 0 ? 355 : 427;
    } else if (control == "SpeedButton3") {
        const bool scout = logic::MoveInformationScouts(logic::ShownLord());
        text = scout ? kMoveInfoHoverScout : kMoveInfoHoverMove;
        left = moveInfo_->Left();
        top = moveInfo_->Top() + moveInfo_->Height() + 4;
        number = scout ? 5 : 0;
    } else if (help) {
        text = help->text;
        left = help->left;
        top = help->top;
        number = help->hoverNumber;
    } else {
        return;
    }
    hoverPanel_->SetPosition(left, top);
    hoverText_->SetCaption(text);
    hoverPanel_->BringToFront();
    if (number == 0) {
        hoverPanel_->SetVisible(g.hintsOn);
        return;
    }
    if (hoverNumber_ != number) {
        hoverPanel_->SetVisible(g.hintsOn);
        hoverNumber_ = number;
        inGameHelpTimer_.SetEnabled(false);
        inGameHelpTimer_.SetEnabled(true);
    }
}

int TFCampaign1::ThemeBoxOf(const std::string& control) {
    if (control == "Image69" || control == "Label30") return 0;
    if (control == "Image646" || control == "Label76") return 1;
    return -1;
}

void TFCampaign1::ShowRightClickHelp(const std::string& control) {
    if (const int box = ThemeBoxOf(control); box >= 0) {
        const auto help =
            logic::ThemeBoxHelp(state::G().mapSetting[state::MapSetting::theme],
                                box == 0 ? logic::ThemeBoxId::counter : logic::ThemeBoxId::troop);
        if (help) screens_.Dialogs().ShowHelp(logic::kThemeHelpPicture, help->title, help->text);
        return;
    }
    const RightClickHelp* help = FindRightClickHelp(control);
    if (!help) return;
    std::string picture = "m1_action_help.jpg";
    if (control == "Image76") picture = HeroPictureName(state::G().currentLord);
    if (control == "Image23") picture = "hero1.jpg";
    screens_.Dialogs().ShowHelp(picture, help->title, help->text);
}

void TFCampaign1::HideHoverHelp() {
    hoverPanel_->Hide();
    battle_->HideHelp();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void TFCampaign1::DrawMap(bool highlight, bool nearOnly) {
    const logic::MapModel model = logic::DescribeMap(highlight, nearOnly);
    fieldsDrawn_ = 0;
    for (int x = 1; x <= logic::kMapColumns; ++x) {
        for (int y = 1; y <= logic::kMapRows; ++y) {
            const logic::MapFieldView& f =
                model.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (f.hidden) {
                fields_[x][y]->Hide();
                continue;
            }
            if (!f.drawn) continue;
            fields_[x][y]->LoadPicture(TileName(f.highlighted ? 1 : 0, f.tile));
            fields_[x][y]->Show();
            ++fieldsDrawn_;
        }
    }
    ArmyPictures(model);
    if (model.humanTurn) MoveTargets(model);
    CastleRange(model);
    if (!nearOnly) {
        if (actions_.placeCastleMarkers) actions_.placeCastleMarkers();
        DrawAllSpawnFields();
        DrawAllSiteIcons();
    }
    if (model.humanTurn) DrawStatusBar();
    turnLine_->SetCaption(model.turnLine);
}

void TFCampaign1::CastleRange(const logic::MapModel& model) {
    RangeShade::Mask shaded{};
    // While the battle panel lies over the map no step can be taken: the shade waits under it.
    const bool covered = battle_ && battle_->Shown();
    for (int x = 1; x <= logic::kMapColumns && !covered; ++x) {
        for (int y = 1; y <= logic::kMapRows; ++y)
            shaded[x][y] =
                model.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)].beyondRange;
    }
    shade_->SetMask(shaded);
    // A shown move target is marked where the model puts it beyond the range.
    for (std::size_t d = 0; d < model.targets.size(); ++d) {
        const logic::MapTargetView& t = model.targets[d];
        const bool marked = moveTargets_[d]->Visible() && t.shown && t.beyondRange;
        rangeMarks_[d]->SetVisible(marked);
    }
}

bool TFCampaign1::FieldShaded(int x, int y) const {
    return shade_->Shaded(x, y);
}

bool TFCampaign1::TargetMarked(int direction) const {
    return direction >= 0 && direction < 4 &&
           rangeMarks_[static_cast<std::size_t>(direction)]->Visible();
}

void TFCampaign1::PlaceArmies() {
    // The order of the pictures stays: the move targets keep lying over the armies.
    ArmyPictures(logic::DescribeMap(false, false), false);
}

void TFCampaign1::ArmyPictures(const logic::MapModel& model, bool raiseTurnArmy) {
    for (int p = 1; p <= 4; ++p)
        armies_[p]->Hide();
    for (int p = 1; p <= 4; ++p) {
        const logic::MapArmyView& a = model.armies[static_cast<std::size_t>(p)];
        if (!a.shown) continue;
        const ArmyPlacement place = PlaceArmy(p, a.x, a.y, a.shared);
        armies_[p]->SetBounds(place.left, place.top, place.size, place.size);
        const std::string picture =
            std::string("army_") + state::LordColourWord(p) + (a.shared ? "_sm" : "") + ".jpg";
        if (armies_[p]->FileName() != picture) armies_[p]->LoadPicture(picture);
        armies_[p]->Show();
    }
    if (raiseTurnArmy) armies_[model.lord]->BringToFront();
}

void TFCampaign1::MoveTargets(const logic::MapModel& model) {
    for (std::size_t d = 0; d < model.targets.size(); ++d) {
        platform::Picture* target = moveTargets_[d];
        FrameBox* mark = rangeMarks_[d];
        target->Hide();
        mark->Hide();
        target->BringToFront();
        mark->BringToFront();
        const logic::MapTargetView& t = model.targets[d];
        if (!t.shown) continue;
        target->SetPosition((t.x - 1) * kTile, (t.y - 1) * kTile);
        target->Show();
        mark->SetPosition((t.x - 1) * kTile, (t.y - 1) * kTile);
    }
}

void TFCampaign1::PlaceCastleMarker(int lord, int x, int y, bool visible) {
    if (!logic::ValidLord(lord)) return;
    platform::Picture* marker = castles_[lord];
    if (!visible || !logic::OnMap(x, y)) {
        marker->Hide();
        return;
    }
    const PixelPoint place = CastleMarkerPlace(x, y);
    marker->SetPosition(place.left, place.top);
    const std::string picture = std::string("castle_") + state::LordColourWord(lord) + "_sm.jpg";
    if (marker->FileName() != picture) marker->LoadPicture(picture);
    marker->Show();
}

void TFCampaign1::DisableAllTimers() {
    for (platform::Timer* t : {&timer1_, &timer3_, &timer6_, &inGameHelpTimer_, &battleClock_,
                               &commandDelayTimer_, &flashOwn_, &flashFoe_})
        t->SetEnabled(false);
}

void TFCampaign1::DrawSiteIcon(int row) {
    if (row < 1 || row > 10) return;
    const state::GameState& g = state::G();
    platform::Picture* icon = missions_[row];
    icon->Hide();
    const state::Record& site = g.mapSite[row];
    if (site[state::MapSite::active] <= 0) return;
    const int x = site[state::MapSite::x], y = site[state::MapSite::y];
    if (!logic::OnMap(x, y)) return;
    icon->LoadPicture(SiteIconName(site[state::MapSite::kind], site[state::MapSite::owner],
                                   site[state::MapSite::countdown]));
    icon->SetPosition((x - 1) * kTile + 7, (y - 1) * kTile + 7);
    icon->Show();
}

void TFCampaign1::DrawAllSiteIcons() {
    for (int row = 1; row <= 10; ++row)
        DrawSiteIcon(row);
}

void TFCampaign1::DrawSpawnField(int slot) {
    if (slot < 1 || slot > 10) return;
    const state::Record& spawn = state::G().spawnField[slot];
    platform::Picture* icon = spawns_[slot];
    const int x = spawn[state::SpawnField::x], y = spawn[state::SpawnField::y];
    const std::string picture = SpawnIconName(spawn[state::SpawnField::kind]);
    if (spawn[state::SpawnField::present] <= 0 || !logic::OnMap(x, y) || picture.empty()) {
        icon->Hide();
        return;
    }
    icon->LoadPicture(picture);
    icon->SetPosition((x - 1) * kTile + 6, (y - 1) * kTile + 6);
    icon->Show();
}

void TFCampaign1::DrawAllSpawnFields() {
    for (int slot = 1; slot <= 10; ++slot)
        DrawSpawnField(slot);
}

void TFCampaign1::DrawStatusBar() {
    // Whose turn and which round, and the castle range: also after a load or a window that
    // changed them (the keep built).
    turnLine_->SetCaption(logic::TurnLine());
    CastleRange(logic::DescribeMap(false, false));
    const state::GameState& g = state::G();
    // The bar is the human's: in a computer lord's turn it keeps showing the human's values.
    const int c = logic::StatusBarLord();
    if (c == 0) return;
    const state::Record& lord = g.lord[c];
    const bool scout = logic::MoveInformationScouts(c);
    image4_->LoadPicture(scout ? "m1_action_searchroom.jpg" : "icon_move.jpg");
    label5_->SetCaption(scout ? "Scout" : "Move");
    image1_->LoadPicture(logic::FactionLogo(c));
    image76_->LoadPicture(HeroPictureName(c));
    label17_->SetCaption(std::to_string(lord[state::Lord::heroLevel]));
    const int resourceSlots[6] = {state::Lord::gold, state::Lord::honor, state::Lord::wood,
                                  state::Lord::iron, state::Lord::stone, state::Lord::gems};
    for (int i = 0; i < 6; ++i)
        resources_[i]->SetCaption(std::to_string(lord[resourceSlots[i]]));
    const bool battle = actions_.battleShown && actions_.battleShown();
    const int troopSlots[4] = {state::Army::soldiers, state::Army::fast, state::Army::archers,
                               state::Army::siege};
    for (int i = 0; i < 4; ++i) {
        const state::Int n = battle ? g.battleOwnSide[troopSlots[i]] : g.army[c][troopSlots[i]];
        troops_[i]->SetCaption(std::to_string(n));
    }
    image18_->LoadPicture(HourglassName(g.army[c][state::Army::movesLeft]));
    logic::UpdateThemeDisplay();
}

void TFCampaign1::SetupThemeBoxes(const logic::ThemeBoxes& boxes) {
    const logic::ThemeBox* each[2] = {&boxes.counter, &boxes.troop};
    for (int i = 0; i < 2; ++i) {
        themePictures_[i]->SetVisible(each[i]->visible);
        themeLabels_[i]->SetVisible(each[i]->visible);
        if (each[i]->visible) themePictures_[i]->LoadPicture(each[i]->picture);
    }
    specialTroop_->SetVisible(!boxes.armyPicture.empty());
    specialCount_->SetVisible(!boxes.armyPicture.empty());
    if (!boxes.armyPicture.empty()) specialTroop_->LoadPicture(boxes.armyPicture);
}

// The troop box's number is the special stack's count, shown beside its army panel picture too.
void TFCampaign1::SetThemeNumbers(int counter, int troop) {
    themeLabels_[0]->SetCaption(std::to_string(counter));
    themeLabels_[1]->SetCaption(std::to_string(troop));
    specialCount_->SetCaption(std::to_string(troop));
}

void TFCampaign1::ShowComputerMovePanel(int lord) {
    computerMove_->SetPosition(kComputerMoveLeft, kComputerMoveTop);
    computerMoveLogo_->LoadPicture(logic::FactionLogo(lord));
    computerMove_->Show();
    computerMove_->BringToFront();
    turnLine_->SetCaption(logic::TurnLine());
}

void TFCampaign1::HideComputerMovePanel() {
    computerMove_->Hide();
}

}  // namespace screens
