// FramePacer.cpp: when the main loop runs its next frame.
#include "FramePacer.h"

#include <algorithm>
#include <limits>

namespace {

FramePacer::Clock::duration seconds(double value) {
    return std::chrono::duration_cast<FramePacer::Clock::duration>(std::chrono::duration<double>(value));
}

} // namespace

FramePacer::FramePacer(double framesPerSecond)
    : m_period(seconds(1.0 / std::clamp(framesPerSecond, 30.0, 240.0))) {}

void FramePacer::frameDone(Clock::time_point start, double restSeconds, Pending pending,
                           Clock::time_point now) {
    const bool endedRest = m_resting;
    m_lastStart = start;
    // A frame that ran late is not made up for: the next one starts at once.
    const auto paced = std::max(start + m_period, now);
    if (pending != Pending::Nothing) {
        m_resting = false;
        m_due = pending == Pending::Presses || endedRest ? now : paced;
        return;
    }
    m_resting = restSeconds > std::chrono::duration<double>(m_period).count();
    if (!m_resting) {
        m_due = paced;
        return;
    }
    if (restSeconds == std::numeric_limits<double>::infinity()) {
        m_due = Clock::time_point::max(); // only input wakes the game
        return;
    }
    const auto rest = std::min(seconds(std::min(restSeconds, 3600.0)), Clock::duration(kLongestRest));
    m_due = std::max(paced, now + rest);
}

FramePacer::Clock::time_point FramePacer::dueForInput(Clock::time_point now, Pending input) const {
    if (input == Pending::Presses) {
        return now;
    }
    return std::min(m_due, std::max(now, m_lastStart + m_period));
}
