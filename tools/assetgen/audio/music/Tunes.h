// Tunes.h: the four pieces of the soundtrack, each a complete arrangement on the tracker grid.
#pragma once

#include "Arrangement.h"

#include <string>

namespace tracker {

struct Tune {
    std::string name;
    int speed; // ticks per row
    int tempo; // with 4 rows to the beat at speed 6, this is the beats per minute
    int rowsPerPattern;
    Arrangement music;
};

// Calm and thoughtful, for working out a puzzle.
Tune puzzleTune();
// Bright and bouncy, for the title screen.
Tune titleTune();
// Lively and tuneful, for Classic games.
Tune classicTune();
// Fast and driving, for the race against the rising rows.
Tune actionTune();

} // namespace tracker
