#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "state/records.h"
#include "state/scenario_files.h"
#include "state/temp_folders.h"
#include "support/child_peak.h"
#include "support/temp_dir.h"

namespace {

using namespace state;
using Bytes = std::vector<std::uint8_t>;

class ScenarioFiles : public statetest::TempFolders {
  protected:
    // A scenario whose every value tells where it came from; all three data files share the
    // base name "Vale".
    void SetUp() override {
        TempFolders::SetUp();
        source_ = std::make_unique<GameState>();
        GameState& s = *source_;
        for (int i = 1; i <= 100; ++i)
            s.modSetting[i] = 5000 + i;
        for (int t = 1; t <= 10; ++t)
            s.modText[t] = "text " + std::to_string(t);
        s.modText[ModText::mapFile] = s.modText[ModText::monsterFile] = "Vale";
        s.modText[ModText::itemFile] = "Vale";
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                for (int k = 1; k <= 100; ++k)
                    s.field[x][y][k] = x * 100000 + y * 1000 + k;
            }
        }
        for (int k = 1; k <= 100; ++k) {
            for (int r = 1; r <= 10; ++r)
                s.mapSite[r][k] = -(r * 1000 + k);
            for (int p = 1; p <= 4; ++p)
                s.lord[p][k] = 700000 + p * 1000 + k;
            s.mapSetting[k] = 900 + k;
            for (int m = 1; m <= 100; ++m)
                s.monsterTable[m][k] = m * 1000 + k;
            for (int i = 1; i <= 500; ++i)
                s.itemTable[i][k] = i * 1000 + k;
        }
        for (int p = 1; p <= 4; ++p)
            s.realmName[p] = "Realm " + std::to_string(p);
        s.monsterText[100][10] = "last monster text";
        s.itemText[1][1] = "Sword";
        s.itemText[500][10] = "last item text";
        WriteUserFile("Vale.mod", EncodeModule(s));
        WriteUserFile("Vale.map", EncodeMap(s));
        WriteUserFile("Vale.mon", EncodeMonsters(s));
        WriteUserFile("Vale.itm", EncodeItems(s));
    }
    std::unique_ptr<GameState> source_;
};

std::string Record(const Bytes& file, std::size_t number) {
    return std::string(RecordText(file, number - 1));
}

TEST_F(ScenarioFiles, RecordsSitWhereTheFormatPutsThem) {
    const Bytes map = EncodeMap(*source_);
    ASSERT_EQ(map.size(), 14704 * kRecordSize);
    for (int x : {1, 5, 12}) {
        for (int y : {1, 7, 11}) {
            const std::size_t first = static_cast<std::size_t>((x - 1) * 1100 + (y - 1) * 100 + 1);
            EXPECT_EQ(Record(map, first), std::to_string(source_->field[x][y][1]));
            EXPECT_EQ(Record(map, first + 99), std::to_string(source_->field[x][y][100]));
        }
    }
    EXPECT_EQ(Record(map, 13201), std::to_string(source_->mapSite[1][1]));
    EXPECT_EQ(Record(map, 14420), std::to_string(source_->lord[3][Lord::castleX]));
    EXPECT_EQ(Record(map, 14603), std::to_string(source_->mapSetting[MapSetting::theme]));
    EXPECT_EQ(Record(map, 14701), "Realm 1");
    EXPECT_EQ(Record(map, 14704), "Realm 4");

    const Bytes module = EncodeModule(*source_);
    ASSERT_EQ(module.size(), 110 * kRecordSize);
    EXPECT_EQ(Record(module, 100), "5100");
    EXPECT_EQ(Record(module, 101), "text 1");
    const Bytes monsters = EncodeMonsters(*source_);
    ASSERT_EQ(monsters.size(), 11000 * kRecordSize);
    EXPECT_EQ(Record(monsters, 10000), "100100");
    EXPECT_EQ(Record(monsters, 11000), "last monster text");
    const Bytes items = EncodeItems(*source_);
    ASSERT_EQ(items.size(), 55000 * kRecordSize);
    EXPECT_EQ(Record(items, 50001), "Sword");
    EXPECT_EQ(Record(items, 55000), "last item text");
}

