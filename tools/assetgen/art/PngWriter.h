// PngWriter.h: PNG files for the desktop icons and the review sheets.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <vector>

// An RGBA PNG of the raster, written by cairo (no time stamps, so the same picture always
// gives the same bytes). Empty on failure.
std::vector<uint8_t> encodePng(const Raster& raster);
