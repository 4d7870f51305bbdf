#include "events/theme_fixture.h"

#include "rules/view_hooks.h"
#include "state/random.h"

namespace themetest {

namespace MonsterTable = state::MonsterTable;

void DuelWindow::ShowDungeonWindow() {
    state::GameState& g = state::G();
    const int m = g.opponent[state::Opponent::oppMonster];
    const auto& row = g.monsterTable[m];
    opponents.push_back(g.monsterText[m][state::MonsterText::name] + " " +
                        g.monsterText[m][state::MonsterText::picture] + " " +
                        std::to_string(row[MonsterTable::monsterLevel]) + " " +
                        std::to_string(row[MonsterTable::toughness]) + " " +
                        std::to_string(row[MonsterTable::duelFlag]));
    g.opponent[state::Opponent::oppHealth] = heroWins ? 0 : 5;
}

void SeedGiving(int n, int value) {
    for (unsigned seed = 1; seed < 200000; ++seed) {
        state::SeedRandom(seed);
        if (state::Random(n) == value) {
            state::SeedRandom(seed);
            return;
        }
    }
    ADD_FAILURE() << "no seed gives " << value << " in [0, " << n << ")";
}

void ThemeTest::SetUp() {
    CampaignTest::SetUp();
    auto& h = logic::Hooks();
    h.SetWatch(nullptr);
    h.SetDungeon(&duels);
}

void ThemeTest::TearDown() {
    CampaignTest::TearDown();
}

void ThemeTest::Theme(int theme, int kind) {
    state::GameState& g = state::G();
    g.mapSetting[state::MapSetting::theme] = theme;
    auto& s = g.mapSite[kSite];
    s[state::MapSite::active] = 1;
    s[state::MapSite::kind] = kind;
    s[state::MapSite::x] = 2;
    s[state::MapSite::y] = 1;
    s[state::MapSite::countdown] = 0;
    Visit(1);
}

void ThemeTest::Visit(int p) {
    PlaceArmy(p, 2, 1);
    TurnOf(p);
}

std::vector<std::string> ThemeTest::Titles() const {
    std::vector<std::string> titles;
    for (const auto& d : dialogs.Shown())
        titles.push_back(d.title);
    return titles;
}

}  // namespace themetest
