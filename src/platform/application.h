// The application object: the message loop, the display, the forms, the timers and the sound
// device. There is exactly one, made at start-up by the entry point.
//
// The loop blocks until the next input event or the next due timer (never spins), dispatches
// it, and redraws the canvas only when something changed. ShowModal runs the same loop nested.
// In the headless backend there is no input; when the program waits for input the loop asks
// its idle hook (the console's script, or a test) for the next thing to do.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/input_observer.h"

namespace platform {

class Canvas;
class Backend;

struct AppOptions {
    bool headless = false;
    bool windowed = false;    // start in a window instead of desktop full screen
    int desktopWidth = 1440;  // headless only: the size of the pretend desktop
    int desktopHeight = 900;
    Clock* clock = nullptr;  // null: the monotonic clock (a virtual one when headless)
    // headless only: present the canvas as a window does, onto a picture of what a window would
    // show (ShownPicture), so tests see what a real window paints
    bool mirrorWindow = false;
    std::string title = "Marchholt";
};

class Application {
  public:
    explicit Application(AppOptions options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application of this process (null before it is made).
    static Application* Instance();

    // Opens the display (window or offscreen canvas) and the sound device. False with an error
    // text when no display can be had at all.
    bool Init(std::string& error);
    bool Headless() const { return options_.headless; }

    // --- display ---
    // The size of the screen as measured at start-up.
    int DesktopWidth() const;
    int DesktopHeight() const;
    // Chooses the canvas for the full-screen game: 1440x900 when the desktop is at least 1440
    // wide, 1024x768 when it is wider than 800, else the desktop size; shows it full screen
    // unless the player chose a window. False when full screen could not be had.
    bool SwitchToFullScreen();
    // Back to the size measured at start (at exit).
    void RestoreDisplay();
    void ToggleWindowed();
    int CanvasWidth() const { return canvasWidth_; }
    int CanvasHeight() const { return canvasHeight_; }
    static void CanvasSizeFor(int desktopWidth, int desktopHeight, int& width, int& height);

    // --- message loop ---
    // Runs until the main form has closed (or Quit).
    void Run(Form& mainForm);
    // Runs the loop until done() is true or the application quits.
    void RunUntil(const std::function<bool()>& done);
    // Ends every loop: modal loops return mrNone and Run returns.
    void Quit();
    bool Quitting() const { return quitting_; }
    // Runs fn on the user-interface thread at the next turn of the loop; safe from any thread.
    void Post(std::function<void()> fn);
    // The console's and tests' hook: called when the loop would wait for input. It returns
    // false when it has nothing more to do, which ends the program.
    void SetIdleHook(std::function<bool()> hook) { idleHook_ = std::move(hook); }
    // Called whenever a modal window has opened and after one has closed (the error box aside),
    // so that the windows on screen show what the game holds now.
    void SetRefreshViewsHook(std::function<void()> hook) { refreshViewsHook_ = std::move(hook); }
    // Runs that hook now (after an action that opened no window).
    void RefreshViews();

    Clock& GetClock() { return *clock_; }
    VirtualClock* GetVirtualClock();  // null for the monotonic clock
    // Fires, in time order, every enabled timer due at or before now.
    bool FireDueTimers();
    // With a virtual clock: moves time to the next timer due before target (or to target) and
    // fires what fell due. False once the clock has reached target.
    bool AdvanceVirtualTime(std::int64_t target);
    // The earliest due time of an enabled timer, or -1.
    std::int64_t NextTimerDue() const;

    // --- forms ---
    const std::vector<Form*>& AllForms() const { return forms_; }
    Form* FindForm(const std::string& className) const;
    // The form that takes input: the topmost modal form, else the topmost visible form.
    Form* InputForm() const;
    // The control that takes the keyboard (the edit box clicked last), or nullptr.
    Control* Focus() const { return focus_; }
    // Every form of the program, in the order they were made.
    const std::vector<Form*>& Forms() const { return forms_; }
    // The form shown most recently (for the console's expect-shown).
    Form* LastShown() const { return lastShown_; }
    // The whole canvas, or one area of it, needs drawing again.
    void Invalidate() { dirty_ = true; }
    void InvalidateRect(const Rect& r);

    // Whether a click at the middle of the control would reach it: it is shown on the form that
    // takes input and nothing that takes clicks lies over it there (enabled or not).
    bool ClickWouldReach(Control& control);

    // F1: shows the keys of the form that takes input (the screens install the list).
    void SetKeyListHook(std::function<void(Form&)> hook) { keyListHook_ = std::move(hook); }

    // Who is told of the real window's input (null: nobody); not owned.
    void SetInputObserver(InputObserver* observer) { inputObserver_ = observer; }

    // --- errors ---
    // The standard error display: a box with the text and OK. It is shown at the next turn of
    // the loop (so the operation that failed can finish), never twice at once, and a text
    // reported under the same key (a picture's file name) is shown only once per run.
    void ReportError(const std::string& text, const std::string& onceKey = {});

    // --- sound ---
    AudioDevice& Audio();

    // --- transcript and pictures of the screen ---
    void SetTraceSink(std::function<void(const std::string&)> sink) {
        traceSink_ = std::move(sink);
    }
    void TraceEvent(const std::string& event);
    bool Tracing() const { return static_cast<bool>(traceSink_); }
    // Draws every visible form onto the canvas, or only into one area of it.
    void DrawCanvas();
    void DrawCanvas(const Rect& area);
    Canvas& GetCanvas();

  private:
    friend class Driver;
    // Input as the player gives it: from the real window's events, and through the Driver.
    void ClickControl(Control& control, MouseButton button = MouseButton::Left);
    void DoubleClickControl(Control& control);
    void HoverControl(Control& control);
    void TypeText(Edit& edit, const std::string& text);
    // A close request from the window frame or Escape, to the form that takes input.
    void RequestClose();
    void PressEnterEscape(bool enter);
    // A key by its name (platform/key_names.h), to the form that takes input: Enter, Escape and
    // F11 as always, the editing keys to the edit box that has the keyboard, F1 to the key list,
    // any other key to the form's binding, which clicks its control when a click could reach it.
    void PressKey(const std::string& name);
    // Draws the canvas now and writes it as PNG.
    bool Screenshot(const std::string& path, std::string& error);
    // With AppOptions::mirrorWindow: what a window would show now (null before the first
    // present, or without the mirror).
    ImagePtr ShownPicture() const;
    friend class Form;
    friend class Timer;
    friend class Control;

    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);
    void RaiseForm(Form* form);
    void FormShown(Form* form);
    void FormHidden(Form* form);
    int RunModal(Form& form);
    void RegisterTimer(Timer* timer);
    void UnregisterTimer(Timer* timer);
    void ArmTimer(Timer* timer);
    void ControlDestroyed(Control* control);

