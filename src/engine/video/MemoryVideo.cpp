// MemoryVideo.cpp: a display whose back surface is plain memory.
#include "ksVideo.h"

#include <cstring>

MemoryVideo::MemoryVideo(int width, int height, PixelFormat format) : m_width(width), m_height(height) {
    m_written.reserve(4096);
    setPixelFormat(format);
}

void MemoryVideo::setPixelFormat(const PixelFormat& format) {
    m_format = format;
    m_pitch = m_width * (format.depth == 16 ? 2 : 4);
    m_surface.assign(static_cast<std::size_t>(m_pitch) * m_height, 0);
}

std::optional<SurfaceLock> MemoryVideo::lockBackSurface() {
    if (!m_ready) {
        return std::nullopt;
    }
    return SurfaceLock{m_surface.data(), m_pitch};
}

void MemoryVideo::unlockBackSurface(std::span<const ScreenRect> written) {
    for (const ScreenRect& rect : written) {
        if (m_written.size() < m_written.capacity()) {
            m_written.push_back(rect);
        } else {
            // Far more rectangles than any frame produces: keep one covering everything.
            m_written.assign(1, ScreenRect::fromPositionSize(0, 0, m_width, m_height));
        }
    }
}

void MemoryVideo::takeWrittenRects(std::vector<ScreenRect>& out) {
    // Copied, not swapped: the list keeps its reserved capacity whatever `out` had.
    out.assign(m_written.begin(), m_written.end());
    m_written.clear();
}

uint32_t MemoryVideo::shownPixel(int x, int y) const {
    const uint8_t* row = m_surface.data() + static_cast<std::size_t>(y) * m_pitch;
    if (m_format.depth != 16) {
        uint32_t pixel;
        std::memcpy(&pixel, row + x * 4, 4);
        return pixel & 0xFFFFFF;
    }
    uint16_t packed;
    std::memcpy(&packed, row + x * 2, 2);
    auto expand = [packed](uint32_t mask, int shift, int bits) {
        const uint32_t v = (packed & mask) >> shift;
        return (v << (8 - bits)) | (v >> (2 * bits - 8));
    };
    const uint32_t r = expand(m_format.redMask, m_format.redShift, m_format.redBits);
    const uint32_t g = expand(m_format.greenMask, m_format.greenShift, m_format.greenBits);
    const uint32_t b = expand(m_format.blueMask, m_format.blueShift, m_format.blueBits);
    return (r << 16) | (g << 8) | b;
}

void MemoryVideo::copyShownPicture(std::span<uint32_t> out) const {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            out[static_cast<std::size_t>(y) * m_width + x] = shownPixel(x, y);
        }
    }
}
