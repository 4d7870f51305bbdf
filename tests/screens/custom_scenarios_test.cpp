// The custom scenario box's list: shipped theme scenarios, then the player's own module files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <utility>

#include "platform/files.h"
#include "screens/custom_scenarios.h"
#include "screens/scenario_list.h"
#include "state/asset_names.h"
#include "state/scenario_files.h"
#include "state/scenario_settings.h"
#include "state/temp_folders.h"
#include "support/child_peak.h"
#include "support/temp_dir.h"

namespace {

class CustomScenarios : public statetest::TempFolders {
  protected:
    std::vector<std::uint8_t> Module(const std::string& title) {
        auto g = std::make_unique<state::GameState>();
        g->modText[state::ModText::title] = title;
        return state::EncodeModule(*g);
    }
    void WriteDataFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(data_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
};

TEST_F(CustomScenarios, ShippedThemeScenariosFirstThenTheUserFolderByName) {
    WriteDataFile("gateofhell.mod", Module("Gate Of Hell"));
    WriteDataFile("darkmines.mod", Module("The Dark Mines"));
    auto shortModule = Module("Cut off");
    shortModule.resize(shortModule.size() - 1);
    WriteUserFile("princess.mod", shortModule);  // unreadable title: the base name
    WriteUserFile("zeta.mod", Module("Zeta Islands"));
    WriteUserFile("alpha.MOD", Module(""));  // no title: the base name
    // The user's own copy of a shipped scenario is what loads (the user folder is looked in
    // first), and it is offered once.
    WriteUserFile("DarkMines.mod", Module("My mines"));
    WriteUserFile("showdown.mod", Module("Showdown"));  // the list has its own button
    WriteUserFile("notes.txt", Module("Not a scenario"));

    const auto list = screens::FindCustomScenarios(platform::CurrentFiles());
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& s : list)
        got.push_back({s.baseName, s.title});
    const std::vector<std::pair<std::string, std::string>> want = {
        {"darkmines", "My mines"}, {"gateofhell", "Gate Of Hell"}, {"princess", "princess"},
        {"alpha", "alpha"},        {"zeta", "Zeta Islands"},
    };
    EXPECT_EQ(got, want);
}

TEST_F(CustomScenarios, OnlyAModuleFoundInTheDataFolderIsShipped) {
    WriteDataFile("princess.mod", Module("The Captive Princess"));
    WriteDataFile("frontline.mod", Module("The Front Line"));
    WriteUserFile("FrontLine.mod", Module("My front"));  // the user's copy is what loads
    WriteUserFile("isle.mod", Module("The Isle"));
    const platform::Files& files = platform::CurrentFiles();
    EXPECT_TRUE(screens::IsShippedScenario(files, "princess"));
    EXPECT_TRUE(screens::IsShippedScenario(files, "PRINCESS"));
    EXPECT_FALSE(screens::IsShippedScenario(files, "frontline"));
    EXPECT_FALSE(screens::IsShippedScenario(files, "isle"));
    EXPECT_FALSE(screens::IsShippedScenario(files, "missing"));
}

// The sheet shows a theme scenario's picture by its base name, so the generator must draw one.
TEST(ThemeScenarioPictures, EveryShippedThemeScenarioHasItsSheetPicture) {
    const std::vector<std::string>& names = state::AllAssetNames();
    for (const char* base : screens::kThemeScenarios) {
        EXPECT_NE(std::find(names.begin(), names.end(), std::string(base) + ".jpg"), names.end())
            << base;
    }
}

// The list reads a module's title record alone: a 3 GB file beside the others costs neither the
// memory nor the time of reading it (measured from outside), and like an empty one it is
// offered by its base name.
TEST_F(CustomScenarios, OnlyTheTitleIsReadEvenBesideAHugeModule) {
    WriteUserFile("isle.mod", Module("The Isle"));
    WriteUserFile("empty.mod", {});
    testsupport::MakeSparseFile(user_ / "huge.mod", std::uintmax_t{3} << 30);
    const testsupport::ChildRun run = testsupport::RunInChild([] {
        const auto list = screens::FindCustomScenarios(platform::CurrentFiles());
        std::vector<std::pair<std::string, std::string>> got;
        for (const auto& s : list) {
            if (s.baseName == "empty" || s.baseName == "huge" || s.baseName == "isle")
                got.push_back({s.baseName, s.title});
        }
        const std::vector<std::pair<std::string, std::string>> want = {
            {"empty", "empty"}, {"huge", "huge"}, {"isle", "The Isle"}};
        return got == want ? 0 : 1;
    });
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.ExtraMiB(), testsupport::kSmallMiB);
}

TEST_F(CustomScenarios, TitleIsTheModulesFirstText) {
    WriteUserFile("isle.mod", Module("The Isle"));
    EXPECT_EQ(screens::ModuleTitle(platform::CurrentFiles(), "isle"), "The Isle");
    EXPECT_EQ(screens::ModuleTitle(platform::CurrentFiles(), "missing"), "");
}

}  // namespace
