// The message windows TFMessage1 to TFMessage7, TFHelpMessage and TFGameOver, and the dialog
// protocol the rules talk through.
#pragma once

#include <functional>
#include <memory>

#include "rules/dialogs.h"
#include "screens/message_form.h"

namespace screens {

class MessageDialogs final : public logic::Dialogs {
  public:
    explicit MessageDialogs(Services& services);

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

    // Whether the offer's hidden dungeon cheat may be asked for (the current lord's army stands
    // on a dungeon entrance); by default the campaign rule that says so.
    std::function<bool()> dungeonCheatAvailable;

    MessageForm& Form(const std::string& className);
    platform::Form& WaitScreen() { return *wait_; }

  private:
    Services& services_;
    std::unique_ptr<MessageForm> message1_, message2_, message3_, message4_, message5_, message7_,
        help_, gameOver_;
    std::unique_ptr<platform::Form> wait_;
    int offerResult_ = 0;
};

}  // namespace screens
