#include <SDL.h>

#include <memory>

#include "platform/backend.h"
#include "platform/canvas.h"

namespace platform {

namespace {

// One SDL window. The canvas is uploaded to a texture and scaled to the window with its aspect
// kept (black bars around it); mouse positions come back in canvas coordinates.
class WindowBackend final : public Backend {
  public:
    explicit WindowBackend(std::string title) : title_(std::move(title)) {}

    ~WindowBackend() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    bool Init(std::string& error) override {
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
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) {
            error = std::string("Cannot draw into the window: ") + SDL_GetError();
            return false;
        }
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        SDL_StartTextInput();
        return true;
    }

    void DesktopSize(int& width, int& height) override {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
            width = mode.w;
            height = mode.h;
        } else {
            width = 1024;
            height = 768;
        }
    }

    bool ShowCanvas(int width, int height, bool fullScreen) override {
        if (texture_ && (texW_ != width || texH_ != height)) {
            SDL_DestroyTexture(texture_);
            texture_ = nullptr;
        }
        if (!texture_) {
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STREAMING, width, height);
            texW_ = width;
            texH_ = height;
        }
        SDL_RenderSetLogicalSize(renderer_, width, height);
        bool ok = true;
        if (fullScreen) {
            ok = SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
        } else {
            SDL_SetWindowFullscreen(window_, 0);
            int dw = 0, dh = 0;
            DesktopSize(dw, dh);
            SDL_SetWindowSize(window_, std::min(width, dw), std::min(height, dh - 60));
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
        SDL_ShowWindow(window_);
        return ok;
    }

    void Present(Canvas& canvas, const Rect& changed) override {
        if (!texture_) return;
        SDL_Surface* s = canvas.Surface();
        SDL_Rect r{changed.x, changed.y, changed.w, changed.h};
        const auto* first =
            static_cast<const Uint8*>(s->pixels) + changed.y * s->pitch + changed.x * 4;
        SDL_UpdateTexture(texture_, &r, first, s->pitch);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
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
                ev.x = e.motion.x;
                ev.y = e.motion.y;
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                ev.type =
                    e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
                ev.x = e.button.x;
                ev.y = e.button.y;
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
                switch (k) {
                    case SDLK_BACKSPACE:
                        ev.key = Edit::kBackspace;
                        break;
                    case SDLK_DELETE:
                        ev.key = Edit::kDelete;
                        break;
                    case SDLK_LEFT:
                        ev.key = Edit::kLeft;
                        break;
                    case SDLK_RIGHT:
                        ev.key = Edit::kRight;
                        break;
                    case SDLK_HOME:
                        ev.key = Edit::kHome;
                        break;
                    case SDLK_END:
                        ev.key = Edit::kEnd;
                        break;
                    case SDLK_RETURN:
                    case SDLK_KP_ENTER:
                        ev.key = InputEvent::kEnter;
                        break;
                    case SDLK_ESCAPE:
                        ev.key = InputEvent::kEscape;
                        break;
                    default:
                        return;
                }
                break;
            }
            case SDL_WINDOWEVENT:
                ev.type = InputEvent::Redraw;  // exposed or resized
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

    std::string title_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texW_ = 0, texH_ = 0;
    Uint32 wakeEvent_ = 0;
};

}  // namespace

std::unique_ptr<Backend> MakeWindowBackend(const std::string& title) {
    return std::make_unique<WindowBackend>(title);
}

}  // namespace platform
