// The real window: an SDL window that shows the canvas and turns SDL's events into input.
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/display_probe.h"
#include "platform/key_names.h"
#include "platform/viewport.h"
#include "platform/window_placement.h"

namespace platform {

namespace {

// One SDL window drawn through its own window surface: no renderer and so no OpenGL. The
// canvas is copied (scaled where the window is not the canvas's size, with its aspect kept and
// black bars around it) into the surface, and only the changed rectangle is presented. Mouse
// positions come back in canvas coordinates.
class WindowBackend final : public Backend {
  public:
    explicit WindowBackend(std::string title) : title_(std::move(title)) {}

    ~WindowBackend() override {
        if (window_) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    bool Init(std::string& error) override {
        // The window surface is plain memory shared with the display server. Without this SDL
        // would put a texture of a renderer behind it, which loads the OpenGL stack (a software
        // one where there is no GPU) only to show a 2D picture.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            error = std::string("No display: ") + SDL_GetError();
            return false;
        }
        wakeEvent_ = SDL_RegisterEvents(1);
        window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   1024, 768, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
        if (!window_) {
            error = std::string("Cannot open a window: ") + SDL_GetError();
            return false;
        }
        SDL_StartTextInput();
        return true;
    }

    void DesktopSize(int& width, int& height) override {
        const Rect display = DisplayArea();
        width = display.w;
        height = display.h;
    }

    bool ShowCanvas(int width, int height, bool fullScreen) override {
        shownW_ = shownH_ = -1;  // the next present draws the whole window
        realKnown_ = false;
        if (fullScreen && EnterFullScreen()) return true;
        // A window, also where full screen could not be had: never a black screen.
        ShowInWindow(width, height);
        return !fullScreen;
    }

    void Present(Canvas& canvas, const Rect& changed) override {
        SDL_Surface* target = SDL_GetWindowSurface(window_);
        SDL_Surface* source = canvas.Surface();
        if (!target || !source) return;
        // The picture fits the window as the display server has it, which is smaller than the
        // surface where a request for a size was not (yet) granted.
        if (!realKnown_) {
            const auto real = RealWindowArea(window_);
            realW_ = real ? real->w : target->w;
            realH_ = real ? real->h : target->h;
            realKnown_ = true;
        }
        const int fitW = std::clamp(realW_, 1, target->w);
        const int fitH = std::clamp(realH_, 1, target->h);
        viewport_ = Viewport::Fit(source->w, source->h, fitW, fitH);
        const bool whole =
            fitW != shownW_ || fitH != shownH_ ||
            (changed.x <= 0 && changed.y <= 0 && changed.w >= source->w && changed.h >= source->h);
        Rect area;
        if (whole) {
            SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
            area = viewport_.area;
        } else {
            area = viewport_.WindowAreaOf(changed);
        }
        if (area.w > 0 && area.h > 0) Copy(*source, *target, changed, area, whole);
        shownW_ = fitW;
        shownH_ = fitH;
        if (whole) {
            SDL_UpdateWindowSurface(window_);
        } else if (area.w > 0 && area.h > 0) {
            const SDL_Rect r{area.x, area.y, area.w, area.h};
            SDL_UpdateWindowSurfaceRects(window_, &r, 1);
        }
    }

    void Wait(int waitMs, std::vector<InputEvent>& events) override {
        SDL_Event e;
        int got = waitMs < 0 ? SDL_WaitEvent(&e) : SDL_WaitEventTimeout(&e, waitMs);
        while (got) {
            Translate(e, events);
            got = SDL_PollEvent(&e);
        }
    }

    void Wake() override {
        SDL_Event e{};
        e.type = wakeEvent_;
        SDL_PushEvent(&e);
    }

  private:
    // The bounds of the display the window is on (the first display before it is placed).
    Rect DisplayArea() const {
        const int index = std::max(0, SDL_GetWindowDisplayIndex(window_));
        SDL_Rect b;
        if (SDL_GetDisplayBounds(index, &b) == 0 && b.w > 0 && b.h > 0) return {b.x, b.y, b.w, b.h};
        return {0, 0, 1024, 768};
    }

