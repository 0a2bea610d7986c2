// PrizeArt.cpp: prizes and everything that carries them: presents, parachute, marker, targets.
#include "PrizeArt.h"

#include "Palette.h"
#include "Shapes.h"
#include "Sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr Colour kInk = Colour::hex(0x2A1238);

// Fills the current path with a top-lit gradient of `c` and outlines it in ink.
void shaded(cairo_t* cr, const Colour& c, double top, double bottom, double ink = 1.3) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(p, 0.0, c.lighter(0.35));
    addStop(p, 0.55, c);
    addStop(p, 1.0, c.darker(0.3));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    if (ink > 0.0) {
        cairo_set_line_width(cr, ink);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, kInk);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void flat(cairo_t* cr, const Colour& c, double ink = 1.3) {
    setColour(cr, c);
    cairo_fill_preserve(cr);
    if (ink > 0.0) {
        cairo_set_line_width(cr, ink);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, kInk);
        cairo_stroke(cr);
    } else {
        cairo_new_path(cr);
    }
}

void circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void glint(cairo_t* cr, double x, double y, double r) {
    circle(cr, x, y, r);
    setColour(cr, Colour{1, 1, 1}, 0.85);
    cairo_fill(cr);
}

void bow(cairo_t* cr, double x, double y, double s, const Colour& c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x - 3 * s, y - 4 * s, x - 6 * s, y - 1 * s, x - 4.5 * s, y + 1.5 * s);
    cairo_close_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 3 * s, y - 4 * s, x + 6 * s, y - 1 * s, x + 4.5 * s, y + 1.5 * s);
    cairo_close_path(cr);
    flat(cr, c, 1.1);
    circle(cr, x, y, 1.3 * s);
    flat(cr, c.darker(0.15), 1.0);
}

// A wrapped box with a ribbon cross and a bow.
void box(cairo_t* cr, double x, double y, double w, double h, const Colour& paper, const Colour& ribbon) {
    cairo_rectangle(cr, x, y + 3, w, h - 3);
    shaded(cr, paper, y, y + h);
    cairo_rectangle(cr, x - 1, y, w + 2, 4.5);
    shaded(cr, paper.lighter(0.1), y, y + 4.5);
    cairo_rectangle(cr, x + w / 2 - 1.6, y, 3.2, h);
    flat(cr, ribbon, 0.9);
    bow(cr, x + w / 2, y, 1.0, ribbon);
}

// --- Theme 0: gifts -------------------------------------------------------------------------

void giftCube(cairo_t* cr) {
    box(cr, 5.5, 11, 17, 14.5, Colour::hex(0xE8403A), Colour::hex(0xFFD23A));
}

void giftTall(cairo_t* cr) {
    box(cr, 8.5, 6, 11, 20, Colour::hex(0x3A6CF0), Colour::hex(0xFFFFFF));
    for (int i = 0; i < 3; ++i) {
        circle(cr, 10.5 + (i % 2) * 6.5, 14 + i * 4, 0.9);
        setColour(cr, Colour{1, 1, 1}, 0.8);
        cairo_fill(cr);
    }
}

void giftHatbox(cairo_t* cr) {
    const Colour pink = Colour::hex(0xFF7FB8);
    cairo_move_to(cr, 5, 13);
    cairo_line_to(cr, 5, 22);
    cairo_curve_to(cr, 5, 27, 23, 27, 23, 22);
    cairo_line_to(cr, 23, 13);
    cairo_close_path(cr);
    shaded(cr, pink, 12, 26);
    ellipse(cr, 14, 12.5, 9.8, 3.6);
    shaded(cr, pink.lighter(0.2), 9, 16);
    cairo_rectangle(cr, 12.3, 15.5, 3.4, 10);
    flat(cr, Colour::hex(0x8A3CC8), 0.8);
    bow(cr, 14, 11, 0.9, Colour::hex(0x8A3CC8));
}

void giftFlat(cairo_t* cr) {
    cairo_rectangle(cr, 3.5, 14, 21, 11);
    shaded(cr, Colour::hex(0x2EB36A), 14, 25);
    cairo_rectangle(cr, 2.5, 11, 23, 4.5);
    shaded(cr, Colour::hex(0x4CD088), 11, 15.5);
    starPath(cr, 14, 19.5, 4.5, 2.0, 5);
    flat(cr, Colour::hex(0xFFD23A), 0.9);
    bow(cr, 14, 11, 1.0, Colour::hex(0xFFD23A));
}

