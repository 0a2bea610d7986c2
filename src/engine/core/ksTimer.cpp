// ksTimer.cpp: the frame timer and the counters it can read.
#include "ksTimer.h"

#include <chrono>

int64_t SteadyCounter::read() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() + 1;
}

ksTimer::ksTimer(ksCounter& counter)
    : m_counter(counter)
    , m_frequency(static_cast<double>(counter.frequency()))
    , m_lastCount(counter.read())
    , m_frequencyCount(counter.frequency()) {}

void ksTimer::tick() {
    const int64_t now = m_counter.read();
    const int64_t elapsed = now - m_lastCount;
    if (elapsed <= 0) {
        return;
    }
    m_lastElapsed = elapsed;
    m_lastCount = now;
    m_framesPerSecond = m_frequency / static_cast<double>(elapsed);
    if (m_framesPerSecond < 1.0) {
        m_framesPerSecond = 1.0;
    }
    m_frameSeconds = 1.0 / m_framesPerSecond;
}

void ksTimer::reset(float rate) {
    m_framesPerSecond = rate;
    m_frameSeconds = 1.0 / rate;
    m_lastElapsed = static_cast<int64_t>(static_cast<double>(m_frequencyCount) / rate);
    m_lastCount = m_counter.read();
}

void ksTimer::clearResults() {
    m_framesPerSecond = 0.0;
    m_frameSeconds = 0.0;
}
