// ksAnimation.cpp: the frame-strip clock animated objects use to pick their current picture.
#include "ksAnimation.h"

#include "engine/core/WakeRequests.h"

AnimationClock::AnimationClock(int capacity, const ksTimer& timer)
    : m_timer(timer)
    , m_capacity(capacity > 0 ? capacity : 0) {
    m_durations.reserve(static_cast<std::size_t>(m_capacity));
}

bool AnimationClock::addDuration(float seconds) {
    if (count() >= m_capacity) {
        return false;
    }
    // Zero (and anything that is not a positive time) would never let the strip move on.
    m_durations.push_back(seconds > 0.0f ? seconds : 0.0001f);
    return true;
}

void AnimationClock::rewind() {
    current = 0;
    elapsed = 0;
    progress = 0;
    playing = false;
}

void AnimationClock::update() {
    if (!playing || m_durations.empty()) {
        return;
    }
    elapsed += static_cast<float>(m_timer.frameSeconds());
    const int last = count() - 1;
    while (playing && elapsed >= m_durations[static_cast<std::size_t>(current)]) {
        elapsed -= m_durations[static_cast<std::size_t>(current)];
        if (current < last) {
            ++current;
        } else if (loop) {
            current = 0;
        } else {
            playing = false;
        }
    }
    progress = elapsed / m_durations[static_cast<std::size_t>(current)];
    if (playing) {
        WakeRequests::after(m_durations[static_cast<std::size_t>(current)] - elapsed);
    }
}
