// What a self-played game reports besides its rounds: the scenario's size, how often the lords
// used the theme's places and finds, and the result line.
#pragma once

#include <string>

#include "campaign/campaign_hooks.h"

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
// stands in the site rules hook, passes every call on to the default rules and compares the
// lord's, its army's and the site's records (and the scenario theme) before and after. An event
// "ran" when the call changed any of them; a find counts when the theme counter rose.
class ThemeWatch final : public logic::SiteRules {
  public:
    int mainVisits = 0;
    int mainRuns = 0;
    int otherVisits = 0;
    int otherRuns = 0;
    int finds = 0;

    void VisitSite() override;
    void ThemeFind(int lord, bool afterWonDuel) override;
};

// "theme T: main place visited V times, its event ran R times; other theme places visited V2
// times, their event ran R2 times; theme finds F", then "theme event ran: yes", "no", or
// "no main place" when the scenario has no site of the main theme kind.
std::string ThemeLines(int theme, bool hasMainPlace, const ThemeWatch& watch);

// Whether an active site of the main theme kind stands on the map.
bool HasMainThemePlace();

}  // namespace app
