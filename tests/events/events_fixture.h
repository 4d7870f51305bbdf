// The common ground of the map event tests: the campaign test's lords and fakes, a site placed
// on the field east of lord 1's army, and a recording fake of the theme screens.
#pragma once

#include <string>
#include <vector>

#include "campaign/campaign_fixture.h"
#include "rules/view_hooks.h"
#include "state/tables.h"

namespace eventtest {

class ThemeRecorder final : public logic::ThemeScreens {
  public:
    std::vector<logic::ThemeIntro> intros;
    std::vector<logic::ThemeBoxes> boxes;
    int counter = -1, troop = -1;

    void ShowIntro(const logic::ThemeIntro& intro) override { intros.push_back(intro); }
    void SetupBoxes(const logic::ThemeBoxes& b) override { boxes.push_back(b); }
    void SetNumbers(int c, int t) override {
        counter = c;
        troop = t;
    }
};

class EventsTest : public camptest::CampaignTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Puts an active site of the kind on (x, y) in the row and returns the row.
    int PlaceSite(int row, int kind, int x, int y);
    // Lord p's army stands on the site of the row; p becomes the current lord; then the visit.
    void VisitWith(int p, int row);
    state::RecordOf<100>& Lord(int p);
    state::RecordOf<100>& Site(int row);
    void SetTheme(int theme);

    ThemeRecorder theme;
};

}  // namespace eventtest
