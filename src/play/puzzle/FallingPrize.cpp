// FallingPrize.cpp: a prize dropped out of the puzzle board, bouncing on the floor strip.
#include "FallingPrize.h"

#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"
#include "stage/CuePlayer.h"

FallingPrize::FallingPrize(const ksTimer& timer, CuePlayer* cues)
    : m_timer(timer)
    , m_cues(cues) {
    setDepth(kDepth);
}

void FallingPrize::start(const ksImage* picture, float centreX, float centreY) {
    m_picture = picture;
    const float halfWidth = picture != nullptr ? static_cast<float>(picture->getWidth()) / 2.0f : 0.0f;
    const float halfHeight = picture != nullptr ? static_cast<float>(picture->getHeight()) / 2.0f : 0.0f;
    m_drop.start(centreX - halfWidth, centreY - halfHeight, kFloorY, kBounce);
    WakeRequests::nextFrame();
}

void FallingPrize::land(const ksImage* picture, float centreX) {
    m_picture = picture;
    const float halfWidth = picture != nullptr ? static_cast<float>(picture->getWidth()) / 2.0f : 0.0f;
    m_drop.start(centreX - halfWidth, kFloorY, kFloorY, kBounce);
    WakeRequests::nextFrame();
}

void FallingPrize::update() {
    if (!m_drop.isActive()) {
        return;
    }
    if (m_drop.update(static_cast<float>(m_timer.frameSeconds())) && m_cues != nullptr) {
        m_cues->play("undo");
    }
}

void FallingPrize::draw() {
    if (m_picture != nullptr) {
        m_picture->draw(truncSat(m_drop.x()), truncSat(m_drop.y()));
    }
}