void giftBag(cairo_t* cr) {
    cairo_move_to(cr, 9, 11);
    cairo_curve_to(cr, 9, 4, 19, 4, 19, 11);
    cairo_set_line_width(cr, 2.4);
    setColour(cr, kInk);
    cairo_stroke(cr);
    // Tissue paper peeking out.
    polygonPath(cr, {{8, 12}, {11, 6}, {14, 11}, {17, 5.5}, {20, 12}});
    flat(cr, Colour::hex(0x7FE0F8), 1.0);
    polygonPath(cr, {{6.5, 11}, {21.5, 11}, {23.5, 26}, {4.5, 26}});
    shaded(cr, Colour::hex(0x9A4CD8), 11, 26);
    heartPath(cr, 14, 18.5, 7);
    flat(cr, Colour::hex(0xFFE0F0), 0.8);
}

void giftHeart(cairo_t* cr) {
    heartPath(cr, 14, 15.5, 24);
    shaded(cr, Colour::hex(0xE8303A), 4, 27);
    heartPath(cr, 14, 14.5, 15);
    setColour(cr, Colour{1, 1, 1}, 0.25);
    cairo_fill(cr);
    bow(cr, 14, 8, 0.9, Colour::hex(0xFFD23A));
}

// --- Theme 1: toys (also the Puzzle prizes) ------------------------------------------------

void toyTeddy(cairo_t* cr) {
    const Colour fur = Colour::hex(0xB87333);
    circle(cr, 7, 8, 4.2);
    circle(cr, 21, 8, 4.2);
    flat(cr, fur);
    circle(cr, 14, 15.5, 10);
    shaded(cr, fur, 5, 26);
    circle(cr, 7, 8, 2.0);
    circle(cr, 21, 8, 2.0);
    setColour(cr, Colour::hex(0xF0B890));
    cairo_fill(cr);
    ellipse(cr, 14, 19, 5.2, 4.0);
    flat(cr, Colour::hex(0xF6D2A8), 0.9);
    ellipse(cr, 14, 17.2, 2.0, 1.4);
    setColour(cr, kInk);
    cairo_fill(cr);
    circle(cr, 10, 13, 1.5);
    circle(cr, 18, 13, 1.5);
    setColour(cr, kInk);
    cairo_fill(cr);
    glint(cr, 10.5, 12.5, 0.5);
    glint(cr, 18.5, 12.5, 0.5);
}

void toyBall(cairo_t* cr) {
    const std::array<Colour, 6> stripes = {Colour::hex(0xE8403A), Colour::hex(0xFFFFFF),
                                           Colour::hex(0xFFD23A), Colour::hex(0xFFFFFF),
                                           Colour::hex(0x3A6CF0), Colour::hex(0xFFFFFF)};
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 14, 14);
        cairo_arc(cr, 14, 14, 11.5, -kPi / 2 + i * kPi / 3, -kPi / 2 + (i + 1) * kPi / 3);
        cairo_close_path(cr);
        setColour(cr, stripes[i]);
        cairo_fill(cr);
    }
    circle(cr, 14, 14, 11.5);
    cairo_pattern_t* shade = cairo_pattern_create_radial(10, 9, 1, 14, 14, 12);
    cairo_pattern_add_color_stop_rgba(shade, 0.0, 1, 1, 1, 0.5);
    cairo_pattern_add_color_stop_rgba(shade, 0.6, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, 0, 0, 0.2, 0.3);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, kInk);
    cairo_stroke(cr);
    circle(cr, 14, 14, 2.2);
    flat(cr, Colour::hex(0xFFFFFF), 0.9);
}

void toyDuck(cairo_t* cr) {
    const Colour yellow = Colour::hex(0xFFD43A);
    ellipse(cr, 15, 19, 10.5, 6.5);
    shaded(cr, yellow, 12, 26);
    circle(cr, 10, 10, 6);
    shaded(cr, yellow, 4, 16);
    cairo_move_to(cr, 4.5, 10);
    cairo_curve_to(cr, 1.5, 10, 1, 13, 3, 13);
    cairo_line_to(cr, 6.5, 12.5);
    cairo_close_path(cr);
    flat(cr, Colour::hex(0xFF7A1A), 1.0);
    circle(cr, 9.5, 8.5, 1.3);
    setColour(cr, kInk);
    cairo_fill(cr);
    glint(cr, 9.9, 8.1, 0.45);
    cairo_move_to(cr, 13, 18);
    cairo_curve_to(cr, 16, 22, 21, 21, 22, 17);
    cairo_set_line_width(cr, 1.1);
    setColour(cr, Colour::hex(0xC99A00));
    cairo_stroke(cr);
}

