#include "events/events_fixture.h"

#include "campaign/visit_site.h"
#include "state/game_state.h"

namespace eventtest {

void EventsTest::SetUp() {
    CampaignTest::SetUp();
    logic::Hooks().SetTheme(&theme);
    // The event tests visit sites directly and read the calls of the views alone.
    logic::Hooks().SetWatch(nullptr);
}

void EventsTest::TearDown() {
    logic::Hooks().SetTheme(nullptr);
    CampaignTest::TearDown();
}

int EventsTest::PlaceSite(int row, int kind, int x, int y) {
    auto& s = Site(row);
    s[state::MapSite::active] = 1;
    s[state::MapSite::kind] = kind;
    s[state::MapSite::x] = x;
    s[state::MapSite::y] = y;
    return row;
}

void EventsTest::VisitWith(int p, int row) {
    PlaceArmy(p, Site(row)[state::MapSite::x], Site(row)[state::MapSite::y]);
    TurnOf(p);
    logic::VisitSite();
}

state::RecordOf<100>& EventsTest::Lord(int p) {
    return state::G().lord[p];
}

state::RecordOf<100>& EventsTest::Site(int row) {
    return state::G().mapSite[row];
}

void EventsTest::SetTheme(int t) {
    state::G().mapSetting[state::MapSetting::theme] = t;
}

}  // namespace eventtest
