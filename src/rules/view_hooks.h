// What the rules need from the windows and the sound: the map view to refresh, the strategic
// window's two turn timers, the modal windows the rules open, the sounds, the tutorial's panels,
// the battle panel and the dungeon window. Rules call one another directly; only views come
// through here. Every view has a do-nothing default, which serves the tests and the headless
// fuzzers: the game and the console install every view at start-up and check that they did.
#pragma once

#include <string>

#include "rules/battle_view.h"
#include "rules/dungeon_view.h"
#include "rules/theme_view.h"
#include "rules/tutorial_steps.h"
#include "sound/effects.h"

namespace logic {

struct TradeOffer;

// What the city screen asks for when it closes.
inline constexpr int kCityAttack = 1;

// The strategic map view. Doing nothing is a valid implementation.
class MapView {
  public:
    virtual ~MapView() = default;
    // The whole map; highlight shows the move targets, nearOnly redraws only the fields around
    // the current army.
    virtual void DrawMap(bool highlight, bool nearOnly) {
        (void)highlight;
        (void)nearOnly;
    }
    virtual void DrawStatusBar() {}
    virtual void DrawSiteIcon(int row) { (void)row; }
    virtual void DrawAllSiteIcons() {}
    virtual void DrawSpawnField(int slot) { (void)slot; }
    // One castle picture (Castle_Player1..4) on the castle's field (x, y), or hidden; see
    // CastleMarkerAt.
    virtual void PlaceCastleMarker(int lord, int x, int y, bool visible) {
        (void)lord;
        (void)x;
        (void)y;
        (void)visible;
    }
    // The panel that shows whose computer turn is running, with that lord's faction logo.
    virtual void ShowComputerMovePanel(int lord) { (void)lord; }
    virtual void HideComputerMovePanel() {}
    virtual void HideHoverHelp() {}
    // True while the battle panel is shown on the strategic window.
    virtual bool IsBattleShown() { return false; }
    // True while the strategic map is on the screen (the computer lords' notices need it).
    virtual bool IsMapShown() { return true; }
};

// The strategic window's turn timers. The window owns the real Timer1 and Timer3 (100 ms each)
// and calls Timer1Tick() / Timer3Tick() (campaign/turn_cycle.h) when they fire.
class TurnTimers {
  public:
    virtual ~TurnTimers() = default;
    virtual void EnableTimer1() {}
    virtual void DisableTimer1() {}
    virtual void EnableTimer3() {}
    virtual void DisableTimer3() {}
    // Every timer of the strategic window (the game is over).
    virtual void DisableAllTimers() {}
};

// The modal screens the campaign rules open, and the window changes they ask for.
class CampaignScreens {
  public:
    virtual ~CampaignScreens() = default;
    // TFTrading with the given prices and stocks, modal; the screen calls BuyGoods/SellGoods
    // (campaign/trading.h) on the same offer.
    virtual void OpenTrading(TradeOffer& offer) { (void)offer; }
    // TFCity for a city site, modal. Returns kCityAttack when the player chose "Attack &&
    // Conquer" (the screen has closed and the battle is still to start), else 0.
    virtual int ShowCity(int site) {
        (void)site;
        return 0;
    }
    // TFBuyItems, the guild shop of a city site, modal.
    virtual void ShowGuildShop(int site) { (void)site; }
    virtual void OpenBuildings() {}
    virtual void OpenHireTroops() {}
    virtual void OpenOptions() {}
    // Closes the strategic window; control goes back to the main menu.
    virtual void CloseStrategicWindow() {}
    // The application's standard error display (a message box with the error text and OK).
    virtual void ReportError(const std::string& text) { (void)text; }
    // The computer lords' status screen shows the lord's values anew (after every computer
    // step and every automatic battle).
    virtual void RefreshComputerStatus() {}
    // Fills the computer lords' status screen with a lord and shows it (not modal).
    virtual void ShowComputerLordStatus(int lord) { (void)lord; }
};

// The sound effects the rules play. Callers play only what the human should hear.
class Sounds {
  public:
    virtual ~Sounds() = default;
    virtual void Play(sound::Effect effect) { (void)effect; }
    // One of the three payment sounds.
    virtual void PlayPayment() {}
    // "Reward1.wav" .. "Reward3.wav".
    virtual void PlayReward(int n) { (void)n; }
};

// The tutorial's panels on the screens: a step's panel (screen none hides every panel, as the
// steps that show none do) and the end of the tutorial.
class TutorialSteps {
  public:
    virtual ~TutorialSteps() = default;
    virtual void ShowStep(const TutorialPanelView& view) { (void)view; }
    virtual void HideAll() {}
};

// A watcher of play without a window (the self-played game's report): it learns when a map
// site's event and a theme find begin and end. Only the self-played game installs one.
class PlayWatch {
  public:
    virtual ~PlayWatch() = default;
    virtual void SiteVisitBegins() {}
    virtual void SiteVisitEnds() {}
    virtual void ThemeFindBegins(int lord) { (void)lord; }
    virtual void ThemeFindEnds(int lord) { (void)lord; }
};

// The one install point. A null pointer puts the do-nothing default back.
class ViewHooks {
  public:
    MapView& View() { return view_ ? *view_ : defaultView_; }
    TurnTimers& Timers() { return timers_ ? *timers_ : defaultTimers_; }
    CampaignScreens& Screens() { return screens_ ? *screens_ : defaultScreens_; }
    Sounds& Sound() { return sounds_ ? *sounds_ : defaultSounds_; }
    TutorialSteps& Tutorial() { return tutorial_ ? *tutorial_ : defaultTutorial_; }
    BattleView& BattlePanel() { return battleView_ ? *battleView_ : defaultBattleView_; }
    DungeonView& Dungeon() { return dungeon_ ? *dungeon_ : defaultDungeon_; }
    ThemeScreens& Theme() { return theme_ ? *theme_ : defaultTheme_; }
    PlayWatch& Watch() { return watch_ ? *watch_ : defaultWatch_; }

