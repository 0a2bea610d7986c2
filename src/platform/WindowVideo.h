// WindowVideo.h: the display device in a desktop window: where the game's picture sits in the
// window, and the first show.
#pragma once

#include "engine/video/ksVideo.h"

#include <vector>

struct SDL_Window;

// Where the 640 x 480 picture lies in an output of some size: as large as fits, keeping its
// shape, centred between black bars.
struct Letterbox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    static Letterbox fit(int gameWidth, int gameHeight, int outputWidth, int outputHeight);
    // The largest whole multiple of the game's size that fits, centred.
    static Letterbox fitWholeSteps(int gameWidth, int gameHeight, int outputWidth, int outputHeight);
    bool isUnscaled(int gameWidth, int gameHeight) const {
        return width == gameWidth && height == gameHeight;
    }
};

// The back surface is memory (see MemoryVideo); showing it puts the rectangles written since
// the last show into the window. The window is created hidden and shown with the first picture.
class WindowVideo : public MemoryVideo {
public:
    WindowVideo(SDL_Window* window, int width, int height);
    ~WindowVideo() override = default;
    WindowVideo(const WindowVideo&) = delete;
    WindowVideo& operator=(const WindowVideo&) = delete;

    // False when the device could not be created; the game cannot run.
    virtual bool hasDevice() const = 0;
    // (Re)creates what the depth (16 or 32) needs; the surface starts black.
    virtual bool init(int depth) = 0;
    // Presenting does nothing until the next init.
    virtual void release() = 0;
    // The whole picture goes to the window again with the next show (uncovered, resized).
    virtual void refreshWindow() = 0;
    void show() final;

    // A mouse event's position as game coordinates (outside 0..639 x 0..479 in the bars).
    virtual void eventToGame(int x, int y, float& gameX, float& gameY) const;
    // A position in the window as game coordinates, and back.
    void windowToGame(int x, int y, float& gameX, float& gameY) const;
    void gameToWindow(float gameX, float gameY, int& x, int& y) const;

protected:
    SDL_Window* window() const { return m_window; }
    // Puts the rectangles into the window; false when nothing could be shown.
    virtual bool showRects(std::span<const ScreenRect> rects) = 0;
    // The picture's place in an output of the window's size.
    virtual Letterbox placeIn(int outputWidth, int outputHeight) const;
    // The picture's place in the window, in the window's own (pointer) coordinates.
    Letterbox windowLetterbox() const;

private:
    SDL_Window* m_window;
    std::vector<ScreenRect> m_rects;
    bool m_windowShown = false;
};
