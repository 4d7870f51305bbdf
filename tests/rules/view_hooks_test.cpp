// The views the rules reach: each missing one is named until every one is installed, and the
// watch of play may stay on its default.
#include <gtest/gtest.h>

#include <string>

#include "rules/view_hooks.h"

namespace {

class AllViews final : public logic::MapView,
                       public logic::TurnTimers,
                       public logic::CampaignScreens,
                       public logic::Sounds,
                       public logic::TutorialSteps,
                       public logic::BattleView,
                       public logic::DungeonView,
                       public logic::ThemeScreens {};

TEST(ViewHooks, EachViewLeftOnItsDefaultIsNamedInTurn) {
    logic::ViewHooks hooks;
    AllViews views;
    EXPECT_EQ(std::string(hooks.MissingView()), "the map view");
    hooks.SetView(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the turn timers");
    hooks.SetTimers(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the campaign windows");
    hooks.SetScreens(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the sounds");
    hooks.SetSounds(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the tutorial panels");
    hooks.SetTutorial(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the battle panel");
    hooks.SetBattleView(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the dungeon window");
    hooks.SetDungeon(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "the theme windows");
    hooks.SetTheme(&views);
    EXPECT_EQ(std::string(hooks.MissingView()), "");
    // A view taken back is missing again.
    hooks.SetSounds(nullptr);
    EXPECT_EQ(std::string(hooks.MissingView()), "the sounds");
    hooks.Clear();
    EXPECT_EQ(std::string(hooks.MissingView()), "the map view");
}

}  // namespace
