#include "platform/application.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>

#include "platform/audio_silent.h"
#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/key_names.h"
#include "platform/trace.h"
#include "platform/window_settings.h"

namespace platform {

namespace {
Application* g_instance = nullptr;

// The standard error display: the error's text and an OK button.
class ErrorBox final : public Form {
  public:
    explicit ErrorBox(Application& app) : Form(app, "ErrorBox", 460, 190) {
        SetCaption("Marchholt");
        text_ = Add<Label>("ErrorText");
        text_->SetBounds(20, 20, 420, 110);
        text_->SetWordWrap(true);
        ok_ = Add<SpeedButton>("OKButton");
        ok_->SetCaption("OK");
        ok_->SetBounds(180, 140, 100, 32);
        ok_->OnClick = [this] { SetModalResult(mrOk); };
        SetDefaultButton(ok_);
    }
    void SetText(const std::string& text) { text_->SetCaption(text); }
    std::vector<std::pair<std::string, std::string>> Describe() override {
        return {{"text", text_->Caption()}, {"buttons", "OK"}};
    }

  private:
    Label* text_;
    SpeedButton* ok_;
};
}  // namespace

Application* Application::Instance() {
    return g_instance;
}

Application::Application(AppOptions options) : options_(std::move(options)) {
    g_instance = this;
    if (options_.clock) {
        clock_ = options_.clock;
    } else {
        if (options_.headless) {
            ownClock_ = std::make_unique<VirtualClock>();
        } else {
            ownClock_ = std::make_unique<MonotonicClock>();
        }
        clock_ = ownClock_.get();
    }
    if (options_.headless) {
        backend_ = MakeHeadlessBackend(options_.desktopWidth, options_.desktopHeight,
                                       options_.mirrorWindow);
    } else {
        backend_ = MakeWindowBackend(options_.title);
    }
}

Application::~Application() {
    errorBox_.reset();
    audio_.reset();
    canvas_.reset();
    backend_.reset();
    if (TTF_WasInit()) TTF_Quit();
    SDL_Quit();
    g_instance = nullptr;
}

bool Application::Init(std::string& error) {
    if (!backend_->Init(error)) return false;
    if (!options_.headless && !options_.windowed) {
        options_.windowed = ReadWindowedSetting();
    }
    int w = 0, h = 0;
    backend_->DesktopSize(w, h);
    desktopWidth_ = w;
    desktopHeight_ = h;
    CanvasSizeFor(w, h, canvasWidth_, canvasHeight_);
    canvas_ = std::make_unique<Canvas>(canvasWidth_, canvasHeight_);
    if (options_.headless) {
        audio_ = std::make_unique<SilentAudio>(*this, true);
    } else {
        std::string audioError;
        audio_ = MakeSdlAudio(*this, audioError);
        if (!audio_) {
            std::fprintf(stderr, "Marchholt: no audio device (%s); the game runs without sound.\n",
                         audioError.c_str());
            audio_ = std::make_unique<SilentAudio>(*this, false);
        }
    }
    return true;
}

int Application::DesktopWidth() const {
    return desktopWidth_;
}
int Application::DesktopHeight() const {
    return desktopHeight_;
}

void Application::CanvasSizeFor(int desktopWidth, int desktopHeight, int& width, int& height) {
    if (desktopWidth >= 1440) {
        width = 1440;
        height = 900;
    } else if (desktopWidth > 800) {
        width = 1024;
        height = 768;
    } else {
        width = desktopWidth;
        height = desktopHeight;
    }
}

bool Application::SwitchToFullScreen() {
    CanvasSizeFor(desktopWidth_, desktopHeight_, canvasWidth_, canvasHeight_);
    canvas_->Resize(canvasWidth_, canvasHeight_);
    for (Form* f : forms_) {
        if (f->FullCanvas()) f->SetBounds(0, 0, canvasWidth_, canvasHeight_);
    }
    dirty_ = true;
    return backend_->ShowCanvas(canvasWidth_, canvasHeight_, !options_.windowed);
}

void Application::RestoreDisplay() {
    // The display mode was never changed; leaving full screen is all there is to undo.
    if (!options_.headless) backend_->ShowCanvas(canvasWidth_, canvasHeight_, false);
}

void Application::ToggleWindowed() {
    options_.windowed = !options_.windowed;
    if (!options_.headless) {
        backend_->ShowCanvas(canvasWidth_, canvasHeight_, !options_.windowed);
        WriteWindowedSetting(options_.windowed);
    }
    dirty_ = true;
}

VirtualClock* Application::GetVirtualClock() {
    return dynamic_cast<VirtualClock*>(clock_);
}

AudioDevice& Application::Audio() {
    if (!audio_) audio_ = std::make_unique<SilentAudio>(*this, options_.headless);
    return *audio_;
}

Canvas& Application::GetCanvas() {
    return *canvas_;
}

// ---------------------------------------------------------------------------------------------
// Forms

void Application::RegisterForm(Form* form) {
    forms_.push_back(form);
}

void Application::UnregisterForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
    if (lastShown_ == form) lastShown_ = nullptr;
    if (active_ == form) active_ = nullptr;
}

