#include <gtest/gtest.h>

#include "platform/files.h"
#include "state/int_file.h"
#include "state/progress_file.h"
#include "state/temp_folders.h"
#include "support/child_peak.h"

namespace {

using namespace state;
using Bytes = std::vector<std::uint8_t>;

class ProgressFile : public statetest::TempFolders {
  protected:
    static Bytes Ints(std::initializer_list<Int> values) {
        Bytes out;
        for (Int v : values)
            AppendInt(out, v);
        return out;
    }
};

TEST_F(ProgressFile, ACompleteFileIsReadAsStored) {
    WriteUserFile("GeneralData.int", Ints({7, 5, 2, 1, 2, 0}));
    std::string error;
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().scenariosUnlocked, 7);
    EXPECT_EQ(G().difficultyUnlocked, 5);
    EXPECT_EQ(G().startCount, 2);
    EXPECT_TRUE(G().soundOn);
    EXPECT_FALSE(G().musicOn);  // a stored 2 is off
    EXPECT_FALSE(G().hintsOn);
    // Reading a complete file does not rewrite it.
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({7, 5, 2, 1, 2, 0}));

    G().startCount = 3;
    ASSERT_TRUE(WriteProgress(error)) << error;
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({7, 5, 3, 1, 0, 0}));
}

TEST_F(ProgressFile, AShortOrMissingFileTurnsTheSwitchesOnAndIsRewritten) {
    WriteUserFile("GeneralData.int", Ints({12, 9, 3}));
    std::string error;
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().scenariosUnlocked, 12);
    EXPECT_EQ(G().difficultyUnlocked, 9);
    EXPECT_EQ(G().startCount, 3);
    EXPECT_TRUE(G().soundOn && G().musicOn && G().hintsOn);
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({12, 9, 3, 1, 1, 1}));

    // Five values and a stray byte: the first three are kept, the switches still come up on.
    Bytes five = Ints({4, 4, 4, 0, 0});
    five.push_back(9);
    WriteUserFile("GeneralData.int", five);
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().startCount, 4);
    EXPECT_TRUE(G().soundOn && G().musicOn && G().hintsOn);

    // One and a half values: what was read is kept, the rest is 0.
    Bytes partial = Ints({6});
    partial.push_back(1);
    partial.push_back(2);
    WriteUserFile("GeneralData.int", partial);
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().scenariosUnlocked, 6);
    EXPECT_EQ(G().difficultyUnlocked, 0);
    EXPECT_EQ(G().startCount, 0);

    std::filesystem::remove(UserFile("GeneralData.int"));
    G().soundOn = false;
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().startCount, 0);
    EXPECT_TRUE(G().soundOn);
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({0, 0, 0, 1, 1, 1}));
}

// Longer than its six values, the file is not read at all (a gigabyte costs nothing, measured
// from outside): it counts as unreadable and is written anew.
TEST_F(ProgressFile, ALongerFileIsRefusedUnreadAndRewritten) {
    Bytes seven = Ints({7, 5, 2, 0, 0, 0, 1});
    WriteUserFile("GeneralData.int", seven);
    std::string error;
    ASSERT_TRUE(ReadProgress(error)) << error;
    EXPECT_EQ(G().scenariosUnlocked, 0);
    EXPECT_TRUE(G().soundOn && G().musicOn && G().hintsOn);
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({0, 0, 0, 1, 1, 1}));

    testsupport::MakeSparseFile(UserFile("GeneralData.int"), std::uintmax_t{1} << 30);
    G().soundOn = false;
    const testsupport::ChildRun run = testsupport::RunInChild([] {
        std::string error;
        return ReadProgress(error) && G().soundOn ? 0 : 1;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
    EXPECT_EQ(ReadUserFile("GeneralData.int"), Ints({0, 0, 0, 1, 1, 1}));
}

TEST_F(ProgressFile, AWriteErrorIsReportedToTheCaller) {
    WriteUserFile("blocker", {1});
    platform::UseFiles(platform::Files(data_, user_ / "blocker" / "inside"));
    std::string error;
    EXPECT_FALSE(ReadProgress(error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(G().soundOn);  // the defaults are in place all the same
    error.clear();
    EXPECT_FALSE(WriteProgress(error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
