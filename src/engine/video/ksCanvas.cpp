// ksCanvas.cpp: the software frame the game draws into, with its dirty-rectangle bookkeeping.
#include "ksCanvas.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

ksCanvas::ksCanvas(ksVideo& display)
    : m_display(display)
    , m_width(display.width())
    , m_height(display.height())
    , m_clipRect(ScreenRect::fromPositionSize(0, 0, m_width, m_height)) {
    // One spare row and column, as the image blocks have, so neighbour reads stay inside.
    const std::size_t pixels = static_cast<std::size_t>(m_width + 1) * (m_height + 1);
    m_frame.assign(pixels, 0);
    m_background.assign(pixels, 0);
    m_spare.assign(pixels, 0);
    m_packedRow.assign(static_cast<std::size_t>(m_width), 0);
}

uint32_t* ksCanvas::buffer(Buffer which) {
    switch (which) {
    case Buffer::Background:
        return m_background.data();
    case Buffer::Spare:
        return m_spare.data();
    case Buffer::Frame:
        break;
    }
    return m_frame.data();
}

const uint32_t* ksCanvas::buffer(Buffer which) const {
    return const_cast<ksCanvas*>(this)->buffer(which);
}

void ksCanvas::copyBackgroundToFrame() {
    std::copy(m_background.begin(), m_background.end(), m_frame.begin());
}

void ksCanvas::copyFrameToBackground() {
    std::copy(m_frame.begin(), m_frame.end(), m_background.begin());
}

void ksCanvas::copyBackgroundOut(std::span<uint32_t> block) const {
    const std::size_t n = std::min(block.size(), static_cast<std::size_t>(m_width) * m_height);
    std::copy_n(m_background.begin(), n, block.begin());
}

void ksCanvas::copyIntoBackground(std::span<const uint32_t> block) {
    const std::size_t n = std::min(block.size(), static_cast<std::size_t>(m_width) * m_height);
    std::copy_n(block.begin(), n, m_background.begin());
}

void ksCanvas::copyBlock(Buffer source, int x, int y, int w, int h, std::span<uint32_t> block) const {
    if (w <= 0 || h <= 0 || block.size() < static_cast<std::size_t>(w) * h) {
        return;
    }
    const ScreenRect inside = ScreenRect::fromPositionSize(x, y, w, h).intersection(m_clipRect);
    if (inside.isEmpty()) {
        return;
    }
    const uint32_t* from = buffer(source);
    for (int row = inside.top; row <= inside.bottom; ++row) {
        const uint32_t* src = from + static_cast<std::size_t>(row) * m_width + inside.left;
        uint32_t* dst = block.data() + static_cast<std::size_t>(row - y) * w + (inside.left - x);
        std::copy_n(src, inside.width, dst);
    }
}

void ksCanvas::addDirty(int x, int y, int w, int h) {
    if (!m_tracking || w <= 0 || h <= 0) {
        return;
    }
    const ScreenRect rect = ScreenRect::fromPositionSize(x, y, w, h).intersection(wholeCanvas());
    if (rect.isEmpty()) {
        return;
    }
    if (!m_dirty.merge(rect, wholeCanvas())) {
        // The list collapsed into one whole-screen rectangle, so this is logged once a frame.
        trace("Dirty rectangles are at maximum capacity!");
    }
}

void ksCanvas::fillRect(int x, int y, int w, int h, uint32_t colour) {
    const ScreenRect rect = ScreenRect::fromPositionSize(x, y, w, h).intersection(m_clipRect);
    if (w <= 0 || h <= 0 || rect.isEmpty()) {
        return;
    }
    addDirty(rect.left, rect.top, rect.width, rect.height);
    uint32_t* pixels = target();
    for (int row = rect.top; row <= rect.bottom; ++row) {
        uint32_t* line = pixels + static_cast<std::size_t>(row) * m_width + rect.left;
        std::fill_n(line, rect.width, colour);
    }
}

void ksCanvas::fillRectFaded(int x, int y, int w, int h, int red, int green, int blue, float opacity) {
    const int o = truncSat(opacity * 255.0);
    if (o < 1) {
        return;
    }
    const uint32_t r = red & 0xFF, g = green & 0xFF, b = blue & 0xFF;
    if (o >= 255) {
        fillRect(x, y, w, h, 0xFF000000u | (r << 16) | (g << 8) | b);
        return;
    }
    const ScreenRect rect = ScreenRect::fromPositionSize(x, y, w, h).intersection(m_clipRect);
    if (w <= 0 || h <= 0 || rect.isEmpty()) {
        return;
    }
    addDirty(rect.left, rect.top, rect.width, rect.height);
    auto channel = [o](int fill, int dest) { return dest + (((fill - dest) * o) >> 8); };
    uint32_t* pixels = target();
    for (int row = rect.top; row <= rect.bottom; ++row) {
        uint32_t* line = pixels + static_cast<std::size_t>(row) * m_width + rect.left;
        for (int i = 0; i < rect.width; ++i) {
            const uint32_t d = line[i];
            const int nr = channel(static_cast<int>(r), static_cast<int>((d >> 16) & 0xFF));
            const int ng = channel(static_cast<int>(g), static_cast<int>((d >> 8) & 0xFF));
            const int nb = channel(static_cast<int>(b), static_cast<int>(d & 0xFF));
            line[i] = (static_cast<uint32_t>(nr) << 16) | (static_cast<uint32_t>(ng) << 8) |
                      static_cast<uint32_t>(nb);
        }
    }
}

