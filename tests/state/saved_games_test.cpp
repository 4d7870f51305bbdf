#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/files.h"
#include "state/int_file.h"
#include "state/records.h"
#include "state/saved_games.h"
#include "state/temp_folders.h"
#include "support/child_peak.h"
#include "support/immutable_file.h"

namespace {

using namespace state;
using Bytes = std::vector<std::uint8_t>;

class SavedGames : public statetest::TempFolders {
  protected:
    // A game in progress with a distinct value in every saved table.
    void FillGame(GameState& g) {
        g.troopType[1][1] = 6;
        g.troopType[100][3] = 33;
        g.hero[4][100] = 44;
        g.room[7][5][13] = 2;
        g.reservedA[4] = 4;
        g.heroGear[4][4][2] = 17;
        g.itemTable[500][100] = 500;
        g.dungeonPickup[1][1] = 71;
        g.field[12][11][Field::owner] = 3;
        g.aiFieldScore[12][11] = -99;
        g.lord[2][Lord::gold] = 4321;
        g.army[4][Army::soldiers] = 12;
        g.heroSkill[1][HeroSkill::askBeforeLoad] = 1;
        g.storedDungeonPickup[100][7][100] = 1007;
        g.spawnField[6][SpawnField::roundsLeft] = 5;
        g.aiPlanB[48][100] = 48;
        g.dungeonTurn = 9;
        g.dungeonLord = 2;
        g.currentLord = 3;
        g.inDungeon = 1;
        // The current lord takes part, and so does the lord inside the dungeon, with a living
        // hero, so the game can go on after a load.
        g.lord[2][Lord::inGame] = 1;
        g.lord[2][Lord::controller] = 2;
        g.lord[2][Lord::castleX] = 8;
        g.lord[2][Lord::castleY] = 2;
        g.hero[2][Hero::health] = 40;
        g.hero[2][Hero::baseMaxHealth] = 40;
        g.hero[3][Hero::baseMaxHealth] = 25;
        g.lord[3][Lord::inGame] = 1;
        g.lord[3][Lord::controller] = 1;
        g.lord[3][Lord::castleX] = 5;
        g.lord[3][Lord::castleY] = 5;
        g.playedScenario = 12;
        g.heroName[1] = "Sultan Hunas";
        g.reservedText[30][10] = "reserved";
        g.itemText[500][10] = std::string(300, 'i');  // longer than a record holds
        g.realmName[4] = "Sultanate Aryabhata";
    }
};

TEST_F(SavedGames, FilesHaveTheirExactSizesAndLayout) {
    FillGame(G());
    std::string error;
    ASSERT_TRUE(SaveGame(1, error)) << error;
    const Bytes ints = ReadUserFile("Savegame01.int");
    const Bytes texts = ReadUserFile("Savegame01.str");
    ASSERT_EQ(ints.size(), 666564u);
    ASSERT_EQ(texts.size(), 1617408u);
    auto value = [&](std::size_t number) { return IntAt(ints, number - 1); };
    EXPECT_EQ(value(1), 6);
    EXPECT_EQ(value(300), 33);
    EXPECT_EQ(value(700), 44);
    EXPECT_EQ(value(4204), 4);
    EXPECT_EQ(value(6004 - 98), 17);
    EXPECT_EQ(value(66104), 500);
    EXPECT_EQ(value(66105), 71);
    EXPECT_EQ(value(80004 - 100 + Field::owner), 3);
    EXPECT_EQ(value(80136), -99);
    EXPECT_EQ(value(80238), 4321);
    EXPECT_EQ(value(80936 - 100 + Army::soldiers), 12);
    EXPECT_EQ(value(81537), 1);
    EXPECT_EQ(value(151936), 1007);
    EXPECT_EQ(value(152536 - 95), 5);
    EXPECT_EQ(value(166636), 48);
    EXPECT_EQ(value(166637), 9);
    EXPECT_EQ(value(166638), 2);
    EXPECT_EQ(value(166639), 3);
    EXPECT_EQ(value(166640), 1);
    EXPECT_EQ(value(166641), 12);
    auto text = [&](std::size_t number) { return std::string(RecordText(texts, number - 1)); };
    EXPECT_EQ(text(1), "Sultan Hunas");
    EXPECT_EQ(text(304), "reserved");
    EXPECT_EQ(text(6314), std::string(255, 'i'));
    EXPECT_EQ(text(6318), "Sultanate Aryabhata");

    EXPECT_EQ(SlotBaseName(1), "Savegame01");
    EXPECT_EQ(SlotBaseName(5), "Savegame05");
    EXPECT_EQ(SlotBaseName(6), "Autosavegame");
    EXPECT_EQ(SlotBaseName(0), "");
    EXPECT_EQ(SlotBaseName(7), "");
    EXPECT_TRUE(SlotExists(1));
    EXPECT_FALSE(SlotExists(2));
    EXPECT_FALSE(SaveGame(7, error));
}

TEST_F(SavedGames, SaveLoadSaveGivesTheSameBytesAndKeepsRunTimeValuesOut) {
    FillGame(G());
    G().army[0][1] = 5;  // scratch army, never saved
    G().monsterTable[0][1] = 6;
    G().battleOwnSide[10] = 7;
    std::string error;
    ASSERT_TRUE(SaveGame(6, error)) << error;
    G() = *std::make_unique<GameState>();
    G().gameOver = true;
    ASSERT_TRUE(LoadGame(6, error)) << error;
    EXPECT_EQ(G().lord[2][Lord::gold], 4321);
    EXPECT_EQ(G().currentLord, 3);
    EXPECT_EQ(G().inDungeon, 1);
    EXPECT_EQ(G().heroName[1], "Sultan Hunas");
    EXPECT_EQ(G().army[0][1], 0);
    EXPECT_FALSE(G().gameOver);
    ASSERT_TRUE(SaveGame(2, error)) << error;
    EXPECT_EQ(ReadUserFile("Autosavegame.int"), ReadUserFile("Savegame02.int"));
    EXPECT_EQ(ReadUserFile("Autosavegame.str"), ReadUserFile("Savegame02.str"));
}

TEST_F(SavedGames, ATruncatedOrMissingFileKeepsTheRunningGame) {
    FillGame(G());
    std::string error;
    ASSERT_TRUE(SaveGame(3, error)) << error;
    G().lord[2][Lord::gold] = 1;
    G().currentLord = 4;
    for (const char* file : {"Savegame03.int", "Savegame03.str"}) {
        const Bytes whole = ReadUserFile(file);
        WriteUserFile(file, Bytes(whole.begin(), whole.end() - 4));
        error.clear();
        EXPECT_FALSE(LoadGame(3, error)) << file;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(G().lord[2][Lord::gold], 1);
        EXPECT_EQ(G().currentLord, 4);
        Bytes longer = whole;
        longer.push_back(0);
        WriteUserFile(file, longer);
        EXPECT_FALSE(LoadGame(3, error)) << file;
        WriteUserFile(file, whole);
    }
    EXPECT_FALSE(LoadGame(4, error));
    EXPECT_EQ(G().currentLord, 4);
    ASSERT_TRUE(LoadGame(3, error)) << error;
    EXPECT_EQ(G().currentLord, 3);
}

// A save over a slot whose second file cannot be replaced leaves the first as it was (the
// previous game) and says so; a new slot gains no file at all.
TEST_F(SavedGames, ASlotIsReplacedWholeOrNotAtAll) {
    FillGame(G());
    std::string error;
    ASSERT_TRUE(SaveGame(1, error)) << error;
    const Bytes ints = ReadUserFile("Savegame01.int");
    const Bytes texts = ReadUserFile("Savegame01.str");
    auto userFiles = [this] {
        std::vector<std::string> names;
        for (auto& e : std::filesystem::directory_iterator(user_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    G().lord[2][Lord::gold] = 9999;  // the game saved next differs from the one in the slot

    // A folder (with a file in it) stands where the ".str" file goes.
    std::filesystem::remove(UserFile("Savegame01.str"));
    std::filesystem::create_directory(UserFile("Savegame01.str"));
    WriteUserFile("Savegame01.str/keep", {1});
    std::filesystem::create_directory(UserFile("Savegame02.str"));
    EXPECT_FALSE(SaveGame(1, error));
    EXPECT_EQ(error,
              "I/O error: cannot write \"Savegame01.str\" (Is a directory). The slot was left as "
              "it was.");
    EXPECT_EQ(ReadUserFile("Savegame01.int"), ints);
    EXPECT_FALSE(SaveGame(2, error));
    EXPECT_EQ(error,
              "I/O error: cannot write \"Savegame02.str\" (Is a directory). The slot was left as "
              "it was.");
    EXPECT_FALSE(SlotExists(2));
    EXPECT_EQ(userFiles(), (std::vector<std::string>{"Savegame01.info", "Savegame01.int",
                                                     "Savegame01.str", "Savegame02.str"}));

    // A ".str" file that cannot be replaced even by root, where the system allows marking one.
    std::filesystem::remove_all(UserFile("Savegame01.str"));
    WriteUserFile("Savegame01.str", texts);
    testsupport::ImmutableFile locked(UserFile("Savegame01.str"));
    if (locked.Marked()) {
        EXPECT_FALSE(SaveGame(1, error));
        EXPECT_EQ(error,
                  "I/O error: cannot write \"Savegame01.str\" (Operation not permitted). The slot "
                  "was left as it was.");
        EXPECT_EQ(ReadUserFile("Savegame01.int"), ints);
        EXPECT_EQ(ReadUserFile("Savegame01.str"), texts);
        ASSERT_TRUE(LoadGame(1, error)) << error;
        EXPECT_EQ(G().lord[2][Lord::gold], 4321);
    }
}

// Slot files and the descriptions file larger than their exact sizes are refused before a byte
// of them is read: gigabytes cost neither the memory nor the time (measured from outside).
TEST_F(SavedGames, OversizedFilesAreRefusedUnread) {
    FillGame(G());
    std::string error;
    ASSERT_TRUE(SaveGame(1, error)) << error;
    ASSERT_TRUE(SaveGame(2, error)) << error;
    ASSERT_TRUE(WriteDescriptions({"one", "two", "", "", ""}, error)) << error;
    constexpr std::uintmax_t kGigabyte = std::uintmax_t{1} << 30;
    testsupport::MakeSparseFile(UserFile("Savegame01.int"), kGigabyte);
    testsupport::MakeSparseFile(UserFile("Savegame02.str"), kGigabyte);
    testsupport::MakeSparseFile(UserFile("Savegamedata.str"), kGigabyte);
    G().currentLord = 4;

    const testsupport::ChildRun run = testsupport::RunInChild([] {
        std::string error;
        if (LoadGame(1, error)) return 1;
        if (error !=
            "The file \"Savegame01.int\" is damaged or is not a saved game of "
            "Marchholt, so it was not loaded. The current game was kept.")
            return 2;
        if (LoadGame(2, error)) return 3;
        if (error !=
            "The file \"Savegame02.str\" is damaged or is not a saved game of "
            "Marchholt, so it was not loaded. The current game was kept.")
            return 4;
        if (G().currentLord != 4) return 5;
        if (ReadDescriptions() != SlotDescriptions{}) return 6;
        return 0;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
}

TEST_F(SavedGames, AFailedSaveIsReported) {
    // The user folder cannot be made: a file stands where it should be.
    WriteUserFile("blocker", {1});
    platform::UseFiles(platform::Files(data_, user_ / "blocker" / "inside"));
    std::string error;
    EXPECT_FALSE(SaveGame(1, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(SlotExists(1));
    EXPECT_FALSE(WriteDescriptions({}, error));
}

TEST_F(SavedGames, DescriptionsFileReadsFiveRecords) {
    SlotDescriptions none = ReadDescriptions();
    for (const auto& d : none)
        EXPECT_EQ(d, "");

    SlotDescriptions written = {"Before the siege", "", "Dungeon", "x", std::string(256, 'd')};
    std::string error;
    ASSERT_TRUE(WriteDescriptions(written, error)) << error;
    EXPECT_EQ(ReadUserFile("Savegamedata.str").size(), 5u * 256u);
    SlotDescriptions read = ReadDescriptions();
    EXPECT_EQ(read[0], "Before the siege");
    EXPECT_EQ(read[2], "Dungeon");
    EXPECT_EQ(read[4], std::string(255, 'd'));

    const Bytes whole = ReadUserFile("Savegamedata.str");
    WriteUserFile("Savegamedata.str", Bytes(whole.begin(), whole.begin() + 2 * 256 + 10));
    read = ReadDescriptions();
    EXPECT_EQ(read[0], "Before the siege");
    EXPECT_EQ(read[2], "");
}

}  // namespace
