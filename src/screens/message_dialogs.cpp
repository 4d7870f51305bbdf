#include "screens/message_dialogs.h"

#include <stdexcept>

#include "campaign/spawn_fields.h"
#include "state/game_state.h"

namespace screens {

namespace {
constexpr int kChoiceHeightTwoOptions = 413;
constexpr int kChoiceHeightOneOption = 365;
}  // namespace

MessageDialogs::MessageDialogs(Services& services) : services_(services) {
    message1_ = std::make_unique<MessageForm>(services, "TFMessage1", NoticeLayout());
    message2_ = std::make_unique<MessageForm>(services, "TFMessage2", NoticeLayout());
    message3_ = std::make_unique<MessageForm>(services, "TFMessage3", ShortNoticeLayout());
    message4_ = std::make_unique<MessageForm>(services, "TFMessage4", OfferLayout());
    message5_ = std::make_unique<MessageForm>(services, "TFMessage5", YesNoLayout());
    message7_ = std::make_unique<MessageForm>(services, "TFMessage7", ChoiceLayout());
    help_ = std::make_unique<MessageForm>(services, "TFHelpMessage", NoticeLayout());
    gameOver_ = std::make_unique<MessageForm>(services, "TFGameOver", GameOverLayout());
    gameOver_->SetCaption(kGameCaption);
    gameOver_->SetButtonCaption(1, "Quit");
    gameOver_->SetButtonCaption(2, "Continue");
    message1_->TextLabel()->SetColor(platform::Color::Rgb(240, 180, 160));
    message5_->SetButtonCaption(1, "Yes");
    message5_->SetButtonCaption(2, "No");

    // The offer's second picture: a seal whose double click hides the dungeon cheat, offered
    // while the current lord's army stands on a dungeon entrance.
    dungeonCheatAvailable = [] { return logic::DungeonEntranceUnderArmy(); };
    auto* seal = AddPicture(*message4_, "Image2", 24, 290, 56, 56);
    seal->LoadPicture("m1_action_help.jpg");
    seal->OnDblClick = [this] {
        if (!dungeonCheatAvailable || !dungeonCheatAvailable()) return;
        const int answer = AskYesNo(
            "You have discovered a hidden cheat! Do you really want activate the dungeon cheat and "
            "get the money without entering it? (WARNING SPOILER!)",
            "Yes", "No");
        if (answer == logic::kAnswerYes) {
            offerResult_ = logic::kOfferCheat;
            message4_->SetModalResult(3);
        }
    };
    message4_->OnCloseQuery = [this] { return message4_->Pressed() != 0 || offerResult_ != 0; };

    wait_ = std::make_unique<platform::Form>(services.app, "TFMessage6", 420, 140);
    wait_->SetCaption(kDialogCaption);
    auto* waitText = AddLabel(*wait_, "Label1", 20, 30, 380, 30, 18, true, false);
    waitText->SetAlign(platform::Align::Center);
    waitText->SetCaption("Creating random dungeon");
    auto* dots = AddLabel(*wait_, "Label2", 20, 70, 380, 30, 18, true, false);
    dots->SetAlign(platform::Align::Center);
}

MessageForm& MessageDialogs::Form(const std::string& className) {
    for (auto* f : {message1_.get(), message2_.get(), message3_.get(), message4_.get(),
                    message5_.get(), message7_.get(), help_.get(), gameOver_.get()}) {
        if (f->ClassName() == className) return *f;
    }
    throw std::out_of_range("no message window " + className);
}

void MessageDialogs::ShowNotice(const std::string& picture, const std::string& title,
                                const std::string& text, const std::string& button) {
    message2_->SetPicture(picture);
    message2_->SetTitle(title);
    message2_->SetText(text);
    message2_->SetButtonCaption(1, button);
    message2_->ShowAndWait();
}

void MessageDialogs::ShowBossNotice(const std::string& picture, const std::string& title,
                                    const std::string& text) {
    message1_->SetPicture(picture);
    message1_->SetTitle(title);
    message1_->SetText(text);
    message1_->SetButtonCaption(1, "Continue");
    message1_->ShowAndWait();
}

void MessageDialogs::ShowShortNotice(const std::string& text, const std::string& button) {
    message3_->SetText(text);
    message3_->SetButtonCaption(1, button);
    message3_->ShowAndWait();
}

void MessageDialogs::ShowHelp(const std::string& picture, const std::string& title,
                              const std::string& text) {
    help_->SetPicture(picture);
    help_->SetTitle(title);
    help_->SetText(text);
    help_->SetButtonCaption(1, "Continue");
    help_->ShowAndWait();
}

int MessageDialogs::AskOffer(const std::string& picture, const std::string& title,
                             const std::string& text, const std::string& action,
                             const std::string& second, bool actionEnabled) {
    message4_->SetPicture(picture);
    message4_->SetTitle(title);
    message4_->SetText(text);
    message4_->SetButtonCaption(1, action);
    message4_->SetButtonCaption(2, second);
    message4_->Button(1)->SetEnabled(actionEnabled);
    offerResult_ = 0;
    const int pressed = message4_->ShowAndWait();
    message4_->Button(1)->SetEnabled(true);
    if (offerResult_ == logic::kOfferCheat) return logic::kOfferCheat;
    return pressed == 1 ? logic::kOfferAction : pressed == 2 ? logic::kOfferSecond : 0;
}

int MessageDialogs::AskYesNo(const std::string& question, const std::string& yes,
                             const std::string& no) {
    message5_->SetText(question);
    message5_->SetButtonCaption(1, yes);
    message5_->SetButtonCaption(2, no);
    const int pressed = message5_->ShowAndWait();
    const int answer = pressed == 1 ? logic::kAnswerYes : logic::kAnswerNo;
    state::G().dialogAnswer = answer;
    return answer;
}

int MessageDialogs::AskChoice(const std::string& picture, const std::string& title,
                              const std::string& text, const std::string& option1,
                              const std::string& option2, bool option1Enabled,
                              bool option2Enabled) {
    message7_->SetPicture(picture);
    message7_->SetTitle(title);
    message7_->SetText(text);
    message7_->SetButtonCaption(1, option1);
    message7_->Button(1)->SetEnabled(option1Enabled);
    const bool twoOptions = !option2.empty();
    if (twoOptions) {
        message7_->SetButtonCaption(2, option2);
        message7_->Button(2)->SetEnabled(option2Enabled);
        message7_->SetButtonCaption(3, "Leave");
        message7_->Button(3)->Show();
        message7_->SetHeight(kChoiceHeightTwoOptions);
    } else {
        message7_->SetButtonCaption(2, "Leave");
        message7_->Button(3)->Hide();
        message7_->SetHeight(kChoiceHeightOneOption);
    }
    const int pressed = message7_->ShowAndWait();
    message7_->Button(1)->SetEnabled(true);
    message7_->Button(2)->SetEnabled(true);
    // A close from the frame counts as leaving.
    if (pressed == 0) return twoOptions ? 3 : 2;
    return pressed;
}

void MessageDialogs::ShowGameOver(const std::string& title, const std::string& picture,
                                  const std::string& text) {
    gameOver_->SetPicture(picture);
    gameOver_->SetTitle(title);
    gameOver_->SetText(text);
    gameOver_->ShowAndWait();
}

}  // namespace screens
