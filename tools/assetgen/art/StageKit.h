// StageKit.h: the fairground pieces the backdrops, title and help pages are built from.
#pragma once

#include "Colour.h"
#include "Lettering.h"

#include <cstdint>
#include <string_view>

#include <cairo.h>

// A small deterministic random source for scattered decoration (stars, confetti), so the
// same source always paints the same picture.
class Scatter {
public:
    explicit Scatter(uint32_t seed)
        : m_state(seed ? seed : 1u) {}
    double next(); // uniform in [0, 1)
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    uint32_t m_state;
};

// The dusk sky: a vertical gradient with a warm glow at the horizon and a field of stars.
void paintDuskSky(cairo_t* cr, double width, double height, uint32_t seed);

// Faraway fairground silhouettes (tents, a big wheel, flags) along a horizon line.
void paintFairgroundSkyline(cairo_t* cr, double width, double horizon, uint32_t seed);

// A string of party lights hanging in a shallow curve from (x0, y0) to (x1, y1).
void paintLightString(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int bulbs);

// Pennant bunting hanging from (x0, y0) to (x1, y1).
void paintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int flags);

// One glowing bulb.
void paintBulb(cairo_t* cr, double x, double y, double radius, const Colour& colour);

// A framed panel with a gold rim and a row of marquee bulbs around it.
void paintMarqueePanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Colour& top,
                       const Colour& bottom, double bulbSpacing);

// A rounded sign button with a caption; `lit` paints its hover look, which covers exactly the
// same rounded outline as the normal one.
void paintPlaqueButton(cairo_t* cr, double x, double y, double w, double h, std::string_view caption,
                       double captionSize, const Colour& face, bool lit);

// Text styles shared by the pictures.
TextStyle captionStyle(double size); // white rounded letters with a dark outline
TextStyle headingStyle(double size); // the golden display script
TextStyle bodyStyle(double size);    // dark, unoutlined reading text for light panels
