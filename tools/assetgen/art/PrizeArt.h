// PrizeArt.h: prizes and everything that carries them: presents, parachute, marker, targets.
#pragma once

#include "Raster.h"

inline constexpr int kThemeCount = 5;
inline constexpr int kPrizeKinds = 6;
inline constexpr int kPresentSize = 28;

// The prize of `kind` (0..5) in `theme` (0..4): gifts, toys, sweets, fairground treats and
// treasure. Each kind has its own silhouette within a theme. 28 x 28.
Raster paintPresent(int theme, int kind);

// The Puzzle mode prizes (the toys, 26 x 26) and the floor targets they must land on
// (28 x 37 slots showing the same toy on a pedestal).
Raster paintPuzzlePrize(int number);
Raster paintTarget(int number);

// The marker drawn over a balloon that hides a prize: a bow on top and a little gift box
// hanging from the knot. 24 x 33, placed 4 pixels into the balloon's place.
Raster paintPrizeMarker();

// The parachute that carries released prizes and banners; its lines meet at the bottom
// centre, 10/11 of the way down.
Raster paintParachute();