void toyTop(cairo_t* cr) {
    cairo_move_to(cr, 14, 26);
    cairo_line_to(cr, 3.5, 13);
    cairo_curve_to(cr, 6, 7, 22, 7, 24.5, 13);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 0, 8 + i * 5, 28, 2.6);
        setColour(cr, i % 2 ? Colour::hex(0x3A6CF0) : Colour::hex(0xE8403A));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, kInk);
    cairo_stroke(cr);
    cairo_rectangle(cr, 12.5, 3, 3, 6);
    flat(cr, Colour::hex(0xFFD23A), 1.0);
}

void toyRocket(cairo_t* cr) {
    polygonPath(cr, {{8.5, 20}, {4, 25}, {9.5, 24}});
    polygonPath(cr, {{19.5, 20}, {24, 25}, {18.5, 24}});
    flat(cr, Colour::hex(0xE8403A), 1.0);
    cairo_move_to(cr, 14, 2);
    cairo_curve_to(cr, 21, 7, 20, 17, 19, 24);
    cairo_line_to(cr, 9, 24);
    cairo_curve_to(cr, 8, 17, 7, 7, 14, 2);
    cairo_close_path(cr);
    shaded(cr, Colour::hex(0xF2F2F8), 2, 24);
    circle(cr, 14, 12, 3.2);
    flat(cr, Colour::hex(0x4CC8F0), 1.1);
    polygonPath(cr, {{11, 24.5}, {14, 27.5}, {17, 24.5}});
    flat(cr, Colour::hex(0xFFA020), 0.8);
}

void toyKite(cairo_t* cr) {
    cairo_move_to(cr, 16, 18);
    cairo_curve_to(cr, 14, 22, 19, 23, 17, 27);
    cairo_set_line_width(cr, 1.1);
    setColour(cr, kInk);
    cairo_stroke(cr);
    for (int i = 0; i < 2; ++i) {
        bow(cr, 16.5 + i * 0.5, 21 + i * 4, 0.45, i ? Colour::hex(0x3A6CF0) : Colour::hex(0xFFD23A));
    }
    polygonPath(cr, {{14, 2}, {23, 9}, {16, 19}, {6, 10}});
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const std::array<Colour, 4> quarters = {Colour::hex(0xE8403A), Colour::hex(0x2EB36A),
                                            Colour::hex(0xFFD23A), Colour::hex(0x3A6CF0)};
    const std::array<std::array<double, 2>, 4> corners = {{{14, 2}, {23, 9}, {16, 19}, {6, 10}}};
    for (int i = 0; i < 4; ++i) {
        polygonPath(cr, {{14.6, 10.2},
                         {corners[i][0], corners[i][1]},
                         {corners[(i + 1) % 4][0], corners[(i + 1) % 4][1]}});
        setColour(cr, quarters[i]);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, kInk);
    cairo_stroke(cr);
}

// --- Theme 2: sweets ------------------------------------------------------------------------

void sweetLollipop(cairo_t* cr) {
    cairo_rectangle(cr, 13, 15, 2.4, 12);
    flat(cr, Colour::hex(0xFFFFFF), 1.0);
    circle(cr, 14, 11, 9);
    flat(cr, Colour::hex(0xFF6FB0));
    cairo_save(cr);
    circle(cr, 14, 11, 8.3);
    cairo_clip(cr);
    for (double a = 0; a < 6 * kPi; a += 0.15) {
        const double r = a * 0.45;
        cairo_line_to(cr, 14 + r * std::cos(a), 11 + r * std::sin(a));
    }
    cairo_set_line_width(cr, 2.0);
    setColour(cr, Colour{1, 1, 1});
    cairo_stroke(cr);
    cairo_restore(cr);
    glint(cr, 10.5, 7.5, 1.3);
}

void sweetIceCream(cairo_t* cr) {
    polygonPath(cr, {{7, 14}, {21, 14}, {14, 27}});
    flat(cr, Colour::hex(0xE0A050));
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 9 + i * 4, 14.5);
        cairo_line_to(cr, 15 + i * 2, 22);
        setColour(cr, Colour::hex(0x9A5A20), 0.7);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    circle(cr, 10, 11.5, 5);
    flat(cr, Colour::hex(0xFFB0D0));
    circle(cr, 18, 11.5, 5);
    flat(cr, Colour::hex(0x8BF0C0));
    circle(cr, 14, 6.5, 5);
    flat(cr, Colour::hex(0xFFF0C0));
    circle(cr, 14, 1.8, 1.8);
    flat(cr, Colour::hex(0xE8303A), 0.9);
}

