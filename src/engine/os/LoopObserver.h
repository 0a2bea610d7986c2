// LoopObserver.h: a hook into the main loop's passes, used by the test harness.
#pragma once

#include <cstdint>

class InputEventQueue;

class LoopObserver {
public:
    virtual ~LoopObserver() = default;
    // At the start of pass `pass`, after the input commit: events for this pass go into `queue`.
    virtual void beforePass(int64_t pass, InputEventQueue& queue) = 0;
    // After pass `pass` (its frame presented, if one ran); false ends the main loop.
    virtual bool afterPass(int64_t pass) = 0;
    // True while the observer drives the passes itself, so the loop must never block waiting
    // for window events.
    virtual bool drivesPasses() const = 0;
};
