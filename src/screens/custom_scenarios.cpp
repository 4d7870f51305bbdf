// Finding the scenarios of the custom scenario box and reading their titles.
#include "screens/custom_scenarios.h"

#include <cstdint>
#include <filesystem>
#include <set>

#include "platform/text_case.h"
#include "screens/scenario_list.h"
#include "state/records.h"
#include "state/scenario_files.h"
#include "state/scenario_settings.h"

namespace screens {

namespace {
constexpr const char* kModuleExtension = ".mod";
// The title is the first text of the module, after its 100 numbers.
constexpr std::size_t kTitleRecord = 100 + state::ModText::title - 1;
}  // namespace

std::string ModuleTitle(const platform::Files& files, const std::string& baseName) {
    // Only the title's record is read, and only from a file of a module's size.
    const std::string file = baseName + kModuleExtension;
    if (files.Size(file) != state::kModuleFileSize) return {};
    std::vector<std::uint8_t> record;
    std::string error;
    if (files.ReadPart(file, kTitleRecord * state::kRecordSize, state::kRecordSize, record,
                       error) != platform::Files::ReadResult::read ||
        record.size() != state::kRecordSize)
        return {};
    return std::string(state::RecordText(record, 0));
}

bool IsShippedScenario(const platform::Files& files, const std::string& baseName) {
    const auto path = files.Find(baseName + kModuleExtension);
    if (!path || files.DataDir().empty()) return false;
    std::error_code error;
    return std::filesystem::equivalent(path->parent_path(), files.DataDir(), error);
}

std::vector<CustomScenario> FindCustomScenarios(const platform::Files& files) {
    std::vector<CustomScenario> list;
    std::set<std::string> seen;
    auto add = [&](const std::string& base) {
        if (!seen.insert(platform::LowerCase(base)).second) return;
        if (!files.Exists(base + kModuleExtension)) return;
        const std::string title = ModuleTitle(files, base);
        list.push_back({base, title.empty() ? base : title});
    };
    for (const ScenarioEntry& e : kScenarios)  // the list has its own buttons
        seen.insert(platform::LowerCase(e.baseName));
    for (const char* base : kThemeScenarios)
        add(base);
    for (const std::string& name : files.UserFilesEnding(kModuleExtension))
        add(name.substr(0, name.size() - std::string(kModuleExtension).size()));
    return list;
}

}  // namespace screens
