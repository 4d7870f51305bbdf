// The scenarios the custom scenario box offers as buttons: the shipped theme scenarios and the
// module files the player has put into the user folder, each with its title.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

namespace screens {

struct CustomScenario {
    std::string baseName;  // what the box is filled with
    std::string title;     // the module's title text, or the base name when it has none
};

// The theme scenarios whose module file can be found, in the order of kThemeScenarios, then
// the user folder's ".mod" files by name (a scenario of the list or one already offered is not
// repeated).
std::vector<CustomScenario> FindCustomScenarios(const platform::Files& files);

// True when the module file a base name reaches lies in the data folder: a scenario shipped
// with the game, not one of the player's own (the user folder is looked in first).
bool IsShippedScenario(const platform::Files& files, const std::string& baseName);

// The title text of a module file, or "" when it cannot be read or is not a module's size.
// Only the title's record is read.
std::string ModuleTitle(const platform::Files& files, const std::string& baseName);

}  // namespace screens
