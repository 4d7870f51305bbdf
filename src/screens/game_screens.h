// Every window of the game, made once at start in the order the game makes them (the
// background window first), each given the shared services and the windows it opens. The flows
// from one window to the next live in game_flow.h.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "rules/tutorial_table.h"
#include "screens/message_dialogs.h"
#include "screens/screen_services.h"
#include "screens/services.h"
#include "screens/start_options.h"
#include "sound/sound_system.h"

namespace screens {

class TForm1;
class TForm2;
class TFOptions;
class TFAIStatusScreen;
class TFCheats;
class TFCredits;
class TFKeyList;
class TutorialPanel;
class TutorialGuide;
struct TutorialExtraPanel;
class TFSelectMap;
class TFShowMap;
class TFPreviewMap;
class TFDifficulty;
class TFSaveLoad;
class TFCampaign1;
class TFBuildings;
class TFHireTroops;
class TFTrading;
class TFCity;
class TFBuyItems;
class CampaignBridge;
class BattleBridge;
class TFModifyBattleCommands;
class TFIntro3;
class ThemeBridge;
class DungeonBridge;

class GameScreens {
  public:
    GameScreens(platform::Application& app, const StartOptions& options);
    ~GameScreens();

    // Runs the program: the background window until the player quits.
    void Run();

    platform::Application& App() { return app_; }
    // What every window reaches; each window gets it with the windows it opens.
    ScreenServices& Shared() { return shared_; }
    Services& Svc() { return shared_.Svc(); }
    sound::SoundSystem& Sound() { return *sound_; }
    MessageDialogs& Dialogs() { return *dialogs_; }
    const StartOptions& Options() const { return options_; }
    TForm1& Background() { return *form1_; }
    TForm2& MainMenu() { return *form2_; }
    TFOptions& OptionsScreen() { return *options_screen_; }
    TFCheats& Cheats() { return *cheats_; }
    TFAIStatusScreen& AIStatus() { return *aiStatus_; }
    TFCredits& Credits() { return *credits_; }
    TFKeyList& KeyList() { return *keyList_; }
    TFSelectMap& SelectMap() { return *selectMap_; }
    TFShowMap& Sheet() { return *showMap_; }
    TFPreviewMap& Preview() { return *previewMap_; }
    TFDifficulty& Difficulty() { return *difficulty_; }
    TFSaveLoad& SaveLoad() { return *saveLoad_; }
    TFCampaign1& Campaign() { return *campaign_; }
    TFBuildings& Buildings() { return *buildings_; }
    TFHireTroops& HireTroops() { return *hireTroops_; }
    TFTrading& Trading() { return *trading_; }
    TFCity& City() { return *city_; }
    TFBuyItems& GuildShop() { return *guildShop_; }
    TFModifyBattleCommands& ModifyCommands() { return *modifyCommands_; }
    TFIntro3& Intro() { return *intro3_; }
    // The dungeon window TForm3 and its small windows.
    DungeonBridge& Dungeon() { return *dungeon_; }

    // The error box for file, picture and device errors.
    void ShowError(const std::string& text) { shared_.ShowError(text); }

    // The screens that show a tutorial panel.
    const std::vector<TutorialPanel*>& TutorialPanels() const { return shared_.TutorialPanels(); }
    TutorialGuide& Tutorial() { return *guide_; }

  private:
    void ConnectLaterWindows();
    void WireCampaign();
    void BuildChoiceTutorialPanel();

    platform::Application& app_;
    StartOptions options_;
    std::unique_ptr<sound::SoundSystem> sound_;
    // Made first, so that every window registers its tutorial panel with it.
    std::unique_ptr<TutorialGuide> guide_;
    ScreenServices shared_;
    std::unique_ptr<MessageDialogs> dialogs_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TFCampaign1> campaign_;
    std::unique_ptr<TFBuildings> buildings_;
    std::unique_ptr<TFHireTroops> hireTroops_;
    std::unique_ptr<TFTrading> trading_;
    std::unique_ptr<TFCity> city_;
    std::unique_ptr<TFBuyItems> guildShop_;
    std::unique_ptr<TFModifyBattleCommands> modifyCommands_;
    std::unique_ptr<CampaignBridge> bridge_;
    std::unique_ptr<BattleBridge> battleBridge_;
    std::unique_ptr<TFIntro3> intro3_;
    std::unique_ptr<ThemeBridge> themeBridge_;
    std::unique_ptr<TFOptions> options_screen_;
    std::unique_ptr<TFCheats> cheats_;
    std::unique_ptr<TFAIStatusScreen> aiStatus_;
    std::unique_ptr<TFCredits> credits_;
    std::unique_ptr<TFKeyList> keyList_;
    std::unique_ptr<TFSelectMap> selectMap_;
    std::unique_ptr<TFShowMap> showMap_;
    std::unique_ptr<TFPreviewMap> previewMap_;
    std::unique_ptr<TFDifficulty> difficulty_;
    std::unique_ptr<TFSaveLoad> saveLoad_;
    std::unique_ptr<TutorialPanel> choiceTutorial_;
    // Last, so that it goes first: its wait window belongs to the message windows.
    std::unique_ptr<DungeonBridge> dungeon_;
};

}  // namespace screens
