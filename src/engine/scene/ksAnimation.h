// ksAnimation.h: the frame-strip clock animated objects use to pick their current picture.
#pragma once

#include "engine/core/ksTimer.h"

#include <vector>

// The timing of a strip: how long each frame shows, which frame is current, whether it loops.
// A long frame time skips as many frames as fit into it; a strip that does not loop ends on its
// last frame with playing false.
class AnimationClock {
public:
    AnimationClock(int capacity, const ksTimer& timer);

    // Advances by the timer's frame time while playing.
    void update();
    void rewind();
    bool isPlaying() const { return playing; }
    int count() const { return static_cast<int>(m_durations.size()); }
    int capacity() const { return m_capacity; }

    float elapsed = 0;
    float progress = 0;
    int current = 0;
    bool loop = false;
    bool playing = false;

protected:
    // Appends a duration; a duration of 0 (or less) counts as 0.0001 s. False beyond the capacity.
    bool addDuration(float seconds);

private:
    const ksTimer& m_timer;
    int m_capacity;
    std::vector<float> m_durations; // reserved once, never grows past the capacity
};

template <typename Frame>
class ksAnimation : public AnimationClock {
public:
    ksAnimation(int capacity, const ksTimer& timer)
        : AnimationClock(capacity, timer) {
        m_frames.reserve(capacity);
    }

    bool addFrame(Frame frame, float seconds) {
        if (!addDuration(seconds)) {
            return false;
        }
        m_frames.push_back(frame);
        return true;
    }
    // The current frame; a default (null) frame while the strip is empty.
    Frame currentFrame() const {
        return m_frames.empty() ? Frame{} : m_frames[static_cast<std::size_t>(current)];
    }
    Frame frameAt(int index) const {
        return index >= 0 && index < count() ? m_frames[static_cast<std::size_t>(index)] : Frame{};
    }

private:
    std::vector<Frame> m_frames;
};
