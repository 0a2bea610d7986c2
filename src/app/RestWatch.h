// RestWatch.h: catches a screen that rests while something of it still moves.
#pragma once

// After each frame the game rests until the earliest frame anything asked
// for. A frame that then changes the picture sooner, with no input to explain it, shows a clock
// that forgot to ask: on a desktop that change would have waited for the next input. Headless
// runs never rest, so they see every such frame; each is logged and counted.
class RestWatch {
public:
    // `frameSeconds` is the game time the frame advanced; `requestedRest` what it asked for.
    void frameEnded(double frameSeconds, bool changedPicture, bool hadInput, double requestedRest);
    int broken() const { return m_broken; }

private:
    double m_restLeft = -1.0; // below zero: no rest was promised
    int m_broken = 0;
    double m_clock = 0.0; // game seconds since the first frame
};
