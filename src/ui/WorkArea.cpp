// WorkArea.cpp: scoped use of the canvas's buffers for composing pictures and drawing a dialog.
#include "WorkArea.h"

#include "engine/video/ksImage.h"

#include <cassert>
#include <span>

CanvasScope::CanvasScope(ksCanvas& canvas, ksCanvas::Buffer target)
    : m_canvas(canvas)
    , m_target(canvas.selected())
    , m_clip(canvas.clipRect())
    , m_tracking(canvas.isTracking()) {
    switch (target) {
    case ksCanvas::Buffer::Frame:
        canvas.selectFrame();
        break;
    case ksCanvas::Buffer::Background:
        canvas.selectBackground();
        break;
    case ksCanvas::Buffer::Spare:
        canvas.selectSpare();
        break;
    }
    // A dialog covers the whole screen, whatever narrower clip the screen was drawing with.
    canvas.resetClipRect();
}

CanvasScope::~CanvasScope() {
    switch (m_target) {
    case ksCanvas::Buffer::Frame:
        m_canvas.selectFrame();
        break;
    case ksCanvas::Buffer::Background:
        m_canvas.selectBackground();
        break;
    case ksCanvas::Buffer::Spare:
        m_canvas.selectSpare();
        break;
    }
    m_canvas.setClipRect(m_clip);
    m_canvas.setTracking(m_tracking);
}

WorkArea::WorkArea(ksCanvas& canvas, int width, int height)
    : m_scope(canvas, ksCanvas::Buffer::Spare)
    , m_width(width)
    , m_height(height) {
    assert(fits(canvas, width, height));
    // Composing is not a change of the screen: nothing drawn here may enter the dirty lists.
    canvas.setTracking(false);
    canvas.setClipRect(ScreenRect::fromPositionSize(0, 0, width, height));
}

void WorkArea::clear(uint32_t colour) {
    m_scope.canvas().fillRect(0, 0, m_width, m_height, colour);
}

void WorkArea::copyTo(ksImage& image, int x, int y) const {
    const int w = image.getWidth(), h = image.getHeight();
    if (image.isEmpty()) {
        return;
    }
    const std::span<uint32_t> pixels(image.getPixels(), static_cast<std::size_t>(w) * h);
    m_scope.canvas().copyBlock(ksCanvas::Buffer::Spare, x, y, w, h, pixels);
}
