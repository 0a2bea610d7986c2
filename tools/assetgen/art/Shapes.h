// Shapes.h: path builders for the simple shapes the painters share.
#pragma once

#include "Palette.h"

#include <initializer_list>

#include <cairo.h>

// Each function adds a closed path to the current path; the caller fills or strokes it.
struct PathPoint {
    double x;
    double y;
};
// Straight edges through the points, closed back to the first.
void polygonPath(cairo_t* cr, std::initializer_list<PathPoint> points);
void roundedRectPath(cairo_t* cr, double x, double y, double width, double height, double radius);
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
              double rotation = 0.0);
void heartPath(cairo_t* cr, double cx, double cy, double size);
void trianglePath(cairo_t* cr, double cx, double cy, double size);
void diamondPath(cairo_t* cr, double cx, double cy, double size);
// A crescent; fill it with the even-odd rule unset (it is built as one outline).
void moonPath(cairo_t* cr, double cx, double cy, double size);
void flowerPath(cairo_t* cr, double cx, double cy, double size);
// A ring; fill with CAIRO_FILL_RULE_EVEN_ODD.
void ringPath(cairo_t* cr, double cx, double cy, double size);
// A balloon body: an egg, widest a little above its middle, narrowing toward the knot.
void balloonBodyPath(cairo_t* cr, double cx, double cy, double rx, double ry);
// A four-pointed sparkle.
void sparklePath(cairo_t* cr, double cx, double cy, double size);

// The emblem of a balloon colour, centred on (cx, cy), about `size` pixels across.
void emblemPath(cairo_t* cr, Emblem emblem, double cx, double cy, double size);
// Fill rule the emblem path needs.
cairo_fill_rule_t emblemFillRule(Emblem emblem);
