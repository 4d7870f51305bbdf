// The small file beside each saved game: the round goes with the slot, a slot without the file
// or with a damaged one loads as before with the round unknown, and the file says what tells
// the slot apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "state/saved_games.h"
#include "state/slot_info.h"
#include "state/temp_folders.h"

namespace {

using namespace state;
using Bytes = std::vector<std::uint8_t>;

class SlotInfoFile : public statetest::TempFolders {
  protected:
    // A game that can be loaded: the human plays lord 3 on "Twin Rivers" at "God-like".
    static void PlayableGame(GameState& g) {
        g.currentLord = 3;
        g.lord[3][Lord::inGame] = 1;
        g.lord[3][Lord::controller] = 1;
        g.lord[3][Lord::castleX] = 5;
        g.lord[3][Lord::castleY] = 5;
        g.lord[3][Lord::difficulty] = 12;
        g.hero[3][Hero::baseMaxHealth] = 25;
        g.modText[ModText::title] = "Twin Rivers";
        g.lord[3][Lord::gold] = 777;
    }
    static Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }
};

TEST_F(SlotInfoFile, TheRoundGoesWithTheSlotAndIsUnknownWithoutTheFile) {
    auto saved = std::make_unique<GameState>();
    PlayableGame(*saved);
    saved->round = 37;
    std::string error;
    ASSERT_TRUE(SaveGame(2, error, *saved)) << error;
    ASSERT_TRUE(std::filesystem::exists(UserFile("Savegame02.info")));

    auto loaded = std::make_unique<GameState>();
    ASSERT_TRUE(LoadGame(2, error, *loaded)) << error;
    EXPECT_EQ(loaded->round, 37);
    EXPECT_EQ(loaded->lord[3][Lord::gold], 777);

    // What the file says of the slot.
    const std::optional<SlotInfo> info = ReadSlotInfo(2);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->round, 37);
    EXPECT_EQ(info->title, "Twin Rivers");
    EXPECT_EQ(info->lord, 3);
    EXPECT_EQ(info->difficulty, 12);
    EXPECT_EQ(info->version, GameVersion());
    EXPECT_EQ(info->savedAt.size(), std::string("2026-12-10 08:31").size()) << info->savedAt;
    const Bytes file = ReadUserFile("Savegame02.info");
    EXPECT_NE(std::string(file.begin(), file.end()).find("\ncolour=Red\n"), std::string::npos);

    // Saved by an earlier build: no small file. The game loads, its round unknown.
    std::filesystem::remove(UserFile("Savegame02.info"));
    loaded->round = 5;
    ASSERT_TRUE(LoadGame(2, error, *loaded)) << error;
    EXPECT_EQ(loaded->round, kUnknownRound);
    EXPECT_EQ(loaded->lord[3][Lord::gold], 777);
    EXPECT_FALSE(ReadSlotInfo(2));

    // A damaged small file never stops a load: it reads as unknown.
    for (const std::string& damaged :
         {std::string("round=12\n"), std::string("marchholt slot\nround=twelve\n"),
          std::string("marchholt slot\nround=0\n"), std::string("marchholt slot\nround=-4\n"),
          std::string("marchholt slot\nround=99999999999\n"),
          "marchholt slot\nround=3\n" + std::string(5000, 'x')}) {
        WriteUserFile("Savegame02.info", Text(damaged));
        loaded->round = 5;
        ASSERT_TRUE(LoadGame(2, error, *loaded)) << error;
        EXPECT_EQ(loaded->round, kUnknownRound) << damaged.substr(0, 40);
    }
    // Its own lines in any order, with Windows line ends, and keys it does not know.
    WriteUserFile("Savegame02.info",
                  Text("marchholt slot\r\nfuture=1\r\nlord=2\r\nround=8\r\ndifficulty=13\r\n"));
    ASSERT_TRUE(LoadGame(2, error, *loaded)) << error;
    EXPECT_EQ(loaded->round, 8);
    EXPECT_EQ(ReadSlotInfo(2)->lord, 2);
    EXPECT_EQ(ReadSlotInfo(2)->difficulty, 0);
}

TEST_F(SlotInfoFile, TextsAreKeptToOneLineAndValuesNamed) {
    SlotInfo info;
    info.round = 4;
    info.title = "Two\nlines" + std::string(300, 'a');
    info.savedAt = "2026-12-10 08:31";
    const std::optional<SlotInfo> back = DecodeSlotInfo(EncodeSlotInfo(info));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->round, 4);
    EXPECT_EQ(back->title.substr(0, 9), "Two lines");
    EXPECT_EQ(back->title.size(), 255u);
    EXPECT_EQ(back->savedAt, "2026-12-10 08:31");
    EXPECT_EQ(back->lord, 0);

    SlotInfo full;
    full.round = 12;
    full.title = "Showdown";
    full.lord = 3;
    full.difficulty = 7;
    full.savedAt = "2026-12-10 08:31";
    EXPECT_EQ(SlotDetailsLine(full), "Showdown - Round 12 - Red - Medium - 2026-12-10 08:31");
    SlotInfo sparse;  // a file that knew only its round, and that not
    EXPECT_EQ(SlotDetailsLine(sparse), "Round ?");

    EXPECT_EQ(LordColourName(1), "Blue");
    EXPECT_EQ(LordColourName(4), "Cyan");
    EXPECT_EQ(LordColourName(0), "");
    EXPECT_EQ(LordColourName(5), "");
    EXPECT_EQ(DifficultyCaption(7), "Medium");
    EXPECT_EQ(DifficultyCaption(12), "God-like");
    EXPECT_EQ(DifficultyCaption(2), "");
}

}  // namespace