void sweetCupcake(cairo_t* cr) {
    polygonPath(cr, {{6, 16}, {22, 16}, {19.5, 26}, {8.5, 26}});
    shaded(cr, Colour::hex(0x4CC8F0), 16, 26);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, 9.5 + i * 3, 17);
        cairo_line_to(cr, 10 + i * 2.6, 25.5);
        setColour(cr, Colour::hex(0x1A80A8), 0.8);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 4.5, 16.5);
    cairo_curve_to(cr, 3, 10, 8, 7, 11, 8);
    cairo_curve_to(cr, 12, 4, 17, 4, 18, 8);
    cairo_curve_to(cr, 22, 7, 25.5, 11, 23.5, 16.5);
    cairo_close_path(cr);
    shaded(cr, Colour::hex(0xFF8FC8), 5, 17);
    circle(cr, 14, 4.5, 2.6);
    flat(cr, Colour::hex(0xE8303A), 1.0);
    glint(cr, 13.2, 3.8, 0.7);
}

void sweetCandy(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        polygonPath(cr,
                    {{14 + side * 6, 14}, {14 + side * 13, 8}, {14 + side * 11.5, 14}, {14 + side * 13, 20}});
        flat(cr, Colour::hex(0xFFB040), 1.1);
    }
    ellipse(cr, 14, 14, 8, 6.5);
    shaded(cr, Colour::hex(0xFF8A1E), 7.5, 20.5);
    cairo_save(cr);
    ellipse(cr, 14, 14, 7.3, 5.8);
    cairo_clip(cr);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, 14 + i * 4 - 4, 22);
        cairo_line_to(cr, 14 + i * 4 + 4, 6);
        cairo_set_line_width(cr, 1.4);
        setColour(cr, Colour{1, 1, 1}, 0.7);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void sweetDonut(cairo_t* cr) {
    circle(cr, 14, 14, 11.5);
    circle(cr, 14, 14, 3.6);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    flat(cr, Colour::hex(0xD9A060));
    cairo_move_to(cr, 3.5, 13);
    for (int i = 0; i <= 12; ++i) {
        const double a = kPi + i * kPi / 12;
        const double wobble = (i % 2) ? 1.5 : 0.0;
        cairo_line_to(cr, 14 + (10.2 - wobble) * std::cos(a), 14 + (10.2 - wobble) * std::sin(a) * 0.9);
    }
    cairo_arc(cr, 14, 14, 10.2, 0, kPi);
    cairo_close_path(cr);
    circle(cr, 14, 14, 4.6);
    flat(cr, Colour::hex(0xFF7FB8), 0.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    const std::array<Colour, 3> sprinkles = {Colour::hex(0xFFFFFF), Colour::hex(0xFFD23A),
                                             Colour::hex(0x4CC8F0)};
    for (int i = 0; i < 9; ++i) {
        const double a = i * 0.72 + 0.3;
        const double r = 7.4;
        const double x = 14 + r * std::cos(a);
        const double y = 14 + r * std::sin(a);
        cairo_move_to(cr, x - std::sin(a * 3) * 1.3, y - std::cos(a * 3) * 1.3);
        cairo_line_to(cr, x + std::sin(a * 3) * 1.3, y + std::cos(a * 3) * 1.3);
        cairo_set_line_width(cr, 1.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setColour(cr, sprinkles[i % 3]);
        cairo_stroke(cr);
    }
    circle(cr, 14, 14, 11.5);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, kInk);
    cairo_stroke(cr);
    circle(cr, 14, 14, 3.6);
    cairo_stroke(cr);
}

void sweetCane(cairo_t* cr) {
    cairo_move_to(cr, 17, 26);
    cairo_line_to(cr, 17, 10);
    cairo_arc_negative(cr, 12, 10, 5, 0, kPi);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 6.6);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.2);
    setColour(cr, Colour{1, 1, 1});
    cairo_stroke_preserve(cr);
    const double dashes[] = {2.6, 2.6};
    cairo_set_dash(cr, dashes, 2, 0);
    setColour(cr, Colour::hex(0xE8303A));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// --- Theme 3: fairground treats -------------------------------------------------------------

