// PopEffect.cpp: the puff a balloon leaves as it pops: its picture swelling and fading away.
#include "PopEffect.h"

#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <algorithm>
#include <cmath>

PopEffect::PopEffect(const ksTimer& timer)
    : m_timer(timer) {
    setDepth(kDepth);
}

void PopEffect::start(const ksImage* picture, float centreX, float centreY) {
    m_picture = picture;
    m_centreX = centreX;
    m_centreY = centreY;
    m_clock = 0.0f;
    m_active = true;
}

void PopEffect::update() {
    if (!m_active) {
        return;
    }
    m_clock += static_cast<float>(m_timer.frameSeconds());
    if (m_clock >= kSeconds) {
        m_active = false;
    }
}

float PopEffect::scale() const {
    return 1.0f + kGrowth * std::min(m_clock / kSeconds, 1.0f);
}

float PopEffect::opacity() const {
    return kStartOpacity * std::max(1.0f - m_clock / kSeconds, 0.0f);
}

void PopEffect::draw() {
    if (!m_active || m_picture == nullptr || m_picture->isEmpty()) {
        return;
    }
    const float width = static_cast<float>(m_picture->getWidth()) * scale();
    const float height = static_cast<float>(m_picture->getHeight()) * scale();
    m_picture->drawScaledFaded(static_cast<int>(std::floor(m_centreX - width / 2.0f)),
                               static_cast<int>(std::floor(m_centreY - height / 2.0f)), width, height, 0, 0,
                               m_picture->getWidth(), m_picture->getHeight(), opacity());
}
