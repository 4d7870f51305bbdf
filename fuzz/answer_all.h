// A player who answers every dialog at once: notices are closed, offers, questions and choices
// take their first button. The play-after-load targets and the seed maker talk through it.
#pragma once

#include <string>

#include "campaign/dialogs.h"

namespace fuzzing {

class AnswerAll final : public logic::Dialogs {
  public:
    void ShowNotice(const std::string&, const std::string&, const std::string&,
                    const std::string&) override {}
    void ShowBossNotice(const std::string&, const std::string&, const std::string&) override {}
    void ShowShortNotice(const std::string&, const std::string&) override {}
    void ShowHelp(const std::string&, const std::string&, const std::string&) override {}
    int AskOffer(const std::string&, const std::string&, const std::string&, const std::string&,
                 const std::string&, bool) override {
        return logic::kOfferAction;
    }
    int AskYesNo(const std::string&, const std::string&, const std::string&) override {
        return logic::kAnswerYes;
    }
    int AskChoice(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&, bool, bool) override {
        return 1;
    }
    void ShowGameOver(const std::string&, const std::string&, const std::string&) override {}
};

}  // namespace fuzzing
