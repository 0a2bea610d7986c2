// BalloonArt.h: the one balloon painter behind every balloon picture of the game.
#pragma once

#include "Raster.h"

// Pictures are drawn into a `width` x `height` place with everything scaled by width / 28: the
// full balloon fills a 28 x 37 board place with its knot and a short string below.
struct BalloonLook {
    int colour = 0; // 0..5 ordinary colours, 6 the gold star
    int width = 28;
    int height = 37;
    double inflation = 1.0; // 0..1 for the inflating row previews; 1 = fully blown up
    bool pressed = false;   // the look while the mouse button is held over the group
};

Raster paintBalloon(const BalloonLook& look);

// Board place pictures.
inline constexpr int kPlaceWidth = 28;
inline constexpr int kPlaceHeight = 37;
// The medium balloons of the end-of-game bouquet.
inline constexpr int kMediumWidth = 21;
inline constexpr int kMediumHeight = 29;
inline constexpr int kInflateFrames = 8;

// Inflation of preview frame 0..7: frame 7 is the full balloon.
double inflateFraction(int frame);

// The burst a popped balloon leaves: kBurstFrames pictures of kBurstSize x kBurstSize, centred
// on the centre of the balloon's place. A flash breaks the skin into shards of the balloon's
// colour, which fly apart, shrink and scatter as confetti.
inline constexpr int kBurstSize = 56;
inline constexpr int kBurstFrames = 3;
Raster paintBalloonBurst(int colour, int frame);