Form* Application::FindForm(const std::string& className) const {
    for (Form* f : forms_) {
        if (f->ClassName() == className) return f;
    }
    return nullptr;
}

void Application::RaiseForm(Form* form) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
    zOrder_.push_back(form);
    dirty_ = true;
}

void Application::FormShown(Form* form) {
    RaiseForm(form);
    lastShown_ = form;
    if (Tracing()) {
        std::string line = "shown " + form->ClassName();
        for (const auto& [key, value] : form->Describe())
            line += " " + key + "=" + Quote(value);
        TraceEvent(line);
    }
}

void Application::FormHidden(Form* form) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
    if (hover_ && hover_->OwnerForm() == form) hover_ = nullptr;
    if (pressed_ && pressed_->OwnerForm() == form) pressed_ = nullptr;
    dirty_ = true;
}

Form* Application::InputForm() const {
    if (!modalStack_.empty()) return modalStack_.back();
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        if ((*it)->Visible()) return *it;
    }
    return nullptr;
}

int Application::RunModal(Form& form) {
    if (quitting_) return mrNone;
    if (std::find(modalStack_.begin(), modalStack_.end(), &form) != modalStack_.end()) {
        return mrNone;  // already running modally: a second loop on it would never end
    }
    const bool errorBox = &form == errorBox_.get();
    form.modal_ = true;
    form.modalResult_ = mrNone;
    modalStack_.push_back(&form);
    form.Show();
    if (!errorBox) RefreshViews();
    RunUntil([&form] { return !form.Visible(); });
    modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), &form),
                      modalStack_.end());
    form.modal_ = false;
    if (form.Visible()) form.Hide();  // quitting
    if (Tracing()) TraceEvent("closed " + form.ClassName());
    if (quitting_) return mrNone;
    if (!errorBox) RefreshViews();
    return form.modalResult_;
}

void Application::RefreshViews() {
    // A refresh that opens a window (an error box) must not refresh again from inside.
    if (!refreshViewsHook_ || inRefreshViewsHook_ || quitting_) return;
    inRefreshViewsHook_ = true;
    refreshViewsHook_();
    inRefreshViewsHook_ = false;
}

