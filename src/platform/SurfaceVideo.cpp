// SurfaceVideo.cpp: the display device over the window's own pixel surface.
#include "SurfaceVideo.h"

#include "engine/core/ksLog.h"
#include "engine/video/PixelLoops.h"

#include <algorithm>
#include <cstring>

#include <SDL.h>

namespace {

// Floor and ceiling of value * numerator / denominator for non-negative denominators.
int scaledFloor(int value, int numerator, int denominator) {
    const int64_t product = static_cast<int64_t>(value) * numerator;
    return static_cast<int>(product >= 0 ? product / denominator
                                         : -((-product + denominator - 1) / denominator));
}

int scaledCeil(int value, int numerator, int denominator) {
    return -scaledFloor(-value, numerator, denominator);
}

} // namespace

SurfaceVideo::SurfaceVideo(SDL_Window* window, int width, int height)
    : WindowVideo(window, width, height)
    , m_picture(static_cast<std::size_t>(width + 1) * (height + 1), 0) {
    m_updates.reserve(4096);
}

bool SurfaceVideo::init(int depth) {
    setPixelFormat(depth == 16 ? PixelFormat::rgb565() : PixelFormat::rgb888());
    std::fill(m_picture.begin(), m_picture.end(), 0u);
    m_refreshAll = true;
    setReady(true);
    return true;
}

void SurfaceVideo::release() {
    setReady(false);
    m_surface = nullptr;
}

bool SurfaceVideo::attachSurface() {
    SDL_Surface* surface = SDL_GetWindowSurface(window());
    if (surface == nullptr) {
        if (!m_surfaceMissing) { // said once, not every frame, until a surface comes back
            trace("SurfaceVideo - no window surface: %s", SDL_GetError());
        }
        m_surfaceMissing = true;
        m_surface = nullptr;
        return false;
    }
    m_surfaceMissing = false;
    if (surface != m_surface || surface->w != m_surfaceWidth || surface->h != m_surfaceHeight) {
        m_surface = surface;
        m_surfaceWidth = surface->w;
        m_surfaceHeight = surface->h;
        const Uint32 format = surface->format->format;
        m_directFormat = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
        m_box = placeIn(m_surfaceWidth, m_surfaceHeight);
        m_row.assign(static_cast<std::size_t>(std::max(m_surfaceWidth, width())), 0);
        m_refreshAll = true;
    }
    return true;
}

void SurfaceVideo::stage(const ScreenRect& rect) {
    const int w = width(), h = height(), stride = w + 1;
    const bool sixteen = pixelFormat().depth == 16;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        uint32_t* out = m_picture.data() + static_cast<std::size_t>(y) * stride;
        if (sixteen) {
            for (int x = rect.left; x <= rect.right; ++x) {
                out[x] = shownPixel(x, y);
            }
        } else {
            const auto* in = reinterpret_cast<const uint32_t*>(surfaceBytes() +
                                                               static_cast<std::size_t>(y) * surfacePitch());
            for (int x = rect.left; x <= rect.right; ++x) {
                out[x] = in[x] & 0xFFFFFFu;
            }
        }
        if (rect.right == w - 1) {
            out[w] = out[w - 1];
        }
    }
    if (rect.bottom == h - 1) {
        uint32_t* last = m_picture.data() + static_cast<std::size_t>(h - 1) * stride;
        std::copy(last + rect.left, last + std::min(rect.right + 2, stride), last + stride + rect.left);
    }
}

void SurfaceVideo::writeRow(int y, int x, const uint32_t* pixels, int count) {
    auto* row = static_cast<uint8_t*>(m_surface->pixels) + static_cast<std::size_t>(y) * m_surface->pitch;
    if (m_directFormat) {
        std::memcpy(row + static_cast<std::size_t>(x) * 4, pixels, static_cast<std::size_t>(count) * 4);
        return;
    }
    const int bytes = m_surface->format->BytesPerPixel;
    SDL_ConvertPixels(count, 1, SDL_PIXELFORMAT_RGB888, pixels, count * 4, m_surface->format->format,
                      row + static_cast<std::size_t>(x) * bytes, m_surface->pitch);
}

Letterbox SurfaceVideo::placeIn(int outputWidth, int outputHeight) const {
    const Letterbox smooth = Letterbox::fit(width(), height(), outputWidth, outputHeight);
    if (static_cast<int64_t>(smooth.width) * smooth.height <= kLargestSmoothArea) {
        return smooth;
    }
    return Letterbox::fitWholeSteps(width(), height(), outputWidth, outputHeight);
}

