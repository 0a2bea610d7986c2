// StageKit.cpp: the fairground pieces the backdrops, title and help pages are built from.
#include "StageKit.h"

#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
}

double Scatter::next() {
    // xorshift32: tiny, fast and the same on every platform.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return (m_state >> 8) / static_cast<double>(1u << 24);
}

void paintDuskSky(cairo_t* cr, double width, double height, uint32_t seed) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, height);
    addStop(sky, 0.0, world::kNight);
    addStop(sky, 0.55, world::kDusk);
    addStop(sky, 0.85, world::kPlum.mix(world::kHorizon, 0.35));
    addStop(sky, 1.0, world::kHorizon.mix(world::kGlow, 0.2));
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
    Scatter scatter(seed);
    const int stars = static_cast<int>(width * height / 2600.0);
    for (int i = 0; i < stars; ++i) {
        const double x = scatter.between(0, width);
        const double y = scatter.between(0, height * 0.7);
        const double r = scatter.between(0.4, 1.3);
        const double a = scatter.between(0.35, 0.95) * (1.0 - y / (height * 0.8));
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        setColour(cr, Colour::hex(0xFFF6DA), a);
        cairo_fill(cr);
        if (r > 1.15) {
            sparklePath(cr, x, y, 7 * r);
            setColour(cr, Colour::hex(0xFFF6DA), a * 0.6);
            cairo_fill(cr);
        }
    }
}

void paintFairgroundSkyline(cairo_t* cr, double width, double horizon, uint32_t seed) {
    Scatter scatter(seed);
    const Colour far = world::kPlum.darker(0.35);
    // The big wheel.
    const double wx = width * 0.78;
    const double wy = horizon - 78;
    const double wr = 62;
    cairo_set_line_width(cr, 2.0);
    setColour(cr, far.lighter(0.08));
    cairo_arc(cr, wx, wy, wr, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_arc(cr, wx, wy, wr * 0.55, 0, 2 * kPi);
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        cairo_move_to(cr, wx, wy);
        cairo_line_to(cr, wx + wr * std::cos(a), wy + wr * std::sin(a));
        cairo_stroke(cr);
        cairo_arc(cr, wx + wr * std::cos(a), wy + wr * std::sin(a), 5.5, 0, 2 * kPi);
        setColour(cr, far.lighter(0.12));
        cairo_fill(cr);
        paintBulb(cr, wx + wr * std::cos(a + 0.26), wy + wr * std::sin(a + 0.26), 1.8,
                  i % 2 ? world::kBulb : Colour::hex(0xFF9AC8));
        setColour(cr, far.lighter(0.08));
    }
    cairo_move_to(cr, wx - 40, horizon);
    cairo_line_to(cr, wx, wy);
    cairo_line_to(cr, wx + 40, horizon);
    cairo_set_line_width(cr, 4.0);
    cairo_stroke(cr);
    // Tent tops with flags.
    double x = -20;
    while (x < width) {
        const double w = scatter.between(70, 130);
        const double h = scatter.between(40, 70);
        cairo_move_to(cr, x, horizon);
        cairo_curve_to(cr, x + w * 0.25, horizon - h * 0.35, x + w * 0.45, horizon - h * 0.8, x + w * 0.5,
                       horizon - h);
        cairo_curve_to(cr, x + w * 0.55, horizon - h * 0.8, x + w * 0.75, horizon - h * 0.35, x + w, horizon);
        cairo_close_path(cr);
        setColour(cr, far);
        cairo_fill(cr);
        cairo_move_to(cr, x + w * 0.5, horizon - h);
        cairo_line_to(cr, x + w * 0.5, horizon - h - 14);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        polygonPath(cr, {{x + w * 0.5, horizon - h - 14},
                         {x + w * 0.5 + 10, horizon - h - 10},
                         {x + w * 0.5, horizon - h - 6}});
        setColour(cr, world::kTentRed.darker(0.35));
        cairo_fill(cr);
        x += w * scatter.between(0.8, 1.1);
    }
    cairo_rectangle(cr, 0, horizon, width, 400);
    setColour(cr, far);
    cairo_fill(cr);
}