    // What panels and docks leave of that display.
    Rect UsableArea() const {
        const int index = std::max(0, SDL_GetWindowDisplayIndex(window_));
        SDL_Rect b;
        if (SDL_GetDisplayUsableBounds(index, &b) == 0 && b.w > 0 && b.h > 0)
            return {b.x, b.y, b.w, b.h};
        return DisplayArea();
    }

    // Full screen on the window's display, checked against the server: a window manager makes
    // the window full screen when asked; without one (or where it did not) the window is laid
    // over the display by hand, without a frame. False when neither covered the display.
    bool EnterFullScreen() {
        const Rect display = DisplayArea();
        if (WindowManagerRunning(window_).value_or(true)) {
            SDL_SetWindowBordered(window_, SDL_TRUE);
            if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
                SDL_ShowWindow(window_);
                if (Settles(display)) return true;
            }
            SDL_SetWindowFullscreen(window_, 0);
        }
        SDL_SetWindowBordered(window_, SDL_FALSE);
        SDL_SetWindowPosition(window_, display.x, display.y);
        SDL_SetWindowSize(window_, display.w, display.h);
        SDL_ShowWindow(window_);
        return Settles(display);
    }

    // A window of the canvas's shape that fits, with its frame, what the panels leave free.
    void ShowInWindow(int width, int height) {
        SDL_SetWindowFullscreen(window_, 0);
        SDL_SetWindowBordered(window_, SDL_TRUE);
        SDL_ShowWindow(window_);
        const FrameSize frame = FrameOfWindow();
        const Rect area = WindowedArea(UsableArea(), frame, width, height);
        SDL_SetWindowSize(window_, area.w, area.h);
        SDL_SetWindowPosition(window_, area.x, area.y);
    }

    // The frame the window manager draws, once it has said (a moment after the window is
    // shown); none without a window manager.
    FrameSize FrameOfWindow() {
        FrameSize f;
        if (!WindowManagerRunning(window_).value_or(false)) return f;
        for (int waited = 0; waited <= kFrameWaitMs; waited += kPollMs) {
            SDL_PumpEvents();
            if (SDL_GetWindowBordersSize(window_, &f.top, &f.left, &f.bottom, &f.right) == 0 &&
                f.top + f.left + f.bottom + f.right > 0)
                return f;
            SDL_Delay(kPollMs);
        }
        return FrameSize{};
    }

    // Waits a moment for the server to place the window over the display; true once it has
    // (or where the server cannot be asked).
    bool Settles(const Rect& display) {
        for (int waited = 0; waited <= kSettleWaitMs; waited += kPollMs) {
            SDL_PumpEvents();
            const auto real = RealWindowArea(window_);
            if (!real || CoversDisplay(*real, display)) return true;
            SDL_Delay(kPollMs);
        }
        return false;
    }

    static constexpr int kPollMs = 10;
    static constexpr int kSettleWaitMs = 2000;
    static constexpr int kFrameWaitMs = 300;

