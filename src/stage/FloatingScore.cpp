// FloatingScore.cpp: points that curl from where they were earned into the score display.
#include "FloatingScore.h"

#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksFont.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr float kTurnRate = 0.3f * std::numbers::pi_v<float>; // rad/s
constexpr float kScreenWidth = 640.0f;
constexpr float kScreenHeight = 480.0f;
// A number ending at the score plaque fades over this much of its approach and is gone this
// far from the plaque.
constexpr float kStopFadeRoom = 40.0f;
constexpr float kStopGap = 3.0f;

} // namespace

FloatingScore::FloatingScore(const ksTimer& timer, ksFont* defaultFont)
    : m_timer(timer)
    , m_defaultFont(defaultFont) {
    setDepth(kDepth);
}

void FloatingScore::start(float startX, float startY, float endX, float endY, int32_t value, float delay,
                          float flightTime) {
    start(m_defaultFont, startX, startY, endX, endY, value, delay, flightTime);
}

void FloatingScore::start(ksFont* font, float startX, float startY, float endX, float endY, int32_t value,
                          float delay, float flightTime) {
    m_font = font;
    std::snprintf(m_text.data(), m_text.size(), value > 0 ? "+%d" : "%d", static_cast<int>(value));
    const float dx = endX - startX, dy = endY - startY;
    m_endX = endX;
    m_endY = endY;
    m_remaining = std::sqrt(dx * dx + dy * dy);
    // The direction from the end point back to the start: (cos, sin) of it is -(dx, dy) / L.
    m_angle = std::atan2(dx, -dy) + std::numbers::pi_v<float> / 2.0f;
    m_turn = chooseTurn(dx, dy);
    m_flightTime = flightTime > 0.0f ? flightTime : kShortestFlight;
    // Covers the whole distance, from rest, in exactly the flight time.
    m_acceleration = 2.0f * m_remaining / (m_flightTime * m_flightTime);
    m_speed = 0.0f;
    m_opacity = 1.0f;
    m_clock = -std::max(delay, 0.0f);
    m_x = startX;
    m_y = startY;
    m_active = true;
    m_stopping = false;
}

void FloatingScore::stopBefore(const ScreenRect& area) {
    m_stopArea = area;
    const float room = gapToStopArea() - kStopGap;
    m_stopping = room > 0.0f;
    // A number starting close to the plaque fades over the room it has, from full opacity.
    m_fadeRoom = std::clamp(room, 1.0f, kStopFadeRoom);
}

float FloatingScore::gapToStopArea() const {
    const float halfWidth =
        m_font != nullptr ? 0.5f * static_cast<float>(m_font->getTextWidth(text())) : 0.0f;
    const float halfHeight = m_font != nullptr ? 0.5f * static_cast<float>(m_font->getLineHeight()) : 0.0f;
    const float dx = std::max({static_cast<float>(m_stopArea.left) - (m_x + halfWidth),
                               (m_x - halfWidth) - static_cast<float>(m_stopArea.right + 1), 0.0f});
    const float dy = std::max({static_cast<float>(m_stopArea.top) - (m_y + halfHeight),
                               (m_y - halfHeight) - static_cast<float>(m_stopArea.bottom + 1), 0.0f});
    return std::sqrt(dx * dx + dy * dy);
}

// Turning the direction by a small +angle moves the number across its path by (dy, -dx) (y
// grows downward); -angle moves it the other way. A mostly horizontal path bows vertically
// toward the middle of the screen from the half its end point lies in, a mostly vertical one
// horizontally.
float FloatingScore::chooseTurn(float dx, float dy) const {
    if (std::fabs(dx) >= std::fabs(dy)) {
        const float towardMiddleY = m_endY > kScreenHeight / 2.0f ? -1.0f : 1.0f;
        return -dx * towardMiddleY >= 0.0f ? 1.0f : -1.0f;
    }
    const float towardMiddleX = m_endX > kScreenWidth / 2.0f ? -1.0f : 1.0f;
    return dy * towardMiddleX >= 0.0f ? 1.0f : -1.0f;
}

void FloatingScore::update() {
    if (!m_active) {
        return;
    }
    const float previous = m_clock;
    m_clock += static_cast<float>(m_timer.frameSeconds());
    if (m_clock < 0.0f) {
        return;
    }
    // The flight runs from clock 0 to the flight time; a frame that spans either end moves only
    // for its part inside, so the number arrives exactly at the end point.
    const float flightStep = std::min(m_clock, m_flightTime) - std::max(previous, 0.0f);
    if (flightStep > 0.0f) {
        m_remaining -= (0.5f * m_acceleration * flightStep + m_speed) * flightStep;
        m_speed += m_acceleration * flightStep;
        m_angle += flightStep * m_turn * kTurnRate;
        m_x = m_endX + m_remaining * std::cos(m_angle);
        m_y = m_endY + m_remaining * std::sin(m_angle);
    }
    if (m_stopping) {
        const float approach = (gapToStopArea() - kStopGap) / m_fadeRoom;
        m_opacity = std::min(m_opacity, std::clamp(approach, 0.0f, 1.0f));
        if (m_opacity <= 0.0f) {
            m_active = false;
            return;
        }
    }
    const float fadeStep = m_clock - std::max(previous, m_flightTime);
    if (fadeStep > 0.0f) {
        m_opacity -= kFadePerSecond * fadeStep;
        if (m_opacity <= 0.0f) {
            m_opacity = 0.0f;
            m_active = false;
        }
    }
}

void FloatingScore::draw() {
    if (m_font == nullptr) {
        return;
    }
    m_font->setOpacity(m_opacity);
    m_font->drawText(text(), truncSat(m_x), truncSat(m_y), ALIGN_CENTER);
    m_font->setOpacity(1.0f);
}
