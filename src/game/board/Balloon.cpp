// Balloon.cpp: one place of a balloon board, with its content, its state and the animation on top.
#include "Balloon.h"

#include "BalloonImageTable.h"
#include "engine/core/GameRandom.h"
#include "engine/core/WakeRequests.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTwoPi = 2.0f * kPi;
constexpr float kShakeAmplitude = 4.5f;
constexpr float kShakeRate = 2.5f * kPi;
constexpr float kJiggleMaxAmplitude = 2.0f;
constexpr float kJiggleHoverGrowth = 17.0f;
constexpr float kJiggleDecay = -5.0f;
// A rise shorter than this is simply finished.
constexpr float kShortestRise = 0.001f;

} // namespace

Balloon::Balloon(int row, int column, const BalloonImageTable* images)
    : m_images(images)
    , m_row(row)
    , m_column(column)
    , m_jigglePhaseSpeed(kPi / 2.0f + kPi * static_cast<float>(gameRandom()) / kGameRandomMax) {}

void Balloon::setContent(int colour, int prizeKind) {
    assert(colour >= kNoColour && colour < BalloonImageTable::kColours);
    assert(prizeKind >= kNoPrize && prizeKind < BalloonImageTable::kPrizeKinds);
    m_colour = colour;
    m_prizeKind = prizeKind;
    m_holdsPrize = prizeKind >= 0;
    m_state = colour == kNoColour ? BalloonState::Empty : BalloonState::Resting;
    refreshImage(false, false);
}

void Balloon::refreshImage(bool highlighted, bool pressed) {
    if (m_state == BalloonState::Empty || m_colour < 0 || m_colour >= BalloonImageTable::kColours) {
        m_image = nullptr;
        m_highlight = 0.0f;
        return;
    }
    m_image = m_images == nullptr ? nullptr : (pressed ? m_images->pressed : m_images->normal)[m_colour];
    m_highlight = highlighted && !pressed ? kHoverHighlight : 1.0f;
}

void Balloon::startPopping() {
    m_popClock = 0.0f;
    m_state = BalloonState::Popping;
}

void Balloon::startRise(float distance) {
    if (m_state != BalloonState::Resting && m_state != BalloonState::Rising) {
        return;
    }
    m_riseTarget = 0.0f;
    m_riseStart = m_offsetY - distance;
    m_offsetY = m_riseStart;
    m_riseClock = 0.0f;
    m_riseLength = std::fabs(m_riseStart) * kRiseSecondsPerPixel;
    m_state = BalloonState::Rising;
}

void Balloon::finishRise() {
    if (m_state != BalloonState::Rising) {
        return;
    }
    m_offsetX = 0.0f;
    m_offsetY = m_riseTarget;
    m_riseLength = 0.0f;
    m_state = BalloonState::Resting;
}

void Balloon::startShake(float delay) {
    m_shakeClock = -delay;
    m_shakeLength = kShakeSeconds;
}

void Balloon::requestJiggle() {
    m_jiggleGrowth = kJiggleHoverGrowth;
    // The jiggle grows in the next update, which a still pointer alone would not bring: a group
    // that comes under a resting pointer (play starting, a dialog closing) must ask for it.
    WakeRequests::nextFrame();
}

void Balloon::update(float seconds) {
    if (m_state == BalloonState::Popping) {
        m_popClock += seconds;
        if (m_popClock >= kPopSeconds) {
            m_state = BalloonState::Empty;
            m_image = nullptr;
        }
    }
    if (m_state == BalloonState::Rising) {
        m_riseClock += seconds;
        if (m_riseClock < m_riseLength && m_riseLength >= kShortestRise) {
            m_offsetY = m_riseStart + (m_riseTarget - m_riseStart) * m_riseClock / m_riseLength;
        } else {
            finishRise();
        }
    }
    updateShake(seconds);
    updateJiggle(seconds);
    requestFrames();
}

void Balloon::requestFrames() const {
    // Slow motion may leave a frame without a changed pixel; the next frame is needed anyway.
    const bool moving = m_state == BalloonState::Popping || m_state == BalloonState::Rising ||
                        m_jiggleAmplitude > 0.0f || (m_shakeClock >= 0.0f && m_shakeClock < m_shakeLength);
    if (moving) {
        WakeRequests::nextFrame();
    } else if (m_shakeClock < 0.0f && m_shakeLength >= 0.0f) {
        WakeRequests::after(-m_shakeClock); // a breeze on its way to this place
    }
}

void Balloon::updateShake(float seconds) {
    m_shakeClock += seconds;
    const bool swaying = m_shakeLength >= 0.0f && m_shakeClock >= 0.0f && m_shakeClock < m_shakeLength;
    m_jiggleX = swaying ? kShakeAmplitude * std::sin(kShakeRate * m_shakeClock) : 0.0f;
    m_jiggleY = 0.0f;
}

void Balloon::updateJiggle(float seconds) {
    // The jiggle circles once a second, so the clock wraps there and keeps its precision in
    // long sessions.
    m_jiggleClock += seconds;
    m_jiggleClock -= std::floor(m_jiggleClock);
    m_jiggleAmplitude = std::clamp(m_jiggleAmplitude + seconds * m_jiggleGrowth, 0.0f, kJiggleMaxAmplitude);
    m_jiggleGrowth = kJiggleDecay;
    m_jigglePhase += seconds * m_jigglePhaseSpeed;
    if (m_jigglePhase >= kTwoPi) {
        m_jigglePhase -= kTwoPi;
    }
    const float angle = kTwoPi * m_jiggleClock;
    const float radius = m_jiggleAmplitude * std::cos(angle + m_jigglePhase);
    m_jiggleX += radius * std::cos(angle);
    m_jiggleY = radius * std::sin(angle);
}

void Balloon::copyFrom(const Balloon& other) {
    m_colour = other.m_colour;
    m_prizeKind = other.m_prizeKind;
    m_state = other.m_state;
    m_image = other.m_image;
    m_highlight = other.m_highlight;
    m_offsetX = other.m_offsetX;
    m_offsetY = other.m_offsetY;
    m_holdsPrize = other.m_holdsPrize;
    m_visited = other.m_visited;
    m_row = other.m_row;
    m_column = other.m_column;
    m_riseLength = other.m_riseLength;
    m_riseClock = other.m_riseClock;
    m_riseTarget = other.m_riseTarget;
    m_riseStart = other.m_riseStart;
    m_popClock = other.m_popClock;
}

void Balloon::placePrize(int kind) {
    m_holdsPrize = true;
    m_prizeKind = kind;
}

void Balloon::removePrize() {
    m_holdsPrize = false;
    m_prizeKind = kNoPrize;
}

void Balloon::clearOffset() {
    m_offsetX = 0.0f;
    m_offsetY = 0.0f;
}