    void SetView(MapView* view) { view_ = view; }
    void SetTimers(TurnTimers* timers) { timers_ = timers; }
    void SetScreens(CampaignScreens* screens) { screens_ = screens; }
    void SetSounds(Sounds* sounds) { sounds_ = sounds; }
    void SetTutorial(TutorialSteps* tutorial) { tutorial_ = tutorial; }
    void SetBattleView(BattleView* view) { battleView_ = view; }
    void SetDungeon(DungeonView* dungeon) { dungeon_ = dungeon; }
    void SetTheme(ThemeScreens* theme) { theme_ = theme; }
    void SetWatch(PlayWatch* watch) { watch_ = watch; }
    // Everything back to the defaults (tests call this in their tear-down).
    void Clear() { *this = ViewHooks{}; }
    // The name of a view still on its default ("" when every one is installed; the watch of play
    // is optional): the game and the console check this at start-up.
    const char* MissingView() const;

  private:
    MapView* view_ = nullptr;
    TurnTimers* timers_ = nullptr;
    CampaignScreens* screens_ = nullptr;
    Sounds* sounds_ = nullptr;
    TutorialSteps* tutorial_ = nullptr;
    BattleView* battleView_ = nullptr;
    MapView defaultView_;
    TurnTimers defaultTimers_;
    CampaignScreens defaultScreens_;
    Sounds defaultSounds_;
    TutorialSteps defaultTutorial_;
    BattleView defaultBattleView_;
    DungeonView* dungeon_ = nullptr;
    DungeonView defaultDungeon_;
    ThemeScreens* theme_ = nullptr;
    ThemeScreens defaultTheme_;
    PlayWatch* watch_ = nullptr;
    PlayWatch defaultWatch_;
};

ViewHooks& Hooks();

}  // namespace logic
