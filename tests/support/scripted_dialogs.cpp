#include "support/scripted_dialogs.h"

namespace testsupport {

bool ScriptedDialogs::ShownText(const std::string& text) const {
    for (const auto& d : shown_) {
        if (d.text == text) return true;
    }
    return false;
}

int ScriptedDialogs::Next(int fallback) {
    if (answers_.empty()) return fallback;
    int a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptedDialogs::ShowNotice(const std::string& picture, const std::string& title,
                                 const std::string& text, const std::string& button) {
    shown_.push_back({"TFMessage2", picture, title, text, {button}});
}

void ScriptedDialogs::ShowBossNotice(const std::string& picture, const std::string& title,
                                     const std::string& text) {
    shown_.push_back({"TFMessage1", picture, title, text, {"Continue"}});
}

void ScriptedDialogs::ShowShortNotice(const std::string& text, const std::string& button) {
    shown_.push_back({"TFMessage3", "", "", text, {button}});
}

void ScriptedDialogs::ShowHelp(const std::string& picture, const std::string& title,
                               const std::string& text) {
    shown_.push_back({"TFHelpMessage", picture, title, text, {"Continue"}});
}

int ScriptedDialogs::AskOffer(const std::string& picture, const std::string& title,
                              const std::string& text, const std::string& action,
                              const std::string& second, bool actionEnabled) {
    shown_.push_back({"TFMessage4",
                      picture,
                      title,
                      text,
                      {actionEnabled ? action : action + " (disabled)", second}});
    return Next(logic::kOfferSecond);
}

int ScriptedDialogs::AskYesNo(const std::string& question, const std::string& yes,
                              const std::string& no) {
    shown_.push_back({"TFMessage5", "", "", question, {yes, no}});
    return Next(logic::kAnswerNo);
}

int ScriptedDialogs::AskChoice(const std::string& picture, const std::string& title,
                               const std::string& text, const std::string& option1,
                               const std::string& option2, bool option1Enabled,
                               bool option2Enabled) {
    std::vector<std::string> buttons{option1Enabled ? option1 : option1 + " (disabled)"};
    if (!option2.empty()) buttons.push_back(option2Enabled ? option2 : option2 + " (disabled)");
    buttons.push_back("Leave");
    shown_.push_back({"TFMessage7", picture, title, text, buttons});
    return Next(option2.empty() ? 2 : 3);
}

void ScriptedDialogs::ShowGameOver(const std::string& title, const std::string& picture,
                                   const std::string& text) {
    shown_.push_back({"TFGameOver", picture, title, text, {"Quit"}});
}

}  // namespace testsupport
