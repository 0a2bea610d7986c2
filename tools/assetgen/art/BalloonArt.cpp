// BalloonArt.cpp: the one balloon painter behind every balloon picture of the game.
#include "BalloonArt.h"

#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"
#include "StageKit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct BodyFrame {
    double cx, cy, rx, ry; // the egg
    double knotY;          // top of the knot, where the body ends
};

void paintString(cairo_t* cr, double x, double top, double bottom, double scale) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 0.9 * scale);
    cairo_move_to(cr, x, top);
    const double h = bottom - top;
    cairo_curve_to(cr, x + 2.2 * scale, top + h * 0.35, x - 2.2 * scale, top + h * 0.65, x + 0.6 * scale,
                   bottom);
    cairo_set_source_rgba(cr, 0.92, 0.90, 1.0, 0.85);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paintKnot(cairo_t* cr, const BalloonColour& colour, double x, double y, double scale) {
    const double w = 2.6 * scale;
    const double h = 2.8 * scale;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - 0.6 * scale);
    cairo_line_to(cr, x + w, y + h);
    cairo_curve_to(cr, x + w * 0.4, y + h * 1.25, x - w * 0.4, y + h * 1.25, x - w, y + h);
    cairo_close_path(cr);
    setColour(cr, colour.shadow.mix(colour.body, 0.35));
    cairo_fill(cr);
}

void paintBody(cairo_t* cr, const BalloonColour& colour, const BodyFrame& f, bool pressed, double gloss) {
    const bool gold = colour.emblem == Emblem::Star;
    const Colour body = pressed ? colour.body.mix(colour.shadow, 0.28) : colour.body;
    const Colour shine = pressed ? colour.shine.mix(colour.body, 0.45) : colour.shine;
    const Colour shadow = colour.shadow;

    balloonBodyPath(cr, f.cx, f.cy, f.rx, f.ry);
    cairo_pattern_t* fill = cairo_pattern_create_radial(f.cx - 0.38 * f.rx, f.cy - 0.42 * f.ry, 0.05 * f.rx,
                                                        f.cx, f.cy, 1.18 * std::max(f.rx, f.ry));
    addStop(fill, 0.0, shine);
    addStop(fill, gold ? 0.22 : 0.30, body.mix(shine, 0.25));
    addStop(fill, gold ? 0.50 : 0.62, body);
    if (gold) {
        // A metallic band makes the gold read as gold rather than as another yellow.
        addStop(fill, 0.70, colour.shadow.mix(body, 0.45));
        addStop(fill, 0.80, body.mix(colour.shine, 0.35));
    }
    addStop(fill, 1.0, shadow);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);

    // A thin darker rim keeps neighbouring balloons of one colour apart.
    cairo_set_line_width(cr, std::max(0.7, 0.075 * f.rx));
    setColour(cr, shadow.darker(0.25), 0.75);
    cairo_stroke(cr);

    if (pressed) {
        // Pressed balloons look pushed in: shade the top edge from inside.
        cairo_save(cr);
        balloonBodyPath(cr, f.cx, f.cy, f.rx, f.ry);
        cairo_clip(cr);
        cairo_pattern_t* inner = cairo_pattern_create_linear(0, f.cy - f.ry, 0, f.cy);
        cairo_pattern_add_color_stop_rgba(inner, 0.0, 0, 0, 0, 0.35);
        cairo_pattern_add_color_stop_rgba(inner, 1.0, 0, 0, 0, 0.0);
        cairo_set_source(cr, inner);
        cairo_paint(cr);
        cairo_pattern_destroy(inner);
        cairo_restore(cr);
    }

    // Reflected light along the lower right edge.
    cairo_save(cr);
    balloonBodyPath(cr, f.cx, f.cy, f.rx, f.ry);
    cairo_clip(cr);
    cairo_set_line_width(cr, 0.16 * f.rx);
    cairo_arc(cr, f.cx - 0.05 * f.rx, f.cy - 0.05 * f.ry, 0.86 * f.rx, 0.05 * kPi, 0.42 * kPi);
    setColour(cr, shine, 0.35 * gloss);
    cairo_stroke(cr);
    cairo_restore(cr);

    // The specular highlight: a tilted oval and a small dot.
    cairo_save(cr);
    cairo_translate(cr, f.cx - 0.5 * f.rx, f.cy - 0.5 * f.ry);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 0.17 * f.rx, 0.3 * f.ry);
    cairo_arc(cr, 0, 0, 1.0, 0, 2 * kPi);
    cairo_restore(cr);
    setColour(cr, Colour{1, 1, 1}, (pressed ? 0.45 : 0.85) * gloss);
    cairo_fill(cr);
    cairo_arc(cr, f.cx - 0.12 * f.rx, f.cy - 0.78 * f.ry, 0.075 * f.rx, 0, 2 * kPi);
    setColour(cr, Colour{1, 1, 1}, (pressed ? 0.4 : 0.75) * gloss);
    cairo_fill(cr);
}

