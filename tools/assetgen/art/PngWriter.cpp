// PngWriter.cpp: PNG files for the desktop icons and the review sheets.
#include "PngWriter.h"

#include "Sketch.h"

namespace {

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

std::vector<uint8_t> encodePng(const Raster& raster) {
    if (raster.empty()) {
        return {};
    }
    auto surface = surfaceFromRaster(raster);
    std::vector<uint8_t> out;
    if (cairo_surface_write_to_png_stream(surface.get(), appendBytes, &out) != CAIRO_STATUS_SUCCESS) {
        return {};
    }
    return out;
}
