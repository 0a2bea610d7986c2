// Picture.h: a decoded picture in the engine's pixel-block layout, and the size rules for blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The largest width or height an image may have. Far above anything the game draws, it keeps
// every pixel count well inside 32 bits and every allocation below 300 MB.
inline constexpr int kMaxImageSide = 8192;

constexpr bool isValidImageSize(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide;
}

// Pixels in a block of an image of width x height: (width + 1) x (height + 2) + 1. The scaled
// sampler reads the next pixel in memory and the next row, starting from a row that can already
// lie one past its source rectangle; this slack keeps every such read inside the block, and
// because blocks are zero-filled those reads give a defined 0.
constexpr std::size_t pixelBlockSize(int width, int height) {
    return static_cast<std::size_t>(width + 1) * static_cast<std::size_t>(height + 2) + 1;
}

// 0xAARRGGBB pixels, row stride = width, in a zero-filled block of pixelBlockSize(width, height).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    std::size_t pixelCount() const {
        return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
};

// A zero-filled picture of the given size; nothing when the size is outside the limits or the
// memory cannot be had.
std::optional<Picture> makeBlankPicture(int width, int height);
