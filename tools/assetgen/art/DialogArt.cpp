// DialogArt.cpp: dialog templates, widgets, arrows, the pointer and the small indicators.
#include "DialogArt.h"

#include "Lettering.h"
#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// The dialog look: an indigo panel in a gold frame.
constexpr Colour kPanel = Colour::hex(0x2B2168);
constexpr Colour kPanelEdge = Colour::hex(0x3A2E85);
constexpr Colour kFrameDark = Colour::hex(0x160B30);
constexpr Colour kRimLight = Colour::hex(0xFFE68A);
constexpr Colour kRimDark = Colour::hex(0xC17A12);
constexpr Colour kButtonFace = Colour::hex(0x1C96A8);
constexpr Colour kButtonFaceHover = Colour::hex(0x32C4D0);

void fillRounded(cairo_t* cr, double x, double y, double w, double h, double r, const Colour& c,
                 double a = 1.0) {
    roundedRectPath(cr, x, y, w, h, r);
    setColour(cr, c, a);
    cairo_fill(cr);
}

// A gold band whose shading depends only on the distance from the outer edge, so the straight
// parts of a sliced template repeat seamlessly.
void goldRim(cairo_t* cr, double x, double y, double w, double h, double r, double width) {
    for (double i = 0; i < width; i += 0.5) {
        const double t = i / width;
        const Colour c = kRimDark.mix(kRimLight, std::sin(t * kPi) * 0.9 + 0.1 * t);
        roundedRectPath(cr, x + i, y + i, w - 2 * i, h - 2 * i, r - i);
        setColour(cr, c);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
}

} // namespace

// 48 x 48, corner c = 16: four corners, edges tiled in 16-pixel steps, the inside tiled with the
// flat centre block. The outside of the rounded corners is transparent.
Raster paintDialogBoxTemplate() {
    Sketch s(48, 48);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0, 0, 48, 48, 13, kFrameDark);
    goldRim(cr, 1.5, 1.5, 45, 45, 11.5, 4.0);
    fillRounded(cr, 5.5, 5.5, 37, 37, 8, kPanelEdge);
    fillRounded(cr, 8, 8, 32, 32, 6, kPanel);
    return s.toRaster();
}

// 30 x 30, corner c = 10: corners copied, edges stretched one pixel at a time, the inside filled
// with the centre pixel. The bevel lives in the 10-pixel border.
Raster paintButtonTemplate(bool hovered) {
    Sketch s(30, 30);
    cairo_t* cr = s.cr();
    const Colour face = hovered ? kButtonFaceHover : kButtonFace;
    fillRounded(cr, 0, 0, 30, 30, 9, kFrameDark);
    if (hovered) {
        goldRim(cr, 1, 1, 28, 28, 8, 2.5);
    } else {
        fillRounded(cr, 1, 1, 28, 28, 8, face.darker(0.45));
    }
    fillRounded(cr, 3, 3, 24, 24, 6.5, face.lighter(0.45));  // top-left light
    fillRounded(cr, 3.5, 4.5, 23, 22, 6, face.darker(0.25)); // bottom-right shade
    fillRounded(cr, 4, 4.5, 22, 20.5, 5.5, face);
    // A soft gloss across the upper half of the border ring only (the centre pixel stays flat).
    cairo_save(cr);
    roundedRectPath(cr, 4, 4.5, 22, 20.5, 5.5);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 4.5, 30, 5);
    setColour(cr, Colour{1, 1, 1}, hovered ? 0.3 : 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
    return s.toRaster();
}

// 30 x 30, corner c = 10: a sunken dark field with a light rim.
Raster paintEntryTemplate() {
    Sketch s(30, 30);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0, 0, 30, 30, 8, Colour::hex(0xB9A8F0));
    fillRounded(cr, 1.5, 1.5, 27, 27, 6.5, kFrameDark);
    fillRounded(cr, 2.5, 4, 25, 23.5, 5.5, Colour::hex(0x120C2E));
    return s.toRaster();
}

// 16 x 16, corner 8: a small tab in the button colours (the game's screens show no tabs).
Raster paintTabTemplate() {
    Sketch s(16, 16);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0, 0, 16, 20, 6, kFrameDark);
    fillRounded(cr, 1.5, 1.5, 13, 18, 5, kButtonFace);
    return s.toRaster();
}

// Three 20 x 20 frames: empty, ticked, fixed (ticked but greyed, not clickable).
Raster paintCheckbox() {
    Sketch s(60, 20);
    cairo_t* cr = s.cr();
    for (int frame = 0; frame < 3; ++frame) {
        const double x = frame * 20.0;
        const bool fixed = frame == 2;
        fillRounded(cr, x + 1, 1, 18, 18, 5, fixed ? Colour::hex(0x6A6488) : Colour::hex(0xF3EEFF));
        fillRounded(cr, x + 3, 3, 14, 14, 3.5, fixed ? Colour::hex(0x3A3458) : Colour::hex(0x171036));
        if (frame == 0) {
            continue;
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_move_to(cr, x + 5.0, 10.0);
        cairo_line_to(cr, x + 8.8, 14.2);
        cairo_line_to(cr, x + 16.5, 4.0);
        cairo_set_line_width(cr, 4.2);
        setColour(cr, kFrameDark);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 2.4);
        setColour(cr, fixed ? Colour::hex(0xA8A2C0) : Colour::hex(0xFFD23A));
        cairo_stroke(cr);
    }
    return s.toRaster();
}