void fairTicket(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 14, 14);
    cairo_rotate(cr, -0.3);
    cairo_rectangle(cr, -12, -7, 24, 14);
    circle(cr, -12, 0, 3);
    circle(cr, 12, 0, 3);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    shaded(cr, Colour::hex(0xFF9A2E), -7, 7);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_rectangle(cr, -7, -4, 14, 8);
    setColour(cr, Colour::hex(0xFFF0C8));
    cairo_fill(cr);
    starPath(cr, 0, 0.3, 3.6, 1.6, 5);
    setColour(cr, Colour::hex(0xE8403A));
    cairo_fill(cr);
    cairo_restore(cr);
}

void fairPopcorn(cairo_t* cr) {
    for (int i = 0; i < 6; ++i) {
        circle(cr, 8 + (i % 3) * 6 + (i / 3) * 3, 8 - (i / 3) * 3.5, 3.4);
    }
    flat(cr, Colour::hex(0xFFF4C8), 1.0);
    polygonPath(cr, {{5.5, 10}, {22.5, 10}, {20, 26.5}, {8, 26.5}});
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int i = 0; i < 5; ++i) {
        cairo_rectangle(cr, 5 + i * 3.6, 9, 1.8, 19);
        setColour(cr, Colour::hex(0xE8303A));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.3);
    setColour(cr, kInk);
    cairo_stroke(cr);
}

void fairCandyFloss(cairo_t* cr) {
    polygonPath(cr, {{13, 27}, {15, 27}, {15.6, 14}, {12.4, 14}});
    flat(cr, Colour::hex(0xF0E0C0), 1.0);
    const std::array<std::array<double, 3>, 6> puffs = {
        {{9, 11, 5.5}, {18, 10, 6}, {14, 6, 5.5}, {13, 14, 5}, {19, 15, 4}, {8, 16, 3.6}}};
    for (const auto& p : puffs) {
        circle(cr, p[0], p[1], p[2]);
    }
    flat(cr, Colour::hex(0xFF9ACD), 1.2);
    for (const auto& p : puffs) {
        circle(cr, p[0] - 1, p[1] - 1.2, p[2] * 0.55);
    }
    setColour(cr, Colour::hex(0xFFD0EA), 0.8);
    cairo_fill(cr);
}

void fairGoldfish(cairo_t* cr) {
    cairo_move_to(cr, 11, 6);
    cairo_line_to(cr, 17, 6);
    cairo_curve_to(cr, 27, 14, 25, 27, 14, 27);
    cairo_curve_to(cr, 3, 27, 1, 14, 11, 6);
    cairo_close_path(cr);
    setColour(cr, Colour::hex(0xBFEFFF), 0.75);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    setColour(cr, kInk);
    cairo_stroke(cr);
    cairo_rectangle(cr, 10.5, 4, 7, 3);
    flat(cr, Colour::hex(0xE8303A), 1.0);
    ellipse(cr, 13, 19, 4.5, 3);
    polygonPath(cr, {{17, 19}, {21, 16}, {21, 22}});
    flat(cr, Colour::hex(0xFF8A1E), 0.9);
    circle(cr, 11, 18.5, 0.8);
    setColour(cr, kInk);
    cairo_fill(cr);
    glint(cr, 8, 11, 1.2);
}

void fairPinwheel(cairo_t* cr) {
    cairo_rectangle(cr, 13, 14, 2.2, 13.5);
    flat(cr, Colour::hex(0x8C5A30), 0.9);
    const std::array<Colour, 4> blades = {Colour::hex(0xE8403A), Colour::hex(0xFFD23A), Colour::hex(0x2EB36A),
                                          Colour::hex(0x3A6CF0)};
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 14, 12);
        cairo_rotate(cr, i * kPi / 2 + 0.2);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, -10.5);
        cairo_curve_to(cr, 5, -10, 8, -6, 7.5, -2);
        cairo_close_path(cr);
        cairo_restore(cr);
        flat(cr, blades[i], 1.1);
    }
    circle(cr, 14, 12, 1.8);
    flat(cr, Colour{1, 1, 1}, 0.9);
}

void fairToffeeApple(cairo_t* cr) {
    cairo_rectangle(cr, 12.9, 2, 2.2, 10);
    flat(cr, Colour::hex(0xE8D8B0), 0.9);
    cairo_move_to(cr, 14, 10);
    cairo_curve_to(cr, 19, 6, 26, 10, 24, 18);
    cairo_curve_to(cr, 22.5, 25, 17, 27, 14, 25);
    cairo_curve_to(cr, 11, 27, 5.5, 25, 4, 18);
    cairo_curve_to(cr, 2, 10, 9, 6, 14, 10);
    cairo_close_path(cr);
    shaded(cr, Colour::hex(0xC8201A), 8, 27);
    cairo_move_to(cr, 4.5, 16);
    cairo_curve_to(cr, 10, 19, 18, 19, 23.5, 16);
    cairo_line_to(cr, 24, 18);
    cairo_curve_to(cr, 18, 22, 10, 22, 4, 18);
    cairo_close_path(cr);
    setColour(cr, Colour::hex(0x8A3A10), 0.6);
    cairo_fill(cr);
    glint(cr, 9, 13, 1.6);
}

