// InputSource.h: a producer of input events that the test harness consults at every pass.
#pragma once

#include <cstdint>

class InputEventQueue;

// Events pushed at the start of a pass enter exactly as window events do, so the game cannot
// tell a source from a player.
class InputSource {
public:
    virtual ~InputSource() = default;
    virtual void feed(int64_t pass, InputEventQueue& queue) = 0;
};
