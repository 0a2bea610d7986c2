// ScreenRect.h: the engine rectangle, with inclusive right and bottom edges.
#pragma once

#include <algorithm>
#include <cstdint>

// Six signed values kept in step: right = left + width - 1 and bottom = top + height - 1.
// The field order (top, left, right, bottom, width, height) is also the stored layout of the
// window rectangle in the settings record.
struct ScreenRect {
    int32_t top = 0;
    int32_t left = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t width = 1;
    int32_t height = 1;

    static constexpr ScreenRect fromCorners(int32_t l, int32_t t, int32_t r, int32_t b) {
        return ScreenRect{t, l, r, b, r - l + 1, b - t + 1};
    }
    static constexpr ScreenRect fromPositionSize(int32_t x, int32_t y, int32_t w, int32_t h) {
        return ScreenRect{y, x, x + w - 1, y + h - 1, w, h};
    }

    constexpr void setPosition(int32_t x, int32_t y) {
        left = x;
        top = y;
        right = farEdge(left, width);
        bottom = farEdge(top, height);
    }
    constexpr void setSize(int32_t w, int32_t h) {
        width = w;
        height = h;
        right = farEdge(left, width);
        bottom = farEdge(top, height);
    }
    // start + extent - 1, held at the int32 limits: a rectangle read from a damaged file may sit
    // anywhere, and its edges must not overflow.
    static constexpr int32_t farEdge(int32_t start, int32_t extent) {
        const int64_t edge = int64_t{start} + extent - 1;
        return static_cast<int32_t>(std::clamp<int64_t>(edge, INT32_MIN, INT32_MAX));
    }

    constexpr int64_t area() const { return int64_t{width} * height; }
    constexpr bool contains(int32_t x, int32_t y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    // Edges are inclusive: rectangles that share a row or column overlap.
    constexpr bool overlaps(const ScreenRect& o) const {
        return left <= o.right && right >= o.left && top <= o.bottom && bottom >= o.top;
    }
    constexpr void unite(const ScreenRect& o) {
        *this = fromCorners(std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                            std::max(bottom, o.bottom));
    }
    // The part of this rectangle inside `clip`; width or height 0 when they do not meet.
    constexpr ScreenRect intersection(const ScreenRect& clip) const {
        const int32_t l = std::max(left, clip.left);
        const int32_t t = std::max(top, clip.top);
        const int32_t r = std::min(right, clip.right);
        const int32_t b = std::min(bottom, clip.bottom);
        if (r < l || b < t) {
            return ScreenRect{t, l, l - 1, t - 1, 0, 0};
        }
        return fromCorners(l, t, r, b);
    }
    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }

    friend constexpr bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
