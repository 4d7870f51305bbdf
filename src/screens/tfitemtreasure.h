// The found-item window ("Treasure found!") with its sell and keep buttons, and the same window as
// the preview of an item ("You see:") with only "Back".
#pragma once

#include <memory>
#include <string>

#include <string>
#include <utility>
#include <vector>
#include "rules/dungeon_view.h"

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class ItemDetailBox;

class TFItemTreasure final : public platform::Form {
  public:
    explicit TFItemTreasure(ScreenServices& screens);
    ~TFItemTreasure() override;

    // Modal; returns when the item was sold or kept.
    void OpenFound(int item, const logic::ItemDetailView& detail, int value);
    // Modal; returns on "Back".
    void OpenPreview(const logic::ItemDetailView& detail);

    std::vector<std::pair<std::string, std::string>> Describe() override;

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    enum class Mode { found, preview };
    void Prepare(Mode mode, const std::string& title, const logic::ItemDetailView& detail);
    void Finish();

    ScreenServices& screens_;
    std::unique_ptr<ItemDetailBox> detail_;
    platform::Label* title_ = nullptr;
    platform::SpeedButton* sell_ = nullptr;
    platform::SpeedButton* keep_ = nullptr;
    platform::SpeedButton* back_ = nullptr;
    platform::SpeedButton* help_ = nullptr;
    Mode mode_ = Mode::preview;
    int item_ = 0;
    bool finished_ = false;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
