// Dialogs that nobody watches: notices pass at once and every question gets the answer fixed
// when the object is made. The computer's self-play, the benchmarks and the fuzz targets talk
// through them.
#pragma once

#include <string>

#include "rules/dialogs.h"

namespace logic {

class FixedAnswerDialogs final : public Dialogs {
  public:
    struct Answers {
        int offer;   // what AskOffer returns
        int yesNo;   // what AskYesNo returns
        int choice;  // what AskChoice returns
    };
    explicit FixedAnswerDialogs(Answers answers) : answers_(answers) {}

    void ShowNotice(const std::string&, const std::string&, const std::string&,
                    const std::string&) override {}
    void ShowBossNotice(const std::string&, const std::string&, const std::string&) override {}
    void ShowShortNotice(const std::string&, const std::string&) override {}
    void ShowHelp(const std::string&, const std::string&, const std::string&) override {}
    int AskOffer(const std::string&, const std::string&, const std::string&, const std::string&,
                 const std::string&, bool) override {
        return answers_.offer;
    }
    int AskYesNo(const std::string&, const std::string&, const std::string&) override {
        return answers_.yesNo;
    }
    int AskChoice(const std::string&, const std::string&, const std::string&, const std::string&,
                  const std::string&, bool, bool) override {
        return answers_.choice;
    }
    void ShowGameOver(const std::string&, const std::string&, const std::string&) override {}

  private:
    Answers answers_;
};

}  // namespace logic
