// SdlVideo.cpp: the display device over an SDL renderer and one streaming texture.
#include "SdlVideo.h"

#include "engine/core/ksLog.h"

#include <SDL.h>

SdlVideo::SdlVideo(SDL_Window* window, int width, int height, bool vsync)
    : MemoryVideo(width, height)
    , m_window(window) {
    m_upload.reserve(4096);
    m_renderer = SDL_CreateRenderer(window, -1, vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
    if (m_renderer == nullptr && vsync) {
        m_renderer = SDL_CreateRenderer(window, -1, 0);
    }
    if (m_renderer == nullptr) {
        trace("SdlVideo - no renderer: %s", SDL_GetError());
        setReady(false);
        return;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(m_renderer, &info);
    m_vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_RenderSetLogicalSize(m_renderer, width, height);
    setReady(false);
}

SdlVideo::~SdlVideo() {
    release();
    if (m_renderer != nullptr) {
        SDL_DestroyRenderer(m_renderer);
    }
}

bool SdlVideo::init(int depth) {
    release();
    if (m_renderer == nullptr) {
        return false;
    }
    const bool sixteen = depth == 16;
    m_texture = SDL_CreateTexture(m_renderer, sixteen ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888,
                                  SDL_TEXTUREACCESS_STREAMING, width(), height());
    if (m_texture == nullptr) {
        trace("SdlVideo::init - no texture: %s", SDL_GetError());
        return false;
    }
    setPixelFormat(sixteen ? PixelFormat::rgb565() : PixelFormat::rgb888());
    // The whole (black) surface goes up with the first show.
    const ScreenRect whole = ScreenRect::fromPositionSize(0, 0, width(), height());
    unlockBackSurface({&whole, 1});
    setReady(true);
    return true;
}

void SdlVideo::release() {
    setReady(false);
    if (m_texture != nullptr) {
        SDL_DestroyTexture(m_texture);
        m_texture = nullptr;
    }
}

void SdlVideo::show() {
    MemoryVideo::show();
    if (m_texture == nullptr) {
        return;
    }
    takeWrittenRects(m_upload);
    const int bytesPerPixel = pixelFormat().depth == 16 ? 2 : 4;
    for (const ScreenRect& r : m_upload) {
        const SDL_Rect area{r.left, r.top, r.width, r.height};
        const uint8_t* first = surfaceBytes() + static_cast<std::size_t>(r.top) * surfacePitch() +
                               static_cast<std::size_t>(r.left) * bytesPerPixel;
        SDL_UpdateTexture(m_texture, &area, first, surfacePitch());
    }
    m_upload.clear();
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    SDL_RenderPresent(m_renderer);
}
