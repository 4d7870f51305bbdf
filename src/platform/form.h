// Forms (windows) and their timers.
//
// A form is created once and reused. It is drawn centred on the canvas unless it was placed.
// Show makes it visible on top of the others; ShowModal also runs a nested message loop until
// the form closes and returns its modal result. Only the topmost modal form takes input.
// Closing goes through the form's close query, which may refuse: the window's close request and
// the Escape key reach the topmost form that takes input this way.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/control.h"

namespace platform {

class Application;

// Modal results.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class Form : public Control {
  public:
    // className is the form's class name as the game knows it ("TForm2", "TFMessage5").
    Form(Application& app, std::string className, int width, int height);
    ~Form() override;
    const char* Kind() const override { return "Form"; }

    const std::string& ClassName() const { return Name(); }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    std::string Caption() const override { return caption_; }
    void SetColor(Color color);
    Color BackColor() const { return color_; }
    // Fills the whole canvas (background windows).
    void SetFullCanvas(bool full);
    bool FullCanvas() const { return fullCanvas_; }
    // Places the form at a fixed canvas position instead of centring it.
    void PlaceAt(int x, int y);
    void Centre();

    void Show();
    void Hide();
    int ShowModal();
    bool IsModal() const { return modal_; }
    // A close request: asks the close query; when allowed, hides the form and ends its modal
    // loop with the modal result (mrCancel when none was set).
    void Close();
    // Sets the result and closes (through the close query, which may refuse and so reset it).
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }

    // Events. OnCloseQuery returns false to refuse closing.
    std::function<bool()> OnCloseQuery;
    std::function<void()> OnClose;
    std::function<void()> OnShow;
    std::function<void()> OnActivate;
    // Runs each time the form opens, before it is placed and shown: a form whose layout changes
    // does it here, so that a shown form keeps its place and size under the pointer.
    void AddOpeningHook(std::function<void()> hook) { openingHooks_.push_back(std::move(hook)); }
    // Enter and Escape, when a form wants them; return true when handled. Escape that is not
    // handled becomes a close request.
    std::function<bool(bool enter)> OnEnterEscape;
    void SetDefaultButton(Control* button) { defaultButton_ = button; }

    // Keys of the form: a key (by its name, platform/key_names.h) clicks its control, as a click
    // would, when the control is shown, enabled and not covered. `what` is the key list's line.
    struct KeyBinding {
        std::vector<std::string> keys;
        std::string what;
        Control* control = nullptr;
    };
    void BindKeys(std::vector<std::string> keys, std::string what, Control& control);
    const std::vector<KeyBinding>& KeyBindings() const { return keyBindings_; }
    const KeyBinding* BindingOf(const std::string& key) const;

    // What the transcript shows when the form is shown: pairs of key and text, by default the
    // caption and the captions of the visible buttons.
    virtual std::vector<std::pair<std::string, std::string>> Describe();

    void Paint(Canvas& canvas, const Rect& screen) override;
    Application& App() { return app_; }

  private:
    friend class Application;
    Application& app_;
    std::string caption_;
    Color color_ = colors::kPanel;
    bool fullCanvas_ = false;
    bool placed_ = false;
    bool modal_ = false;
    bool closing_ = false;
    int modalResult_ = mrNone;
    Control* defaultButton_ = nullptr;
    std::vector<std::function<void()>> openingHooks_;
    std::vector<KeyBinding> keyBindings_;
};

// A window timer. It fires on the user-interface thread, also while a modal form is open.
class Timer {
  public:
    explicit Timer(Application& app, int intervalMs = 1000, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Setting the interval of an enabled timer restarts its count.
    void SetInterval(int ms);
    int Interval() const { return intervalMs_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    std::function<void()> OnTimer;

    std::int64_t DueMs() const { return dueMs_; }

  private:
    friend class Application;
    Application& app_;
    int intervalMs_;
    bool enabled_ = false;
    std::int64_t dueMs_ = 0;
    std::uint64_t order_ = 0;  // ties of equal due times fire in the order they were armed
};

}  // namespace platform
