// Drop.cpp: a vertical fall under gravity onto a floor line, bouncing lower each time.
#include "Drop.h"

#include <cmath>

void Drop::start(float x, float y, float endY, float bounce) {
    m_x = x;
    m_y = y;
    m_endY = endY;
    m_height = endY - y;
    m_velocity = 0.0f;
    m_bounce = bounce;
    m_active = m_height > 0.0f;
}

bool Drop::update(float seconds) {
    if (!m_active) {
        return false;
    }
    m_y += (0.5f * kGravity * seconds + m_velocity) * seconds;
    m_velocity += kGravity * seconds;
    if (m_y < m_endY) {
        return false;
    }
    m_y = m_endY;
    m_height *= m_bounce;
    if (m_height < kRestingHeight) {
        m_velocity = 0.0f;
        m_active = false;
    } else {
        m_velocity = -std::sqrt(2.0f * m_height * kGravity);
    }
    return true;
}
