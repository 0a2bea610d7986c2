// WindowVideo.cpp: the display device in a desktop window.
#include "WindowVideo.h"

#include "BareDesktop.h"

#include <algorithm>

#include <SDL.h>

Letterbox Letterbox::fit(int gameWidth, int gameHeight, int outputWidth, int outputHeight) {
    if (outputWidth <= 0 || outputHeight <= 0) {
        return {0, 0, gameWidth, gameHeight};
    }
    // Compare outputWidth / gameWidth with outputHeight / gameHeight without rounding.
    Letterbox box;
    if (static_cast<int64_t>(outputWidth) * gameHeight <= static_cast<int64_t>(outputHeight) * gameWidth) {
        box.width = outputWidth;
        box.height = static_cast<int>(static_cast<int64_t>(outputWidth) * gameHeight / gameWidth);
    } else {
        box.height = outputHeight;
        box.width = static_cast<int>(static_cast<int64_t>(outputHeight) * gameWidth / gameHeight);
    }
    box.width = std::max(box.width, 1);
    box.height = std::max(box.height, 1);
    box.x = (outputWidth - box.width) / 2;
    box.y = (outputHeight - box.height) / 2;
    return box;
}

Letterbox Letterbox::fitWholeSteps(int gameWidth, int gameHeight, int outputWidth, int outputHeight) {
    const int steps = std::max(1, std::min(outputWidth / gameWidth, outputHeight / gameHeight));
    Letterbox box{0, 0, gameWidth * steps, gameHeight * steps};
    box.x = (outputWidth - box.width) / 2;
    box.y = (outputHeight - box.height) / 2;
    return box;
}

WindowVideo::WindowVideo(SDL_Window* window, int width, int height)
    : MemoryVideo(width, height)
    , m_window(window) {
    m_rects.reserve(4096);
    setReady(false);
}

void WindowVideo::show() {
    MemoryVideo::show();
    takeWrittenRects(m_rects);
    if (!isReady() || !showRects(m_rects)) {
        return;
    }
    if (!m_windowShown) {
        // Mapped once, with its first picture: never an empty window first.
        m_windowShown = true;
        SDL_ShowWindow(m_window);
        // Showing repeats a full-screen request that nobody may carry out.
        baredesktop::matchWindowToReportedGeometry(m_window);
    }
}

Letterbox WindowVideo::placeIn(int outputWidth, int outputHeight) const {
    return Letterbox::fit(width(), height(), outputWidth, outputHeight);
}

Letterbox WindowVideo::windowLetterbox() const {
    int w = 0, h = 0;
    SDL_GetWindowSize(m_window, &w, &h);
    return placeIn(w, h);
}

void WindowVideo::eventToGame(int x, int y, float& gameX, float& gameY) const {
    windowToGame(x, y, gameX, gameY);
}

void WindowVideo::windowToGame(int x, int y, float& gameX, float& gameY) const {
    const Letterbox box = windowLetterbox();
    gameX = static_cast<float>(x - box.x) * static_cast<float>(width()) / static_cast<float>(box.width);
    gameY = static_cast<float>(y - box.y) * static_cast<float>(height()) / static_cast<float>(box.height);
}

void WindowVideo::gameToWindow(float gameX, float gameY, int& x, int& y) const {
    const Letterbox box = windowLetterbox();
    x = box.x + static_cast<int>(gameX * static_cast<float>(box.width) / static_cast<float>(width()));
    y = box.y + static_cast<int>(gameY * static_cast<float>(box.height) / static_cast<float>(height()));
}
