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
    // A rest until a clock's moment is cut into pieces of at most this length, so the frame
    // timer (which counts a frame as one second at most) still measures the real time that
    // passed. A rest with no moment asked for lasts until input.
    static constexpr auto kLongestRest = std::chrono::milliseconds(950);

    explicit FramePacer(double framesPerSecond = 60.0);

    // What the pass took that the next pass hands to the game with its input commit.
    enum class Pending {
        Nothing,
        Pointer, // moves only: the next pass keeps the rate (a fast mouse sends a thousand a second)
        Presses, // buttons, keys or characters: the next pass runs at once, so a click is answered
                 // within two quick frames
    };

    // The frame that started at `start` has ended at `now`; the game may rest `restSeconds`.
    void frameDone(Clock::time_point start, double restSeconds, Pending pending, Clock::time_point now);
    // When the next frame is due if no input arrives.
    Clock::time_point due() const { return m_due; }
    // When a frame may run for input that arrived at `now`: presses at once; pointer moves at
    // once during a rest (yet not sooner than a period after the last frame started), otherwise
    // at the due time.
    Clock::time_point dueForInput(Clock::time_point now, Pending input) const;
    // True when the last frame left nothing moving.
    bool isResting() const { return m_resting; }
    Clock::duration period() const { return m_period; }

private:
    Clock::duration m_period;
    Clock::time_point m_lastStart{};
    Clock::time_point m_due{};
    bool m_resting = false;
};