// 6 x 6, end size 3: a groove the knob runs along.
Raster paintSliderTemplate() {
    Sketch s(6, 6);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0, 0, 6, 6, 3, Colour::hex(0x9C8CE0));
    fillRounded(cr, 1, 1, 4, 4, 2, Colour::hex(0x0E0A26));
    return s.toRaster();
}

// 14 x 22: one golden knob.
Raster paintSliderKnob() {
    Sketch s(14, 22);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0.5, 0.5, 13, 21, 6, kFrameDark);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 1, 0, 21);
    addStop(gold, 0.0, kRimLight);
    addStop(gold, 0.55, world::kGold);
    addStop(gold, 1.0, kRimDark);
    roundedRectPath(cr, 2, 2, 10, 18, 4.5);
    cairo_set_source(cr, gold);
    cairo_fill(cr);
    cairo_pattern_destroy(gold);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 4, 7.5 + i * 3, 6, 1);
        setColour(cr, kRimDark.darker(0.3), 0.7);
        cairo_fill(cr);
    }
    return s.toRaster();
}

// 30 x 30, corner 10: a glowing gold ring drawn 3 pixels outside the default button.
Raster paintDefaultButtonTemplate() {
    Sketch s(30, 30);
    cairo_t* cr = s.cr();
    roundedRectPath(cr, 0, 0, 30, 30, 11);
    roundedRectPath(cr, 3, 3, 24, 24, 8);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColour(cr, Colour::hex(0xFFD84A));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    roundedRectPath(cr, 0.5, 0.5, 29, 29, 10.5);
    setColour(cr, Colour::hex(0xFFF6C0), 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return s.toRaster();
}

Raster paintArrowButton(bool next, bool hovered) {
    Sketch s(32, 32);
    cairo_t* cr = s.cr();
    if (hovered) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(16, 16, 10, 16, 16, 16);
        cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.9, 0.4, 0.9);
        cairo_pattern_add_color_stop_rgba(glow, 1.0, 1.0, 0.9, 0.4, 0.0);
        cairo_arc(cr, 16, 16, 16, 0, 2 * kPi);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    cairo_arc(cr, 16, 16, 13.5, 0, 2 * kPi);
    setColour(cr, kFrameDark);
    cairo_fill(cr);
    cairo_pattern_t* face = cairo_pattern_create_radial(12, 10, 2, 16, 16, 13);
    addStop(face, 0.0, hovered ? Colour::hex(0xFFFBE0) : kRimLight);
    addStop(face, 0.7, hovered ? Colour::hex(0xFFD84A) : world::kGold);
    addStop(face, 1.0, kRimDark);
    cairo_arc(cr, 16, 16, 12, 0, 2 * kPi);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    // A chunky rounded arrow.
    const double d = next ? 1.0 : -1.0;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, 16 - d * 4.0, 9.0);
    cairo_line_to(cr, 16 + d * 4.0, 16.0);
    cairo_line_to(cr, 16 - d * 4.0, 23.0);
    cairo_set_line_width(cr, 4.5);
    setColour(cr, world::kPlum.darker(0.2));
    cairo_stroke(cr);
    return s.toRaster();
}

Raster paintCursor() {
    Sketch s(32, 32);
    cairo_t* cr = s.cr();
    auto arrow = [cr] {
        cairo_new_path(cr);
        polygonPath(
            cr,
            {{1.5, 1.5}, {1.5, 22.0}, {6.8, 17.2}, {10.6, 25.5}, {14.4, 23.8}, {10.8, 15.6}, {17.8, 15.2}});
    };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    arrow();
    cairo_translate(cr, 1.2, 1.6);
    setColour(cr, Colour{0, 0, 0}, 0.35);
    cairo_fill(cr);
    cairo_identity_matrix(cr);
    arrow();
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 2, 0, 25);
    addStop(fill, 0.0, Colour::hex(0xFFFFFF));
    addStop(fill, 1.0, Colour::hex(0xFFE7A8));
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1.6);
    setColour(cr, world::kInk);
    cairo_stroke(cr);
    // A tiny sparkle keeps the pointer in the game's spirit.
    sparklePath(cr, 22.5, 6.5, 8.0);
    setColour(cr, Colour::hex(0xFFD23A));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    setColour(cr, world::kInk, 0.8);
    cairo_stroke(cr);
    return s.toRaster();
}

