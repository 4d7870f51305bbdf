// The computer lords' status screen: one lord's resources, troops, buildings and goal.
#pragma once

#include "platform/form.h"

namespace platform {
class ComboBox;
class Label;
class Picture;
}  // namespace platform

namespace screens {

class ScreenServices;

class TFAIStatusScreen final : public platform::Form {
  public:
    explicit TFAIStatusScreen(ScreenServices& screens);
    // Fills the screen with a lord (a lord not in the game shows the current one).
    void ShowLord(int lord);
    // Shows the shown lord's values anew, if the screen is open.
    void Refresh();

  private:
    int lord_ = 2;
    platform::ComboBox* selector_ = nullptr;
    platform::Picture* logo_ = nullptr;
    platform::Label* name_ = nullptr;
    platform::Label* hero_ = nullptr;
    platform::Label* goal_ = nullptr;
    platform::Label* target_ = nullptr;
    platform::Label* values_[10] = {};
    platform::Label* buildings_[8] = {};
};

}  // namespace screens