SDL_Rect SurfaceVideo::put(const ScreenRect& rect) {
    // Whole steps (1 included: a window of the game's own size) repeat pixels; others are smooth.
    if (m_box.width % width() == 0 && m_box.height % height() == 0 &&
        m_box.width / width() == m_box.height / height()) {
        return putWholeSteps(rect);
    }
    return putSmooth(rect);
}

SDL_Rect SurfaceVideo::putWholeSteps(const ScreenRect& rect) {
    const int steps = m_box.width / width(), stride = width() + 1;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        const uint32_t* source = m_picture.data() + static_cast<std::size_t>(y) * stride + rect.left;
        const uint32_t* row = source;
        if (steps > 1) {
            uint32_t* out = m_row.data();
            for (int x = 0; x < rect.width; ++x) {
                std::fill_n(out + static_cast<std::ptrdiff_t>(x) * steps, steps, source[x]);
            }
            row = out;
        }
        for (int i = 0; i < steps; ++i) {
            writeRow(m_box.y + y * steps + i, m_box.x + rect.left * steps, row, rect.width * steps);
        }
    }
    return {m_box.x + rect.left * steps, m_box.y + rect.top * steps, rect.width * steps, rect.height * steps};
}

SDL_Rect SurfaceVideo::putSmooth(const ScreenRect& rect) {
    const int w = width(), h = height(), stride = w + 1;
    // Every window pixel whose two-by-two source neighbourhood touches the rectangle.
    const int left = std::max(scaledFloor(rect.left - 1, m_box.width, w), 0);
    const int right = std::min(scaledCeil(rect.right + 2, m_box.width, w), m_box.width);
    const int top = std::max(scaledFloor(rect.top - 1, m_box.height, h), 0);
    const int bottom = std::min(scaledCeil(rect.bottom + 2, m_box.height, h), m_box.height);
    if (left >= right || top >= bottom) {
        return {0, 0, 0, 0};
    }
    const uint32_t stepX = static_cast<uint32_t>((static_cast<int64_t>(w) << 16) / m_box.width);
    const uint32_t stepY = static_cast<uint32_t>((static_cast<int64_t>(h) << 16) / m_box.height);
    const uint64_t startX = static_cast<uint64_t>(left) * stepX;
    for (int y = top; y < bottom; ++y) {
        const uint64_t sourceY = static_cast<uint64_t>(y) * stepY;
        pixel::ScaleSpan span;
        span.source = m_picture.data();
        span.sourceStride = stride;
        span.target = m_row.data();
        span.targetStride = static_cast<int>(m_row.size());
        span.width = right - left;
        span.height = 1;
        span.startColumn = static_cast<int>(startX >> 16);
        span.startRow = static_cast<int>(sourceY >> 16);
        span.startFractionX = static_cast<uint32_t>(startX & 0xFFFF);
        span.startFractionY = static_cast<uint32_t>(sourceY & 0xFFFF);
        span.stepX = stepX;
        span.stepY = stepY;
        pixel::scaleCopy(span);
        writeRow(m_box.y + y, m_box.x + left, m_row.data(), right - left);
    }
    return {m_box.x + left, m_box.y + top, right - left, bottom - top};
}

bool SurfaceVideo::showRects(std::span<const ScreenRect> rects) {
    for (const ScreenRect& rect : rects) {
        stage(rect);
    }
    if (!attachSurface()) {
        m_refreshAll = true;
        return false;
    }
    const bool mustLock = SDL_MUSTLOCK(m_surface);
    if (mustLock && SDL_LockSurface(m_surface) != 0) {
        return false;
    }
    m_updates.clear();
    if (m_refreshAll) {
        SDL_FillRect(m_surface, nullptr, 0);
        put(ScreenRect::fromPositionSize(0, 0, width(), height()));
        m_updates.push_back({0, 0, m_surfaceWidth, m_surfaceHeight});
    } else {
        for (const ScreenRect& rect : rects) {
            const SDL_Rect area = put(rect);
            if (area.w > 0 && area.h > 0 && m_updates.size() < m_updates.capacity()) {
                m_updates.push_back(area);
            }
        }
    }
    if (mustLock) {
        SDL_UnlockSurface(m_surface);
    }
    if (m_updates.empty()) {
        return true;
    }
    if (SDL_UpdateWindowSurfaceRects(window(), m_updates.data(), static_cast<int>(m_updates.size())) != 0) {
        // The window changed under us (resized, re-created): everything goes again next time.
        m_surface = nullptr;
        m_refreshAll = true;
        return false;
    }
    m_refreshAll = false;
    return true;
}
