// The background window's set-up of every window and the services they share.
#include "screens/game_screens.h"

#include "campaign/movement.h"
#include "campaign/scouting.h"
#include "campaign/strategic_buttons.h"
#include "campaign/turn_cycle.h"
#include "rules/castle_markers.h"
#include "rules/dialogs.h"
#include "screens/battle_bridge.h"
#include "screens/battle_panel.h"
#include "screens/campaign_bridge.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_flow.h"
#include "screens/tfaistatusscreen.h"
#include "screens/tfbuildings.h"
#include "screens/tfbuyitems.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcheats.h"
#include "screens/tfcity.h"
#include "screens/tfcredits.h"
#include "screens/tfdifficulty.h"
#include "screens/tfhiretroops.h"
#include "screens/tfintro3.h"
#include "screens/tfkeylist.h"
#include "screens/tfmodifybattlecommands.h"
#include "screens/tfoptions.h"
#include "screens/tform1.h"
#include "screens/tform2.h"
#include "screens/tfpreviewmap.h"
#include "screens/tfsaveload.h"
#include "screens/tfselectmap.h"
#include "screens/tfshowmap.h"
#include "screens/tftrading.h"
#include "screens/theme_bridge.h"
#include "screens/tutorial_guide.h"
#include "screens/tutorial_panel.h"
#include "screens/tutorial_switch.h"
#include "screens/view_refresh.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/progress_file.h"
#include "state/random.h"
#include "state/reset.h"
#include "state/saved_games.h"

