// Glide.cpp: straight-line motion at a constant speed, with an optional sideways sway.
#include "Glide.h"

#include <cmath>

void Glide::start(float x0, float y0, float x1, float y1, float speed) {
    m_x = m_startX = x0;
    m_y = m_startY = y0;
    m_endX = x1;
    m_endY = y1;
    m_swayX = m_swayY = 0.0f;
    m_swayOn = false;
    m_sway = GlideSway{};
    m_clock = 0.0f;
    m_active = true;

    const float dx = x1 - x0, dy = y1 - y0;
    const float length = std::sqrt(dx * dx + dy * dy);
    // A point has no direction; it and a mover without speed simply arrive at once.
    if (!(length > 0.0f) || !(speed > 0.0f) || !std::isfinite(length / speed)) {
        m_directionX = m_directionY = 0.0f;
        m_duration = 0.0f;
        return;
    }
    m_directionX = dx / length;
    m_directionY = dy / length;
    m_duration = length / speed;
}

void Glide::start(float x0, float y0, float x1, float y1, float speed, const GlideSway& sway) {
    start(x0, y0, x1, y1, speed);
    m_sway = sway;
    m_swayOn = true;
}

void Glide::update(float seconds) {
    if (!m_active) {
        return;
    }
    m_clock += seconds;
    if (m_clock < m_duration) {
        const float along = m_clock / m_duration;
        m_x = m_startX + (m_endX - m_startX) * along;
        m_y = m_startY + (m_endY - m_startY) * along;
        if (m_swayOn) {
            float s = m_sway.amplitude * std::sin(m_sway.rate * m_clock + m_sway.phase);
            if (m_sway.decays) {
                s *= 1.0f - along;
            }
            m_swayX = -s * m_directionY;
            m_swayY = s * m_directionX;
        }
        return;
    }
    m_x = m_endX;
    m_y = m_endY;
    stop();
}

void Glide::stop() {
    m_active = false;
    m_swayOn = false;
    m_swayX = m_swayY = 0.0f;
}
