// FramePacer.h: when the main loop runs its next frame.
#pragma once

#include <chrono>

// The loop runs frames at a steady rate while something moves and rests in the event wait while
// nothing does. After each frame the game says how long it may rest: 0 while anything moves,
// the time until a clock of its runs out, or for ever. Input ends a rest at once, but never
// runs frames faster than the rate. The rate comes from measured time, never from the display.
class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    // A rest is cut into pieces of at most this length, so the frame timer (which counts a
    // frame as one second at most) still measures the real time that passed.
    static constexpr auto kLongestRest = std::chrono::milliseconds(950);

    explicit FramePacer(double framesPerSecond = 60.0);

    // The frame that started at `start` has ended at `now`; the game may rest `restSeconds`.
    // `inputPending` says the pass took input that the next pass hands to the game: that pass
    // runs at the paced time, or at once when this frame ended a rest, so a click at rest is
    // answered two quick frames later.
    void frameDone(Clock::time_point start, double restSeconds, bool inputPending, Clock::time_point now);
    // When the next frame is due if no input arrives.
    Clock::time_point due() const { return m_due; }
    // When a frame may run for input that arrived at `now`: at once during a rest (yet not
    // sooner than a period after the last frame started), otherwise at the due time.
    Clock::time_point dueForInput(Clock::time_point now) const;
    // True when the last frame left nothing moving.
    bool isResting() const { return m_resting; }
    Clock::duration period() const { return m_period; }

private:
    Clock::duration m_period;
    Clock::time_point m_lastStart{};
    Clock::time_point m_due{};
    bool m_resting = false;
};
