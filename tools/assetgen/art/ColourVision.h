// ColourVision.h: simulated colour-vision deficiencies and perceptual colour distance.
#pragma once

#include "Colour.h"

#include <array>
#include <string_view>

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };

inline constexpr std::array<Vision, 4> kAllVisions = {Vision::Normal, Vision::Protanopia,
                                                      Vision::Deuteranopia, Vision::Tritanopia};

std::string_view visionName(Vision vision);

// How a colour looks to a dichromat, with the severity-1.0 matrices of Machado, Oliveira and
// Fernandes (2009) applied in linear RGB. Normal vision returns the colour unchanged.
Colour simulateVision(const Colour& colour, Vision vision);

struct Lab {
    double l = 0.0;
    double a = 0.0;
    double b = 0.0;
};

// CIELAB under D65 from sRGB.
Lab toLab(const Colour& colour);

// The CIEDE2000 colour difference; about 2 is just noticeable, above 10 reads as a different
// colour at a glance.
double deltaE2000(const Lab& x, const Lab& y);