    static MouseButton ButtonOf(Uint8 b) {
        if (b == SDL_BUTTON_RIGHT) return MouseButton::Right;
        if (b == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
        return MouseButton::Left;
    }

    void Translate(const SDL_Event& e, std::vector<InputEvent>& out) {
        InputEvent ev;
        switch (e.type) {
            case SDL_QUIT:
                ev.type = InputEvent::CloseRequest;
                break;
            case SDL_MOUSEMOTION:
                ev.type = InputEvent::MouseMove;
                viewport_.ToCanvas(e.motion.x, e.motion.y, ev.x, ev.y);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                ev.type =
                    e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
                viewport_.ToCanvas(e.button.x, e.button.y, ev.x, ev.y);
                ev.button = ButtonOf(e.button.button);
                ev.clicks = e.button.clicks;
                break;
            case SDL_TEXTINPUT:
                ev.type = InputEvent::Text;
                ev.text = e.text.text;
                break;
            case SDL_KEYDOWN: {
                const SDL_Keycode k = e.key.keysym.sym;
                const bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
                if (k == SDLK_F11 || (alt && (k == SDLK_RETURN || k == SDLK_KP_ENTER))) {
                    ev.type = InputEvent::ToggleWindowed;
                    break;
                }
                ev.type = InputEvent::Key;
                // The key's own name (a letter by the layout), else the name of its place.
                if (auto name = CanonicalKeyName(SDL_GetKeyName(k))) {
                    ev.keyName = *name;
                } else if (auto place =
                               CanonicalKeyName(SDL_GetScancodeName(e.key.keysym.scancode))) {
                    ev.keyName = *place;
                } else {
                    return;
                }
                ev.repeat = e.key.repeat != 0;
                break;
            }
            case SDL_WINDOWEVENT:
                ev.type = InputEvent::Redraw;  // exposed or resized
                realKnown_ = false;
                break;
            default:
                if (e.type == wakeEvent_) {
                    ev.type = InputEvent::Wake;
                    break;
                }
                return;
        }
        out.push_back(ev);
    }

    // Copies the canvas area `changed` (the whole canvas when `whole`) into the window area
    // `area`: a plain blit at the canvas's size, else scaled a row at a time.
    void Copy(SDL_Surface& source, SDL_Surface& target, const Rect& changed, const Rect& area,
              bool whole) {
        if (viewport_.Unscaled()) {
            SDL_Rect from = whole ? SDL_Rect{0, 0, source.w, source.h}
                                  : SDL_Rect{changed.x, changed.y, changed.w, changed.h};
            SDL_Rect to{viewport_.area.x + from.x, viewport_.area.y + from.y, from.w, from.h};
            SDL_BlitSurface(&source, &from, &target, &to);
            return;
        }
        if (SDL_MUSTLOCK(&source) && SDL_LockSurface(&source) != 0) return;
        if (SDL_MUSTLOCK(&target) && SDL_LockSurface(&target) != 0) {
            if (SDL_MUSTLOCK(&source)) SDL_UnlockSurface(&source);
            return;
        }
        const bool direct = target.format->format == SDL_PIXELFORMAT_ARGB8888 ||
                            target.format->format == SDL_PIXELFORMAT_RGB888;
        if (!direct) row_.resize(static_cast<std::size_t>(area.w));
        const auto* src = static_cast<const std::uint32_t*>(source.pixels);
        const int srcStride = source.pitch / 4;
        for (int y = 0; y < area.h; ++y) {
            auto* line = static_cast<Uint8*>(target.pixels) + (area.y + y) * target.pitch;
            const Rect one{area.x, area.y + y, area.w, 1};
            if (direct) {
                auto* out = reinterpret_cast<std::uint32_t*>(line) + area.x;
                ScaleArea(src, srcStride, viewport_, one, out, area.w);
            } else {
                ScaleArea(src, srcStride, viewport_, one, row_.data(), area.w);
                SDL_ConvertPixels(area.w, 1, SDL_PIXELFORMAT_ARGB8888, row_.data(), area.w * 4,
                                  target.format->format,
                                  line + area.x * target.format->BytesPerPixel, target.pitch);
            }
        }
        if (SDL_MUSTLOCK(&target)) SDL_UnlockSurface(&target);
        if (SDL_MUSTLOCK(&source)) SDL_UnlockSurface(&source);
    }

    std::string title_;
    SDL_Window* window_ = nullptr;
    int shownW_ = -1, shownH_ = -1;  // the picture's area at the last present
    // The window's inside as the server last said (asked again after every window event).
    bool realKnown_ = false;
    int realW_ = 0, realH_ = 0;
    Viewport viewport_;
    std::vector<std::uint32_t> row_;  // one scaled row, for displays of another pixel format
    Uint32 wakeEvent_ = 0;
};

}  // namespace

std::unique_ptr<Backend> MakeWindowBackend(const std::string& title) {
    return std::make_unique<WindowBackend>(title);
}

}  // namespace platform