    // One turn of the loop; false when the loop has to end (quit or no input will come).
    bool Step(const std::function<bool()>& done);
    bool RunPosted();
    void ShowPendingError();
    void UpdateActivation();
    void PresentIfDirty();

    // A key from the real window: told to the input observer, then pressed; a held key acts once.
    void KeyFromWindow(const std::string& name, bool repeat);
    // The edit box of the form that takes input, when it has the keyboard.
    Control* KeyboardEdit() const;

    // Mouse handling in canvas coordinates.
    Control* ControlAt(Form& form, int x, int y);
    void MouseMoveTo(int x, int y);
    void MouseButtonAt(int x, int y, MouseButton button, bool down, int clicks);
    void SetHover(Control* control);
    // Gives the keyboard to a control; the old and the new one redraw (their caret).
    void SetFocus(Control* control);

    AppOptions options_;
    std::unique_ptr<Clock> ownClock_;
    Clock* clock_ = nullptr;
    std::unique_ptr<Backend> backend_;
    std::unique_ptr<AudioDevice> audio_;
    std::unique_ptr<Canvas> canvas_;
    int desktopWidth_ = 1024, desktopHeight_ = 768;
    int canvasWidth_ = 1024, canvasHeight_ = 768;
    Form* active_ = nullptr;

    std::vector<Form*> forms_;       // every form, in creation order
    std::vector<Form*> zOrder_;      // visible forms, bottom to top
    std::vector<Form*> modalStack_;  // forms whose modal loop runs, innermost last
    Form* lastShown_ = nullptr;
    std::vector<Timer*> timers_;
    std::uint64_t timerOrder_ = 0;

    std::mutex postMutex_;
    std::deque<std::function<void()>> posted_;

    std::function<bool()> idleHook_;
    InputObserver* inputObserver_ = nullptr;
    std::function<void()> refreshViewsHook_;
    std::function<void(Form&)> keyListHook_;
    bool inRefreshViewsHook_ = false;
    std::function<void(const std::string&)> traceSink_;
    bool quitting_ = false;
    bool dirty_ = true;  // the whole canvas
    Rect dirtyArea_{};   // else this part of it (empty: nothing)

    Control* hover_ = nullptr;
    Control* pressed_ = nullptr;
    Control* focus_ = nullptr;

    std::deque<std::string> pendingErrors_;
    std::set<std::string> reportedOnce_;
    bool errorShowing_ = false;
    std::unique_ptr<Form> errorBox_;
};

}  // namespace platform
