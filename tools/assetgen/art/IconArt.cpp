// IconArt.cpp: the desktop icons of the game.
#include "IconArt.h"

#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"

#include <cmath>
#include <numbers>

#include <cairo-svg.h>

namespace {

constexpr double kPi = std::numbers::pi;

// The design on a 256 x 256 canvas: three balloons whose strings meet at a bow.
struct IconBalloon {
    int colour;
    double cx, cy, rx, ry, tilt;
};
constexpr std::array<IconBalloon, 3> kBalloons = {
    {{3, 78, 92, 52, 60, -0.22}, {1, 180, 92, 52, 60, 0.22}, {0, 128, 74, 60, 69, 0.0}}};
constexpr double kKnotX = 128;
constexpr double kKnotY = 206;

void paintIconBalloon(cairo_t* cr, const IconBalloon& b) {
    const BalloonColour& colour = kBalloonColours[b.colour];
    cairo_save(cr);
    cairo_translate(cr, b.cx, b.cy);
    cairo_rotate(cr, b.tilt);
    balloonBodyPath(cr, 0, 0, b.rx, b.ry);
    cairo_pattern_t* fill =
        cairo_pattern_create_radial(-0.38 * b.rx, -0.42 * b.ry, 0.05 * b.rx, 0, 0, 1.18 * b.ry);
    addStop(fill, 0.0, colour.shine);
    addStop(fill, 0.3, colour.body.mix(colour.shine, 0.25));
    addStop(fill, 0.62, colour.body);
    addStop(fill, 1.0, colour.shadow);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 5);
    setColour(cr, world::kInk);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, -0.48 * b.rx, -0.5 * b.ry);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 0.17 * b.rx, 0.3 * b.ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setColour(cr, Colour{1, 1, 1}, 0.85);
    cairo_fill(cr);
    emblemPath(cr, colour.emblem, 0.04 * b.rx, 0.14 * b.ry, 0.86 * b.rx);
    cairo_set_fill_rule(cr, emblemFillRule(colour.emblem));
    setColour(cr, colour.body.brightness() > 0.62 ? colour.shadow.darker(0.28) : Colour{1, 1, 1}, 0.92);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_restore(cr);
}

// Where a balloon's knot is, after its tilt.
void knotOf(const IconBalloon& b, double& x, double& y) {
    x = b.cx - std::sin(b.tilt) * b.ry;
    y = b.cy + std::cos(b.tilt) * b.ry;
}

void drawIcon(cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const IconBalloon& b : kBalloons) {
        double x, y;
        knotOf(b, x, y);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x, y + 30, kKnotX, kKnotY - 30, kKnotX, kKnotY);
    }
    cairo_move_to(cr, kKnotX, kKnotY);
    cairo_curve_to(cr, kKnotX - 10, kKnotY + 20, kKnotX + 10, kKnotY + 30, kKnotX, 250);
    cairo_set_line_width(cr, 9);
    setColour(cr, world::kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    setColour(cr, Colour::hex(0xF4F0FF));
    cairo_stroke(cr);
    for (const IconBalloon& b : kBalloons) {
        paintIconBalloon(cr, b);
    }
    // The bow where the strings meet.
    starPath(cr, kKnotX, kKnotY, 16, 7, 4, 0.78);
    setColour(cr, Colour::hex(0xFFC83A));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    setColour(cr, world::kInk);
    cairo_stroke(cr);
}

cairo_status_t appendText(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

Raster paintIcon(int size) {
    Sketch s(size, size);
    cairo_scale(s.cr(), size / 256.0, size / 256.0);
    drawIcon(s.cr());
    return s.toRaster();
}

std::string iconSvg() {
    // cairo's SVG surface records the very same drawing as vector paths and gradients.
    std::string svg;
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(appendText, &svg, 256, 256);
    cairo_svg_surface_restrict_to_version(surface, CAIRO_SVG_VERSION_1_1);
    cairo_t* cr = cairo_create(surface);
    drawIcon(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) {
        return {};
    }
    // cairo numbers its surfaces process-wide; a fixed id keeps the document the same on every run.
    const std::string idPrefix = "<g id=\"surface";
    if (const std::size_t at = svg.find(idPrefix); at != std::string::npos) {
        const std::size_t end = svg.find('"', at + idPrefix.size());
        svg.replace(at, end - at + 1, "<g id=\"icon\"");
    }
    return svg;
}
