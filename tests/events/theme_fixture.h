// The common ground of the theme rule tests: the campaign's four lords, one theme site beside
// lord 1's castle, the real theme rules, and a dungeon window that
// decides every duel at once as a test tells it.
#pragma once

#include <string>
#include <vector>

#include "campaign/campaign_fixture.h"
#include "rules/dungeon_view.h"
#include "state/game_state.h"

namespace themetest {

// Decides a duel as soon as its window shows, and notes the opponent it was shown.
class DuelWindow final : public logic::DungeonView {
  public:
    bool heroWins = true;
    std::vector<std::string> opponents;  // "name picture level toughness duelFlag" per duel
    void ShowDungeonWindow() override;
    void OpenFoundItem(int item, const logic::ItemDetailView&, int) override {
        foundItems.push_back(item);
    }
    std::vector<int> foundItems;
};

// Seeds the generator so that its next draw in [0, n) is `value`.
void SeedGiving(int n, int value);

class ThemeTest : public camptest::CampaignTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The scenario theme and the site of kind `kind` at (2, 1), lord 1's army on it.
    void Theme(int theme, int kind = -1);
    // Lord p (a computer unless p is 1) stands on the site and it is p's turn.
    void Visit(int p);
    state::RecordOf<100>& Lord(int p) { return state::G().lord[p]; }
    state::RecordOf<100>& Army(int p) { return state::G().army[p]; }
    state::RecordOf<100>& Site() { return state::G().mapSite[kSite]; }
    // Titles of the dialogs shown so far, in order.
    std::vector<std::string> Titles() const;

    static constexpr int kSite = 3;
    DuelWindow duels;
};

}  // namespace themetest
