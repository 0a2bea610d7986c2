// Reverb.h: a small room, so chimes, fanfares and crowds sound like they happen somewhere.
#pragma once

#include "Sound.h"

namespace synth {

struct Room {
    float size = 0.7f;    // 0..1: longer decay
    float damping = 0.4f; // 0..1: duller tail
    float wet = 0.2f;     // level of the reverberated signal added to the dry one
    double tail = 0.8;    // seconds of room sound appended after the dry signal
};

// Eight parallel damped combs into four allpasses (the classic Schroeder-Moorer layout), mono.
void addRoom(Sound& sound, const Room& room);

} // namespace synth