void paintBulb(cairo_t* cr, double x, double y, double radius, const Colour& colour) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, radius * 0.3, x, y, radius * 3.2);
    addStop(glow, 0.0, colour, 0.55);
    addStop(glow, 1.0, colour, 0.0);
    cairo_arc(cr, x, y, radius * 3.2, 0, 2 * kPi);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    setColour(cr, colour.lighter(0.5));
    cairo_fill(cr);
    cairo_arc(cr, x - radius * 0.3, y - radius * 0.3, radius * 0.4, 0, 2 * kPi);
    setColour(cr, Colour{1, 1, 1}, 0.9);
    cairo_fill(cr);
}

namespace {

// A point on the sagging curve between two ends, t from 0 to 1.
void sagPoint(double x0, double y0, double x1, double y1, double sag, double t, double& x, double& y) {
    x = x0 + (x1 - x0) * t;
    y = y0 + (y1 - y0) * t + sag * 4.0 * t * (1.0 - t);
}

// The sagging cord itself, as 40 straight pieces.
void sagPath(cairo_t* cr, double x0, double y0, double x1, double y1, double sag) {
    cairo_move_to(cr, x0, y0);
    for (int i = 1; i <= 40; ++i) {
        double x, y;
        sagPoint(x0, y0, x1, y1, sag, i / 40.0, x, y);
        cairo_line_to(cr, x, y);
    }
}

} // namespace

void paintLightString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int bulbs) {
    sagPath(cr, x0, y0, x1, y1, sag);
    cairo_set_line_width(cr, 1.4);
    setColour(cr, Colour::hex(0x140A28), 0.9);
    cairo_stroke(cr);
    const std::array<Colour, 4> colours = {world::kBulb, Colour::hex(0xFF8FB8), Colour::hex(0x9FE8FF),
                                           Colour::hex(0xFFD070)};
    for (int i = 0; i < bulbs; ++i) {
        double x, y;
        sagPoint(x0, y0, x1, y1, sag, (i + 0.5) / bulbs, x, y);
        paintBulb(cr, x, y + 3, 2.6, colours[i % colours.size()]);
    }
}

void paintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int flags) {
    sagPath(cr, x0, y0, x1, y1, sag);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, Colour::hex(0xF4E8D0), 0.8);
    cairo_stroke(cr);
    for (int i = 0; i < flags; ++i) {
        double ax, ay, bx, by;
        sagPoint(x0, y0, x1, y1, sag, (i + 0.12) / flags, ax, ay);
        sagPoint(x0, y0, x1, y1, sag, (i + 0.88) / flags, bx, by);
        const Colour& c = kBalloonColours[i % kOrdinaryColourCount].body;
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        cairo_line_to(cr, (ax + bx) / 2, (ay + by) / 2 + 0.9 * std::hypot(bx - ax, by - ay));
        cairo_close_path(cr);
        setColour(cr, c.darker(0.12));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 1.0);
        setColour(cr, Colour::hex(0x140A28), 0.6);
        cairo_stroke(cr);
    }
}

void paintMarqueePanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Colour& top,
                       const Colour& bottom, double bulbSpacing) {
    roundedRectPath(cr, x, y, w, h, radius);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    for (double i = 0; i < 5.0; i += 0.5) {
        const double t = i / 5.0;
        roundedRectPath(cr, x + 1.5 + i, y + 1.5 + i, w - 3 - 2 * i, h - 3 - 2 * i, radius - 1.5 - i);
        setColour(cr, world::kGoldDeep.mix(world::kGold.lighter(0.35), std::sin(t * kPi)));
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(fill, 0.0, top);
    addStop(fill, 1.0, bottom);
    roundedRectPath(cr, x + 7, y + 7, w - 14, h - 14, std::max(1.0, radius - 7));
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    if (bulbSpacing <= 0) {
        return;
    }
    // Bulbs sit on the gold rim, evenly spaced along each straight side.
    const double inset = 4.0;
    auto row = [&](double ax, double ay, double bx, double by) {
        const double length = std::hypot(bx - ax, by - ay);
        const int n = std::max(2, static_cast<int>(length / bulbSpacing));
        for (int i = 0; i <= n; ++i) {
            const double t = i / static_cast<double>(n);
            paintBulb(cr, ax + (bx - ax) * t, ay + (by - ay) * t, 1.9, world::kBulb);
        }
    };
    const double r = radius;
    row(x + r, y + inset, x + w - r, y + inset);
    row(x + r, y + h - inset, x + w - r, y + h - inset);
    row(x + inset, y + r, x + inset, y + h - r);
    row(x + w - inset, y + r, x + w - inset, y + h - r);
}

TextStyle captionStyle(double size) {
    TextStyle style;
    style.face = Typeface::Rounded;
    style.size = size;
    style.top = Colour::hex(0xFFFFFF);
    style.bottom = Colour::hex(0xEAF0FF);
    style.outline = world::kInk;
    style.outlineWidth = std::max(1.2, size * 0.11);
    style.shadowY = 1.2;
    style.shadowAlpha = 0.45;
    return style;
}

TextStyle headingStyle(double size) {
    TextStyle style;
    style.face = Typeface::Display;
    style.size = size;
    style.top = Colour::hex(0xFFF6B0);
    style.bottom = Colour::hex(0xFFB72A);
    style.outline = Colour::hex(0x3A0F4A);
    style.outlineWidth = std::max(1.5, size * 0.09);
    style.shadowX = size * 0.04;
    style.shadowY = size * 0.08;
    style.shadowAlpha = 0.5;
    return style;
}

TextStyle bodyStyle(double size) {
    TextStyle style;
    style.face = Typeface::Rounded;
    style.size = size;
    style.top = world::kInk;
    style.bottom = world::kInk;
    return style;
}

void paintPlaqueButton(cairo_t* cr, double x, double y, double w, double h, std::string_view caption,
                       double captionSize, const Colour& face, bool lit) {
    // The lit look stays inside the rounded outline: hover faces are cut as rectangles, and
    // anything painted in their corners would show as a square behind the button.
    const double r = std::min(h / 2.0, 12.0);
    roundedRectPath(cr, x, y, w, h, r);
    setColour(cr, Colour::hex(0x140A28));
    cairo_fill(cr);
    roundedRectPath(cr, x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5);
    setColour(cr, lit ? world::kGold.lighter(0.3) : face.darker(0.35));
    cairo_fill(cr);
    const Colour top = lit ? face.lighter(0.35) : face.lighter(0.12);
    const Colour bottom = lit ? face : face.darker(0.12);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(fill, 0.0, top);
    addStop(fill, 1.0, bottom);
    roundedRectPath(cr, x + 3, y + 3, w - 6, h - 6, r - 3);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    // Gloss on the upper half.
    cairo_save(cr);
    roundedRectPath(cr, x + 3, y + 3, w - 6, h - 6, r - 3);
    cairo_clip(cr);
    roundedRectPath(cr, x + 5, y + 4, w - 10, (h - 8) * 0.45, r - 4);
    setColour(cr, Colour{1, 1, 1}, lit ? 0.35 : 0.22);
    cairo_fill(cr);
    cairo_restore(cr);
    if (!caption.empty()) {
        TextStyle style = captionStyle(captionSize);
        if (lit) {
            style.top = Colour::hex(0xFFFFFF);
            style.bottom = Colour::hex(0xFFF0A0);
        }
        const TextMetrics m = measureText(cr, style, caption);
        drawText(cr, style, caption, x + w / 2.0, y + h / 2.0 + (m.ascent - m.descent) / 2.0 - 0.5,
                 Align::Centre);
    }
}
