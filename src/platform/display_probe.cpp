#include "platform/display_probe.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace platform {

namespace {

#if defined(SDL_VIDEO_DRIVER_X11)
struct X11Window {
    Display* display = nullptr;
    Window window = 0;
    XWindowAttributes attributes{};  // as the server has them now
};

// The X11 window behind an SDL window, with its attributes; nothing on another display system.
std::optional<X11Window> X11Of(SDL_Window* window) {
    if (!window) return std::nullopt;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    X11Window x{info.info.x11.display, info.info.x11.window, {}};
    if (!XGetWindowAttributes(x.display, x.window, &x.attributes)) return std::nullopt;
    return x;
}

// The window a window manager names on the root window as its own, or 0.
Window NamedCheckWindow(Display* display, Window root, Atom check) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window named = 0;
    if (XGetWindowProperty(display, root, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &after, &data) == Success &&
        data && type == XA_WINDOW && format == 32 && count == 1)
        named = *reinterpret_cast<Window*>(data);
    if (data) XFree(data);
    return named;
}

// Whether the window still exists as a child of the root: a window manager that died leaves its
// name on the root behind. Asked by listing, so a stale name raises no X error.
bool ChildOfRoot(Display* display, Window root, Window child) {
    Window rootBack = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &rootBack, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = children[i] == child;
    if (children) XFree(children);
    return found;
}
#endif

}  // namespace

std::optional<bool> WindowManagerRunning(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    const auto x = X11Of(window);
    if (!x) return std::nullopt;
    const Atom check = XInternAtom(x->display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    const Window named = NamedCheckWindow(x->display, x->attributes.root, check);
    return named != 0 && ChildOfRoot(x->display, x->attributes.root, named);
#else
    (void)window;
    return std::nullopt;
#endif
}

std::optional<Rect> RealWindowArea(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    const auto x = X11Of(window);
    if (!x) return std::nullopt;
    int rootX = 0, rootY = 0;
    Window child = 0;
    if (!XTranslateCoordinates(x->display, x->window, x->attributes.root, 0, 0, &rootX, &rootY,
                               &child))
        return std::nullopt;
    return Rect{rootX, rootY, x->attributes.width, x->attributes.height};
#else
    (void)window;
    return std::nullopt;
#endif
}

}  // namespace platform