void Application::ControlDestroyed(Control* control) {
    if (hover_ == control) hover_ = nullptr;
    if (pressed_ == control) pressed_ = nullptr;
    if (focus_ == control) focus_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Timers

void Application::RegisterTimer(Timer* timer) {
    timers_.push_back(timer);
}

void Application::UnregisterTimer(Timer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Application::ArmTimer(Timer* timer) {
    timer->dueMs_ = clock_->NowMs() + std::max(0, timer->intervalMs_);
    timer->order_ = ++timerOrder_;
}

std::int64_t Application::NextTimerDue() const {
    std::int64_t best = -1;
    for (const Timer* t : timers_) {
        if (!t->enabled_ || t->intervalMs_ <= 0) continue;
        if (best < 0 || t->dueMs_ < best) best = t->dueMs_;
    }
    return best;
}

bool Application::FireDueTimers() {
    bool fired = false;
    // One timer at a time, earliest first: a handler may start, stop or re-arm any timer.
    for (;;) {
        if (quitting_) return fired;
        const std::int64_t now = clock_->NowMs();
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (!t->enabled_ || t->intervalMs_ <= 0 || t->dueMs_ > now) continue;
            if (!next || t->dueMs_ < next->dueMs_ ||
                (t->dueMs_ == next->dueMs_ && t->order_ < next->order_)) {
                next = t;
            }
        }
        if (!next) return fired;
        next->dueMs_ = std::max(next->dueMs_ + next->intervalMs_, now + 1);
        next->order_ = ++timerOrder_;
        fired = true;
        if (next->OnTimer) next->OnTimer();
    }
}

bool Application::AdvanceVirtualTime(std::int64_t target) {
    VirtualClock* clock = GetVirtualClock();
    if (!clock || clock->NowMs() >= target) return false;
    const std::int64_t due = NextTimerDue();
    clock->AdvanceTo((due >= 0 && due <= target) ? due : target);
    FireDueTimers();
    return true;
}

// ---------------------------------------------------------------------------------------------
// The loop

void Application::Run(Form& mainForm) {
    mainForm.Show();
    RunUntil([&mainForm] { return !mainForm.Visible(); });
}

void Application::RunUntil(const std::function<bool()>& done) {
    while (!quitting_ && !done()) {
        if (!Step(done)) break;
    }
}

void Application::Quit() {
    quitting_ = true;
    backend_->Wake();
}

void Application::Post(std::function<void()> fn) {
    {
        std::lock_guard<std::mutex> lock(postMutex_);
        posted_.push_back(std::move(fn));
    }
    backend_->Wake();
}

bool Application::RunPosted() {
    bool ran = false;
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard<std::mutex> lock(postMutex_);
            if (posted_.empty()) break;
            fn = std::move(posted_.front());
            posted_.pop_front();
        }
        ran = true;
        fn();
        if (quitting_) break;
    }
    return ran;
}

void Application::UpdateActivation() {
    Form* f = InputForm();
    if (f == active_) return;
    active_ = f;
    if (f && f->OnActivate) f->OnActivate();
}

bool Application::Step(const std::function<bool()>& done) {
    bool worked = RunPosted();
    if (quitting_ || done()) return !quitting_;
    worked = FireDueTimers() || worked;
    if (quitting_ || done()) return !quitting_;
    UpdateActivation();
    if (quitting_ || done()) return !quitting_;
    if (!pendingErrors_.empty() && !errorShowing_) {
        ShowPendingError();
        return !quitting_;
    }
    PresentIfDirty();
    if (worked) return true;
    {
        std::lock_guard<std::mutex> lock(postMutex_);
        if (!posted_.empty()) return true;
    }
    if (options_.headless) {
        // A copy: the hook may install another one while it runs.
        const std::function<bool()> hook = idleHook_;
        if (hook && hook()) return !quitting_;
        // Nobody will ever give input: end instead of waiting forever.
        Quit();
        return false;
    }
    const std::int64_t due = NextTimerDue();
    int waitMs = -1;
    if (due >= 0) waitMs = static_cast<int>(std::max<std::int64_t>(0, due - clock_->NowMs()));
    if (inputObserver_) inputObserver_->WaitingForInput();
    std::vector<InputEvent> events;
    backend_->Wait(waitMs, events);
    for (const InputEvent& e : events) {
        if (quitting_) break;
        switch (e.type) {
            case InputEvent::MouseMove:
                MouseMoveTo(e.x, e.y);
                break;
            case InputEvent::MouseDown:
                MouseButtonAt(e.x, e.y, e.button, true, e.clicks);
                break;
            case InputEvent::MouseUp:
                MouseButtonAt(e.x, e.y, e.button, false, e.clicks);
                break;
            case InputEvent::Text:
                if (focus_ && focus_->Showing() && focus_->OwnerForm() == InputForm()) {
                    Control* edited = focus_;
                    edited->KeyText(e.text);
                    if (inputObserver_ && focus_ == edited) inputObserver_->Edited(*edited);
                }
                break;
            case InputEvent::Key:
                KeyFromWindow(e.keyName, e.repeat);
                break;
            case InputEvent::CloseRequest:
                if (inputObserver_) inputObserver_->CloseRequested();
                RequestClose();
                break;
            case InputEvent::ToggleWindowed:
                ToggleWindowed();
                break;
            case InputEvent::Redraw:
                dirty_ = true;
                break;
            case InputEvent::Wake:
                break;  // posted work runs at the next turn
        }
    }
    return !quitting_;
}

