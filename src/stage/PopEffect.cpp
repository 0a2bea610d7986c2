// PopEffect.cpp: the burst a balloon leaves as it pops: a flash and shards of its colour flying apart.
#include "PopEffect.h"

#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <algorithm>
#include <cmath>

PopEffect::PopEffect(const ksTimer& timer)
    : m_timer(timer) {
    setDepth(kDepth);
}

void PopEffect::start(const BurstPictures::Frames* frames, float centreX, float centreY) {
    m_frames = frames;
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

int PopEffect::frame() const {
    const float progress = std::clamp(m_clock / kSeconds, 0.0f, 1.0f);
    return std::min(static_cast<int>(progress * BurstPictures::kFrames), BurstPictures::kFrames - 1);
}

float PopEffect::scale() const {
    return kStartScale + (kEndScale - kStartScale) * std::clamp(m_clock / kSeconds, 0.0f, 1.0f);
}

float PopEffect::opacity() const {
    // Full strength until the last frame, which fades to nothing by the end.
    constexpr float kLastFrameStarts = kSeconds * (BurstPictures::kFrames - 1) / BurstPictures::kFrames;
    if (m_clock <= kLastFrameStarts) {
        return 1.0f;
    }
    return std::max(0.0f, (kSeconds - m_clock) / (kSeconds - kLastFrameStarts));
}

void PopEffect::draw() {
    if (!m_active || m_frames == nullptr) {
        return;
    }
    const ksImage* picture = (*m_frames)[static_cast<std::size_t>(frame())];
    if (picture == nullptr || picture->isEmpty()) {
        return;
    }
    const float width = static_cast<float>(picture->getWidth()) * scale();
    const float height = static_cast<float>(picture->getHeight()) * scale();
    picture->drawScaledFaded(static_cast<int>(std::floor(m_centreX - width / 2.0f)),
                             static_cast<int>(std::floor(m_centreY - height / 2.0f)), width, height, 0, 0,
                             picture->getWidth(), picture->getHeight(), opacity());
}
