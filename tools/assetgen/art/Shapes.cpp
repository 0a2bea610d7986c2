// Shapes.cpp: path builders for the simple shapes the painters share.
#include "Shapes.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
}

void polygonPath(cairo_t* cr, std::initializer_list<PathPoint> points) {
    bool first = true;
    for (const PathPoint& point : points) {
        if (first) {
            cairo_move_to(cr, point.x, point.y);
            first = false;
        } else {
            cairo_line_to(cr, point.x, point.y);
        }
    }
    cairo_close_path(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius) {
    const double r = std::min(radius, std::min(width, height) / 2.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -kPi / 2.0, 0.0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0.0, kPi / 2.0);
    cairo_arc(cr, x + r, y + height - r, r, kPi / 2.0, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double angle = rotation - kPi / 2.0 + i * kPi / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    cairo_close_path(cr);
}

void heartPath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2.0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + 0.95 * s);
    cairo_curve_to(cr, cx - 0.35 * s, cy + 0.6 * s, cx - 1.0 * s, cy + 0.2 * s, cx - 1.0 * s, cy - 0.3 * s);
    cairo_curve_to(cr, cx - 1.0 * s, cy - 0.85 * s, cx - 0.25 * s, cy - 1.0 * s, cx, cy - 0.5 * s);
    cairo_curve_to(cr, cx + 0.25 * s, cy - 1.0 * s, cx + 1.0 * s, cy - 0.85 * s, cx + 1.0 * s, cy - 0.3 * s);
    cairo_curve_to(cr, cx + 1.0 * s, cy + 0.2 * s, cx + 0.35 * s, cy + 0.6 * s, cx, cy + 0.95 * s);
    cairo_close_path(cr);
}

void trianglePath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2.0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - 1.0 * s);
    cairo_line_to(cr, cx + 1.05 * s, cy + 0.8 * s);
    cairo_line_to(cr, cx - 1.05 * s, cy + 0.8 * s);
    cairo_close_path(cr);
}

void diamondPath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2.0;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - 1.1 * s);
    cairo_line_to(cr, cx + 0.8 * s, cy);
    cairo_line_to(cr, cx, cy + 1.1 * s);
    cairo_line_to(cr, cx - 0.8 * s, cy);
    cairo_close_path(cr);
}

void moonPath(cairo_t* cr, double cx, double cy, double size) {
    const double r = size / 2.0;
    // Outer arc of a circle, inner arc of a second circle shifted to the right.
    const double shift = 0.55 * r;
    const double r2 = 0.85 * r;
    // Intersection angles of the two circles, found from the chord they share.
    const double x = (r * r - r2 * r2 + shift * shift) / (2.0 * shift);
    const double y = std::sqrt(std::max(0.0, r * r - x * x));
    const double a1 = std::atan2(y, x);
    const double b1 = std::atan2(y, x - shift);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - 0.15 * r, cy, r, a1, 2.0 * kPi - a1);
    cairo_arc_negative(cr, cx - 0.15 * r + shift, cy, r2, 2.0 * kPi - b1, b1);
    cairo_close_path(cr);
}

void flowerPath(cairo_t* cr, double cx, double cy, double size) {
    // Five round petals leaving a small hole in the middle, so it reads as a daisy even when small.
    const double s = size / 2.0;
    const double petal = 0.38 * s;
    for (int i = 0; i < 5; ++i) {
        const double angle = -kPi / 2.0 + i * 2.0 * kPi / 5.0;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + 0.6 * s * std::cos(angle), cy + 0.6 * s * std::sin(angle), petal, 0.0, 2.0 * kPi);
    }
}

void ringPath(cairo_t* cr, double cx, double cy, double size) {
    const double r = size / 2.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 0.5 * r, 2.0 * kPi, 0.0);
}

void balloonBodyPath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    const double top = cy - ry;
    const double bottom = cy + ry;
    const double mid = cy - 0.08 * ry;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + 0.58 * rx, top, cx + rx, mid - 0.62 * ry, cx + rx, mid);
    cairo_curve_to(cr, cx + rx, mid + 0.52 * ry, cx + 0.42 * rx, bottom - 0.06 * ry, cx, bottom);
    cairo_curve_to(cr, cx - 0.42 * rx, bottom - 0.06 * ry, cx - rx, mid + 0.52 * ry, cx - rx, mid);
    cairo_curve_to(cr, cx - rx, mid - 0.62 * ry, cx - 0.58 * rx, top, cx, top);
    cairo_close_path(cr);
}

void sparklePath(cairo_t* cr, double cx, double cy, double size) {
    const double s = size / 2.0;
    const double w = 0.22 * s;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy - s);
    cairo_curve_to(cr, cx + w * 0.3, cy - w, cx + w, cy - w * 0.3, cx + s, cy);
    cairo_curve_to(cr, cx + w, cy + w * 0.3, cx + w * 0.3, cy + w, cx, cy + s);
    cairo_curve_to(cr, cx - w * 0.3, cy + w, cx - w, cy + w * 0.3, cx - s, cy);
    cairo_curve_to(cr, cx - w, cy - w * 0.3, cx - w * 0.3, cy - w, cx, cy - s);
    cairo_close_path(cr);
}

void emblemPath(cairo_t* cr, Emblem emblem, double cx, double cy, double size) {
    switch (emblem) {
    case Emblem::Heart:
        heartPath(cr, cx, cy, size);
        break;
    case Emblem::Ring:
        ringPath(cr, cx, cy, size);
        break;
    case Emblem::Triangle:
        trianglePath(cr, cx, cy, size);
        break;
    case Emblem::Diamond:
        diamondPath(cr, cx, cy, size);
        break;
    case Emblem::Moon:
        moonPath(cr, cx, cy, size);
        break;
    case Emblem::Flower:
        flowerPath(cr, cx, cy, size);
        break;
    case Emblem::Star:
        starPath(cr, cx, cy, size / 2.0, size / 4.4, 5);
        break;
    }
}

cairo_fill_rule_t emblemFillRule(Emblem emblem) {
    return emblem == Emblem::Ring ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING;
}
