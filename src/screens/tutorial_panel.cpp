#include "screens/tutorial_panel.h"

namespace screens {

namespace {
constexpr int kBlinkMs = 500;
}

TutorialPanel::TutorialPanel(platform::Control& parent, Services& services, int x, int y, int w,
                             int h, const std::string& hideName, const std::string& showName,
                             const std::string& exitName)
    : blink_(services.app, kBlinkMs, false) {
    panel_ = parent.Add<platform::Panel>("TutorialPanel");
    panel_->SetBounds(x, y, w, h);
    panel_->SetColor(platform::Color::Rgb(60, 46, 26));
    title_ = AddLabel(*panel_, "TutorialTitle", 10, 8, w - 20, 24, 16, true, false);
    title_->SetColor(platform::colors::kGold);
    text_ = AddLabel(*panel_, "TutorialText", 10, 36, w - 20, h - 90, 13);
    action_ = AddLabel(*panel_, "TutorialAction", 10, h - 52, w - 20, 20, 13, true, false);
    action_->SetColor(platform::Color::Rgb(255, 220, 140));
    AddButton(*panel_, services, hideName, "Hide", w - 190, h - 30, 80, 24, [this] {
        panel_->Hide();
        show_->Show();
    });
    AddButton(*panel_, services, exitName, "Exit", w - 100, h - 30, 80, 24, [this] {
        if (onExit) onExit();
    });
    show_ = AddButton(parent, services, showName, "Show tutorial", x, y, 130, 26, [this] {
        show_->Hide();
        panel_->Show();
    });
    show_->Hide();
    pointer_ = AddPicture(parent, "TutorialPointer", 0, 0, 60, 60);
    pointer_->Hide();
    blink_.OnTimer = [this] { pointer_->SetVisible(!pointer_->Visible()); };
    panel_->Hide();
}

void TutorialPanel::SetStep(const std::string& title, const std::string& text,
                            const std::string& action) {
    title_->SetCaption(title);
    text_->SetCaption(text);
    action_->SetCaption(action);
}

void TutorialPanel::Activate() {
    show_->Hide();
    panel_->Show();
    panel_->BringToFront();
    if (!pointer_->FileName().empty()) {
        pointer_->Show();
        pointer_->BringToFront();
        blink_.SetEnabled(true);
    }
}

void TutorialPanel::Deactivate() {
    panel_->Hide();
    show_->Hide();
    pointer_->Hide();
    blink_.SetEnabled(false);
}

void TutorialPanel::PlacePointer(const std::string& picture, int x, int y) {
    pointer_->LoadPicture(picture);
    pointer_->SetPosition(x, y);
}

}  // namespace screens
