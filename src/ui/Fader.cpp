// Fader.cpp: a value that moves from a start to an end value over a set time, once.
#include "Fader.h"

#include "engine/core/WakeRequests.h"

#include <algorithm>

void Fader::start(float from, float to, float seconds) {
    m_start = std::clamp(from, 0.0f, 1.0f);
    m_end = std::clamp(to, 0.0f, 1.0f);
    m_rate = seconds > 0.0f ? (m_end - m_start) / seconds : 0.0f;
    reset();
}

void Fader::reset() {
    m_value = m_start;
    m_arrived = false;
    m_running = true;
}

void Fader::step(float seconds) {
    if (!m_running) {
        return;
    }
    if (m_arrived) {
        m_running = false;
        return;
    }
    m_value += seconds * m_rate;
    const bool rising = m_end >= m_start;
    if (m_rate == 0.0f || (rising ? m_value >= m_end : m_value <= m_end)) {
        m_value = m_end;
        m_arrived = true;
    }
    WakeRequests::nextFrame(); // the frame that stops the fader changes nothing, yet must run
}