TEST_F(ScenarioFiles, LoadScenarioFillsTheTablesThenRunsSetup) {
    int setupRuns = 0;
    Int startedDuringSetup = -1;
    GameState& g = G();
    g.monsterTable[0][1] = 31;  // a set-piece opponent is not part of the file
    const LoadResult result = LoadScenario("vale", [&](GameState& s) {
        ++setupRuns;
        startedDuringSetup = s.modSetting[ModSetting::started];
        EXPECT_EQ(s.itemTable[500][100], 500100);  // setup runs after all files are in
    });
    ASSERT_TRUE(result.Ok()) << result.message;
    EXPECT_EQ(setupRuns, 1);
    EXPECT_EQ(startedDuringSetup, 0);
    EXPECT_EQ(g.modSetting[2], 5002);
    EXPECT_EQ(g.modText[ModText::title], "text 1");
    EXPECT_EQ(g.field[12][11][100], 1211100);
    EXPECT_EQ(g.field[3][4][Field::owner], 304003);
    EXPECT_EQ(g.mapSite[10][100], -10100);
    EXPECT_EQ(g.lord[3][Lord::castleX], 703020);
    EXPECT_EQ(g.mapSetting[100], 1000);
    EXPECT_EQ(g.realmName[4], "Realm 4");
    EXPECT_EQ(g.monsterTable[100][100], 100100);
    EXPECT_EQ(g.monsterText[100][10], "last monster text");
    EXPECT_EQ(g.itemText[1][1], "Sword");
    EXPECT_EQ(g.monsterTable[0][1], 31);

    // The module on its own marks the scenario as started.
    ASSERT_TRUE(LoadModule("Vale").Ok());
    EXPECT_EQ(g.modSetting[ModSetting::started], 1);

    // Loading twice gives the same tables as loading once.
    ASSERT_TRUE(LoadScenario("Vale").Ok());
    auto once = std::make_unique<GameState>(g);
    ASSERT_TRUE(LoadScenario("Vale").Ok());
    EXPECT_EQ(g.field.cell, once->field.cell);
    EXPECT_EQ(g.itemText.row, once->itemText.row);
    EXPECT_EQ(g.modSetting.slot, once->modSetting.slot);
}

TEST_F(ScenarioFiles, MissingOrShortFilesLeaveTheTablesAsTheyWere) {
    GameState& g = G();
    bool setupRan = false;
    LoadResult result = LoadScenario("Nowhere", [&](GameState&) { setupRan = true; });
    EXPECT_EQ(result.status, LoadStatus::notFound);
    EXPECT_EQ(result.message, "Sorry, this scenario could not be found.");
    EXPECT_FALSE(setupRan);

    ASSERT_TRUE(LoadScenario("Vale").Ok());
    const Bytes map = EncodeMap(*source_);
    WriteUserFile("Short.map", Bytes(map.begin(), map.end() - 1));
    g.field[1][1][1] = -5;
    result = LoadMap("Short");
    EXPECT_EQ(result.status, LoadStatus::ioError);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(g.field[1][1][1], -5);
    EXPECT_EQ(LoadMonsters("Missing").status, LoadStatus::ioError);
    EXPECT_EQ(LoadItems("Missing").status, LoadStatus::ioError);
    EXPECT_EQ(g.itemText[1][1], "Sword");

    // A short item file stops the whole scenario: its map and monsters are not applied either.
    const Bytes items = EncodeItems(*source_);
    WriteUserFile("Vale.itm", Bytes(items.begin(), items.begin() + 54999 * 256));
    g.lord[3][Lord::castleX] = 3;
    g.monsterTable[1][1] = 4;
    result = LoadScenario("Vale", [&](GameState&) { setupRan = true; });
    EXPECT_EQ(result.status, LoadStatus::ioError);
    EXPECT_FALSE(setupRan);
    EXPECT_EQ(g.lord[3][Lord::castleX], 3);
    EXPECT_EQ(g.monsterTable[1][1], 4);
}