void Application::InvalidateRect(const Rect& r) {
    if (dirty_ || r.w <= 0 || r.h <= 0) return;
    if (dirtyArea_.w <= 0 || dirtyArea_.h <= 0) {
        dirtyArea_ = r;
        return;
    }
    const int x1 = std::min(dirtyArea_.x, r.x), y1 = std::min(dirtyArea_.y, r.y);
    const int x2 = std::max(dirtyArea_.x + dirtyArea_.w, r.x + r.w);
    const int y2 = std::max(dirtyArea_.y + dirtyArea_.h, r.y + r.h);
    dirtyArea_ = Rect{x1, y1, x2 - x1, y2 - y1};
}

void Application::DrawCanvas() {
    DrawCanvas(Rect{0, 0, canvas_->Width(), canvas_->Height()});
}

void Application::DrawCanvas(const Rect& area) {
    Canvas& canvas = *canvas_;
    canvas.SetClip(area);
    canvas.Fill(area, colors::kBlack);
    for (Form* f : zOrder_) {
        if (!f->Visible()) continue;
        canvas.SetClip(area);
        f->DrawTree(canvas, 0, 0);
    }
    canvas.SetClip(Rect{0, 0, canvas.Width(), canvas.Height()});
}

void Application::PresentIfDirty() {
    if (options_.headless && !options_.mirrorWindow) return;
    if (dirty_) {
        dirty_ = false;
        dirtyArea_ = Rect{};
        DrawCanvas();
        backend_->Present(*canvas_, Rect{0, 0, canvas_->Width(), canvas_->Height()});
        return;
    }
    if (dirtyArea_.w <= 0 || dirtyArea_.h <= 0) return;
    Rect area = dirtyArea_;
    dirtyArea_ = Rect{};
    // Clip to the canvas.
    const int x1 = std::max(0, area.x), y1 = std::max(0, area.y);
    const int x2 = std::min(canvas_->Width(), area.x + area.w);
    const int y2 = std::min(canvas_->Height(), area.y + area.h);
    if (x2 <= x1 || y2 <= y1) return;
    area = Rect{x1, y1, x2 - x1, y2 - y1};
    DrawCanvas(area);
    backend_->Present(*canvas_, area);
}

bool Application::Screenshot(const std::string& path, std::string& error) {
    DrawCanvas();
    ImagePtr shot = canvas_->Snapshot();
    if (!shot) {
        error = "Cannot copy the screen.";
        return false;
    }
    return WritePng(*shot, path, error);
}

ImagePtr Application::ShownPicture() const {
    return backend_->Shown();
}

void Application::TraceEvent(const std::string& event) {
    if (traceSink_) traceSink_(std::to_string(clock_->NowMs()) + " " + event);
}

// ---------------------------------------------------------------------------------------------
// Errors

void Application::ReportError(const std::string& text, const std::string& onceKey) {
    if (!onceKey.empty()) {
        if (reportedOnce_.count(onceKey)) return;
        reportedOnce_.insert(onceKey);
    }
    if (std::find(pendingErrors_.begin(), pendingErrors_.end(), text) != pendingErrors_.end())
        return;
    pendingErrors_.push_back(text);
    backend_->Wake();
}

