// Prize.cpp: a prize freed from the board that falls, floats down on a parachute and lands.
#include "Prize.h"

#include "CuePlayer.h"
#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <numbers>

namespace {

// The parachute's canopy sits above the prize with its strings reaching down to it.
constexpr float kParaAboveShare = 10.0f / 11.0f;
// hop = (kHopRise x clock - kHopDrop) x clock: 40 px above the shelf at 0.4 s, back at 0.8 s.
constexpr float kHopRise = 250.0f;
constexpr float kHopDrop = 200.0f;

} // namespace

Prize::Prize(const ksTimer& timer, const ksImage* para, CuePlayer* cues)
    : m_timer(timer)
    , m_para(para)
    , m_cues(cues) {}

void Prize::start(int kind, int theme, const ksImage* picture, float x, float y, float targetX, float targetY,
                  int sourceRow, int shelfSlot) {
    m_kind = kind;
    m_theme = theme;
    m_picture = picture;
    m_sourceRow = sourceRow;
    m_shelfSlot = shelfSlot;
    m_mode = Mode::Falling;
    m_hop = 0.0f;
    m_parachuteOpened = false;
    m_landingHandled = false;

    const float thirdWayY = y + (targetY - y) / 3.0f;
    m_drop.start(x, y, thirdWayY, 0.0f);
    m_glide.start(x, thirdWayY, targetX, targetY, kGlideSpeed,
                  GlideSway{kSwayAmplitude, std::numbers::pi_v<float>, 0.0f, true});

    stopCue(m_parachuteChannel, "parachute");
    stopCue(m_landsChannel, "prize_lands");
    m_active = true;
}

void Prize::placeLanded(int kind, int theme, const ksImage* picture, float targetX, float targetY,
                        int sourceRow, int shelfSlot) {
    start(kind, theme, picture, targetX, targetY, targetX, targetY, sourceRow, shelfSlot);
    m_glide.update(0.0f);
    m_parachuteOpened = true;
    m_landingHandled = true;
    m_active = false;
}

void Prize::flyOff(float delay) {
    stopCue(m_flyOffChannel, "prize_flyoff");
    m_hop = 0.0f;
    m_flyOffClock = -delay;
    m_flyOffCued = false;
    m_mode = Mode::FlyingOff;
    m_active = true;
}

void Prize::update() {
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    if (m_mode == Mode::Falling) {
        updateFalling(seconds);
    } else {
        updateFlyingOff(seconds);
    }
    if (isMoving()) {
        WakeRequests::nextFrame(); // its owner may update it outside any scene
    }
}

void Prize::updateFalling(float seconds) {
    m_drop.update(seconds);
    if (!m_drop.isActive()) {
        if (!m_parachuteOpened) {
            m_parachuteOpened = true;
            m_parachuteChannel = playCue("parachute");
        }
        m_glide.update(seconds);
    }
    m_active = m_glide.isActive();
    if (!m_active && !m_landingHandled) {
        m_landingHandled = true;
        stopCue(m_parachuteChannel, "parachute");
        m_landsChannel = playCue("prize_lands");
        WakeRequests::nextFrame(); // the owner answers the landing in its next frame
    }
}

void Prize::updateFlyingOff(float seconds) {
    m_flyOffClock += seconds;
    if (m_flyOffClock < 0.0f) {
        return;
    }
    if (!m_flyOffCued) {
        m_flyOffCued = true;
        m_flyOffChannel = playCue("prize_flyoff");
    }
    m_hop = (kHopRise * m_flyOffClock - kHopDrop) * m_flyOffClock;
    m_active = m_hop < kOutOfSightHop;
}

float Prize::x() const {
    if (isDropping()) {
        return m_drop.x();
    }
    return isGliding() ? m_glide.shownX() : m_glide.endX();
}

float Prize::y() const {
    if (isDropping()) {
        return m_drop.y();
    }
    return isGliding() ? m_glide.shownY() : m_glide.endY() + m_hop;
}

void Prize::draw() {
    if (isGliding() && m_para != nullptr) {
        const float top = m_glide.shownY() - kParaAboveShare * static_cast<float>(m_para->getHeight());
        m_para->draw(truncSat(m_glide.shownX()) - m_para->getWidth() / 2, truncSat(top));
    }
    if (m_picture != nullptr) {
        drawCentred(*m_picture, x(), y());
    }
}

void Prize::drawCentred(const ksImage& image, float x, float y) const {
    image.draw(truncSat(x) - image.getWidth() / 2, truncSat(y) - image.getHeight() / 2);
}

int Prize::playCue(const char* cue) {
    return m_cues != nullptr ? m_cues->play(cue) : -1;
}

void Prize::stopCue(int& channel, const char* cue) {
    if (m_cues != nullptr && channel >= 0) {
        m_cues->stop(channel, cue);
    }
    channel = -1;
}