// A module of any size but its own, an empty one say, is not a scenario of this game; the
// player is told so, not of a disk fault.
TEST_F(ScenarioFiles, AModuleOfTheWrongSizeIsNotAScenario) {
    const Bytes module = EncodeModule(*source_);
    WriteUserFile("empty.mod", {});
    WriteUserFile("Short.mod", Bytes(module.begin(), module.end() - 256));
    Bytes longer = module;
    longer.push_back(0);
    WriteUserFile("Longer.mod", longer);
    G().modSetting[5] = -5;
    for (const std::string name : {"empty", "Short", "Longer"}) {
        const LoadResult result = LoadScenario(name);
        EXPECT_EQ(result.status, LoadStatus::ioError) << name;
        EXPECT_EQ(result.message, "The file \"" + name +
                                      ".mod\" is damaged or is not a scenario of Marchholt, so "
                                      "it was not loaded.");
        EXPECT_EQ(G().modSetting[5], -5);
    }
}

// Files larger than their format are refused before a byte of them is read: gigabytes cost
// neither the memory nor the time (measured from outside), and the tables stay as they were.
TEST_F(ScenarioFiles, OversizedFilesAreRefusedUnread) {
    ASSERT_TRUE(LoadScenario("Vale").Ok());
    const Bytes map = EncodeMap(*source_);
    Bytes longer = map;
    longer.push_back(0);
    WriteUserFile("Longer.map", longer);
    EXPECT_EQ(LoadMap("Longer").message, "I/O error: cannot read \"Longer.map\" (File too large).");
    constexpr std::uintmax_t kGigabyte = std::uintmax_t{1} << 30;
    testsupport::MakeSparseFile(UserFile("Huge.mod"), 3 * kGigabyte);
    for (const char* file : {"Huge.map", "Huge.mon", "Huge.itm"})
        testsupport::MakeSparseFile(UserFile(file), kGigabyte);
    G().field[1][1][1] = -5;

    const testsupport::ChildRun run = testsupport::RunInChild([] {
        const std::pair<LoadResult, std::string> results[] = {
            {LoadModule("Huge"),
             "The file \"Huge.mod\" is damaged or is not a scenario of "
             "Marchholt, so it was not loaded."},
            {LoadMap("Huge"), "I/O error: cannot read \"Huge.map\" (File too large)."},
            {LoadMonsters("Huge"), "I/O error: cannot read \"Huge.mon\" (File too large)."},
            {LoadItems("Huge"), "I/O error: cannot read \"Huge.itm\" (File too large)."},
        };
        int failed = 0;
        for (const auto& [result, message] : results) {
            ++failed;
            if (result.status != LoadStatus::ioError || result.message != message) return failed;
        }
        return G().field[1][1][1] == -5 && G().itemText[1][1] == "Sword" ? 0 : 9;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
}

TEST_F(ScenarioFiles, ARecordThatIsNoNumberReadsAsZero) {
    Bytes map = EncodeMap(*source_);
    const std::string junk = "12x";
    map[0] = static_cast<std::uint8_t>(junk.size());
    std::copy(junk.begin(), junk.end(), map.begin() + 1);
    std::fill(map.begin() + 257, map.begin() + 512, 0xff);  // record 2: garbage, length 0xff
    map[256] = 0xff;
    WriteUserFile("Junk.map", map);
    ASSERT_TRUE(LoadMap("Junk").Ok());
    EXPECT_EQ(G().field[1][1][1], 0);
    EXPECT_EQ(G().field[1][1][2], 0);
    EXPECT_EQ(G().field[1][1][3], 101003);
}

TEST_F(ScenarioFiles, WritersGoToTheUserFolder) {
    std::string error;
    ASSERT_TRUE(WriteMap("Copy", error, *source_)) << error;
    ASSERT_TRUE(WriteModule("Copy", error, *source_)) << error;
    ASSERT_TRUE(WriteMonsters("Copy", error, *source_)) << error;
    ASSERT_TRUE(WriteItems("Copy", error, *source_)) << error;
    EXPECT_EQ(ReadUserFile("Copy.map"), EncodeMap(*source_));
    EXPECT_EQ(ReadUserFile("Copy.itm").size(), 55000u * 256u);
}

}  // namespace
