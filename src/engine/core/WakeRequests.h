// WakeRequests.h: when the game must run its next frame although nothing is moving.
#pragma once

#include <limits>

// The main loop rests while nothing on the screen changes. Something that waits on a clock
// without drawing (a blink due in 1.3 s, a breeze, a delayed dialog) asks here for a frame at
// that moment; something that moves but may not change a pixel in every frame (a slow drift)
// asks for the next frame. Requests are collected during a frame and taken once by the loop.
class WakeRequests {
public:
    static constexpr double kNever = std::numeric_limits<double>::infinity();

    // A frame is wanted no later than `seconds` of game time from now.
    static void after(double seconds) {
        if (seconds < s_earliest) {
            s_earliest = seconds < 0.0 ? 0.0 : seconds;
        }
    }
    static void nextFrame() { after(0.0); }
    // The earliest request since the last take, kNever when none; starts collecting afresh.
    static double take() {
        const double earliest = s_earliest;
        s_earliest = kNever;
        return earliest;
    }

private:
    static inline double s_earliest = kNever;
};
