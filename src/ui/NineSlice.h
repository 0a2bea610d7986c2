// NineSlice.h: drawing a small template picture as a frame of any size.
#pragma once

#include "engine/core/ScreenRect.h"

class ksImage;

// The template is cut into corners of `corner` x `corner` pixels, edges and a centre. Both
// operations draw into the canvas's current target, clipped as every drawing is, and draw nothing
// for a missing template or a corner size below 1.
namespace nineslice {

// Corner sizes of the templates: width / 3 or width / 2; 0 without a template.
int thirdOf(const ksImage* tpl);
int halfOf(const ksImage* tpl);

// Corners at the corners; the edges tiled with the template's edge blocks in steps of the corner
// size, the inside tiled with its centre block. The last tile of a row or column is cut short so
// no tile runs into a corner.
void drawTiled(const ksImage* tpl, const ScreenRect& area);

// Corners copied; each edge repeats the template's edge column (or row) next to the corner one
// pixel at a time; the inside is filled with the template's centre pixel.
void drawStretched(const ksImage* tpl, int corner, const ScreenRect& area);

} // namespace nineslice
