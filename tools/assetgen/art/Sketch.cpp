// Sketch.cpp: a cairo drawing surface that hands its result over as a straight-alpha Raster.
#include "Sketch.h"

#include <algorithm>

Sketch::Sketch(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
    , m_cr(cairo_create(m_surface.get())) {
    cairo_set_antialias(m_cr.get(), CAIRO_ANTIALIAS_GOOD);
}

Raster Sketch::toRaster() const {
    cairo_surface_flush(m_surface.get());
    const unsigned char* data = cairo_image_surface_get_data(m_surface.get());
    const int stride = cairo_image_surface_get_stride(m_surface.get());
    Raster out(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = alphaOf(p);
            if (a == 0) {
                out.set(x, y, 0);
                continue;
            }
            auto unpremultiply = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
            out.set(
                x, y,
                packArgb(a, unpremultiply(redOf(p)), unpremultiply(greenOf(p)), unpremultiply(blueOf(p))));
        }
    }
    return out;
}

std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surfaceFromRaster(const Raster& raster) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width(), raster.height());
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < raster.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < raster.width(); ++x) {
            const uint32_t p = raster.at(x, y);
            const uint32_t a = alphaOf(p);
            auto premultiply = [a](uint32_t c) { return (c * a + 127) / 255; };
            row[x] = packArgb(a, premultiply(redOf(p)), premultiply(greenOf(p)), premultiply(blueOf(p)));
        }
    }
    cairo_surface_mark_dirty(s);
    return {s, cairo_surface_destroy};
}

void Sketch::drawRaster(const Raster& raster, double x, double y, double opacity) {
    auto surface = surfaceFromRaster(raster);
    cairo_t* c = m_cr.get();
    cairo_save(c);
    cairo_set_source_surface(c, surface.get(), x, y);
    cairo_paint_with_alpha(c, opacity);
    cairo_restore(c);
}

void setColour(cairo_t* cr, const Colour& c, double alpha) {
    if (alpha >= 1.0) {
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
    } else {
        cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
    }
}

void addStop(cairo_pattern_t* pattern, double offset, const Colour& c, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}