// --- Theme 4: treasure ----------------------------------------------------------------------

void treasureCrown(cairo_t* cr) {
    polygonPath(cr, {{4, 22}, {3, 9}, {9, 15}, {14, 6}, {19, 15}, {25, 9}, {24, 22}});
    shaded(cr, Colour::hex(0xFFC83A), 6, 22);
    cairo_rectangle(cr, 4, 21, 20, 4.5);
    shaded(cr, Colour::hex(0xF0A818), 21, 25.5);
    for (int i = 0; i < 3; ++i) {
        circle(cr, 8 + i * 6, 23.2, 1.3);
        setColour(cr, i == 1 ? Colour::hex(0x3A6CF0) : Colour::hex(0xE8303A));
        cairo_fill(cr);
    }
    for (double x : {3.0, 14.0, 25.0}) {
        circle(cr, x, x == 14.0 ? 5.5 : 8.5, 1.6);
        flat(cr, Colour::hex(0xFFF4C0), 0.9);
    }
}

void treasureGem(cairo_t* cr) {
    polygonPath(cr, {{8, 6}, {20, 6}, {26, 12}, {14, 26}, {2, 12}});
    shaded(cr, Colour::hex(0x3AB8F0), 6, 26);
    cairo_move_to(cr, 2, 12);
    cairo_line_to(cr, 26, 12);
    cairo_move_to(cr, 8, 6);
    cairo_line_to(cr, 11, 12);
    cairo_line_to(cr, 14, 26);
    cairo_line_to(cr, 17, 12);
    cairo_line_to(cr, 20, 6);
    cairo_move_to(cr, 11, 12);
    cairo_line_to(cr, 14, 6);
    cairo_line_to(cr, 17, 12);
    cairo_set_line_width(cr, 0.8);
    setColour(cr, Colour::hex(0x1A5A90), 0.9);
    cairo_stroke(cr);
    sparklePath(cr, 7.5, 9, 5);
    setColour(cr, Colour{1, 1, 1});
    cairo_fill(cr);
}

void treasureTrophy(cairo_t* cr) {
    const Colour gold = Colour::hex(0xFFC83A);
    for (double side : {-1.0, 1.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 14 + side * 9, 9, 3.6, 0, 2 * kPi);
    }
    cairo_set_line_width(cr, 3.8);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.8);
    setColour(cr, gold);
    cairo_stroke(cr);
    cairo_move_to(cr, 6, 4);
    cairo_line_to(cr, 22, 4);
    cairo_curve_to(cr, 22, 13, 19, 16, 14, 16);
    cairo_curve_to(cr, 9, 16, 6, 13, 6, 4);
    cairo_close_path(cr);
    shaded(cr, gold, 4, 16);
    cairo_rectangle(cr, 12.2, 15.5, 3.6, 5);
    flat(cr, Colour::hex(0xF0A818), 1.0);
    cairo_rectangle(cr, 7.5, 20.5, 13, 5.5);
    shaded(cr, Colour::hex(0x8C4A20), 20.5, 26);
    starPath(cr, 14, 9.5, 3.2, 1.4, 5);
    setColour(cr, Colour{1, 1, 1}, 0.9);
    cairo_fill(cr);
}

void treasureMedal(cairo_t* cr) {
    polygonPath(cr, {{7, 1.5}, {12, 1.5}, {16, 12}, {11, 12}});
    flat(cr, Colour::hex(0x3A6CF0), 1.0);
    polygonPath(cr, {{21, 1.5}, {16, 1.5}, {12, 12}, {17, 12}});
    flat(cr, Colour::hex(0xE8303A), 1.0);
    circle(cr, 14, 18, 8.5);
    shaded(cr, Colour::hex(0xFFC83A), 9.5, 26.5);
    circle(cr, 14, 18, 6);
    setColour(cr, Colour::hex(0xF0A818));
    cairo_fill(cr);
    starPath(cr, 14, 18.3, 4.2, 1.8, 5);
    setColour(cr, Colour::hex(0xFFF4C0));
    cairo_fill(cr);
}

