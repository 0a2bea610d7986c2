// MenuButton.cpp: a rectangular image button of a screen, with hover fade and press tracking.
#include "MenuButton.h"

#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <algorithm>

MenuButton::MenuButton(int32_t id, const ScreenRect& rect, const ksTimer& timer, float fadeRate)
    : m_id(id)
    , m_rect(rect)
    , m_timer(timer)
    , m_fadeRate(fadeRate) {}

bool MenuButton::isHovered() const {
    return m_keyFocus || m_rect.contains(m_input.getX(), m_input.getY());
}

void MenuButton::moveBy(int dx, int dy) {
    m_rect.setPosition(m_rect.left + dx, m_rect.top + dy);
}

void MenuButton::update() {
    m_previousInput.copyFrom(m_input);
    m_input.poll();
    const bool down = m_input.isHeld(), wasDown = m_previousInput.isHeld();
    if (isHovered() && down && !wasDown) {
        m_pressed = true;
    }
    if (!down && !wasDown) {
        m_pressed = false;
    }
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    if (m_fadeRate <= 0.0f) {
        m_hoverLevel = isHovered() ? 1.0f : 0.0f;
    } else if (isHovered()) {
        m_hoverLevel = std::min(1.0f, m_hoverLevel + seconds * m_fadeRate);
    } else {
        m_hoverLevel = std::max(0.0f, m_hoverLevel - seconds * m_fadeRate);
    }
    if (isMoving()) {
        WakeRequests::nextFrame();
    }
}

void MenuButton::draw() {
    if (isHovered() && m_pressed && m_pressedLook.image != nullptr) {
        drawAppearance(m_pressedLook, m_opacity);
        return;
    }
    drawAppearance(m_normal, m_opacity);
    if (!m_input.isHeld()) {
        drawAppearance(m_hover, m_hoverLevel * m_opacity);
    }
}

void MenuButton::drawAppearance(const Appearance& look, float opacity) const {
    if (look.image != nullptr) {
        look.image->drawPartFaded(m_rect.left, m_rect.top, look.sourceX, look.sourceY, m_rect.width,
                                  m_rect.height, opacity);
    }
}

void MenuButton::reset() {
    m_pressed = false;
    m_hoverLevel = 0.0f;
    m_input.clear();
    m_previousInput.clear();
}
