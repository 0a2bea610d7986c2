// RendererVideo.cpp: the display device over an SDL renderer.
#include "RendererVideo.h"

#include "engine/core/ksLog.h"

#include <SDL.h>

RendererVideo::RendererVideo(SDL_Window* window, int width, int height)
    : WindowVideo(window, width, height) {
    m_renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (m_renderer == nullptr) {
        m_renderer = SDL_CreateRenderer(window, -1, 0);
    }
    if (m_renderer == nullptr) {
        trace("RendererVideo - no renderer: %s", SDL_GetError());
    }
}

RendererVideo::~RendererVideo() {
    release();
    if (m_renderer != nullptr) {
        SDL_DestroyRenderer(m_renderer);
    }
}

bool RendererVideo::init(int depth) {
    release();
    if (m_renderer == nullptr) {
        return false;
    }
    const bool sixteen = depth == 16;
    m_texture = SDL_CreateTexture(m_renderer, sixteen ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888,
                                  SDL_TEXTUREACCESS_STREAMING, width(), height());
    if (m_texture == nullptr) {
        trace("RendererVideo::init - no texture: %s", SDL_GetError());
        return false;
    }
    setPixelFormat(sixteen ? PixelFormat::rgb565() : PixelFormat::rgb888());
    refreshWindow();
    setReady(true);
    return true;
}

void RendererVideo::release() {
    setReady(false);
    if (m_texture != nullptr) {
        SDL_DestroyTexture(m_texture);
        m_texture = nullptr;
    }
}

void RendererVideo::refreshWindow() {
    const ScreenRect whole = ScreenRect::fromPositionSize(0, 0, width(), height());
    unlockBackSurface({&whole, 1});
}

bool RendererVideo::showRects(std::span<const ScreenRect> rects) {
    if (m_texture == nullptr) {
        return false;
    }
    const int bytesPerPixel = pixelFormat().depth == 16 ? 2 : 4;
    for (const ScreenRect& r : rects) {
        const SDL_Rect area{r.left, r.top, r.width, r.height};
        const uint8_t* first = surfaceBytes() + static_cast<std::size_t>(r.top) * surfacePitch() +
                               static_cast<std::size_t>(r.left) * bytesPerPixel;
        SDL_UpdateTexture(m_texture, &area, first, surfacePitch());
    }
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(m_renderer, &outputWidth, &outputHeight);
    const Letterbox box = Letterbox::fit(width(), height(), outputWidth, outputHeight);
    const SDL_Rect target{box.x, box.y, box.width, box.height};
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    SDL_RenderCopy(m_renderer, m_texture, nullptr, &target);
    SDL_RenderPresent(m_renderer);
    return true;
}