namespace screens {

namespace {

// clockRunning: true while the battle clock or a duel timer runs; a music error waits for it.
std::unique_ptr<sound::SoundSystem> MakeSound(platform::Application& app,
                                              std::function<bool()> clockRunning) {
    sound::SoundSwitches switches{[] { return state::G().soundOn; },
                                  [] { return state::G().musicOn; }};
    sound::MusicHooks hooks;
    platform::Application* a = &app;
    hooks.reportError = [a](const std::string& text) { a->ReportError(text, "music:" + text); };
    hooks.clockRunning = std::move(clockRunning);
    hooks.post = [a](std::function<void()> job) { a->Post(std::move(job)); };
    return std::make_unique<sound::SoundSystem>(
        app.Audio(), switches, [](int n) { return state::Random(n); }, hooks);
}

}  // namespace

GameScreens::GameScreens(platform::Application& app, const StartOptions& options)
    : app_(app),
      options_(options),
      sound_(MakeSound(app,
                       [this] {
                           return state::G().battleClock.clockOn ||
                                  (dungeon_ && dungeon_->AnyDuelTimerRunning());
                       })),
      guide_(std::make_unique<TutorialGuide>()),
      shared_(app, *sound_, *guide_) {
    // The background window first, so that it is the application's main window.
    form1_ = std::make_unique<TForm1>(shared_, options_);
    form2_ = std::make_unique<TForm2>(
        shared_, TForm2::Flows{[this] { NewGameFlow(*this); }, [this] { StartTutorial(*this); },
                               [this] { LoadGameFlow(*this); }});
    campaign_ = std::make_unique<TFCampaign1>(shared_);
    options_screen_ =
        std::make_unique<TFOptions>(shared_, form1_->Soundtimer1(),
                                    TFOptions::Flows{[this] { SaveLoadFromOptions(*this); },
                                                     [this] { ExitToMainMenu(*this); }});
    cheats_ = std::make_unique<TFCheats>(shared_, *campaign_);
    aiStatus_ = std::make_unique<TFAIStatusScreen>(shared_);
    credits_ = std::make_unique<TFCredits>(shared_);
    selectMap_ = std::make_unique<TFSelectMap>(shared_);
    showMap_ = std::make_unique<TFShowMap>(shared_);
    previewMap_ = std::make_unique<TFPreviewMap>(shared_);
    difficulty_ = std::make_unique<TFDifficulty>(shared_);
    saveLoad_ = std::make_unique<TFSaveLoad>(shared_, *campaign_);
    buildings_ = std::make_unique<TFBuildings>(shared_, *campaign_);
    hireTroops_ = std::make_unique<TFHireTroops>(shared_, *campaign_);
    trading_ = std::make_unique<TFTrading>(shared_, *campaign_);
    city_ = std::make_unique<TFCity>(shared_);
    guildShop_ = std::make_unique<TFBuyItems>(shared_);
    modifyCommands_ = std::make_unique<TFModifyBattleCommands>(shared_);
    intro3_ = std::make_unique<TFIntro3>(shared_);
    ConnectLaterWindows();
    WireCampaign();
    dialogs_ = std::make_unique<MessageDialogs>(shared_.Svc());
    shared_.SetDialogs(*dialogs_);
    logic::InstallDialogs(dialogs_.get());
    BuildChoiceTutorialPanel();
    dungeon_ = std::make_unique<DungeonBridge>(shared_);
    keyList_ = std::make_unique<TFKeyList>(app_, shared_.Svc());
    app_.SetKeyListHook([this](platform::Form& front) { keyList_->ShowFor(front); });
    app_.SetRefreshViewsHook([this] { RefreshShownViews(*campaign_, dungeon_->Window(), *city_); });
}

GameScreens::~GameScreens() {
    app_.SetRefreshViewsHook(nullptr);
    app_.SetKeyListHook(nullptr);
    logic::Hooks().SetTutorial(nullptr);
    logic::InstallDialogs(nullptr);
}

// The choice dialog's panel lies over the top of the dialog.
void GameScreens::BuildChoiceTutorialPanel() {
    platform::Form& choice = dialogs_->Form("TFMessage7");
    choiceTutorial_ = AddTutorialPanel(shared_, choice, logic::TutorialScreen::choice,
                                       platform::Rect{8, 8, choice.Width() - 16, 132});
}

void GameScreens::Run() {
    app_.Run(*form1_);
}

// The windows that open or read a window made after them.
void GameScreens::ConnectLaterWindows() {
    form1_->Connect(*form2_, *options_screen_);
    form2_->Connect(*options_screen_, *credits_);
    campaign_->Battle().Connect(*modifyCommands_);
    options_screen_->Connect(*cheats_);
    cheats_->Connect(*aiStatus_);
    selectMap_->Connect(*previewMap_, *showMap_);
}

void GameScreens::WireCampaign() {
    bridge_ = std::make_unique<CampaignBridge>(
        shared_, CampaignWindows{*campaign_, *aiStatus_, *trading_, *city_, *guildShop_,
                                 *buildings_, *hireTroops_, *options_screen_});
    battleBridge_ = std::make_unique<BattleBridge>(*campaign_);
    themeBridge_ = std::make_unique<ThemeBridge>(*intro3_, *campaign_);
    logic::Hooks().SetTutorial(guide_.get());
    TFCampaign1::Actions& a = campaign_->GetActions();
    a.moveTarget = [](int direction) { logic::MoveTargetClick(direction); };
    a.placeCastleMarkers = [] { logic::PlaceCastleMarkers(); };
    a.skipTurn = [] { logic::SkipTurn(); };
    a.portal = [] { logic::PortalHome(); };
    a.moveInfo = [] { logic::MoveInformation(); };
    a.hire = [] { logic::OpenHire(); };
    a.castle = [] { logic::OpenCastle(); };
    a.options = [] { logic::OpenOptions(); };
    a.rightClickArmy = [](int lord) { logic::RightClickArmy(lord); };
    a.rightClickCastle = [](int lord) { logic::RightClickCastle(lord); };
    a.humanMayAct = [] { return logic::HumanMayAct(); };
    a.battleShown = [this] { return bridge_->IsBattleShown(); };
    a.refuseDuringBattle = [] { return logic::RefuseDuringBattle(); };
    campaign_->Timer1().OnTimer = [] { logic::Timer1Tick(); };
    campaign_->Timer3().OnTimer = [] { logic::Timer3Tick(); };
    campaign_->OnActivate = [] { logic::WindowActivated(); };
    campaign_->OnCloseQuery = [] { return logic::CloseQuery(); };
}

}  // namespace screens
