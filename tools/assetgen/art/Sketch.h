// Sketch.h: a cairo drawing surface that hands its result over as a straight-alpha Raster.
#pragma once

#include "Colour.h"
#include "Raster.h"

#include <memory>

#include <cairo.h>

// Owns one ARGB32 image surface and its context; starts fully transparent.
class Sketch {
public:
    Sketch(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    cairo_t* cr() const { return m_cr.get(); }

    // The picture so far, un-premultiplied (cairo stores premultiplied alpha).
    Raster toRaster() const;
    // Draws a raster with its top-left corner at (x, y) in the current user space.
    void drawRaster(const Raster& raster, double x, double y, double opacity = 1.0);

private:
    struct SurfaceDeleter {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextDeleter {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };

    int m_width;
    int m_height;
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> m_surface;
    std::unique_ptr<cairo_t, ContextDeleter> m_cr;
};

// A cairo image surface made from a raster (premultiplying it), owned by the caller's pointer.
std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surfaceFromRaster(const Raster& raster);

// Small conveniences over the cairo source calls.
void setColour(cairo_t* cr, const Colour& c, double alpha = 1.0);
void addStop(cairo_pattern_t* pattern, double offset, const Colour& c, double alpha = 1.0);
