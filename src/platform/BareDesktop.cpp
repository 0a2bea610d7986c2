// BareDesktop.cpp: the window's size and place on an X server without a window manager.
#include "BareDesktop.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_syswm.h>

namespace baredesktop {

#if defined(SDL_VIDEO_DRIVER_X11) && defined(ZIBBET_HAVE_X11)

namespace {

bool x11Window(SDL_Window* window, Display*& display, Window& xwindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
        info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    display = info.info.x11.display;
    xwindow = info.info.x11.window;
    return display != nullptr;
}

} // namespace

bool lacksWindowManager(SDL_Window* window) {
    Display* display = nullptr;
    Window xwindow = 0;
    if (!x11Window(window, display, xwindow)) {
        return false;
    }
    // A window manager that follows the desktop conventions names its check window on the root;
    // one that does not (or none at all) leaves full screen undone.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return true;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &after, &data);
    const bool found = status == Success && type == XA_WINDOW && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return !found;
}

bool matchWindowToReportedGeometry(SDL_Window* window) {
    if (!lacksWindowManager(window)) {
        return false;
    }
    Display* display = nullptr;
    Window xwindow = 0;
    x11Window(window, display, xwindow);
    int x = 0, y = 0, w = 0, h = 0;
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &bounds) != 0) {
            return false;
        }
        x = bounds.x;
        y = bounds.y;
        w = bounds.w;
        h = bounds.h;
    } else {
        SDL_GetWindowPosition(window, &x, &y);
        SDL_GetWindowSize(window, &w, &h);
    }
    if (w <= 0 || h <= 0) {
        return false;
    }
    XMoveResizeWindow(display, xwindow, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h));
    XSync(display, False);
    return true;
}

#else

bool lacksWindowManager(SDL_Window*) {
    return false;
}

bool matchWindowToReportedGeometry(SDL_Window*) {
    return false;
}

#endif

} // namespace baredesktop
