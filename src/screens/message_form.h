// The message windows: one form class per dialog of the game, made once and reused. A window's
// texts, picture and button captions stay as the last caller left them; every caller sets what
// it relies on. Every button plays the click sound before it closes its window.
#pragma once

#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/services.h"

namespace screens {

// The parts a message window may have; a window uses those its layout gives it.
class MessageForm : public platform::Form {
  public:
    struct Layout {
        int width, height;
        bool picture;
        bool title;
        int buttons;            // 1 to 3
        bool refuseFrameClose;  // only a button may close it (offer, yes/no)
    };
    MessageForm(Services& services, const std::string& className, const Layout& layout);

    void SetTitle(const std::string& title);
    void SetText(const std::string& text);
    void SetPicture(const std::string& fileName);
    void SetButtonCaption(int button, const std::string& caption);
    platform::SpeedButton* Button(int button) {
        return buttons_.at(static_cast<size_t>(button - 1));
    }
    platform::Picture* PictureControl() { return picture_; }
    platform::Label* TextLabel() { return text_; }

    // The number of the button that closed the window last (0: none since it was shown).
    int Pressed() const { return pressed_; }
    int ShowAndWait();

    std::vector<std::pair<std::string, std::string>> Describe() override;

  protected:
    Services& services_;
    platform::Picture* picture_ = nullptr;
    platform::Label* title_ = nullptr;
    platform::Label* text_ = nullptr;
    std::vector<platform::SpeedButton*> buttons_;
    int pressed_ = 0;
};

MessageForm::Layout NoticeLayout();
MessageForm::Layout ShortNoticeLayout();
MessageForm::Layout OfferLayout();
MessageForm::Layout YesNoLayout();
MessageForm::Layout ChoiceLayout();
MessageForm::Layout GameOverLayout();

}  // namespace screens
