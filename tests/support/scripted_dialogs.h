// A dialog protocol for rule tests: records every dialog (class, picture, title, text, buttons)
// and answers questions from a queue, so the rules run without any window.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "rules/dialogs.h"

namespace testsupport {

struct ShownDialog {
    std::string kind;  // the window class: TFMessage2, TFMessage3, ...
    std::string picture, title, text;
    std::vector<std::string> buttons;
};

class ScriptedDialogs final : public logic::Dialogs {
  public:
    ScriptedDialogs() { logic::InstallDialogs(this); }
    ~ScriptedDialogs() override { logic::InstallDialogs(nullptr); }

    // Answers for AskOffer, AskYesNo and AskChoice, in order; an empty queue answers the
    // second button (offer), No, or Leave.
    void Answer(int result) { answers_.push_back(result); }
    const std::vector<ShownDialog>& Shown() const { return shown_; }
    const ShownDialog& Last() const { return shown_.back(); }
    bool ShownText(const std::string& text) const;

    void ShowNotice(const std::string& picture, const std::string& title, const std::string& text,
                    const std::string& button) override;
    void ShowBossNotice(const std::string& picture, const std::string& title,
                        const std::string& text) override;
    void ShowShortNotice(const std::string& text, const std::string& button) override;
    void ShowHelp(const std::string& picture, const std::string& title,
                  const std::string& text) override;
    int AskOffer(const std::string& picture, const std::string& title, const std::string& text,
                 const std::string& action, const std::string& second, bool actionEnabled) override;
    int AskYesNo(const std::string& question, const std::string& yes,
                 const std::string& no) override;
    int AskChoice(const std::string& picture, const std::string& title, const std::string& text,
                  const std::string& option1, const std::string& option2, bool option1Enabled,
                  bool option2Enabled) override;
    void ShowGameOver(const std::string& title, const std::string& picture,
                      const std::string& text) override;

  private:
    int Next(int fallback);
    std::deque<int> answers_;
    std::vector<ShownDialog> shown_;
};

}  // namespace testsupport
