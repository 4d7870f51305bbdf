// What the campaign rules need from the screens and from the rules that other folders own: the
// map view to refresh, the strategic window's two turn timers, the modal screens the rules open,
// the sounds, the battle, and one small interface for each concern of the other rule folders
// (the round, the sites, the hero, the tutorial). Every interface has a do-nothing default, so the
// rules run (and are tested) with nothing installed; the strategic window installs the real ones
// once, tests install recording fakes.
#pragma once

#include <string>

#include "battle/battle_view.h"
#include "campaign/tutorial_steps.h"
#include "dungeon/dungeon_view.h"
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
    // Window activation with InDungeon = 1: redraw the dungeon and show its window modally
    // (the dungeon rules' ResumeDungeon).
    virtual void ReopenDungeon();
    // Closes the dungeon window, if it is open (the strategic window is closing): a duel still
    // shown ends without a result, then the dungeon view's CloseDungeonWindow.
    virtual void CloseDungeonWindow();
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

// The army battles.
class Battles {
  public:
    virtual ~Battles() = default;
    // The interactive battle between the human lord and the other lord (shown on the map).
    virtual void StartBattle(int humanLord, int otherLord) {
        (void)humanLord;
        (void)otherLord;
    }
    // The automatic battle between the two sides already filled in BattleOwnSide/BattleFoeSide.
    virtual void AutoBattle() {}
    // Stop and restart the battle clock while a dialog is shown during a battle (the pause
    // picture "m1_pause_g.jpg" / "m1_pause.jpg" belongs to the battle panel).
    virtual void PauseBattle() {}
    virtual void ResumeBattle() {}
};

// The per-round rules of other folders that the turn cycle runs.
class RoundRules {
  public:
    virtual ~RoundRules() = default;
    // The per-round update of the map sites (countdowns, garrisons, taxes, prices, stocks and
    // guild shops): the city rules' CityRound.
    virtual void CityRound();
};

// What happens on the field an army stepped onto, and the finds of the scenario's theme.
class SiteRules {
  public:
    virtual ~SiteRules() = default;
    // The map event of the field the army stands on: the map event dispatcher.
    virtual void VisitSite();
    // One chance of a theme find for the lord (the theme finds' ThemeFind); afterWonDuel tells
    // a find after a won duel from one after a room event or a pickup.
    virtual void ThemeFind(int lord, bool afterWonDuel);
    // After a won battle at a theme site (MapSite kind below 0): the theme's follow-up.
    virtual void ThemeBattleWon(int site);
    // The demons' gift after a pillage in theme 11.
    virtual void DemonGift();
    // The city screen of a city the human has just won (the city under the army).
    virtual void OpenCity(int site);
};

// The human hero's rise in level.
class HeroRules {
  public:
    virtual ~HeroRules() = default;
    // The human hero's level-up (the level-up screen) and the copy of the hero's level into the
    // lord record: the hero progression's level-up of that lord's hero.
    virtual void HumanHeroLevelUp(int lord);
};

// The tutorial's panels on the screens: a step's panel (screen none hides every panel, as the
// steps that show none do) and the end of the tutorial.
class TutorialSteps {
  public:
    virtual ~TutorialSteps() = default;
    virtual void ShowStep(const TutorialPanelView& view) { (void)view; }
    virtual void HideAll() {}
};

// The one install point. A null pointer puts the do-nothing default back.
class CampaignHooks {
  public:
    MapView& View() { return view_ ? *view_ : defaultView_; }
    TurnTimers& Timers() { return timers_ ? *timers_ : defaultTimers_; }
    CampaignScreens& Screens() { return screens_ ? *screens_ : defaultScreens_; }
    Sounds& Sound() { return sounds_ ? *sounds_ : defaultSounds_; }
    Battles& Battle() { return battles_ ? *battles_ : defaultBattles_; }
    RoundRules& Round() { return round_ ? *round_ : defaultRound_; }
    SiteRules& Sites() { return sites_ ? *sites_ : defaultSites_; }
    HeroRules& Hero() { return hero_ ? *hero_ : defaultHero_; }
    TutorialSteps& Tutorial() { return tutorial_ ? *tutorial_ : defaultTutorial_; }
    BattleView& BattlePanel() { return battleView_ ? *battleView_ : defaultBattleView_; }
    DungeonView& Dungeon() { return dungeon_ ? *dungeon_ : defaultDungeon_; }

    void SetView(MapView* view) { view_ = view; }
    void SetTimers(TurnTimers* timers) { timers_ = timers; }
    void SetScreens(CampaignScreens* screens) { screens_ = screens; }
    void SetSounds(Sounds* sounds) { sounds_ = sounds; }
    void SetBattles(Battles* battles) { battles_ = battles; }
    void SetRound(RoundRules* round) { round_ = round; }
    void SetSites(SiteRules* sites) { sites_ = sites; }
    void SetHero(HeroRules* hero) { hero_ = hero; }
    void SetTutorial(TutorialSteps* tutorial) { tutorial_ = tutorial; }
    void SetBattleView(BattleView* view) { battleView_ = view; }
    void SetDungeon(DungeonView* dungeon) { dungeon_ = dungeon; }
    // Everything back to the defaults (tests call this in their tear-down).
    void Clear() { *this = CampaignHooks{}; }

  private:
    MapView* view_ = nullptr;
    TurnTimers* timers_ = nullptr;
    CampaignScreens* screens_ = nullptr;
    Sounds* sounds_ = nullptr;
    Battles* battles_ = nullptr;
    RoundRules* round_ = nullptr;
    SiteRules* sites_ = nullptr;
    HeroRules* hero_ = nullptr;
    TutorialSteps* tutorial_ = nullptr;
    BattleView* battleView_ = nullptr;
    MapView defaultView_;
    TurnTimers defaultTimers_;
    CampaignScreens defaultScreens_;
    Sounds defaultSounds_;
    Battles defaultBattles_;
    RoundRules defaultRound_;
    SiteRules defaultSites_;
    HeroRules defaultHero_;
    TutorialSteps defaultTutorial_;
    BattleView defaultBattleView_;
    DungeonView* dungeon_ = nullptr;
    DungeonView defaultDungeon_;
};

CampaignHooks& Hooks();

}  // namespace logic
