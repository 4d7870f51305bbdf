// The preview of a scenario that is not unlocked yet.
#pragma once

#include <array>
#include <string>

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFPreviewMap final : public platform::Form {
  public:
    explicit TFPreviewMap(ScreenServices& screens);
    // Reads the scenario's module and shows what it is about.
    void ShowFor(const std::string& baseName, int scenarioNumber);

  private:
    ScreenServices& screens_;
    platform::Picture* picture_;
    platform::Label* title_;
    platform::Label* story_;
    std::array<platform::Picture*, 2> themePictures_{};
    std::array<platform::Label*, 2> themeLines_{};
};

}  // namespace screens
