// The list of keys (F1): the keys of the window in front, each with what it does, and the keys
// every window shares. A battle or a duel stands still while it is open.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "screens/services.h"

namespace screens {

class TFKeyList final : public platform::Form {
  public:
    TFKeyList(platform::Application& app, Services& services);

    // Shows the keys of `front` until the player closes the list.
    void ShowFor(platform::Form& front);

    // The lines the list shows for `front` (the form that takes input): its keys whose controls a
    // click could reach now, then the keys every window shares.
    static std::vector<std::string> LinesFor(platform::Form& front);

    // The list shows these lines (ShowFor fills it with LinesFor).
    void ShowLines(const std::vector<std::string>& lines);

    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    platform::Label* lines_ = nullptr;
};

}  // namespace screens
