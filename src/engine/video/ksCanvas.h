// ksCanvas.h: the software frame the game draws into, with its dirty-rectangle bookkeeping.
#pragma once

#include "DirtyRectList.h"
#include "ksVideo.h"

#include <cstdint>
#include <span>
#include <vector>

// Three buffers of width x height pixels (0xAARRGGBB, row stride = width): the frame buffer that
// drawing goes to, the background buffer holding the static picture of the screen, and a spare
// buffer for composing. Every drawing reports its rectangle; `present` shows those rectangles and
// then restores them from the background, so the next frame starts from the clean picture.
class ksCanvas {
public:
    enum class Buffer { Frame, Background, Spare };

    explicit ksCanvas(ksVideo& display);
    ksCanvas(const ksCanvas&) = delete;
    ksCanvas& operator=(const ksCanvas&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_width; }
    const ScreenRect& clipRect() const { return m_clipRect; }
    // Narrows every later drawing to `clip` (kept inside the canvas) until resetClipRect.
    void setClipRect(const ScreenRect& clip) { m_clipRect = clip.intersection(wholeCanvas()); }
    void resetClipRect() { m_clipRect = wholeCanvas(); }

    void selectFrame() { m_target = Buffer::Frame; }
    void selectBackground() { m_target = Buffer::Background; }
    void selectSpare() { m_target = Buffer::Spare; }
    Buffer selected() const { return m_target; }
    // The current drawing target.
    uint32_t* target() { return buffer(m_target); }
    uint32_t* buffer(Buffer which);
    const uint32_t* buffer(Buffer which) const;

    void copyBackgroundToFrame();
    void copyFrameToBackground();
    // Whole-buffer copies between the background buffer and a caller's width x height block.
    void copyBackgroundOut(std::span<uint32_t> block) const;
    void copyIntoBackground(std::span<const uint32_t> block);
    // Copies the rectangle (x, y, w, h) of `source` into `block` (row stride w), clipped to the
    // canvas; rows and columns outside the canvas are left untouched in the block.
    void copyBlock(Buffer source, int x, int y, int w, int h, std::span<uint32_t> block) const;

    void setTracking(bool on) { m_tracking = on; }
    bool isTracking() const { return m_tracking; }
    // Records a drawn rectangle, clipped to the canvas.
    void addDirty(int x, int y, int w, int h);

    void fillRect(int x, int y, int w, int h, uint32_t colour);
    void fillRectFaded(int x, int y, int w, int h, int red, int green, int blue, float opacity);
    void clear(int red, int green, int blue);
    // A clipped, anti-aliased line of colour 0x00RRGGBB.
    void drawLine(int x1, int y1, int x2, int y2, int red, int green, int blue);

    // Copies the changed areas to the display and restores this frame's drawing from the
    // background buffer. Only pixels that differ from the shown picture reach the display, and
    // a frame that changed none shows nothing.
    void present();
    // Shows the whole screen once, whatever was recorded or changed.
    void presentAll();
    // True when the last present changed any pixel of the shown picture.
    bool changedPicture() const { return m_changedPicture; }

    const DirtyRectList& dirtyList() const { return m_dirty; }
    const DirtyRectList& presentList() const { return m_presentList; }

private:
    ScreenRect wholeCanvas() const { return ScreenRect::fromPositionSize(0, 0, m_width, m_height); }
    void copyRect(const uint32_t* from, uint32_t* to, const ScreenRect& rect);
    void presentChanges(bool showAll);
    // Writes the frame's pixels of `rect` into the surface; answers the part that changed.
    ScreenRect writeToSurface(const SurfaceLock& surface, const ScreenRect& rect);
    void blendLinePixels(int x, int y, int nx, int ny, uint32_t colour, int f);

    ksVideo& m_display;
    int m_width;
    int m_height;
    ScreenRect m_clipRect;
    std::vector<uint32_t> m_frame;
    std::vector<uint32_t> m_background;
    std::vector<uint32_t> m_spare;
    Buffer m_target = Buffer::Frame;
    DirtyRectList m_dirty;
    DirtyRectList m_presentList;
    DirtyRectList m_changedList;
    std::vector<uint16_t> m_packedRow;
    bool m_tracking = false;
    bool m_changedPicture = false;
};
