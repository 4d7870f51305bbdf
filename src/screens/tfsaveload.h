// The saved-game slots: five slots with a description each, and the automatic slot.
#pragma once

#include <array>

#include "platform/form.h"

namespace screens {

class ScreenServices;
class TFCampaign1;

class TFSaveLoad final : public platform::Form {
  public:
    TFSaveLoad(ScreenServices& screens, TFCampaign1& campaign);

    // Descriptions from the file; a load button for each slot that holds a game; the save
    // buttons only while a game runs.
    void FillSaveScreen();

  private:
    void SaveSlot(int slot);
    void LoadSlot(int slot);
    void SaveDescriptions();

    ScreenServices& screens_;
    TFCampaign1& campaign_;
    std::array<platform::Edit*, 6> descriptions_{};
    std::array<platform::SpeedButton*, 6> saveButtons_{};
    std::array<platform::SpeedButton*, 7> loadButtons_{};  // 1..5 and 6 for the automatic slot
    std::array<platform::Label*, 7> details_{};            // the same slots' small files
};

}  // namespace screens
