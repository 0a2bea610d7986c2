// PixelClipping.h: clipping the rectangles and block copies that the resource script asks for.
#pragma once

#include <cstdint>
#include <span>

// A rectangle as the script writes it: any int32 values, negative or huge sizes included.
struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelExtent {
    int32_t width = 0;
    int32_t height = 0;
};

// A w x h block read at (sx, sy) of a source and written at (dx, dy) of a destination.
struct BlockPlacement {
    int32_t dx = 0;
    int32_t dy = 0;
    int32_t sx = 0;
    int32_t sy = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const BlockPlacement&, const BlockPlacement&) = default;
};

// The part of `rect` inside an image of size `image`; empty when they do not meet.
PixelRect clipToImage(const PixelRect& rect, PixelExtent image);

// Shrinks the block until every pixel it reads lies inside each of `sources` (a source image and
// its mask share the block's position) and every pixel it writes lies inside `destination`.
// Cutting the block's left or top edge moves both ends, so each remaining pixel still goes where
// the script said. Empty when nothing is left or there is no source.
BlockPlacement clipBlock(const BlockPlacement& block, std::span<const PixelExtent> sources,
                         PixelExtent destination);
