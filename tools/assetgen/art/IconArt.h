// IconArt.h: the desktop icons of the game.
#pragma once

#include "Raster.h"

#include <array>
#include <string>

inline constexpr std::array<int, 4> kIconSizes = {48, 64, 128, 256};

// Three glossy balloons tied together, on a transparent background, size x size.
Raster paintIcon(int size);

// The same picture as a scalable SVG document.
std::string iconSvg();
