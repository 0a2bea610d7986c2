// Fader.h: a value that moves from a start to an end value over a set time, once.
#pragma once

// Drives the opacity of a play screen's backdrop. Both values are kept inside 0.0 to 1.0. The
// value moves by rate x seconds per step; the step that reaches (or passes) the end value puts it
// exactly there, and the step after that stops the fader, so a finished fade is seen for one
// whole frame before anyone reacts to it.
class Fader {
public:
    // From `from` to `to` in `seconds` (a time of 0 or less arrives at the first step).
    void start(float from, float to, float seconds);
    // Back to the start value, running again.
    void reset();
    void step(float seconds);

    float value() const { return m_value; }
    bool isRunning() const { return m_running; }

private:
    float m_start = 0.0f;
    float m_end = 0.0f;
    float m_value = 0.0f;
    float m_rate = 0.0f;
    bool m_arrived = false;
    bool m_running = false;
};
