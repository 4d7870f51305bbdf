#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <queue>
#include <set>
#include <string>

#include "app/autoplay_invariants.h"
#include "campaign/buildings.h"
#include "campaign/turn_cycle.h"
#include "events/theme_rules.h"
#include "rules/fixed_answer_dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "scenario_source.h"
#include "state/item_table.h"
#include "state/lord.h"
#include "state/map_site.h"
#include "state/monster_table.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/records.h"
#include "state/scenario_files.h"
#include "state/scenario_settings.h"
#include "state/temp_folders.h"
#include "state/value_ranges.h"
#include "terrain_grid.h"

namespace {

// On a game as it starts: the bounds self-play checks come from the one range table (a value one
// beyond its range is named as the table words it, one at the edge passes), and beyond the table
// a computer lord never spends what it does not have.
void InvariantsTakeTheTablesBounds(const bool (&tookPart)[5]) {
    state::GameState& g = state::G();
    int row = 1;
    while (row < 10 && g.mapSite[row][state::MapSite::active] <= 0)
        ++row;
    ASSERT_LT(row, 10);
    auto& site = g.mapSite[row];
    const std::string name = "the map site " + std::to_string(row);
    const state::Int taxes = site[state::MapSite::taxes];
    site[state::MapSite::taxes] = -1;
    EXPECT_EQ(app::BrokenInvariant(tookPart), name + "'s taxes is -1, not from 0 to 2147483647");
    site[state::MapSite::taxes] = 0;
    EXPECT_EQ(app::BrokenInvariant(tookPart), "");
    site[state::MapSite::taxes] = state::kIntMax;
    EXPECT_EQ(app::BrokenInvariant(tookPart), "");
    site[state::MapSite::taxes] = taxes;
    site[state::MapSite::garrisonSoldiers] = state::kTroopLimit + 1;
    EXPECT_EQ(app::BrokenInvariant(tookPart),
              name + "'s garrison counts 100001 troops of one kind");
    site[state::MapSite::garrisonSoldiers] = state::kTroopLimit;
    EXPECT_EQ(app::BrokenInvariant(tookPart), "");
    site[state::MapSite::garrisonSoldiers] = 0;
    int computer = 1;
    while (computer <= 4 && !(tookPart[computer] && !logic::IsHuman(computer)))
        ++computer;
    ASSERT_LE(computer, 4);
    const state::Int gold = g.lord[computer][state::Lord::gold];
    g.lord[computer][state::Lord::gold] = -1;
    EXPECT_EQ(app::BrokenInvariant(tookPart),
              "lord " + std::to_string(computer) + ": negative resource");
    g.lord[computer][state::Lord::gold] = gold;
    EXPECT_EQ(app::BrokenInvariant(tookPart), "");
}

using namespace state;

struct Expected {
    const char* name;
    int theme;
    int lords;
    std::set<int> themeSites;  // the negative site kinds the theme's events need
};

// The scenario list's themes: the last five by their scenario number, the other three chosen;
// then the theme scenarios of the custom box.
const Expected kScenarios[] = {
    {"desertofdarkness", 1, 2, {-1}},
    {"thecrusades", 15, 4, {-1, -2, -3}},
    {"thecurse", 16, 4, {-1, -2, -3}},
    {"fallenangel", 17, 4, {-1}},
    {"swordofnaragul", 18, 4, {}},
    {"gladiator", 19, 3, {-1}},
    {"showdown", 2, 2, {-1, -2, -3}},
    {"showdown2", 7, 4, {-1}},
    // One scenario for each theme the list does not reach, offered in the custom box.
    {"darkmines", 3, 3, {-1, -2, -3}},
    {"arenaofkings", 4, 4, {-1}},
    {"thekeeps", 5, 4, {}},
    {"cauldrons", 6, 3, {-1, -2, -3}},
    {"dragonbreeders", 8, 2, {-1}},
    {"graveyards", 9, 3, {-1, -2, -3}},
    {"ringofkings", 10, 3, {-1}},
    {"demonpact", 11, 4, {}},
    {"gateofhell", 12, 3, {-1}},
    {"princess", 13, 3, {-1}},
    {"frontline", 14, 2, {-1}},
};

int Distance(int x1, int y1, int x2, int y2) {
    return std::abs(x1 - x2) + std::abs(y1 - y2);
}

class ScenarioContent : public statetest::TempFolders {
  protected:
    // Compiles the sources and loads the four files the way the game does.
    std::unique_ptr<GameState> Load(const std::string& name) {
        auto source = std::make_unique<GameState>();
        scenarios::ReadSources(std::string(MARCHHOLT_SCENARIO_SOURCES) + "/" + name, *source);
        WriteUserFile(name + ".mod", EncodeModule(*source));
        WriteUserFile(name + ".map", EncodeMap(*source));
        WriteUserFile(name + ".mon", EncodeMonsters(*source));
        WriteUserFile(name + ".itm", EncodeItems(*source));
        auto g = std::make_unique<GameState>();
        const LoadResult r = LoadScenario(name, {}, *g);
        EXPECT_TRUE(r.Ok()) << name << ": " << r.message;
        return g;
    }
};

// Fields an army can reach on land from (x, y).
std::set<std::pair<int, int>> Reachable(const GameState& g, int x, int y) {
    std::set<std::pair<int, int>> seen{{x, y}};
    std::queue<std::pair<int, int>> todo;
    todo.push({x, y});
    while (!todo.empty()) {
        const auto [cx, cy] = todo.front();
        todo.pop();
        const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
        for (int d = 0; d < 4; ++d) {
            const int nx = cx + dx[d], ny = cy + dy[d];
            if (!scenarios::OnMap(nx, ny) || g.field[nx][ny][Field::walkable] <= 0) continue;
            if (seen.insert({nx, ny}).second) todo.push({nx, ny});
        }
    }
    return seen;
}

TEST_F(ScenarioContent, MapsArePlayable) {
    std::set<int> specialKinds, themes;
    for (const Expected& e : kScenarios) {
        SCOPED_TRACE(e.name);
        const auto g = Load(e.name);
        EXPECT_EQ(g->mapSetting[MapSetting::theme], e.theme);
        themes.insert(g->mapSetting[MapSetting::theme]);
        EXPECT_FALSE(g->modText[ModText::title].empty());
        EXPECT_GT(g->modText[ModText::description].size(), 80u);

        std::vector<int> lords;
        for (int p = 1; p <= 4; ++p)
            if (g->lord[p][Lord::inGame] > 0) lords.push_back(p);
        ASSERT_EQ(static_cast<int>(lords.size()), e.lords);
        EXPECT_EQ(lords.front(), 1);  // the tutorial and the faction screen start with blue
        for (int p : lords) {
            const int cx = g->lord[p][Lord::castleX], cy = g->lord[p][Lord::castleY];
            ASSERT_TRUE(scenarios::OnMap(cx, cy));
            EXPECT_GT(g->field[cx][cy][Field::walkable], 0);
            EXPECT_EQ(g->field[cx][cy][Field::owner], p);
            const auto reach = Reachable(*g, cx, cy);
            for (int q : lords)
                EXPECT_TRUE(reach.count({g->lord[q][Lord::castleX], g->lord[q][Lord::castleY]}))
                    << "lord " << q << " cannot be reached from lord " << p;
        }

        std::set<int> citySizes, themeSites;
        std::set<std::pair<int, int>> places;
        const auto reach = Reachable(*g, g->lord[1][Lord::castleX], g->lord[1][Lord::castleY]);
        for (int s = 1; s <= 10; ++s) {
            const auto& site = g->mapSite[s];
            if (site[MapSite::active] <= 0) continue;
            const int x = site[MapSite::x], y = site[MapSite::y], kind = site[MapSite::kind];
            EXPECT_TRUE(reach.count({x, y})) << "site " << s << " lies out of reach";
            EXPECT_TRUE(places.insert({x, y}).second) << "two sites on " << x << "," << y;
            for (int p : lords)
                EXPECT_NE(Distance(x, y, g->lord[p][Lord::castleX], g->lord[p][Lord::castleY]), 0);
            if (kind == 1) citySizes.insert(site[MapSite::size]);
            if (kind < 0) themeSites.insert(kind);
            if (kind >= 2 && kind <= 9) specialKinds.insert(kind);
            // The graveyards and tombs of the cursed cities stand beside a city, whose taxes
            // they stop.
            if ((e.theme == 9 || e.theme == 16) && kind < 0) {
                bool besideCity = false;
                for (int c = 1; c <= 10; ++c)
                    besideCity |=
                        g->mapSite[c][MapSite::kind] == 1 &&
                        Distance(x, y, g->mapSite[c][MapSite::x], g->mapSite[c][MapSite::y]) == 1;
                EXPECT_TRUE(besideCity) << "tomb " << s;
            }
        }
        EXPECT_GE(citySizes.size(), 3u);
        EXPECT_EQ(themeSites, e.themeSites);

        // Every drawn coast matches the water around it.
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                const int tile = g->field[x][y][Field::tile];
                ASSERT_NE(tiles::ShapeOf(tile).kind, tiles::Kind::None) << x << "," << y;
                if (tile == tiles::kWater) {
                    EXPECT_EQ(g->field[x][y][Field::walkable], 0);
                    continue;
                }
                int sea = 0;
                if (y > 1 && g->field[x][y - 1][Field::tile] == 0) sea |= tiles::kNorth;
                if (x < 12 && g->field[x + 1][y][Field::tile] == 0) sea |= tiles::kEast;
                if (y < 11 && g->field[x][y + 1][Field::tile] == 0) sea |= tiles::kSouth;
                if (x > 1 && g->field[x - 1][y][Field::tile] == 0) sea |= tiles::kWest;
                EXPECT_EQ(tiles::ShapeOf(tile).seaSides, sea) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(specialKinds, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    // Every theme is played by at least one shipped scenario.
    std::set<int> all;
    for (int theme = 1; theme <= 19; ++theme)
        all.insert(theme);
    EXPECT_EQ(themes, all);
}

// In the keeps theme a computer lord without walls builds nothing but walls and values every
// city far above the dungeons, its only source of honor; so its lords must start with the honor
// the walls cost, or they never build anything.
TEST_F(ScenarioContent, KeepsLordsCanPayTheHonorOfTheirWalls) {
    const int wallsHonor = logic::ComputerBuildingCost(2)[1];
    ASSERT_GT(wallsHonor, 0);
    int keepScenarios = 0;
    for (const Expected& e : kScenarios) {
        if (e.theme != 5) continue;
        SCOPED_TRACE(e.name);
        ++keepScenarios;
        const auto g = Load(e.name);
        for (int p = 1; p <= 4; ++p) {
            if (g->lord[p][Lord::inGame] > 0) {
                EXPECT_GE(g->lord[p][Lord::honor], wallsHonor) << "lord " << p;
            }
        }
    }
    EXPECT_EQ(keepScenarios, 1);
}

TEST_F(ScenarioContent, MonstersAndItemsCoverTheLevels) {
    for (const Expected& e : kScenarios) {
        SCOPED_TRACE(e.name);
        const auto g = Load(e.name);
        std::set<int> monsterLevels;
        int monsters = 0;
        for (int m = 1; m <= 100; ++m) {
            const auto& row = g->monsterTable[m];
            if (row[MonsterTable::exists] <= 0) continue;
            ++monsters;
            EXPECT_EQ(m, monsters) << "monster rows have gaps";
            monsterLevels.insert(row[MonsterTable::monsterLevel]);
            EXPECT_GE(row[MonsterTable::frequency], 1);
            EXPECT_LE(row[MonsterTable::frequency], 3);
            EXPECT_GE(row[MonsterTable::soundFamily], 0);
            EXPECT_LE(row[MonsterTable::soundFamily], 6);
            EXPECT_FALSE(g->monsterText[m][MonsterText::name].empty());
            EXPECT_FALSE(g->monsterText[m][MonsterText::picture].empty());
        }
        EXPECT_GE(monsters, 20);
        EXPECT_LE(monsters, 40);
        EXPECT_EQ(monsterLevels, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

        std::map<int, std::set<int>> rarityByLevel;
        std::set<int> kinds;
        int items = 0, potions = 0;
        for (int n = 1; n <= 500; ++n) {
            const auto& row = g->itemTable[n];
            if (row[ItemTable::exists] <= 0) continue;
            ++items;
            rarityByLevel[row[ItemTable::itemLevel]].insert(row[ItemTable::rarity]);
            kinds.insert(row[ItemTable::itemKind]);
            const bool potion = row[ItemTable::itemKind] == 3 && row[ItemTable::hitStrength] == 0 &&
                                row[ItemTable::healStrength] > 0;
            potions += potion;
            const int strengths = row[ItemTable::hitStrength] + row[ItemTable::damageStrength] +
                                  row[ItemTable::healthStrength] + row[ItemTable::healStrength];
            EXPECT_GT(strengths, 0) << "item " << n << " does nothing";
            EXPECT_FALSE(g->itemText[n][ItemText::fullName].empty());
            EXPECT_FALSE(g->itemText[n][ItemText::shortName].empty());
            EXPECT_FALSE(g->itemText[n][ItemText::picture].empty());
        }
        EXPECT_GE(items, 60);
        EXPECT_LE(items, 150);
        EXPECT_GE(potions, 5);
        EXPECT_EQ(kinds, (std::set<int>{1, 2, 3}));
        for (int level = 1; level <= 8; ++level)
            EXPECT_EQ(rarityByLevel[level].size(), 3u) << "level " << level;
        // A boss (hero level + 2, so 3 to 10) needs a treasure of its level that is not common.
        for (int level = 3; level <= 10; ++level) {
            const auto& r = rarityByLevel[level];
            EXPECT_TRUE(r.count(1) || r.count(2)) << "no boss treasure of level " << level;
        }
    }
}

TEST_F(ScenarioContent, TutorialMapHasWhatTheTutorialUses) {
    const auto g = Load("desertofdarkness");
    const int cx = g->lord[1][Lord::castleX], cy = g->lord[1][Lord::castleY];
    const int range = 5;                                // the move range every lord starts with
    const int fields[3][2] = {{3, 9}, {5, 8}, {5, 6}};  // wood, iron, dungeon entrance
    for (const auto& f : fields) {
        EXPECT_GT(g->field[f[0]][f[1]][Field::walkable], 0) << f[0] << "," << f[1];
        EXPECT_LE(Distance(cx, cy, f[0], f[1]), range) << f[0] << "," << f[1];
        EXPECT_EQ(g->field[f[0]][f[1]][Field::owner], 0);
        for (int s = 1; s <= 10; ++s)
            EXPECT_FALSE(g->mapSite[s][MapSite::active] > 0 && g->mapSite[s][MapSite::x] == f[0] &&
                         g->mapSite[s][MapSite::y] == f[1]);
    }
    EXPECT_EQ(cy + 1, 9);  // the wood lies just below the army
    EXPECT_EQ(cx, 3);
    bool cityInReach = false;
    for (int s = 1; s <= 10; ++s)
        cityInReach |=
            g->mapSite[s][MapSite::kind] == 1 &&
            Distance(cx, cy, g->mapSite[s][MapSite::x], g->mapSite[s][MapSite::y]) <= range;
    EXPECT_TRUE(cityInReach);
    EXPECT_EQ(g->monsterTable[1][MonsterTable::exists], 1);
    EXPECT_EQ(g->monsterTable[1][MonsterTable::monsterLevel], 1);
    EXPECT_EQ(g->itemTable[1][ItemTable::exists], 1);
    EXPECT_EQ(g->itemTable[1][ItemTable::itemLevel], 1);
    EXPECT_EQ(g->itemTable[132][ItemTable::itemKind], 3);  // the heal potion
    EXPECT_EQ(g->itemTable[132][ItemTable::hitStrength], 0);
    EXPECT_GT(g->itemTable[132][ItemTable::healStrength], 0);
    EXPECT_EQ(g->itemText[132][ItemText::fullName], "Heal potion");
}

TEST_F(ScenarioContent, PictureListNamesEveryPictureForm) {
    std::set<std::string> names;
    const auto g = Load("showdown");
    scenarios::CollectPictureNames(*g, names);
    EXPECT_TRUE(names.count("showdown.jpg"));
    EXPECT_TRUE(names.count("m1_orc.jpg"));
    EXPECT_TRUE(names.count("m1_orc_red.jpg"));
    const std::string sword = g->itemText[1][ItemText::picture];
    EXPECT_TRUE(names.count(sword + ".jpg"));
    EXPECT_TRUE(names.count(sword + "_g.jpg"));  // a weapon also has its equipped form
    for (int n = 1; n <= 500; ++n) {
        if (g->itemTable[n][ItemTable::itemKind] != 3) continue;
        EXPECT_FALSE(names.count(g->itemText[n][ItemText::picture] + "_g.jpg")) << n;
        EXPECT_TRUE(names.count(g->itemText[n][ItemText::picture] + ".jpg")) << n;
        break;
    }
    for (const std::string& n : names)
        EXPECT_TRUE(n.size() > 4 && n.substr(n.size() - 4) == ".jpg") << n;
}

TEST(ScenarioRecords, FieldsAndLordsSitWhereTheMapFileSays) {
    auto g = std::make_unique<GameState>();
    g->field[4][7][Field::walkable] = 4711;
    g->field[12][11][100] = -9;
    g->lord[3][Lord::castleX] = 8;
    g->mapSetting[MapSetting::theme] = 17;
    g->realmName[4] = "Isles";
    const auto bytes = EncodeMap(*g);
    ASSERT_EQ(bytes.size(), 14704u * kRecordSize);
    // Field (x, y) starts at record (x - 1) * 1100 + (y - 1) * 100 + 1 (counting from 1).
    EXPECT_EQ(RecordText(bytes, (4 - 1) * 1100 + (7 - 1) * 100), "4711");
    EXPECT_EQ(RecordText(bytes, 13199), "-9");
    EXPECT_EQ(RecordText(bytes, 14420 - 1), "8");                    // lord 3's castleX
    EXPECT_EQ(RecordText(bytes, 13200 + 1000 + 400 + 3 - 1), "17");  // the theme
    EXPECT_EQ(RecordText(bytes, 14703), "Isles");
}

}  // namespace

namespace {

// Every shipped scenario starts a new game with each lord that takes part as the player: the
// player's lord is human and in the game, every other taking-part lord is a computer lord, and
// after the first round's preparation (the computer lords before the player have acted) every
// condition of the tables holds.
TEST_F(ScenarioContent, EveryTakingPartLordCanStartANewGame) {
    logic::FixedAnswerDialogs dialogs({logic::kOfferSecond, logic::kAnswerNo, 1});
    logic::InstallDialogs(&dialogs);
    logic::Hooks().Clear();
    for (const Expected& e : kScenarios) {
        const auto loaded = Load(e.name);
        int players = 0;
        for (int p = 1; p <= 4; ++p) {
            if (loaded->lord[p][Lord::inGame] <= 0) continue;
            ++players;
            GameState& g = G();
            g = *loaded;
            state::ScenarioSetup(g);
            bool tookPart[5] = {};
            for (int q = 1; q <= 4; ++q) {
                g.lord[q][Lord::controller] =
                    q == p ? logic::kHumanController : logic::kComputerController;
                tookPart[q] = g.lord[q][Lord::inGame] > 0;
            }
            state::SetDifficulty(1, g);
            state::SeedRandom(static_cast<unsigned>(p));
            logic::ApplyThemeStartValues(g.mapSetting[MapSetting::theme]);
            logic::PrepareFirstRound();
            EXPECT_TRUE(logic::IsHuman(p) && logic::InGame(p)) << e.name << " lord " << p;
            EXPECT_EQ(app::BrokenInvariant(tookPart), "") << e.name << " lord " << p;
            EXPECT_TRUE(logic::InGame(g.currentLord)) << e.name << " lord " << p;
            if (players == 1 && e.name == std::string("desertofdarkness"))
                InvariantsTakeTheTablesBounds(tookPart);
        }
        EXPECT_EQ(players, e.lords) << e.name;
    }
    logic::Hooks().Clear();
    logic::InstallDialogs(nullptr);
}

}  // namespace
