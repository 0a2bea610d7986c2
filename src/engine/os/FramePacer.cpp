// FramePacer.cpp: when the main loop runs its next frame.
#include "FramePacer.h"

#include <algorithm>

namespace {

FramePacer::Clock::duration seconds(double value) {
    return std::chrono::duration_cast<FramePacer::Clock::duration>(std::chrono::duration<double>(value));
}

} // namespace

FramePacer::FramePacer(double framesPerSecond)
    : m_period(seconds(1.0 / std::clamp(framesPerSecond, 30.0, 240.0))) {}

void FramePacer::frameDone(Clock::time_point start, double restSeconds, bool inputPending,
                           Clock::time_point now) {
    const bool endedRest = m_resting;
    m_lastStart = start;
    // A frame that ran late is not made up for: the next one starts at once.
    const auto paced = std::max(start + m_period, now);
    if (inputPending) {
        m_resting = false;
        m_due = endedRest ? now : paced;
        return;
    }
    m_resting = restSeconds > std::chrono::duration<double>(m_period).count();
    if (!m_resting) {
        m_due = paced;
        return;
    }
    const auto rest = std::min(seconds(std::min(restSeconds, 3600.0)), Clock::duration(kLongestRest));
    m_due = std::max(paced, now + rest);
}

FramePacer::Clock::time_point FramePacer::dueForInput(Clock::time_point now) const {
    return std::min(m_due, std::max(now, m_lastStart + m_period));
}
