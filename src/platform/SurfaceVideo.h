// SurfaceVideo.h: the display device over the window's own pixel surface, no graphics processor.
#pragma once

#include "WindowVideo.h"

#include <cstdint>
#include <vector>

struct SDL_Surface;
struct SDL_Rect;

// The game draws everything in software, so presenting is only getting pixels into the window:
// the changed rectangles are copied (or, in a window of another size, scaled by the game's own
// bilinear loops) into the window surface, and only those areas are sent to the desktop. Nothing
// waits for the display, and no rasteriser is loaded.
class SurfaceVideo final : public WindowVideo {
public:
    SurfaceVideo(SDL_Window* window, int width, int height);

    // Past this many window pixels, smooth scaling of a whole picture costs more than a frame's
    // share of a core (a fade at 4K); larger windows show the picture in whole steps instead,
    // every pixel repeated: crisp, and no dearer than copying.
    static constexpr int64_t kLargestSmoothArea = 1920 * 1200;

    bool hasDevice() const override { return true; }
    bool init(int depth) override;
    void release() override;
    void refreshWindow() override { m_refreshAll = true; }

protected:
    bool showRects(std::span<const ScreenRect> rects) override;
    Letterbox placeIn(int outputWidth, int outputHeight) const override;

private:
    // Takes the window's surface again when the window changed size; false when there is none.
    bool attachSurface();
    // The back surface's pixels of `rect` into the shown picture (0x00RRGGBB with a spare
    // column and row that repeat the edge, for the scaler's neighbours).
    void stage(const ScreenRect& rect);
    // Puts the picture's `rect` into the window surface; answers the window area it covered.
    SDL_Rect put(const ScreenRect& rect);
    SDL_Rect putSmooth(const ScreenRect& rect);
    SDL_Rect putWholeSteps(const ScreenRect& rect);
    // One window row from `pixels` (0x00RRGGBB), converted when the window is not 32-bit RGB.
    void writeRow(int y, int x, const uint32_t* pixels, int count);

    SDL_Surface* m_surface = nullptr;
    int m_surfaceWidth = 0;
    int m_surfaceHeight = 0;
    bool m_directFormat = true;
    Letterbox m_box;
    std::vector<uint32_t> m_picture;
    std::vector<uint32_t> m_row;
    std::vector<SDL_Rect> m_updates;
    bool m_refreshAll = true;
    bool m_surfaceMissing = false;
};