void treasureCoins(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) {
        const double y = 23 - i * 4;
        cairo_rectangle(cr, 5, y - 2, 18, 4);
        ellipse(cr, 14, y + 2, 9, 2.2);
        flat(cr, Colour::hex(0xE8A020), 1.0);
        ellipse(cr, 14, y - 2, 9, 2.2);
        flat(cr, Colour::hex(0xFFD24A), 1.0);
    }
    circle(cr, 20.5, 7.5, 5.5);
    shaded(cr, Colour::hex(0xFFD24A), 2, 13);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 20.5, 4.5);
    cairo_line_to(cr, 20.5, 10.5);
    setColour(cr, Colour::hex(0xB87400));
    cairo_stroke(cr);
}

void treasureChest(cairo_t* cr) {
    cairo_rectangle(cr, 3.5, 14, 21, 12);
    shaded(cr, Colour::hex(0xA8643A), 14, 26);
    cairo_move_to(cr, 3.5, 14);
    cairo_curve_to(cr, 3.5, 6, 24.5, 6, 24.5, 14);
    cairo_close_path(cr);
    shaded(cr, Colour::hex(0xC07A48), 7, 14);
    for (double x : {7.0, 21.0}) {
        cairo_rectangle(cr, x - 1.5, 8.5, 3, 17.5);
        flat(cr, Colour::hex(0xFFC83A), 0.8);
    }
    cairo_rectangle(cr, 11.5, 12, 5, 6);
    flat(cr, Colour::hex(0xFFC83A), 1.0);
    circle(cr, 14, 15, 1.0);
    setColour(cr, kInk);
    cairo_fill(cr);
    sparklePath(cr, 23, 5, 6);
    setColour(cr, Colour::hex(0xFFF6C0));
    cairo_fill(cr);
}

using Painter = void (*)(cairo_t*);
constexpr std::array<std::array<Painter, kPrizeKinds>, kThemeCount> kPresents = {{
    {giftCube, giftTall, giftHatbox, giftFlat, giftBag, giftHeart},
    {toyTeddy, toyBall, toyDuck, toyTop, toyRocket, toyKite},
    {sweetLollipop, sweetIceCream, sweetCupcake, sweetCandy, sweetDonut, sweetCane},
    {fairTicket, fairPopcorn, fairCandyFloss, fairGoldfish, fairPinwheel, fairToffeeApple},
    {treasureCrown, treasureGem, treasureTrophy, treasureMedal, treasureCoins, treasureChest},
}};

// The colour each puzzle toy glows with on its target.
constexpr std::array<Colour, kPrizeKinds> kToyGlow = {Colour::hex(0xFFB070), Colour::hex(0xFF8080),
                                                      Colour::hex(0xFFE060), Colour::hex(0x80B0FF),
                                                      Colour::hex(0xFFFFFF), Colour::hex(0x90F0A0)};

} // namespace

Raster paintPresent(int theme, int kind) {
    Sketch s(kPresentSize, kPresentSize);
    kPresents[std::clamp(theme, 0, kThemeCount - 1)][std::clamp(kind, 0, kPrizeKinds - 1)](s.cr());
    return s.toRaster();
}

Raster paintPuzzlePrize(int number) {
    Sketch s(26, 26);
    cairo_t* cr = s.cr();
    cairo_scale(cr, 26.0 / 28.0, 26.0 / 28.0);
    kPresents[1][std::clamp(number, 0, kPrizeKinds - 1)](cr);
    return s.toRaster();
}

Raster paintTarget(int number) {
    const int kind = std::clamp(number, 0, kPrizeKinds - 1);
    Sketch s(28, 37);
    cairo_t* cr = s.cr();
    // A spotlight in the toy's colour above the pedestal, where the toy will come to rest.
    cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, 0, 19);
    addStop(light, 0.0, kToyGlow[kind], 0.0);
    addStop(light, 1.0, kToyGlow[kind], 0.45);
    polygonPath(cr, {{8, 0}, {20, 0}, {26, 19}, {2, 19}});
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    // The pedestal: a round top the toy lands on and a front plate showing the toy.
    polygonPath(cr, {{2.5, 19}, {4, 35.5}, {24, 35.5}, {25.5, 19}});
    shaded(cr, Colour::hex(0x7A3CB0), 18, 36);
    ellipse(cr, 14, 19, 11.5, 3.2);
    shaded(cr, Colour::hex(0xB07AE8), 16, 22);
    cairo_rectangle(cr, 6.5, 23, 15, 11.5);
    flat(cr, Colour::hex(0xFFF3D8), 1.0);
    cairo_save(cr);
    cairo_translate(cr, 14 - 6.0, 23.5);
    cairo_scale(cr, 12.0 / 28.0, 10.5 / 28.0);
    cairo_translate(cr, 0, 0);
    kPresents[1][kind](cr);
    cairo_restore(cr);
    return s.toRaster();
}

