// The site look-ups and the dispatcher: which site a field holds, the city, theme sites and
// the icon redraw.
#include "campaign/visit_site.h"
#include "events/events_fixture.h"
#include "rules/sites.h"
#include "state/game_state.h"

namespace eventtest {
namespace {

namespace S = state::MapSite;

TEST_F(EventsTest, SiteAtFindsTheLowestActiveRowOnTheField) {
    EXPECT_EQ(logic::SiteAt(5, 5), 0);
    PlaceSite(7, 4, 5, 5);
    PlaceSite(3, 5, 5, 5);
    EXPECT_EQ(logic::SiteAt(5, 5), 3);
    Site(3)[S::active] = 0;
    EXPECT_EQ(logic::SiteAt(5, 5), 7);
    PlaceSite(10, 6, 6, 5);
    EXPECT_EQ(logic::SiteAt(6, 5), 10);
    EXPECT_EQ(logic::SiteAt(5, 6), 0);
    PlaceSite(1, 2, 5, 5);
    EXPECT_EQ(logic::SiteAt(5, 5), 1);
}

TEST_F(EventsTest, KindLookUpsSeeOnlyActiveSites) {
    EXPECT_FALSE(logic::AnySiteOfKind(-1));
    EXPECT_EQ(logic::LastSiteOfKind(-1), 0);
    PlaceSite(2, -1, 3, 3);
    PlaceSite(9, -1, 4, 3);
    PlaceSite(10, -2, 5, 3);
    EXPECT_TRUE(logic::AnySiteOfKind(-1));
    EXPECT_EQ(logic::LastSiteOfKind(-1), 9);
    Site(9)[S::active] = 0;
    EXPECT_EQ(logic::LastSiteOfKind(-1), 2);
    Site(2)[S::active] = 0;
    EXPECT_FALSE(logic::AnySiteOfKind(-1));
    EXPECT_TRUE(logic::AnySiteOfKind(-2));
}

TEST_F(EventsTest, TheDispatcherRunsTheSiteOfTheCurrentLordsFieldAndRedrawsItsIcon) {
    // No site: nothing happens.
    PlaceArmy(1, 4, 4);
    logic::VisitSite();
    EXPECT_TRUE(hooks.calls.empty());
    // A removed site is no site.
    PlaceSite(4, 8, 4, 4);
    Site(4)[S::active] = 0;
    logic::VisitSite();
    EXPECT_TRUE(dialogs.Shown().empty());
    // A site that removes itself still has its icon redrawn.
    Lord(1)[state::Lord::honor] = 0;
    Site(4)[S::active] = 1;
    dialogs.Answer(2);
    logic::VisitSite();
    EXPECT_EQ(Site(4)[S::active], 0);
    EXPECT_EQ(hooks.calls.back(), "DrawSiteIcon 4");
    // A kind without a handler does nothing but the redraw.
    hooks.calls.clear();
    PlaceSite(5, 42, 6, 6);
    const auto shown = dialogs.Shown().size();
    VisitWith(1, 5);
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"DrawSiteIcon 5"});
}

TEST_F(EventsTest, ACityOpensForTheHumanAfterTheTutorialStepAndNotForAComputerLord) {
    PlaceSite(2, 1, 3, 3);
    state::G().tutorialOn = true;
    state::G().tutorialStep = 49;
    VisitWith(1, 2);
    EXPECT_EQ(state::G().tutorialStep, 50);
    EXPECT_TRUE(hooks.Has("ShowCity 2"));
    // At another step the tutorial stays where it is.
    VisitWith(1, 2);
    EXPECT_EQ(state::G().tutorialStep, 50);
    EXPECT_EQ(hooks.Count("ShowCity 2"), 2);
    hooks.calls.clear();
    VisitWith(2, 2);
    EXPECT_FALSE(hooks.Has("ShowCity 2"));
    EXPECT_TRUE(hooks.Has("DrawSiteIcon 2"));
}

TEST_F(EventsTest, ThemeSitesAskNothingYetAndNoLordOutsideOneToFourIsVisited) {
    for (int kind : {-1, -2, -3}) {
        PlaceSite(6, kind, 8, 8);
        VisitWith(1, 6);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(hooks.Count("DrawSiteIcon 6"), 3);
    // Row 0 of the armies (event monsters) never stands on the map.
    hooks.calls.clear();
    state::G().army[0][state::Army::x] = 8;
    state::G().army[0][state::Army::y] = 8;
    state::G().currentLord = 0;
    logic::VisitSite();
    EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(EventsTest, AWatchSeesTheVisitBeginBeforeItsEvent) {
    logic::Hooks().SetWatch(&hooks);
    PlaceSite(1, 1, 2, 1);
    PlaceArmy(1, 2, 1);
    logic::VisitSite();
    EXPECT_EQ(hooks.Count("VisitSite"), 1);
    EXPECT_LT(hooks.IndexOf("VisitSite"), hooks.IndexOf("ShowCity 1"));
    EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
}  // namespace eventtest
