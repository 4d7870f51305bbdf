// The tutorial panel of a screen, its buttons and its blinking pointer.
#include "screens/tutorial_panel.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "screens/pointer_spot.h"
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
    pointer_->SetBounds(x, y, kPointerW, kPointerH);
}

void TutorialPanel::PointAt(const platform::Control& target, bool click) {
    PointAtArea(target.ScreenBounds(), click, &target);
}

// The hand stands right of the area pointing left, or left of it pointing right, or else below
// or above it pointing up or down, as near the area's middle as it can without covering another
// control of the window or the panel; where every place covers one, right of the middle (or
// left, without room on the right).
void TutorialPanel::PointAtArea(const platform::Rect& screenArea, bool click,
                                const platform::Control* target) {
    const platform::Rect origin = parent_->ScreenBounds();
    const auto local = [&origin](const platform::Rect& r) {
        return platform::Rect{r.x - origin.x, r.y - origin.y, r.w, r.h};
    };
    const platform::Rect area = local(screenArea);
    std::vector<platform::Rect> obstacles;
    for (const platform::Rect& r : PointerObstacles(*parent_, target, *pointer_)) {
        if (r.x == screenArea.x && r.y == screenArea.y && r.w == screenArea.w &&
            r.h == screenArea.h)
            continue;  // the area pointed at itself
        obstacles.push_back(local(r));
    }
    // The panel, shown or about to be (unless the pointer points into it: then its controls
    // count as the window's), and its small button.
    bool inPanel = false;
    for (const platform::Control* c = target; c != nullptr; c = c->Parent())
        inPanel = inPanel || c == panel_;
    if (!inPanel) obstacles.push_back(local(panel_->ScreenBounds()));
    // The panel's own controls, shown or not yet.
    if (inPanel) {
        for (const platform::Rect& r : PointerObstacles(*panel_, target, *pointer_))
            obstacles.push_back(local(r));
    }
    if (show_ != nullptr && show_->Visible()) obstacles.push_back(local(show_->ScreenBounds()));
    // The window as it is once the panel shows (a strip the window grows by when it next opens).
    const platform::Rect strip = local(panel_->ScreenBounds());
    const int windowW = std::max(parent_->Width(), strip.x + strip.w);
    const int windowH = std::max(parent_->Height(), strip.y + strip.h);
    std::optional<PointerSpot> spot =
        FreePointerSpot(area, kPointerW, kPointerH, windowW, windowH, obstacles);
    if (!spot) {
        const int top = std::clamp(area.y + area.h / 2 - kPointerH / 2, 0,
                                   std::max(0, parent_->Height() - kPointerH));
        const bool roomRight = area.x + area.w + kPointerW <= parent_->Width();
        spot = PointerSpot{
            {roomRight ? area.x + area.w : area.x - kPointerW, top, kPointerW, kPointerH},
            roomRight ? PointerSide::right : PointerSide::left};
    }
    static constexpr const char* kPointing[] = {"_left.jpg", "_right.jpg", "_up.jpg", "_down.jpg"};
    const std::string picture = std::string(click ? "tutorialclick" : "tutorialview") +
                                kPointing[static_cast<int>(spot->side)];
    PlacePointer(picture, spot->place.x, spot->place.y);
    // Turned or made smaller: the picture fills the spot.
    pointer_->SetStretch(true);
    pointer_->SetBounds(spot->place.x, spot->place.y, spot->place.w, spot->place.h);
}

void TutorialPanel::RemovePointer() {
    pointer_->Clear();
    pointer_->Hide();
    blink_.SetEnabled(false);
}

}  // namespace screens
