// BareDesktop.h: the window's size and place on an X server without a window manager.
#pragma once

struct SDL_Window;

// Full screen on X is a request to the window manager. Without one nobody carries it out: SDL
// then reports the display's size while the window keeps its own, and the picture shows
// cropped. These put the window where SDL believes it is. With a window manager, or on another
// window system, they do nothing.
namespace baredesktop {

// True when the window lies on an X server that no window manager runs on.
bool lacksWindowManager(SDL_Window* window);
// Without a window manager: moves and sizes the window to the place and size SDL reports for
// it (the whole display in full screen). True when it did.
bool matchWindowToReportedGeometry(SDL_Window* window);

} // namespace baredesktop
