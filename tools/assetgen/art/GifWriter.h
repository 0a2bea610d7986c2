// GifWriter.h: writes greyscale GIF pictures, the format of the game's alpha masks.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// One non-interlaced image with a 256-entry grey global colour table (entry i = i, i, i), so
// a pixel's grey level (and its blue byte, which the game reads as alpha) equals its value.
// `grey` holds width x height bytes, rows top-down. Sizes must be 1..65535.
std::vector<uint8_t> encodeGreyGif(int width, int height, std::span<const uint8_t> grey);