void Application::ShowPendingError() {
    if (pendingErrors_.empty() || errorShowing_) return;
    std::string text = pendingErrors_.front();
    pendingErrors_.pop_front();
    if (!errorBox_) errorBox_ = std::make_unique<ErrorBox>(*this);
    static_cast<ErrorBox*>(errorBox_.get())->SetText(text);
    errorShowing_ = true;
    RunModal(*errorBox_);
    errorShowing_ = false;
}

// ---------------------------------------------------------------------------------------------
// Input

Control* Application::ControlAt(Form& form, int x, int y) {
    std::function<Control*(Control&, int, int)> find = [&](Control& parent, int px,
                                                           int py) -> Control* {
        const auto& kids = parent.Children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            Control& c = **it;
            if (!c.Visible()) continue;
            Rect r{px + c.Left(), py + c.Top(), c.Width(), c.Height()};
            if (!r.Contains(x, y)) continue;
            if (Control* inner = find(c, r.x, r.y)) return inner;
            const bool interactive = c.HitTestable() || c.WantsKeyboard() ||
                                     dynamic_cast<SpeedButton*>(&c) ||
                                     dynamic_cast<RadioButton*>(&c) ||
                                     dynamic_cast<ComboBox*>(&c) || dynamic_cast<Edit*>(&c);
            if (interactive) return &c;
        }
        return nullptr;
    };
    if (!form.Visible()) return nullptr;
    Rect fr = form.Bounds();
    if (!fr.Contains(x, y)) return nullptr;
    if (Control* c = find(form, fr.x, fr.y)) return c;
    return &form;
}

void Application::SetHover(Control* control) {
    if (hover_ == control) return;
    Control* old = hover_;
    hover_ = control;
    if (old && old->OnMouseLeave) old->OnMouseLeave();
    if (control && control->Enabled() && control->OnMouseEnter) control->OnMouseEnter();
}

void Application::MouseMoveTo(int x, int y) {
    Form* form = InputForm();
    if (!form) return;
    Control* c = ControlAt(*form, x, y);
    SetHover(c);
    if (c && c->Enabled() && c->OnMouseMove) {
        Rect r = c->ScreenBounds();
        c->OnMouseMove(x - r.x, y - r.y);
    }
}

void Application::MouseButtonAt(int x, int y, MouseButton button, bool down, int clicks) {
    Form* form = InputForm();
    if (!form) return;
    Control* c = ControlAt(*form, x, y);
    if (!c || !c->Enabled()) {
        if (!down) pressed_ = nullptr;
        return;
    }
    if (inputObserver_) {
        if (down) {
            inputObserver_->Pressed(*c, button, clicks);
        } else {
            inputObserver_->Released(*c, button, pressed_ == c);
        }
    }
    Rect r = c->ScreenBounds();
    if (down) {
        pressed_ = c;
        if (c->WantsKeyboard()) SetFocus(c);
        c->MouseDown(button, x - r.x, y - r.y);
        if (clicks == 2 && button == MouseButton::Left && pressed_ == c) c->DoubleClick();
    } else {
        Control* wasPressed = pressed_;
        pressed_ = nullptr;
        c->MouseUp(button, x - r.x, y - r.y);
        if (button == MouseButton::Left && wasPressed == c && c->Showing() && c->Enabled()) {
            c->Click();
        }
    }
}

void Application::SetFocus(Control* control) {
    if (focus_ == control) return;
    if (focus_) focus_->Invalidate();
    focus_ = control;
    if (focus_) focus_->Invalidate();
}

void Application::ClickControl(Control& control, MouseButton button) {
    if (control.WantsKeyboard()) SetFocus(&control);
    control.MouseDown(button, control.Width() / 2, control.Height() / 2);
    control.MouseUp(button, control.Width() / 2, control.Height() / 2);
    if (button == MouseButton::Left && control.Showing() && control.Enabled()) control.Click();
}

