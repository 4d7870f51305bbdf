#include "screens/game_screens.h"

#include "campaign/castle_markers.h"
#include "campaign/dialogs.h"
#include "campaign/movement.h"
#include "campaign/scouting.h"
#include "campaign/strategic_buttons.h"
#include "campaign/turn_cycle.h"
#include "screens/campaign_bridge.h"
#include "screens/tfbuildings.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcheats.h"
#include "screens/tfcredits.h"
#include "screens/tfdifficulty.h"
#include "screens/tfhiretroops.h"
#include "screens/tfoptions.h"
#include "screens/tform1.h"
#include "screens/tform2.h"
#include "screens/tfpreviewmap.h"
#include "screens/tfsaveload.h"
#include "screens/tfselectmap.h"
#include "screens/tfshowmap.h"
#include "screens/tftrading.h"
#include "screens/tutorial_panel.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/progress_file.h"
#include "state/random.h"
#include "state/reset.h"
#include "state/saved_games.h"

namespace screens {

namespace {

std::unique_ptr<sound::SoundSystem> MakeSound(platform::Application& app) {
    sound::SoundSwitches switches{[] { return state::G().soundOn; },
                                  [] { return state::G().musicOn; }};
    sound::MusicHooks hooks;
    platform::Application* a = &app;
    hooks.reportError = [a](const std::string& text) { a->ReportError(text, "music:" + text); };
    // No battle or duel clock exists yet; when they do, a music error waits until they stop.
    hooks.clockRunning = [] { return false; };
    hooks.post = [a](std::function<void()> job) { a->Post(std::move(job)); };
    return std::make_unique<sound::SoundSystem>(
        app.Audio(), switches, [](int n) { return state::Random(n); }, hooks);
}

}  // namespace

GameScreens::GameScreens(platform::Application& app, const StartOptions& options)
    : app_(app), options_(options), sound_(MakeSound(app)), services_{app, *sound_} {
    // The background window first, so that it is the application's main window.
    form1_ = std::make_unique<TForm1>(*this);
    form2_ = std::make_unique<TForm2>(*this);
    campaign_ = std::make_unique<TFCampaign1>(*this);
    options_screen_ = std::make_unique<TFOptions>(*this);
    cheats_ = std::make_unique<TFCheats>(*this);
    credits_ = std::make_unique<TFCredits>(*this);
    selectMap_ = std::make_unique<TFSelectMap>(*this);
    showMap_ = std::make_unique<TFShowMap>(*this);
    previewMap_ = std::make_unique<TFPreviewMap>(*this);
    difficulty_ = std::make_unique<TFDifficulty>(*this);
    saveLoad_ = std::make_unique<TFSaveLoad>(*this);
    buildings_ = std::make_unique<TFBuildings>(*this);
    hireTroops_ = std::make_unique<TFHireTroops>(*this);
    trading_ = std::make_unique<TFTrading>(*this);
    WireCampaign();
    dialogs_ = std::make_unique<MessageDialogs>(services_);
    logic::InstallDialogs(dialogs_.get());
}

GameScreens::~GameScreens() {
    logic::InstallDialogs(nullptr);
}

void GameScreens::Run() {
    app_.Run(*form1_);
}

void GameScreens::WireCampaign() {
    bridge_ = std::make_unique<CampaignBridge>(*this);
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

void GameScreens::ShowError(const std::string& text) {
    app_.ReportError(text);
}

void GameScreens::SaveProgress() {
    std::string error;
    if (!state::WriteProgress(error)) ShowError(error);
}

void GameScreens::MusicTimerTick() {
    if (state::G().musicStopping) return;
    platform::Timer& timer = form1_->Soundtimer1();
    timer.SetEnabled(false);
    timer.SetInterval(sound_->Music().TimerTick());
    timer.SetEnabled(true);
}

void GameScreens::UpdateSwitchCaptions() {
    const state::GameState& g = state::G();
    options_screen_->SoundButton()->SetCaption(g.soundOn ? "Sound effects: On"
                                                         : "Sound effects: Off");
    options_screen_->MusicButton()->SetCaption(g.musicOn ? "Music/Ambient: On"
                                                         : "Music/Ambient: Off");
}

void GameScreens::ToggleSound() {
    state::G().soundOn = !state::G().soundOn;
    UpdateSwitchCaptions();
}

void GameScreens::ToggleMusic() {
    state::GameState& g = state::G();
    g.musicOn = !g.musicOn;
    UpdateSwitchCaptions();
    if (!g.musicOn) {
        sound_->Music().MusicOff();
        return;
    }
    if (auto interval = sound_->Music().MusicOn()) {
        platform::Timer& timer = form1_->Soundtimer1();
        timer.SetEnabled(false);
        timer.SetInterval(*interval);
        timer.SetEnabled(true);
    }
}

void GameScreens::TutorialOnAtMenu() {
    state::G().tutorialOn = true;
    tutorialStep_ = 0;
    form2_->Tutorial().Activate();
}

void GameScreens::EndTutorial() {
    state::G().tutorialOn = false;
    tutorialStep_ = 0;
    for (TutorialPanel* panel : tutorialPanels_)
        panel->Deactivate();
}

bool GameScreens::TutorialAt(int step) const {
    return state::G().tutorialOn && tutorialStep_ == step;
}

void GameScreens::AdvanceTutorial(int fromStep) {
    // The panels of the later steps come with the screens they explain.
    if (TutorialAt(fromStep)) tutorialStep_ = fromStep + 1;
}

void GameScreens::StartTutorial() {
    state::G().tutorialOn = true;
    tutorialStep_ = 1;
    form2_->Tutorial().Deactivate();
    TutorialPanel& list = selectMap_->Tutorial();
    list.SetStep("Tutorial: #1",
                 "Welcome to your first game! Only a few scenarios can be played at first; each "
                 "scenario you win unlocks the next one.",
                 "Click on \"Desert Of Darkness\"");
    list.Activate();
    NewGameFlow();
}

void GameScreens::ExitTutorial() {
    if (dialogs_->AskYesNo(
            "Do you really wish to turn off the tutorial? It is recommended to play the tutorial.",
            "Yes", "No") == logic::kAnswerYes) {
        EndTutorial();
    }
}

void GameScreens::NewGameFlow() {
    state::GameState& g = state::G();
    // 1. A clean state, and the menu out of the way.
    g.modSetting[1] = 0;
    state::ResetGameState(g);
    form2_->Hide();
    // 2. The scenario choice; it sets ModSetting slot 1 when the player starts a game.
    selectMap_->Reset();
    selectMap_->ShowModal();
    // 3. Nothing chosen: back to the main menu.
    if (g.modSetting[1] <= 0) {
        form2_->Show();
        return;
    }
    // 4. The difficulty, "Very easy" unless the player picks another.
    state::SetDifficulty(1, g);
    difficulty_->Prepare();
    difficulty_->ShowModal();
    // 5. The first round: spawn fields, city rounds and the first turn.
    logic::PrepareFirstRound();
    // 6. The map, the theme panels (the themes' own, later) and the window.
    campaign_->DrawMap(true, false);
    campaign_->Show();
    // 7. The start message.
    const int lord = state::InRange(g.currentLord, 1, 4) ? g.currentLord : 1;
    dialogs_->ShowNotice(
        "hero" + std::to_string(lord) + ".jpg", "Your adventures begin!",
        "You are one of the prestigious lords of this kingdom and you dream of the crown - be it "
        "for selfish reasons or to bring peace to the land. Hire a strong army, gain experience as "
        "a hero and finally your dream might become true...",
        "Continue");
    // 8. The tutorial's next step.
    AdvanceTutorial(2);
    // 9. The game itself.
    campaign_->Hide();
    if (!g.gameOver) PlayGame();
    // 10. Back to the main menu.
    form2_->Show();
}

void GameScreens::PlayGame() {
    state::GameState& g = state::G();
    g.returnToMenu = false;
    campaign_->HideHoverHelp();
    campaign_->ShowModal();
}

void GameScreens::LoadGameFlow() {
    state::GameState& g = state::G();
    // 1. Nothing loaded yet, and no load asks for confirmation from here.
    g.inDungeon = -1;
    for (int lord = 1; lord <= 4; ++lord)
        g.heroSkill[lord][1] = 0;
    // 2. The saved-game screen.
    saveLoad_->FillSaveScreen();
    saveLoad_->ShowModal();
    // 3. Nothing was loaded: stay in the main menu. Else the map of the loaded game.
    if (g.inDungeon == -1) return;
    form2_->Hide();
    campaign_->DrawMap(false, false);
    logic::ResumeTurn();
    PlayGame();
    form2_->Show();
}

void GameScreens::SaveLoadFromOptions() {
    if (state::G().tutorialOn) {
        dialogs_->ShowShortNotice("Sorry, during the tutorial you cannot save or load a game.",
                                  "Continue");
        return;
    }
    saveLoad_->FillSaveScreen();
    saveLoad_->ShowModal();
    // The dungeon view is redrawn here too once it exists.
    if (campaign_->Visible()) campaign_->DrawMap(false, false);
    // Without a load the human's turn goes on with its moves, and this does nothing.
    logic::ResumeTurn();
    options_screen_->Close();
}

void GameScreens::ExitToMainMenu() {
    state::GameState& g = state::G();
    // (The dungeon window does not exist yet, so it cannot be open.)
    if (dialogs_->AskYesNo("Do you really want to QUIT this game (the current game will be lost)?",
                           "Yes", "No") != logic::kAnswerYes) {
        return;
    }
    if (dialogs_->AskYesNo("Do you want to save your current game (Auto-save)?", "Yes", "No") ==
        logic::kAnswerYes) {
        std::string error;
        if (!state::SaveGame(state::kAutoSlot, error)) ShowError(error);
    }
    EndTutorial();
    g.inDungeon = 0;
    g.enteringDungeon = false;
    g.dungeonMayClose = true;
    g.gameOver = true;
    g.returnToMenu = true;
    campaign_->Close();
    options_screen_->Close();
}

}  // namespace screens