void paintEmblem(cairo_t* cr, const BalloonColour& colour, const BodyFrame& f, bool pressed,
                 double strength) {
    if (strength <= 0.0) {
        return;
    }
    const bool gold = colour.emblem == Emblem::Star;
    const double size = (gold ? 1.22 : 0.86) * f.rx;
    const double cx = f.cx + 0.04 * f.rx;
    const double cy = f.cy + (gold ? 0.08 : 0.14) * f.ry;
    const bool lightBody = colour.body.brightness() > 0.62;
    const Colour ink =
        gold ? Colour::hex(0xFFFDF0) : (lightBody ? colour.shadow.darker(0.28) : Colour::hex(0xFFFFFF));
    const double alpha = (pressed ? 0.75 : 0.92) * strength;

    cairo_set_fill_rule(cr, emblemFillRule(colour.emblem));
    if (gold) {
        // The star gets a dark amber outline so it stands out even on the bright metal.
        emblemPath(cr, colour.emblem, cx, cy, size);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, std::max(1.0, 0.12 * f.rx));
        setColour(cr, colour.shadow.darker(0.2), alpha);
        cairo_stroke(cr);
    } else if (!lightBody) {
        // A soft dark halo lifts the white emblem off the body.
        emblemPath(cr, colour.emblem, cx + 0.05 * f.rx, cy + 0.07 * f.rx, size);
        setColour(cr, colour.shadow.darker(0.3), 0.35 * strength);
        cairo_fill(cr);
    }
    emblemPath(cr, colour.emblem, cx, cy, size);
    setColour(cr, ink, alpha);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void paintGoldSparkles(cairo_t* cr, const BodyFrame& f, double strength) {
    const double s = f.rx / 12.0;
    setColour(cr, Colour{1.0, 1.0, 0.92}, 0.95 * strength);
    sparklePath(cr, f.cx + 0.86 * f.rx, f.cy - 0.82 * f.ry, 6.0 * s);
    cairo_fill(cr);
    sparklePath(cr, f.cx - 0.95 * f.rx, f.cy + 0.35 * f.ry, 4.0 * s);
    cairo_fill(cr);
}

} // namespace

double inflateFraction(int frame) {
    const double t = std::clamp(frame, 0, kInflateFrames - 1) / static_cast<double>(kInflateFrames - 1);
    return 0.25 + 0.75 * std::pow(t, 0.85);
}

Raster paintBalloon(const BalloonLook& look) {
    const BalloonColour& colour = kBalloonColours[std::clamp(look.colour, 0, kGoldColour)];
    Sketch sketch(look.width, look.height);
    cairo_t* cr = sketch.cr();

    // The full-size balloon in a 28 x 37 place: a 24.4 x 28 egg, its knot at y 29.
    const double unit = look.width / static_cast<double>(kPlaceWidth);
    const double knotY = 29.2 * unit;
    const double cx = look.width / 2.0;
    const double fullRx = 12.0 * unit;
    const double fullRy = 13.9 * unit;

    const double inflation = std::clamp(look.inflation, 0.05, 1.0);
    // A limp balloon is longer than it is wide; it rounds out as it fills.
    const double rx = fullRx * inflation * (0.82 + 0.18 * inflation);
    const double ry = fullRy * inflation * (1.12 - 0.12 * inflation);
    BodyFrame f{cx, knotY - ry, rx, ry, knotY};
    if (look.pressed) {
        // Squashed a little toward the knot.
        f.rx *= 1.05;
        f.ry *= 0.93;
        f.cy = knotY - f.ry;
    }

    paintString(cr, cx, knotY + 2.0 * unit, look.height - 0.6 * unit, unit);
    paintKnot(cr, colour, cx, knotY, unit * std::max(0.6, inflation));
    const double gloss = 0.55 + 0.45 * inflation;
    paintBody(cr, colour, f, look.pressed, gloss);
    const double emblemStrength = std::clamp((inflation - 0.3) / 0.5, 0.0, 1.0);
    paintEmblem(cr, colour, f, look.pressed, emblemStrength);
    if (look.colour == kGoldColour && !look.pressed) {
        paintGoldSparkles(cr, f, emblemStrength);
    }
    return sketch.toRaster();
}

