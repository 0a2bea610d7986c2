// JpegCodec.h: baseline JPEG encoding (and decoding for checks) through TurboJPEG.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct JpegOptions {
    int quality = 95;
    // 4:4:4 keeps sharp colour edges of sprites and glyphs; 4:2:0 is smaller for backdrops.
    bool fullChroma = true;
};

// A baseline, 3-component (YCbCr) JFIF file of the raster's colours; alpha is ignored.
// Nothing when the compressor fails.
std::optional<std::vector<uint8_t>> encodeJpeg(const Raster& raster, const JpegOptions& options);

// Decodes to opaque 0xFFRRGGBB pixels. Nothing on malformed input. (Named apart from the
// engine's decodeJpeg, which tools that read packs through the engine link as well.)
std::optional<Raster> decodeJpegRaster(std::span<const uint8_t> bytes);
