// How a scenario's theme is presented before a game: on the scenario sheet (a monsters line
// and one or two theme lines, each with a picture) and on the preview (one theme line).
#pragma once

#include <optional>
#include <string>

namespace logic {

struct ThemeLine {
    std::string picture;
    std::string text;
};

struct SheetPresentation {
    ThemeLine monsters;
    ThemeLine theme1;
    std::optional<ThemeLine> theme2;
};

// By scenario number; none for a number without a presentation (the screen keeps what it had).
std::optional<SheetPresentation> SheetThemeFor(int scenarioNumber);

struct PreviewPresentation {
    ThemeLine monsters;
    ThemeLine theme;
};

std::optional<PreviewPresentation> PreviewThemeFor(int scenarioNumber);

}  // namespace logic
