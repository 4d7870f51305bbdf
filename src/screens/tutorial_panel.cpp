// The tutorial panel of a screen, its buttons and its blinking pointer.
#include "screens/tutorial_panel.h"

#include <algorithm>

#include "state/game_state.h"

namespace screens {

namespace {
constexpr int kBlinkMs = 500;
constexpr int kPointerW = 80, kPointerH = 60;
}  // namespace

TutorialPanel::TutorialPanel(platform::Control& parent, Services& services, int x, int y, int w,
                             int h, const TutorialPanelNames& names)
    : blink_(services.app, kBlinkMs, false) {
    Build(parent, services, x, y, w, h, names);
}

TutorialPanel::TutorialPanel(platform::Form& window, Services& services, int stripHeight,
                             const TutorialPanelNames& names)
    : window_(&window),
      baseHeight_(window.Height()),
      stripHeight_(stripHeight),
      blink_(services.app, kBlinkMs, false) {
    Build(window, services, 8, window.Height() + 4, window.Width() - 16, stripHeight - 8, names);
    LayOut(false);
    window.AddOpeningHook([this] { LayOut(active_ || state::G().tutorialOn); });
}

void TutorialPanel::Build(platform::Control& parent, Services& services, int x, int y, int w, int h,
                          const TutorialPanelNames& names) {
    parent_ = &parent;
    panel_ = parent.Add<platform::Panel>("TutorialPanel");
    panel_->SetBounds(x, y, w, h);
    panel_->SetColor(platform::Color::Rgb(60, 46, 26));
    title_ = AddLabel(*panel_, "TutorialTitle", 10, 6, w - 20, 22, 15, true, false);
    title_->SetColor(platform::colors::kGold);
    // The text, then the action line on a row of its own above the buttons.
    text_ = AddLabel(*panel_, "TutorialText", 10, 30, w - 20, h - 88, 13);
    action_ = AddLabel(*panel_, "TutorialAction", 10, h - 54, w - 20, 22, 13, true, false);
    action_->SetColor(platform::Color::Rgb(255, 220, 140));
    // Created in the order the panel reads: "Hide", "Exit", then "Continue" left of them.
    AddButton(*panel_, services, names.hide, "Hide", w - 180, h - 30, 80, 24, [this] {
        panel_->Hide();
        show_->Show();
        show_->BringToFront();
    });
    AddButton(*panel_, services, names.exit, "Exit", w - 90, h - 30, 80, 24, [this] {
        if (onExit) onExit();
    });
    if (!names.next.empty()) {
        next_ =
            AddButton(*panel_, services, names.next, "Continue", w - 280, h - 30, 90, 24, [this] {
                if (onContinue) onContinue();
            });
        next_->Hide();
    }
    show_ = AddButton(parent, services, names.show, "Show tutorial", x, y, 130, 26, [this] {
        show_->Hide();
        panel_->Show();
        panel_->BringToFront();
    });
    show_->Hide();
    pointer_ = AddPicture(parent, "TutorialPointer", 0, 0, kPointerW, kPointerH);
    pointer_->Hide();
    // The blinking stops itself once the tutorial is off.
    blink_.OnTimer = [this] {
        if (!state::G().tutorialOn) {
            blink_.SetEnabled(false);
            pointer_->Hide();
            return;
        }
        pointer_->SetVisible(!pointer_->Visible());
    };
    panel_->Hide();
}

void TutorialPanel::SetStep(const std::string& title, const std::string& text,
                            const std::string& action) {
    titleText_ = title;
    title_->SetCaption(title);
    text_->SetCaption(text);
    action_->SetCaption(action);
}

void TutorialPanel::SetContinueVisible(bool visible) {
    if (next_ != nullptr) next_->SetVisible(visible);
}

// Windows must not move under the pointer: a shown window keeps its layout until it opens
// again. Only a shown window without the strip that is to show its panel grows at once, as the
// panel needs the room.
void TutorialPanel::Grow(bool grown) {
    if (window_ == nullptr || grown == grown_) return;
    if (!window_->Visible()) {
        LayOut(grown);
    } else if (grown && active_) {
        LayOut(true);
        window_->Centre();
    }
}

// A strip panel lies in the strip while the window is grown, and waits hidden inside the window
// otherwise.
void TutorialPanel::LayOut(bool grown) {
    grown_ = grown;
    const int top = grown ? baseHeight_ + 4 : 4;
    panel_->SetTop(top);
    show_->SetTop(top);
    window_->SetHeight(grown ? baseHeight_ + stripHeight_ : baseHeight_);
}

void TutorialPanel::Activate() {
    active_ = true;
    Grow(true);
    show_->Hide();
    panel_->Show();
    panel_->BringToFront();
    if (!pointer_->FileName().empty()) {
        pointer_->Show();
        pointer_->BringToFront();
        blink_.SetEnabled(true);
    } else {
        pointer_->Hide();
        blink_.SetEnabled(false);
    }
}

void TutorialPanel::Deactivate() {
    active_ = false;
    panel_->Hide();
    show_->Hide();
    pointer_->Hide();
    blink_.SetEnabled(false);
    // While the tutorial runs the window keeps its strip, so that it does not jump from step to
    // step.
    if (!state::G().tutorialOn) Grow(false);
}

void TutorialPanel::PlacePointer(const std::string& picture, int x, int y) {
    pointer_->LoadPicture(picture);
    pointer_->SetPosition(x, y);
}

void TutorialPanel::PointAt(const platform::Control& target, bool click) {
    PointAtArea(target.ScreenBounds(), click);
}

// The hand stands right of the area pointing left; where there is no room on the right, it
// stands left of it pointing right.
void TutorialPanel::PointAtArea(const platform::Rect& screenArea, bool click) {
    const platform::Rect origin = parent_->ScreenBounds();
    const int x = screenArea.x - origin.x, y = screenArea.y - origin.y;
    const int top = std::clamp(y + screenArea.h / 2 - kPointerH / 2, 0,
                               std::max(0, parent_->Height() - kPointerH));
    const bool roomRight = x + screenArea.w + kPointerW <= parent_->Width();
    const std::string side = roomRight ? "_left.jpg" : "_right.jpg";
    const std::string picture = std::string(click ? "tutorialclick" : "tutorialview") + side;
    PlacePointer(picture, roomRight ? x + screenArea.w : x - kPointerW, top);
}

void TutorialPanel::RemovePointer() {
    pointer_->Clear();
    pointer_->Hide();
    blink_.SetEnabled(false);
}

}  // namespace screens
