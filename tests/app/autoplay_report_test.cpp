// Tests of the self-played game's report: the scenario's size and the counts of theme place
// visits, of the visits whose event changed the game, and of the theme finds.
#include <gtest/gtest.h>

#include <string>

#include "app/autoplay_report.h"
#include "campaign/visit_site.h"
#include "dungeon/theme_finds.h"
#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "rules/view_hooks.h"
#include "state/random.h"

namespace themetest {
namespace {

namespace L = state::Lord;
namespace S = state::MapSite;

using ThemeReport = ThemeTest;

std::string LastLine(const std::string& text) {
    return text.substr(text.rfind('\n') + 1);
}

TEST_F(ThemeReport, CountsVisitsOfThemePlacesAndTheVisitsWhoseEventChangedTheGame) {
    Theme(4);  // the arena: a computer lord rises a rank when the games are ready
    Visit(2);
    app::ThemeWatch watch;
    logic::Hooks().SetWatch(&watch);
    logic::VisitSite();
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    EXPECT_EQ(Site()[S::countdown], 6);
    // The games are not ready again: a visit, but the event refuses.
    logic::VisitSite();
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    EXPECT_EQ(watch.mainVisits, 2);
    EXPECT_EQ(watch.mainRuns, 1);

    // A field without a site is no visit.
    PlaceArmy(2, 6, 6);
    logic::VisitSite();
    EXPECT_EQ(watch.mainVisits, 2);

    // The arena has no secondary event: a visit that changes nothing.
    Theme(4, -2);
    Visit(2);
    logic::VisitSite();
    EXPECT_EQ(watch.otherVisits, 1);
    EXPECT_EQ(watch.otherRuns, 0);
    EXPECT_EQ(watch.mainVisits, 2);

    EXPECT_EQ(app::ThemeLines(4, true, watch),
              "theme 4: main place visited 2 times, its event ran 1 times; other theme places "
              "visited 1 times, their event ran 0 times; theme finds 0\n"
              "theme event ran: yes");
    EXPECT_EQ(LastLine(app::ThemeLines(4, true, app::ThemeWatch{})), "theme event ran: no");
    EXPECT_EQ(LastLine(app::ThemeLines(5, false, watch)), "theme event ran: no main place");
}

TEST_F(ThemeReport, CountsAFindOnlyWhenTheThemeCounterRose) {
    Theme(8);  // dragon eggs: a roll of 5 or less finds one
    app::ThemeWatch watch;
    logic::Hooks().SetWatch(&watch);
    SeedGiving(logic::FindRollRange(2), 5);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    SeedGiving(logic::FindRollRange(2), 6);
    logic::ThemeFind(2, false);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    logic::ThemeFind(0, false);  // not a lord: nothing counted
    EXPECT_EQ(watch.finds, 1);
}

TEST_F(ThemeReport, MeasuresTheActiveCitiesAndSitesAndTheDefinedMonstersAndItems) {
    state::GameState& g = state::G();
    g.mapSite.ClearRows(1, 10);
    g.monsterTable.ClearRows(1, 100);
    g.itemTable.ClearRows(1, 500);
    g.mapSetting[state::MapSetting::theme] = 9;
    const int kinds[5][2] = {{1, 1}, {1, 0}, {-1, 1}, {3, 1}, {-2, 0}};  // kind, active
    for (int i = 0; i < 5; ++i) {
        g.mapSite[i + 1][S::kind] = kinds[i][0];
        g.mapSite[i + 1][S::active] = kinds[i][1];
    }
    g.monsterTable[1][state::MonsterTable::exists] = 1;
    g.monsterTable[100][state::MonsterTable::exists] = 1;
    g.monsterTable[0][state::MonsterTable::exists] = 1;  // the set-piece row is no monster
    g.itemTable[500][state::ItemTable::exists] = 1;
    g.itemTable[0][state::ItemTable::exists] = 1;  // nor is the special item row an item

    const app::ScenarioSize size = app::MeasureScenario();
    EXPECT_EQ(app::SizeLine("graveyards", size),
              "scenario: graveyards theme=9 cities=1 sites=2 monsters=2 items=1");
    EXPECT_TRUE(app::HasMainThemePlace());
    g.mapSite[3][S::active] = 0;
    EXPECT_FALSE(app::HasMainThemePlace());
}

}  // namespace
}  // namespace themetest
