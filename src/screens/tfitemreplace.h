// The replace window of a full backpack: the four carried items and the new one, the details of
// the one selected, and "Replace", "Use now" and "Back".
#pragma once

#include <array>

#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"

namespace screens {

class ScreenServices;
class FrameBox;

class TFItemReplace final : public platform::Form {
  public:
    explicit TFItemReplace(ScreenServices& screens);

    // Modal, slot 1 selected. True when the found-item window must close as well.
    bool Open(int item);
    int SelectedSlot() const { return selected_; }

    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    void Select(int slot);
    void ShowDetails(int item);
    void Finish(bool closesBoth);

    std::array<platform::Picture*, 5> slots_{};  // 1..4
    platform::Picture* newItem_ = nullptr;
    FrameBox* frame_ = nullptr;
    platform::Label* name_ = nullptr;
    platform::Label* levelLine_ = nullptr;
    std::array<platform::Label*, 4> lines_{};
    int item_ = 0;
    int selected_ = 1;
    bool closesBoth_ = false;
};

}  // namespace screens
