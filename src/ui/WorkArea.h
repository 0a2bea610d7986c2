// WorkArea.h: scoped use of the canvas's buffers for composing pictures and drawing a dialog.
#pragma once

#include "engine/core/ScreenRect.h"
#include "engine/video/ksCanvas.h"

#include <cstdint>

class ksImage;

// Selects a buffer of the canvas, with the clip rectangle open to the whole canvas, for the scope;
// then puts back the target, clip rectangle and dirty tracking it found, so a dialog leaves the
// canvas as the screen had it.
class CanvasScope {
public:
    CanvasScope(ksCanvas& canvas, ksCanvas::Buffer target);
    ~CanvasScope();
    CanvasScope(const CanvasScope&) = delete;
    CanvasScope& operator=(const CanvasScope&) = delete;

    ksCanvas& canvas() const { return m_canvas; }

private:
    ksCanvas& m_canvas;
    ksCanvas::Buffer m_target;
    ScreenRect m_clip;
    bool m_tracking;
};

// The top-left width x height block of the canvas's spare buffer, as a place to compose
// pictures before they are copied into images. Drawing is clipped to the block, so nothing is
// ever written outside it, and it is not reported as a change of the screen.
class WorkArea {
public:
    // The size must fit the canvas (see fits).
    WorkArea(ksCanvas& canvas, int width, int height);

    static bool fits(const ksCanvas& canvas, int width, int height) {
        return width >= 1 && height >= 1 && width <= canvas.width() && height <= canvas.height();
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    void clear(uint32_t colour);
    // Copies the block's part at (x, y) of the image's size into the image; the parts of the
    // image that would come from outside the block are left as they are.
    void copyTo(ksImage& image, int x, int y) const;

private:
    CanvasScope m_scope;
    int m_width;
    int m_height;
};
