// The game's dialog protocol, as the rules talk to the player: notices, questions, offers and
// choices. Every call is modal: it returns when the player has answered. The screens implement
// it with the message windows; tests install a scripted one that records each dialog and
// answers from a queue, so every rule runs without a screen.
#pragma once

#include <string>

namespace logic {

// Results of the offer dialog.
inline constexpr int kOfferAction = 1;
inline constexpr int kOfferSecond = 2;
inline constexpr int kOfferCheat = -1;
// Results of the yes/no question (the value left in DialogAnswer).
inline constexpr int kAnswerYes = 1;
inline constexpr int kAnswerNo = 2;

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The picture notice (TFMessage2).
    virtual void ShowNotice(const std::string& picture, const std::string& title,
                            const std::string& text, const std::string& button = "Continue") = 0;
    // The boss notice (TFMessage1).
    virtual void ShowBossNotice(const std::string& picture, const std::string& title,
                                const std::string& text) = 0;
    // The short notice (TFMessage3): text and one button.
    virtual void ShowShortNotice(const std::string& text,
                                 const std::string& button = "Continue") = 0;
    // The help dialog (TFHelpMessage).
    virtual void ShowHelp(const std::string& picture, const std::string& title,
                          const std::string& text) = 0;
    // The offer (TFMessage4): 1 for the action, 2 for the second button, -1 for the hidden
    // dungeon cheat. A disabled action shows its caption but cannot be pressed.
    virtual int AskOffer(const std::string& picture, const std::string& title,
                         const std::string& text, const std::string& action,
                         const std::string& second, bool actionEnabled = true) = 0;
    // The yes/no question (TFMessage5): 1 for yes, 2 for no.
    virtual int AskYesNo(const std::string& question, const std::string& yes = "Yes",
                         const std::string& no = "No") = 0;
    // The choice (TFMessage7) with one or two options (option2 empty: one option); "Leave"
    // returns 3 with two options and 2 with one. A disabled option cannot be pressed.
    virtual int AskChoice(const std::string& picture, const std::string& title,
                          const std::string& text, const std::string& option1,
                          const std::string& option2 = {}, bool option1Enabled = true,
                          bool option2Enabled = true) = 0;
    // The game-over screen (TFGameOver).
    virtual void ShowGameOver(const std::string& title, const std::string& picture,
                              const std::string& text) = 0;
};

// The dialogs the rules talk through; installed once by the screens (or by a test).
Dialogs& UI();
void InstallDialogs(Dialogs* dialogs);

}  // namespace logic
