// The theme introduction window.
#include "screens/tfintro3.h"

#include <string>

#include "screens/screen_services.h"

namespace screens {

namespace {
constexpr int kFrameSize = 150, kFrameGap = 30, kFrameTop = 220, kBorder = 4;
constexpr int kWidth = 620;
}  // namespace

TFIntro3::TFIntro3(ScreenServices& screens) : Form(screens.App(), "TFIntro3", kWidth, 520) {
    SetCaption(kDialogCaption);
    SetColor(platform::Color::Rgb(30, 26, 22));
    auto* title = AddLabel(*this, "Label1", 20, 16, 580, 36, 22, true, false);
    title->SetAlign(platform::Align::Center);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Theme");
    text_ = AddLabel(*this, "Label2", 30, 60, 560, 150, 14);
    const int left = (kWidth - 3 * kFrameSize - 2 * kFrameGap) / 2;
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        frames_[i] = Add<platform::Panel>("Shape" + n);
        frames_[i]->SetBounds(left + i * (kFrameSize + kFrameGap), kFrameTop, kFrameSize,
                              kFrameSize);
        frames_[i]->SetColor(platform::colors::kGold);
        pictures_[i] = AddPicture(*frames_[i], "Image" + n, kBorder, kBorder,
                                  kFrameSize - 2 * kBorder, kFrameSize - 2 * kBorder);
    }
    goal_ = AddLabel(*this, "Label3", 30, 392, 560, 30, 16, true, false);
    goal_->SetAlign(platform::Align::Center);
    goal_->SetColor(platform::colors::kGold);
    AddButton(*this, screens.Svc(), "SpeedButton1", "Continue", 235, 450, 150, 40,
              [this] { Close(); });
}

void TFIntro3::Fill(const logic::ThemeIntro& intro) {
    text_->SetCaption(intro.text);
    goal_->SetCaption(intro.goal);
    for (int i = 0; i < 3; ++i) {
        const bool shown = !intro.pictures[i].empty();
        frames_[i]->SetVisible(shown);
        if (shown) pictures_[i]->LoadPicture(intro.pictures[i]);
    }
}

std::vector<std::pair<std::string, std::string>> TFIntro3::Describe() {
    std::string pictures;
    for (int i = 0; i < 3; ++i) {
        if (!frames_[i]->Visible()) continue;
        if (!pictures.empty()) pictures += "|";
        pictures += pictures_[i]->FileName();
    }
    return {{"text", text_->Caption()},
            {"goal", goal_->Caption()},
            {"pictures", pictures},
            {"buttons", "Continue"}};
}

}  // namespace screens
