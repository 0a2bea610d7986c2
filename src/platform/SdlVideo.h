// SdlVideo.h: the display device over an SDL renderer and one streaming texture.
#pragma once

#include "engine/video/ksVideo.h"

#include <vector>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;

// The back surface is memory (see MemoryVideo). Showing it uploads only the rectangles written
// since the last show into a 640 x 480 streaming texture (RGB565 at 16 bits, so the depth option
// keeps its look), then draws the whole texture letterboxed into the window: the renderer's own
// back buffer is not preserved between presents.
class SdlVideo final : public MemoryVideo {
public:
    SdlVideo(SDL_Window* window, int width, int height, bool vsync);
    ~SdlVideo() override;
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    bool hasRenderer() const { return m_renderer != nullptr; }
    SDL_Renderer* renderer() const { return m_renderer; }
    // True when presenting waits for the display's refresh.
    bool presentWaitsForDisplay() const { return m_vsync; }

    // (Re)creates the texture for the depth (16 or 32); the surface starts black.
    bool init(int depth);
    // Releases the texture; presenting then does nothing until the next init.
    void release();
    void show() override;

private:
    SDL_Window* m_window;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    bool m_vsync = false;
    std::vector<ScreenRect> m_upload;
};
