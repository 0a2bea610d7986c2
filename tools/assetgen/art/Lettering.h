// Lettering.h: outlined, shaded text drawn into pictures with cairo.
#pragma once

#include "Colour.h"
#include "Typefaces.h"

#include <string>
#include <string_view>
#include <vector>

#include <cairo.h>

struct TextStyle {
    Typeface face = Typeface::Rounded;
    double size = 16.0; // pixels per em
    Colour top = Colour::hex(0xFFFFFF);
    Colour bottom = Colour::hex(0xFFFFFF); // vertical fill gradient from ascender to baseline
    Colour outline = Colour::hex(0x24103A);
    double outlineWidth = 0.0; // pixels on each side of the glyph edge; 0 = none
    double shadowX = 0.0;
    double shadowY = 0.0;
    double shadowAlpha = 0.0; // 0 = no shadow
    Colour shadow = Colour::hex(0x000000);
    double letterSpacing = 0.0; // extra pixels after each character
};

enum class Align { Left, Centre, Right };

struct TextMetrics {
    double ascent = 0.0;
    double descent = 0.0;
    double width = 0.0; // advance width of the string, letter spacing included
};

// Selects the style's face and size on `cr` (with antialiasing and light hinting) and measures.
TextMetrics measureText(cairo_t* cr, const TextStyle& style, std::string_view text);

// Draws one line with its baseline at y; x is the left edge, centre or right edge by `align`.
void drawText(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double baseline,
              Align align = Align::Left);

// Splits text into lines no wider than maxWidth, breaking at blanks; "\n" forces a break.
std::vector<std::string> wrapText(cairo_t* cr, const TextStyle& style, std::string_view text,
                                  double maxWidth);
