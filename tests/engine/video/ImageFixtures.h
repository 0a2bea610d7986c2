// ImageFixtures.h: picture files made in code for the image tests: GIF and JPEG.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Raw codes of fixed bit widths, for hand-made (and broken) streams: {code, width} pairs.
std::vector<uint8_t> packCodes(const std::vector<std::pair<int, int>>& codes);

struct GifSpec {
    int screenWidth = 0;
    int screenHeight = 0;
    int imageWidth = -1; // -1: the screen's
    int imageHeight = -1;
    std::vector<uint32_t> globalPalette; // 0xRRGGBB; empty: no global table
    std::vector<uint32_t> localPalette;  // empty: no local table
    bool interlaced = false;
    bool graphicControl = false;  // a transparency extension before the image
    bool comment = false;         // a comment extension before the image
    std::vector<uint8_t> indices; // the image's pixels in display order
    int minCodeSize = 8;
    bool clearWhenFull = true;
    // When not empty, used instead of encoding `indices`.
    std::vector<uint8_t> lzwData;
};

std::vector<uint8_t> encodeGif(const GifSpec& gif);

// A baseline JPEG of 4:4:4 samples at quality 100 from 0xRRGGBB pixels, through TurboJPEG.
std::vector<uint8_t> encodeJpeg(int width, int height, const std::vector<uint32_t>& rgb);
// The JPEG with the size in its frame header (SOF0) rewritten.
std::vector<uint8_t> withFrameSize(std::vector<uint8_t> jpeg, int width, int height);