namespace {

Raster indicator(bool record) {
    Sketch s(76, 26);
    cairo_t* cr = s.cr();
    fillRounded(cr, 1, 1, 74, 24, 12, Colour{0, 0, 0}, 0.7);
    roundedRectPath(cr, 1.5, 1.5, 73, 23, 11.5);
    setColour(cr, Colour{1, 1, 1}, 0.8);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    if (record) {
        cairo_arc(cr, 15, 13, 6, 0, 2 * kPi);
        setColour(cr, Colour::hex(0xFF3A30));
        cairo_fill(cr);
    } else {
        polygonPath(cr, {{10, 6.5}, {21, 13}, {10, 19.5}});
        setColour(cr, Colour::hex(0x4CE07A));
        cairo_fill(cr);
    }
    TextStyle style;
    style.face = Typeface::Rounded;
    style.size = 14.0;
    drawText(cr, style, record ? "REC" : "PLAY", 27, 18);
    return s.toRaster();
}

} // namespace

Raster paintRecordIndicator() {
    return indicator(true);
}
Raster paintPlayIndicator() {
    return indicator(false);
}

Raster paintPuzzleSelector() {
    Sketch s(484, 480);
    cairo_t* cr = s.cr();
    fillRounded(cr, 0, 0, 484, 480, 18, kFrameDark);
    goldRim(cr, 2, 2, 480, 476, 16, 5);
    cairo_pattern_t* panel = cairo_pattern_create_linear(0, 0, 0, 480);
    addStop(panel, 0.0, kPanelEdge);
    addStop(panel, 0.5, kPanel);
    addStop(panel, 1.0, kPanel.darker(0.15));
    roundedRectPath(cr, 8, 8, 468, 464, 12);
    cairo_set_source(cr, panel);
    cairo_fill(cr);
    cairo_pattern_destroy(panel);
    // Marquee bulbs along the frame.
    for (int i = 0; i < 22; ++i) {
        const double x = 22 + i * (440.0 / 21.0);
        for (double y : {15.0, 465.0}) {
            cairo_arc(cr, x, y, 2.6, 0, 2 * kPi);
            setColour(cr, world::kBulb, 0.9);
            cairo_fill(cr);
        }
    }
    // Framed wells for the six puzzle pictures (108 x 98 buttons centred on the grid points).
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const double cx = 120 + col * 125;
            const double cy = 155 + row * 106;
            fillRounded(cr, cx - 56, cy - 51, 112, 102, 7, kFrameDark);
            goldRim(cr, cx - 55.5, cy - 50.5, 111, 101, 6, 2.0);
            fillRounded(cr, cx - 54, cy - 49, 108, 98, 5, Colour::hex(0x120C2E));
        }
    }
    // An information board for the hovered puzzle's lines, clear of the lower pictures' frames
    // (which end at y 312) and of the CANCEL button (from y 411).
    fillRounded(cr, 40, 313, 404, 96, 10, Colour::hex(0x1B1446), 0.9);
    roundedRectPath(cr, 40.5, 313.5, 403, 95, 10);
    setColour(cr, kRimLight, 0.45);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return s.toRaster();
}

Raster paintPuzzleLocked() {
    Sketch s(58, 68);
    cairo_t* cr = s.cr();
    // Shackle.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_arc(cr, 29, 27, 13, kPi, 2 * kPi);
    cairo_line_to(cr, 42, 34);
    cairo_move_to(cr, 16, 34);
    cairo_line_to(cr, 16, 27);
    cairo_set_line_width(cr, 9.0);
    setColour(cr, kFrameDark);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 5.5);
    setColour(cr, Colour::hex(0xC9CEDC));
    cairo_stroke(cr);
    // Body.
    fillRounded(cr, 6, 30, 46, 34, 8, kFrameDark);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 32, 0, 62);
    addStop(body, 0.0, kRimLight);
    addStop(body, 0.5, world::kGold);
    addStop(body, 1.0, kRimDark);
    roundedRectPath(cr, 8.5, 32.5, 41, 29, 6);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Keyhole.
    cairo_arc(cr, 29, 43, 4.2, 0, 2 * kPi);
    polygonPath(cr, {{26.5, 44}, {31.5, 44}, {33, 55}, {25, 55}});
    setColour(cr, kFrameDark);
    cairo_fill(cr);
    return s.toRaster();
}

Raster paintPuzzlePassed() {
    Sketch s(106, 96);
    cairo_t* cr = s.cr();
    // A round green rosette with a tick in the top-right corner of the picture.
    const double cx = 84;
    const double cy = 21;
    starPath(cr, cx, cy, 19, 15.5, 14);
    setColour(cr, kFrameDark);
    cairo_fill(cr);
    starPath(cr, cx, cy, 17.5, 14.2, 14);
    setColour(cr, Colour::hex(0xFFCC33));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 12, 0, 2 * kPi);
    setColour(cr, Colour::hex(0x1FA85A));
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - 6, cy);
    cairo_line_to(cr, cx - 1.5, cy + 5);
    cairo_line_to(cr, cx + 6.5, cy - 5);
    cairo_set_line_width(cr, 3.6);
    setColour(cr, Colour{1, 1, 1});
    cairo_stroke(cr);
    return s.toRaster();
}