Raster paintPrizeMarker() {
    Sketch s(24, 33);
    cairo_t* cr = s.cr();
    // Coordinates below are the balloon place's, shifted by the marker's (4, 4) offset. The bow
    // spans the balloon's shoulders above its emblem, and the present hangs below the knot,
    // between the rows. Bright gold inside a heavy ink outline reads on light and dark balloons
    // alike, whatever colours the player can tell apart.
    cairo_translate(cr, -4, -4);
    const Colour gold = Colour::hex(0xFFE040);
    const Colour goldDeep = Colour::hex(0xF0A000);
    constexpr double kKnotX = 14.0;
    constexpr double kKnotY = 10.0;
    constexpr double kInkWidth = 2.2;
    // The two wings of the bow, flaring out from the knot.
    for (double side : {-1.0, 1.0}) {
        const double x = kKnotX;
        const double y = kKnotY;
        cairo_move_to(cr, x, y - 1.4);
        cairo_curve_to(cr, x + side * 3.0, y - 5.0, x + side * 7.6, y - 5.9, x + side * 9.0, y - 4.2);
        cairo_curve_to(cr, x + side * 10.1, y - 1.8, x + side * 10.0, y + 2.2, x + side * 8.8, y + 3.9);
        cairo_curve_to(cr, x + side * 7.3, y + 5.4, x + side * 3.0, y + 3.4, x, y + 1.4);
        cairo_close_path(cr);
    }
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, kKnotY - 5.5, 0, kKnotY + 5.0);
    addStop(fill, 0.0, Colour::hex(0xFFFFF4));
    addStop(fill, 0.45, gold.lighter(0.3));
    addStop(fill, 1.0, gold);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, kInkWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_stroke(cr);
    // A fold in each wing.
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, kKnotX + side * 2.6, kKnotY);
        cairo_line_to(cr, kKnotX + side * 6.6, kKnotY - 1.0);
    }
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, goldDeep.darker(0.3));
    cairo_stroke(cr);
    // The knot.
    roundedRectPath(cr, kKnotX - 2.3, kKnotY - 2.5, 4.6, 5.0, 1.5);
    flat(cr, Colour::hex(0xFFF4B0), kInkWidth * 0.8);
    // A present hangs from the balloon's knot.
    cairo_rectangle(cr, 8.6, 30.0, 10.8, 6.6);
    shaded(cr, gold, 30.0, 36.6, 1.5);
    cairo_rectangle(cr, 13.0, 30.0, 2.0, 6.6);
    setColour(cr, Colour::hex(0xE8203A));
    cairo_fill(cr);
    return s.toRaster();
}

Raster paintParachute() {
    Sketch s(56, 55);
    cairo_t* cr = s.cr();
    const double apexY = 50.0; // 10/11 of the height: where the load hangs
    // Lines from the canopy rim to the load point.
    for (double x : {4.0, 15.0, 28.0, 41.0, 52.0}) {
        cairo_move_to(cr, x, 20.5);
        cairo_line_to(cr, 28, apexY);
    }
    cairo_set_line_width(cr, 1.0);
    setColour(cr, Colour::hex(0xFFF6E0), 0.9);
    cairo_stroke(cr);
    // The canopy: a scalloped dome in alternating fairground colours.
    const std::array<Colour, 4> panels = {world::kTentRed, world::kTentCream, world::kTeal,
                                          world::kTentCream};
    for (int i = 0; i < 4; ++i) {
        const double x0 = 2.0 + i * 13.0;
        const double x1 = x0 + 13.0;
        cairo_move_to(cr, 28, 2.5);
        cairo_curve_to(cr, 28 + (x0 - 28) * 0.6, 2.5, x0, 9, x0, 20);
        cairo_curve_to(cr, x0 + 3, 17, x1 - 3, 17, x1, 20);
        cairo_curve_to(cr, x1, 9, 28 + (x1 - 28) * 0.6, 2.5, 28, 2.5);
        cairo_close_path(cr);
        shaded(cr, panels[i], 2, 21, 1.2);
    }
    return s.toRaster();
}
