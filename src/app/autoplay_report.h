// What a self-played game reports besides its rounds: the scenario's size, how often the lords
// used the theme's places and finds, and the result line.
#pragma once

#include <string>

#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace app {

// The scenario as loaded: its theme, its active cities and other sites, and the monsters and
// items its tables define.
struct ScenarioSize {
    int theme = 0;
    int cities = 0;
    int sites = 0;
    int monsters = 0;
    int items = 0;
};

ScenarioSize MeasureScenario();

// "scenario: NAME theme=T cities=C sites=S monsters=M items=I".
std::string SizeLine(const std::string& name, const ScenarioSize& size);

// Counts the map events at theme places and the theme finds while the rules run as ever: it
// watches each site visit and find from beginning to end and compares the lord's, its army's
// and the site's records (and the scenario theme) before and after. An event "ran" when the
// visit changed any of them; a find counts when the theme counter rose.
class ThemeWatch final : public logic::PlayWatch {
  public:
    int mainVisits = 0;
    int mainRuns = 0;
    int otherVisits = 0;
    int otherRuns = 0;
    int finds = 0;

    void SiteVisitBegins() override;
    void SiteVisitEnds() override;
    void ThemeFindBegins(int lord) override;
    void ThemeFindEnds(int lord) override;

  private:
    struct Before {
        int lord = 0;
        int site = 0;
        bool main = false;
        state::RecordOf<100> lordRecord{}, army{}, siteRecord{};
        int theme = 0;
    };
    Before visit_;
    int counterBefore_ = 0;
};

// "theme T: main place visited V times, its event ran R times; other theme places visited V2
// times, their event ran R2 times; theme finds F", then "theme event ran: yes", "no", or
// "no main place" when the scenario has no site of the main theme kind.
std::string ThemeLines(int theme, bool hasMainPlace, const ThemeWatch& watch);

// Whether an active site of the main theme kind stands on the map.
bool HasMainThemePlace();

}  // namespace app
