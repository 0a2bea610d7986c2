// CurtainArt.h: the stage curtains that announce a puzzle's goal.
#pragma once

#include "Raster.h"

#include <utility>

// Pair 1 announces "pop all gold star balloons", pair 2 "drop prizes on their targets",
// pair 3 "pop all the balloons". Each half is 320 x 480; closed, the two halves meet in the
// middle of the screen and the goal sign spans the seam.
inline constexpr int kCurtainWidth = 320;
inline constexpr int kCurtainHeight = 480;
std::pair<Raster, Raster> paintCurtainPair(int pair);