void ksCanvas::clear(int red, int green, int blue) {
    fillRect(0, 0, m_width, m_height,
             0xFF000000u | (static_cast<uint32_t>(red & 0xFF) << 16) |
                 (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF));
}

namespace {

// Clips the segment to the inclusive box [left, right] x [top, bottom] (Liang-Barsky);
// false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, const ScreenRect& box) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

} // namespace

void ksCanvas::blendLinePixels(int x, int y, int nx, int ny, uint32_t colour, int f) {
    uint32_t* pixels = target();
    const bool lineInside = m_clipRect.contains(x, y);
    const bool neighbourInside = m_clipRect.contains(nx, ny);
    uint32_t* on = lineInside ? pixels + static_cast<std::size_t>(y) * m_width + x : nullptr;
    uint32_t* across = neighbourInside ? pixels + static_cast<std::size_t>(ny) * m_width + nx : nullptr;
    if (f == 0) {
        if (on != nullptr) {
            *on = colour;
        }
        return;
    }
    if (f == 255) {
        if (across != nullptr) {
            *across = colour;
        }
        return;
    }
    const uint32_t old = on != nullptr ? *on : 0;
    uint32_t nearValue = 0, farValue = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c = static_cast<int>((colour >> shift) & 0xFF);
        const int b = static_cast<int>((old >> shift) & 0xFF);
        const int part = ((b - c) * f) >> 8;
        nearValue |= static_cast<uint32_t>((c + part) & 0xFF) << shift;
        farValue |= static_cast<uint32_t>((b - part) & 0xFF) << shift;
    }
    if (on != nullptr) {
        *on = nearValue;
    }
    if (across != nullptr) {
        *across = farValue;
    }
}

