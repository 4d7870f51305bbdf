#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "support/child_peak.h"
#include "support/immutable_file.h"
#include "support/temp_dir.h"

namespace {

using platform::Files;
using testsupport::TempDir;

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(Files, BareNamesAreFoundIgnoringCaseUserFolderFirst) {
    TempDir data, user;
    data.WriteText("Intro.ogg", "data intro");
    data.WriteText("hero1.jpg", "data hero");
    user.WriteText("HERO1.JPG", "user hero");
    Files files(data.Path(), user.Path());
    ASSERT_TRUE(files.Find("intro.OGG"));
    EXPECT_EQ(files.Find("intro.OGG")->filename(), "Intro.ogg");
    ASSERT_TRUE(files.Find("hero1.jpg"));
    EXPECT_EQ(files.Find("hero1.jpg")->parent_path(), user.Path());
    EXPECT_FALSE(files.Find("missing.jpg"));
}

TEST(Files, NamesWithPathsOrDotsAreRefused) {
    TempDir data, user;
    std::filesystem::create_directory(data / "sub");
    data.WriteText("sub/inner.jpg", "x");
    data.WriteText("ok.jpg", "x");
    Files files(data.Path(), user.Path());
    for (const char* bad : {"sub/inner.jpg", "../ok.jpg", "..", ".", "", "a\\b.jpg", "x..jpg"}) {
        EXPECT_FALSE(Files::IsBareName(bad)) << bad;
        EXPECT_FALSE(files.Find(bad)) << bad;
    }
    EXPECT_TRUE(files.Find("ok.jpg"));
    std::string error;
    EXPECT_FALSE(files.Write("../escape.int", Bytes("x"), error));
    EXPECT_FALSE(std::filesystem::exists(user.Path().parent_path() / "escape.int"));
}

TEST(Files, WriteReplacesTheSameFileWhateverItsCase) {
    TempDir data, user;
    user.WriteText("SaveGame01.int", "old");
    Files files(data.Path(), user.Path());
    std::string error;
    ASSERT_TRUE(files.Write("Savegame01.int", Bytes("new"), error)) << error;
    EXPECT_EQ(user.ReadFile("SaveGame01.int"), Bytes("new"));
    EXPECT_FALSE(std::filesystem::exists(user / "Savegame01.int"));
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(user.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);  // no temporary file left behind
}

TEST(Files, AFailedWriteOfAPairLeavesThePreviousFilesIntact) {
    TempDir data, user;
    user.WriteText("Savegame02.int", "old ints");
    user.WriteText("Savegame02.str", "old strings");
    Files files(data.Path(), user.Path());
    std::string error;
    // The second file cannot be written (its name is refused), so neither may change.
    EXPECT_EQ(files.WriteAll({{"Savegame02.int", Bytes("new ints")}, {"bad/name.str", Bytes("x")}},
                             error),
              Files::WriteResult::unchanged);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(user.ReadFile("Savegame02.int"), Bytes("old ints"));
    EXPECT_EQ(user.ReadFile("Savegame02.str"), Bytes("old strings"));
    // A target that cannot be replaced (a folder of that name): the other file of the pair,
    // already renamed, gets its previous version back.
    std::filesystem::create_directory(user / "Blocked.str");
    EXPECT_EQ(
        files.WriteAll({{"Savegame02.int", Bytes("new ints")}, {"Blocked.str", Bytes("x")}}, error),
        Files::WriteResult::unchanged);
    EXPECT_EQ(user.ReadFile("Savegame02.int"), Bytes("old ints"));
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(user.Path()))
        ++entries;
    EXPECT_EQ(entries, 3);
}