Raster paintBalloonBurst(int colour, int frame) {
    const BalloonColour& c = kBalloonColours[std::clamp(colour, 0, kGoldColour)];
    const int f = std::clamp(frame, 0, kBurstFrames - 1);
    Sketch sketch(kBurstSize, kBurstSize);
    cairo_t* cr = sketch.cr();
    const double centre = kBurstSize / 2.0;
    // How far the burst has come: 0 at the flash, 1 in the last frame.
    const double t = f / static_cast<double>(kBurstFrames - 1);

    // The flash: a white-hot star in a glow of the balloon's colour, then a thin bright ring
    // racing out.
    if (f == 0) {
        constexpr double kReach = 14.0;
        cairo_pattern_t* glow = cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, kReach);
        addStop(glow, 0.0, Colour{1, 1, 1}, 0.95);
        addStop(glow, 0.5, c.shine, 0.7);
        addStop(glow, 1.0, c.body, 0.0);
        cairo_arc(cr, centre, centre, kReach, 0, 2 * kPi);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
        starPath(cr, centre, centre, 9.0, 3.4, 8, 0.2);
        setColour(cr, Colour{1, 1, 1}, 0.9);
        cairo_fill(cr);
    } else if (f < kBurstFrames - 1) {
        cairo_arc(cr, centre, centre, 15.0, 0, 2 * kPi);
        cairo_set_line_width(cr, 1.4);
        setColour(cr, c.shine.lighter(0.5), 0.7);
        cairo_stroke(cr);
    }

    // Streaks of light between the shards.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 8; ++i) {
        const double a = (i + 0.5) * kPi / 4.0;
        const double r0 = 7.0 + 10.0 * t;
        const double r1 = r0 + 7.0 - 3.0 * t;
        cairo_move_to(cr, centre + r0 * std::cos(a), centre + r0 * std::sin(a));
        cairo_line_to(cr, centre + r1 * std::cos(a), centre + r1 * std::sin(a));
    }
    cairo_set_line_width(cr, 1.6 - 0.5 * t);
    setColour(cr, c.shine.lighter(0.6), 0.95 - 0.45 * t);
    cairo_stroke(cr);

    // The shards of skin: curved scraps that fly out, turn and shrink.
    Scatter scatter(101u + static_cast<uint32_t>(colour));
    constexpr int kShards = 9;
    for (int i = 0; i < kShards; ++i) {
        const double a = i * 2.0 * kPi / kShards + scatter.between(-0.25, 0.25);
        const double speed = scatter.between(0.8, 1.15);
        const double spin = scatter.between(-1.2, 1.2);
        const double r = (10.0 + 14.0 * t) * speed;
        const double size = (7.4 - 2.8 * t) * scatter.between(0.8, 1.2);
        cairo_save(cr);
        cairo_translate(cr, centre + r * std::cos(a), centre + r * std::sin(a));
        cairo_rotate(cr, a + kPi / 2.0 + spin * t);
        cairo_move_to(cr, -size, 0.0);
        cairo_curve_to(cr, -size * 0.5, -size * 0.95, size * 0.5, -size * 0.95, size, 0.0);
        cairo_curve_to(cr, size * 0.4, -size * 0.3, -size * 0.4, -size * 0.3, -size, 0.0);
        cairo_close_path(cr);
        cairo_restore(cr);
        cairo_pattern_t* skin = cairo_pattern_create_radial(centre, centre, 0.0, centre, centre, r + size);
        addStop(skin, 0.0, c.shine.lighter(0.2));
        addStop(skin, 1.0, i % 3 == 0 ? c.shine : c.body.mix(c.shine, 0.2));
        cairo_set_source(cr, skin);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(skin);
        cairo_set_line_width(cr, 0.6);
        setColour(cr, c.shadow, 0.45);
        cairo_stroke(cr);
    }

    // Confetti specks between them, in the balloon's light and dark tones.
    for (int i = 0; i < 10; ++i) {
        const double a = scatter.between(0.0, 2.0 * kPi);
        const double r = (6.0 + 17.0 * t) * scatter.between(0.7, 1.2);
        const double dot = 1.3 - 0.3 * t;
        cairo_arc(cr, centre + r * std::cos(a), centre + r * std::sin(a), dot, 0, 2 * kPi);
        setColour(cr, i % 2 ? c.shine.lighter(0.3) : c.body.lighter(0.15));
        cairo_fill(cr);
    }
    return sketch.toRaster();
}
