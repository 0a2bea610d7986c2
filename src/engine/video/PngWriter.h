// PngWriter.h: saves a block of pixels as an opaque RGB PNG file.
#pragma once

#include <cstdint>
#include <filesystem>

// Writes `width` x `height` pixels (0x..RRGGBB, the alpha byte ignored, rows `stride` pixels
// apart) atomically. False, with a trace line, on failure.
bool writePng(const std::filesystem::path& path, const uint32_t* pixels, int width, int height, int stride);