void ksCanvas::drawLine(int x1, int y1, int x2, int y2, int red, int green, int blue) {
    const uint32_t colour = (static_cast<uint32_t>(red & 0xFF) << 16) |
                            (static_cast<uint32_t>(green & 0xFF) << 8) | static_cast<uint32_t>(blue & 0xFF);
    const ScreenRect& clip = m_clipRect;
    if (y1 > y2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (y2 < clip.top || y1 > clip.bottom) {
        return;
    }
    uint32_t* pixels = target();
    if (y1 == y2) {
        if (x1 > x2) {
            std::swap(x1, x2);
        }
        if (x2 < clip.left || x1 > clip.right) {
            return;
        }
        const int from = std::max(x1, clip.left), to = std::min(x2, clip.right);
        addDirty(from, y1, to - from + 1, 1);
        std::fill_n(pixels + static_cast<std::size_t>(y1) * m_width + from, to - from + 1, colour);
        return;
    }
    if (x1 == x2) {
        if (x1 < clip.left || x1 > clip.right) {
            return;
        }
        const int from = std::max(y1, clip.top), to = std::min(y2, clip.bottom);
        addDirty(x1, from, 1, to - from + 1);
        for (int y = from; y <= to; ++y) {
            pixels[static_cast<std::size_t>(y) * m_width + x1] = colour;
        }
        return;
    }
    double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
    if (!clipSegment(fx1, fy1, fx2, fy2, clip)) {
        return;
    }
    const int ax = static_cast<int>(fx1 + 0.5), ay = static_cast<int>(fy1 + 0.5);
    const int bx = static_cast<int>(fx2 + 0.5), by = static_cast<int>(fy2 + 0.5);
    addDirty(std::min(ax, bx), std::min(ay, by), std::abs(bx - ax) + 1, std::abs(by - ay) + 1);

    const int dx = bx - ax, dy = by - ay;
    const bool mostlyHorizontal = std::abs(dx) >= std::abs(dy);
    const int steps = mostlyHorizontal ? std::abs(dx) : std::abs(dy);
    const int majorStep = mostlyHorizontal ? (dx < 0 ? -1 : 1) : (dy < 0 ? -1 : 1);
    const int minorStep = mostlyHorizontal ? (dy < 0 ? -1 : 1) : (dx < 0 ? -1 : 1);
    const int64_t slope =
        steps == 0 ? 0 : (static_cast<int64_t>(mostlyHorizontal ? std::abs(dy) : std::abs(dx)) << 16) / steps;
    if (clip.contains(ax, ay)) {
        pixels[static_cast<std::size_t>(ay) * m_width + ax] = colour;
    }
    int64_t fraction = 0;
    for (int i = 1; i <= steps; ++i) {
        fraction += slope;
        const int minor = static_cast<int>(fraction >> 16) * minorStep;
        const int f = static_cast<int>((fraction >> 8) & 0xFF);
        if (mostlyHorizontal) {
            const int x = ax + i * majorStep, y = ay + minor;
            blendLinePixels(x, y, x, y + minorStep, colour, f);
        } else {
            const int x = ax + minor, y = ay + i * majorStep;
            blendLinePixels(x, y, x + minorStep, y, colour, f);
        }
    }
}

void ksCanvas::copyRect(const uint32_t* from, uint32_t* to, const ScreenRect& rect) {
    for (int row = rect.top; row <= rect.bottom; ++row) {
        const std::size_t offset = static_cast<std::size_t>(row) * m_width + rect.left;
        std::memcpy(to + offset, from + offset, static_cast<std::size_t>(rect.width) * sizeof(uint32_t));
    }
}

namespace {

// The first and one past the last index where the two rows differ; first == last when equal.
template <typename Pixel>
std::pair<int, int> differingSpan(const Pixel* a, const Pixel* b, int count) {
    if (std::memcmp(a, b, static_cast<std::size_t>(count) * sizeof(Pixel)) == 0) {
        return {0, 0};
    }
    int first = 0;
    while (a[first] == b[first]) {
        ++first;
    }
    int last = count;
    while (a[last - 1] == b[last - 1]) {
        --last;
    }
    return {first, last};
}

} // namespace

ScreenRect ksCanvas::writeToSurface(const SurfaceLock& surface, const ScreenRect& rect) {
    const PixelFormat& format = m_display.pixelFormat();
    auto* bytes = static_cast<uint8_t*>(surface.pixels);
    int left = rect.right + 1, right = rect.left - 1, top = rect.bottom + 1, bottom = rect.top - 1;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        const uint32_t* src = m_frame.data() + static_cast<std::size_t>(row) * m_width + rect.left;
        uint8_t* dst = bytes + static_cast<std::size_t>(row) * surface.pitch;
        std::pair<int, int> span;
        if (format.depth == 16) {
            auto* dst16 = reinterpret_cast<uint16_t*>(dst) + rect.left;
            uint16_t* packed = m_packedRow.data();
            for (int i = 0; i < rect.width; ++i) {
                packed[i] = format.pack16(src[i]);
            }
            span = differingSpan(packed, dst16, rect.width);
            std::copy(packed + span.first, packed + span.second, dst16 + span.first);
        } else {
            auto* dst32 = reinterpret_cast<uint32_t*>(dst) + rect.left;
            span = differingSpan(src, dst32, rect.width);
            std::copy(src + span.first, src + span.second, dst32 + span.first);
        }
        if (span.first != span.second) {
            left = std::min(left, rect.left + span.first);
            right = std::max(right, rect.left + span.second - 1);
            top = std::min(top, row);
            bottom = row;
        }
    }
    if (left > right) {
        return ScreenRect::fromPositionSize(rect.left, rect.top, 0, 0);
    }
    return ScreenRect::fromPositionSize(left, top, right - left + 1, bottom - top + 1);
}

void ksCanvas::present() {
    presentChanges(false);
}

void ksCanvas::presentChanges(bool showAll) {
    m_changedPicture = false;
    if (!m_display.isReady()) {
        return;
    }
    const ScreenRect whole = wholeCanvas();
    if (!m_tracking) {
        m_dirty.setSingle(whole);
    }
    for (const ScreenRect& rect : m_dirty) {
        m_presentList.merge(rect, whole);
    }
    if (auto surface = m_display.lockBackSurface()) {
        // Only what differs from the shown picture goes to the display.
        m_changedList.clear();
        for (const ScreenRect& rect : m_presentList) {
            const ScreenRect changed = writeToSurface(*surface, rect);
            if (!changed.isEmpty()) {
                m_changedList.merge(changed, whole);
            }
        }
        m_changedPicture = m_changedList.size() != 0;
        if (showAll) {
            m_changedList.setSingle(whole);
        }
        m_display.unlockBackSurface(m_changedList.items());
    }
    m_presentList.clear();
    if (m_changedPicture || showAll) {
        m_display.show();
    }
    if (!m_tracking) {
        m_dirty.clear();
        return;
    }
    for (const ScreenRect& rect : m_dirty) {
        copyRect(m_background.data(), m_frame.data(), rect);
        m_presentList.merge(rect, whole);
    }
    m_dirty.clear();
}

void ksCanvas::presentAll() {
    const bool wasTracking = m_tracking;
    m_tracking = true;
    m_dirty.setSingle(wholeCanvas());
    presentChanges(true);
    m_tracking = wasTracking;
}
