#include "screens/message_form.h"

namespace screens {

MessageForm::Layout NoticeLayout() {
    return {600, 360, true, true, 1, false};
}
MessageForm::Layout ShortNoticeLayout() {
    return {480, 220, false, false, 1, false};
}
MessageForm::Layout OfferLayout() {
    return {600, 370, true, true, 2, true};
}
MessageForm::Layout YesNoLayout() {
    return {480, 220, false, false, 2, true};
}
MessageForm::Layout ChoiceLayout() {
    return {600, 413, true, true, 3, false};
}
MessageForm::Layout GameOverLayout() {
    return {680, 440, true, true, 2, false};
}

MessageForm::MessageForm(Services& services, const std::string& className, const Layout& layout)
    : Form(services.app, className, layout.width, layout.height), services_(services) {
    SetCaption(kDialogCaption);
    SetColor(platform::colors::kPanel);
    const int w = layout.width;
    int textX = 24, textW = w - 48, textY = 24;
    if (layout.picture) {
        picture_ = AddPicture(*this, "Image1", 24, 64, 200, 200);
        textX = 244;
        textW = w - textX - 24;
    }
    if (layout.title) {
        title_ = AddLabel(*this, "Label1", textX, 20, textW, 36, 20, true, false);
        title_->SetColor(platform::colors::kGold);
        textY = 64;
    }
    const int buttonRowsTop = layout.buttons == 3 ? layout.height - 160 : layout.height - 60;
    text_ = AddLabel(*this, "Label2", textX, textY, textW, buttonRowsTop - textY - 10, 15);
    for (int i = 1; i <= layout.buttons; ++i) {
        int x, y, bw = 170;
        if (layout.buttons == 3) {
            bw = 300;
            x = (w - bw) / 2;
            y = layout.height - 160 + (i - 1) * 48;
        } else if (layout.buttons == 2) {
            x = w / 2 - bw - 10 + (i - 1) * (bw + 20);
            y = layout.height - 56;
        } else {
            x = (w - bw) / 2;
            y = layout.height - 56;
        }
        auto* b = AddButton(*this, services, "SpeedButton" + std::to_string(i), "Continue", x, y,
                            bw, 38, [this, i] {
                                pressed_ = i;
                                SetModalResult(i);
                            });
        buttons_.push_back(b);
    }
    SetDefaultButton(buttons_.front());
    if (layout.refuseFrameClose) {
        // Only a button closes it: a close from the window frame (or Escape) is refused while no
        // button was pressed since the window was shown.
        OnCloseQuery = [this] { return pressed_ != 0; };
    }
    OnShow = [this] { pressed_ = 0; };
}

void MessageForm::SetTitle(const std::string& title) {
    if (title_) title_->SetCaption(title);
}

void MessageForm::SetText(const std::string& text) {
    text_->SetCaption(text);
}

void MessageForm::SetPicture(const std::string& fileName) {
    if (picture_) picture_->LoadPicture(fileName);
}

void MessageForm::SetButtonCaption(int button, const std::string& caption) {
    Button(button)->SetCaption(caption);
}

int MessageForm::ShowAndWait() {
    pressed_ = 0;
    ShowModal();
    return pressed_;
}

std::vector<std::pair<std::string, std::string>> MessageForm::Describe() {
    std::vector<std::pair<std::string, std::string>> out;
    if (title_) out.emplace_back("title", title_->Caption());
    out.emplace_back("text", text_->Caption());
    std::string captions;
    for (auto* b : buttons_) {
        if (!b->Visible()) continue;
        if (!captions.empty()) captions += "|";
        captions += platform::DisplayCaption(b->Caption());
        if (!b->Enabled()) captions += " (disabled)";
    }
    out.emplace_back("buttons", captions);
    if (picture_) out.emplace_back("picture", picture_->FileName());
    return out;
}

}  // namespace screens
