// GifReader.h: decodes the first image of a GIF file, for checks and review sheets.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <optional>
#include <span>

// Reads the logical screen, colour tables, extensions (skipped), interlacing and LZW data of
// the first image. Pixels come out opaque 0xFFRRGGBB at their place on the logical screen.
// Nothing on malformed input. (Named apart from the engine's decodeGif, which tools that read
// packs through the engine link as well.)
std::optional<Raster> decodeGifRaster(std::span<const uint8_t> bytes);