void Application::DoubleClickControl(Control& control) {
    ClickControl(control);
    if (control.Showing() && control.Enabled()) control.DoubleClick();
}

void Application::HoverControl(Control& control) {
    SetHover(&control);
    if (control.OnMouseMove) control.OnMouseMove(control.Width() / 2, control.Height() / 2);
}

void Application::TypeText(Edit& edit, const std::string& text) {
    SetFocus(&edit);
    edit.SetText(text);
}

void Application::RequestClose() {
    if (Form* f = InputForm()) f->Close();
}

namespace {

// The keys an edit box takes while it has the keyboard.
int EditKeyOf(const std::string& name) {
    static const std::pair<const char*, int> kEditKeys[] = {
        {"Backspace", Edit::kBackspace}, {"Delete", Edit::kDelete}, {"Left", Edit::kLeft},
        {"Right", Edit::kRight},         {"Home", Edit::kHome},     {"End", Edit::kEnd},
    };
    for (const auto& [key, edit] : kEditKeys) {
        if (name == key) return edit;
    }
    return 0;
}

bool IsEnter(const std::string& name) {
    return name == kEnterKey || name == kKeypadEnterKey;
}

}  // namespace

Control* Application::KeyboardEdit() const {
    if (focus_ && focus_->Showing() && focus_->OwnerForm() == InputForm() &&
        dynamic_cast<Edit*>(focus_))
        return focus_;
    return nullptr;
}

void Application::KeyFromWindow(const std::string& name, bool repeat) {
    Control* edited = EditKeyOf(name) != 0 ? KeyboardEdit() : nullptr;
    // A key held down acts once (an army or a hero takes one step a press); editing repeats.
    if (repeat && !edited) return;
    if (inputObserver_) {
        // Only a key that can act is told: typing, Shift and keys bound to nothing are not.
        Form* form = InputForm();
        if (IsEnter(name) || name == kEscapeKey) {
            inputObserver_->EnterEscape(IsEnter(name));
        } else if (!edited && form &&
                   ((name == kKeyListKey && keyListHook_) ||
                    (!KeyboardEdit() && form->BindingOf(name)))) {
            inputObserver_->KeyPressed(name);
        }
    }
    PressKey(name);
    if (edited && inputObserver_ && focus_ == edited) inputObserver_->Edited(*edited);
}

void Application::PressKey(const std::string& name) {
    if (IsEnter(name) || name == kEscapeKey) {
        PressEnterEscape(IsEnter(name));
        return;
    }
    if (name == kWindowedKey) {
        ToggleWindowed();
        return;
    }
    if (Control* edited = KeyboardEdit(); edited && EditKeyOf(name) != 0) {
        edited->KeyEdit(EditKeyOf(name));
        return;
    }
    Form* form = InputForm();
    if (!form) return;
    if (name == kKeyListKey) {
        if (keyListHook_) keyListHook_(*form);
        return;
    }
    // Letters and digits go into the edit box that has the keyboard.
    if (KeyboardEdit()) return;
    const Form::KeyBinding* binding = form->BindingOf(name);
    if (!binding) return;
    Control& control = *binding->control;
    // Only what a click would reach: a control covered by another (a panel over the map) is not.
    if (control.Enabled() && ClickWouldReach(control)) ClickControl(control);
}

bool Application::ClickWouldReach(Control& control) {
    Form* form = InputForm();
    if (!form || control.OwnerForm() != form || !control.Showing()) return false;
    const Rect r = control.ScreenBounds();
    return ControlAt(*form, r.x + r.w / 2, r.y + r.h / 2) == &control;
}

void Application::PressEnterEscape(bool enter) {
    Form* f = InputForm();
    if (!f) return;
    if (f->OnEnterEscape && f->OnEnterEscape(enter)) return;
    if (enter) {
        if (f->defaultButton_ && f->defaultButton_->Showing() && f->defaultButton_->Enabled()) {
            ClickControl(*f->defaultButton_);
        }
    } else {
        f->Close();
    }
}

}  // namespace platform
