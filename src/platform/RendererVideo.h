// RendererVideo.h: the display device over an SDL renderer (OpenGL where there is one).
#pragma once

#include "WindowVideo.h"

struct SDL_Renderer;
struct SDL_Texture;

// Uploads the written rectangles into a 640 x 480 streaming texture (RGB565 at 16 bits, so the
// depth option keeps its look) and draws the whole texture letterboxed: the renderer's own back
// buffer is not preserved between presents. For desktops with a real graphics processor; on
// others the surface device is cheaper (see SurfaceVideo).
class RendererVideo final : public WindowVideo {
public:
    RendererVideo(SDL_Window* window, int width, int height);
    ~RendererVideo() override;

    bool hasDevice() const override { return m_renderer != nullptr; }
    bool init(int depth) override;
    void release() override;
    void refreshWindow() override;

protected:
    bool showRects(std::span<const ScreenRect> rects) override;

private:
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
};