// Every target of a set gets its previous version back when a later one cannot be replaced,
// and a target that had none is removed again; nothing else is left in the folder.
TEST(Files, ASetIsReplacedWholeOrNotAtAll) {
    TempDir data, user;
    user.WriteText("Savegame03.int", "old ints");
    Files files(data.Path(), user.Path());
    auto entries = [&user] {
        std::vector<std::string> names;
        for (auto& e : std::filesystem::directory_iterator(user.Path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    std::string error;

    // A folder with a file in it where the last file goes: its rename fails.
    std::filesystem::create_directory(user / "Savegame03.str");
    user.WriteText("Savegame03.str/keep", "x");
    EXPECT_EQ(files.WriteAll({{"Savegame03.int", Bytes("new ints")},
                              {"Savegame03.new", Bytes("new file")},
                              {"Savegame03.str", Bytes("new strings")}},
                             error),
              Files::WriteResult::unchanged);
    EXPECT_EQ(error, "I/O error: cannot write \"Savegame03.str\" (Is a directory).");
    EXPECT_EQ(user.ReadFile("Savegame03.int"), Bytes("old ints"));
    EXPECT_EQ(entries(), (std::vector<std::string>{"Savegame03.int", "Savegame03.str"}));

    // A file that cannot be replaced even by root; the system may not allow marking one.
    std::filesystem::remove_all(user / "Savegame03.str");
    user.WriteText("Savegame03.str", "old strings");
    testsupport::ImmutableFile locked(user / "Savegame03.str");
    if (locked.Marked()) {
        EXPECT_EQ(files.WriteAll({{"Savegame03.int", Bytes("new ints")},
                                  {"Savegame03.new", Bytes("new file")},
                                  {"Savegame03.str", Bytes("new strings")}},
                                 error),
                  Files::WriteResult::unchanged);
        EXPECT_EQ(error, "I/O error: cannot write \"Savegame03.str\" (Operation not permitted).");
        EXPECT_EQ(user.ReadFile("Savegame03.int"), Bytes("old ints"));
        EXPECT_EQ(user.ReadFile("Savegame03.str"), Bytes("old strings"));
        EXPECT_EQ(entries(), (std::vector<std::string>{"Savegame03.int", "Savegame03.str"}));
    }
}

// The size is checked before a byte is read: a gigabyte costs nothing, measured from outside.
TEST(Files, AFileLargerThanTheReadersLimitIsRefusedUnread) {
    TempDir data, user;
    testsupport::MakeSparseFile(user / "Huge.int", std::uintmax_t{1} << 30);
    user.WriteText("Small.int", "0123456789");
    Files files(data.Path(), user.Path());
    EXPECT_EQ(files.Size("huge.int"), std::uintmax_t{1} << 30);
    EXPECT_EQ(files.Size("missing.int"), std::nullopt);

    const testsupport::ChildRun run = testsupport::RunInChild([&files] {
        std::vector<std::uint8_t> out;
        std::string error;
        if (files.Read("Huge.int", 1 << 20, out, error) != Files::ReadResult::tooLarge) return 1;
        if (error != "I/O error: cannot read \"Huge.int\" (File too large).") return 2;
        if (!out.empty()) return 3;
        // A part is read from where it lies, up to the end of the file.
        if (files.ReadPart("Huge.int", (std::uintmax_t{1} << 30) - 2, 256, out, error) !=
                Files::ReadResult::read ||
            out != std::vector<std::uint8_t>{0, 0})
            return 4;
        return 0;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);

    std::vector<std::uint8_t> out;
    std::string error;
    EXPECT_EQ(files.Read("Small.int", 10, out, error), Files::ReadResult::read);
    EXPECT_EQ(out, Bytes("0123456789"));
    EXPECT_EQ(files.Read("Small.int", 9, out, error), Files::ReadResult::tooLarge);
    EXPECT_EQ(files.ReadPart("Small.int", 8, 5, out, error), Files::ReadResult::read);
    EXPECT_EQ(out, Bytes("89"));
}

TEST(Files, ReadingAMissingFileSaysWhichFile) {
    TempDir data, user;
    Files files(data.Path(), user.Path());
    std::vector<std::uint8_t> out;
    std::string error;
    EXPECT_EQ(files.Read("GeneralData.int", 24, out, error), Files::ReadResult::failed);
    EXPECT_NE(error.find("GeneralData.int"), std::string::npos);
}

// Started through PATH from another folder, argv[0] is a bare name: the data folder must still
// be found beside the program, not beside the working folder.
TEST(Files, TheDataFolderIsFoundBesideTheProgramFromAnyFolder) {
    TempDir elsewhere, user;
    const std::filesystem::path before = std::filesystem::current_path();
    const char* data = std::getenv("MARCHHOLT_DATA");
    const std::string savedData = data ? data : "";
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string savedXdg = xdg ? xdg : "";
    unsetenv("MARCHHOLT_DATA");
    setenv("XDG_DATA_HOME", user.Path().c_str(), 1);
    std::filesystem::current_path(elsewhere.Path());

    const std::filesystem::path dir = Files::ExecutableDir("marchholt_tests");
    const Files files = Files::FromEnvironment("marchholt_tests");

    std::filesystem::current_path(before);
    if (data) setenv("MARCHHOLT_DATA", savedData.c_str(), 1);
    if (xdg) {
        setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }

    EXPECT_TRUE(std::filesystem::exists(dir / "marchholt_tests")) << dir;
    const std::string dataDir = files.DataDir().string();
    EXPECT_EQ(dataDir.rfind(dir.string(), 0), 0u) << dataDir;
    EXPECT_EQ(dataDir.find(elsewhere.Path().string()), std::string::npos) << dataDir;
    EXPECT_EQ(files.UserDir(), user.Path() / "marchholt");
}

}  // namespace

namespace {

// A folder is listed once for many lookups of other cases, and read again whenever what a lookup
// finds could have changed: a file added, removed, or renamed to another case.
TEST(Files, LookupsIgnoringCaseFollowTheFolderAsItChanges) {
    TempDir data, user;
    for (int i = 0; i < 300; ++i)
        user.WriteText("MAP" + std::to_string(i) + ".MOD", "m" + std::to_string(i));
    Files files(data.Path(), user.Path());
    for (int i = 0; i < 300; ++i) {
        const auto found = files.Find("map" + std::to_string(i) + ".mod");
        ASSERT_TRUE(found) << i;
        EXPECT_EQ(found->filename(), "MAP" + std::to_string(i) + ".MOD");
    }
    EXPECT_FALSE(files.Find("map300.mod"));
    // Added after the folder was listed: found at once.
    user.WriteText("MAP300.MOD", "new");
    ASSERT_TRUE(files.Find("map300.mod"));
    EXPECT_EQ(files.Find("map300.mod")->filename(), "MAP300.MOD");
    // Removed: not found any more.
    std::filesystem::remove(user / "MAP7.MOD");
    EXPECT_FALSE(files.Find("map7.mod"));
    // Renamed to another case: found under its new name.
    std::filesystem::rename(user / "MAP8.MOD", user / "Map8.Mod");
    ASSERT_TRUE(files.Find("MAP8.mod"));
    EXPECT_EQ(files.Find("MAP8.mod")->filename(), "Map8.Mod");
    // A folder of that name is no file; the data folder's file is found instead.
    std::filesystem::remove(user / "MAP9.MOD");
    std::filesystem::create_directory(user / "MAP9.MOD");
    data.WriteText("map9.mod", "data");
    ASSERT_TRUE(files.Find("Map9.mod"));
    EXPECT_EQ(files.Find("Map9.mod")->parent_path(), data.Path());
    // Copies of the folders' object see the same changes.
    const Files copy = files;
    user.WriteText("LATE.MOD", "late");
    EXPECT_TRUE(copy.Find("late.mod"));
    EXPECT_TRUE(files.Find("late.mod"));
}

}  // namespace
