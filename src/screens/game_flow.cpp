// The window-to-window flows of a game, over the tables and the window registry.
#include "screens/game_flow.h"

#include <string>

#include "campaign/turn_cycle.h"
#include "dungeon/exploration.h"
#include "events/theme_display.h"
#include "events/theme_intro.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/map_pictures.h"
#include "screens/tfcampaign1.h"
#include "screens/tfdifficulty.h"
#include "screens/tfoptions.h"
#include "screens/tform2.h"
#include "screens/tform3.h"
#include "screens/tfsaveload.h"
#include "screens/tfselectmap.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/progress_file.h"
#include "state/reset.h"
#include "state/saved_games.h"

namespace screens {

void NewGameFlow(GameScreens& screens) {
    state::GameState& g = state::G();
    // A clean state, and the menu out of the way.
    g.modSetting[1] = 0;
    state::ResetGameState(g);
    screens.MainMenu().Hide();
    // The scenario choice; it sets ModSetting slot 1 when the player starts a game.
    screens.SelectMap().Reset();
    screens.SelectMap().ShowModal();
    // Nothing chosen: back to the main menu.
    if (g.modSetting[1] <= 0) {
        TutorialBackAtMenu(screens);
        screens.MainMenu().Show();
        return;
    }
    // The difficulty, "Very easy" unless the player picks another.
    state::SetDifficulty(1, g);
    screens.Difficulty().Prepare();
    screens.Difficulty().ShowModal();
    // The first round: spawn fields, city rounds and the first turn.
    logic::PrepareFirstRound();
    // The map, the theme boxes, the window and the theme's introduction.
    TFCampaign1& campaign = screens.Campaign();
    campaign.DrawMap(true, false);
    logic::SetupThemeDisplay();
    campaign.Show();
    logic::ShowThemeIntro();
    // The start message.
    screens.Dialogs().ShowNotice(
        HeroPictureName(logic::ShownLord()), "Your adventures begin!",
        "You are one of the prestigious lords of this kingdom and you dream of the crown - be it "
        "for selfish reasons or to bring peace to the land. Hire a strong army, gain experience as "
        "a hero and finally your dream might become true...",
        "Continue");
    // The tutorial's next step.
    logic::AdvanceTutorial(2);
    // The game itself.
    campaign.Hide();
    if (!g.gameOver) PlayGame(screens);
    // Back to the main menu.
    TutorialBackAtMenu(screens);
    screens.MainMenu().Show();
}

void PlayGame(GameScreens& screens) {
    state::G().returnToMenu = false;
    screens.Campaign().HideHoverHelp();
    screens.Campaign().ShowModal();
    // The game is left: a timer armed at the quit (the end of a step, a computer lord's next
    // step, a battle) must not fire in the next game.
    screens.Campaign().DisableAllTimers();
}

void LoadGameFlow(GameScreens& screens) {
    state::GameState& g = state::G();
    // Nothing loaded yet, and no load asks for confirmation from here.
    g.inDungeon = -1;
    for (int lord = 1; lord <= 4; ++lord)
        g.heroSkill[lord][1] = 0;
    // The saved-game screen.
    screens.SaveLoad().FillSaveScreen();
    screens.SaveLoad().ShowModal();
    // Nothing was loaded: stay in the main menu. Else the map of the loaded game.
    if (g.inDungeon == -1) return;
    screens.MainMenu().Hide();
    screens.Campaign().DrawMap(logic::HumanMayAct(), false);
    logic::ResumeTurn();
    PlayGame(screens);
    screens.MainMenu().Show();
}

void SaveLoadFromOptions(GameScreens& screens) {
    if (state::G().tutorialOn) {
        screens.Dialogs().ShowShortNotice(
            "Sorry, during the tutorial you cannot save or load a game.", "Continue");
        return;
    }
    screens.SaveLoad().FillSaveScreen();
    screens.SaveLoad().ShowModal();
    state::GameState& g = state::G();
    if (g.inDungeon == 1) logic::DrawDungeon();
    // The map as the turn stands: the move targets around the army while the human may step.
    if (screens.Campaign().Visible()) screens.Campaign().DrawMap(logic::HumanMayAct(), false);
    // Without a load the human's turn goes on with its moves, and this does nothing.
    logic::ResumeTurn();
    // A game loaded inside a dungeon from the strategic window's options continues there: the
    // strategic window, active again once the options are gone, shows the dungeon window
    // (WindowActivated); from the dungeon window's options it simply stays open.
    screens.OptionsScreen().Close();
}

void ExitToMainMenu(GameScreens& screens) {
    state::GameState& g = state::G();
    MessageDialogs& dialogs = screens.Dialogs();
    // From the main menu's options no game is being played: there is nothing to quit or to
    // save (an autosave of the tables left behind could not be loaded).
    if (!screens.Campaign().Visible()) {
        screens.OptionsScreen().Close();
        return;
    }
    if (screens.Dungeon().Window().Visible()) {
        dialogs.ShowShortNotice(
            "First please exit a dungeon using the LEAVE button at the left bottom part of the "
            "screen.",
            "Continue");
        return;
    }
    if (dialogs.AskYesNo("Do you really want to QUIT this game (the current game will be lost)?",
                         "Yes", "No") != logic::kAnswerYes) {
        return;
    }
    if (dialogs.AskYesNo("Do you want to save your current game (Auto-save)?", "Yes", "No") ==
        logic::kAnswerYes) {
        std::string error;
        if (!state::SaveGame(state::kAutoSlot, error)) screens.ShowError(error);
    }
    EndTutorial(screens);
    g.inDungeon = 0;
    g.enteringDungeon = false;
    g.dungeonMayClose = true;
    g.gameOver = true;
    g.returnToMenu = true;
    screens.Dungeon().CloseDungeonWindow();
    screens.Campaign().Close();
    screens.OptionsScreen().Close();
}

void SaveProgress(ScreenServices& screens) {
    std::string error;
    if (!state::WriteProgress(error)) screens.ShowError(error);
}

}  // namespace screens
