// PngFile.h: PNG files: screenshots out, small pictures (the window icon) in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

// Writes `width` x `height` pixels (0x..RRGGBB, the alpha byte ignored, rows `stride` pixels
// apart) atomically as an opaque RGB PNG. False, with a trace line, on failure.
bool writePng(const std::filesystem::path& path, const uint32_t* pixels, int width, int height, int stride);

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB, row after row
};

// Reads a PNG of at most 4096 x 4096 pixels; nothing (with a trace line) when it cannot.
std::optional<PngPicture> readPng(const std::filesystem::path& path);
