// Bouquet.cpp: a bunch of 42 balloons that rises through the screen at the end of a game or round.
#include "Bouquet.h"

#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"

#include <algorithm>
#include <cstdio>
#include <numbers>

namespace {

constexpr float kSlowest = 100.0f; // px/s
constexpr float kFastest = 200.0f;
constexpr float kLeastSway = 20.0f; // px
constexpr float kMostSway = 50.0f;
constexpr int kPlainColours = 6;

// A uniform value between `low` and `high` from the game's generator.
float uniform(float low, float high) {
    return low + (high - low) * static_cast<float>(gameRandom()) / static_cast<float>(kGameRandomMax);
}

bool coinFlip() {
    return gameRandom() % 2 == 0;
}

} // namespace

Bouquet::Bouquet(const ksTimer& timer, ksCanvas& canvas, const PictureLookup& pictures)
    : m_timer(timer)
    , m_canvas(canvas) {
    setDepth(kDepth);
    char name[32];
    for (int colour = 0; colour < kMediumOffset; ++colour) {
        std::snprintf(name, sizeof name, "balloon%d", colour);
        m_pictures[static_cast<std::size_t>(colour)] = pictures ? pictures(name) : nullptr;
        std::snprintf(name, sizeof name, "balloon_med%d", colour);
        m_pictures[static_cast<std::size_t>(kMediumOffset + colour)] = pictures ? pictures(name) : nullptr;
    }
}

void Bouquet::start(bool goldOnly) {
    m_goldOnly = goldOnly;
    const int width = m_canvas.width(), height = m_canvas.height();
    m_bottomLine = goldOnly ? height : height - kPodiumHeight;
    m_leftBound = goldOnly ? kGoldLeftBound : 0;
    for (RisingBalloon& balloon : m_balloons) {
        if (goldOnly) {
            balloon.picture = coinFlip() ? kGoldColour : kMediumOffset + kGoldColour;
        } else {
            const int size = coinFlip() ? 0 : kMediumOffset;
            balloon.picture = size + gameRandom() % kPlainColours;
        }
        const ksImage* image = picture(balloon.picture);
        const float x = uniform(static_cast<float>(m_leftBound), static_cast<float>(width));
        const float fromY = uniform(static_cast<float>(height), 2.0f * static_cast<float>(height));
        const float toY = -static_cast<float>(image != nullptr ? image->getHeight() : 0);
        const float speed = uniform(kSlowest, kFastest);
        const GlideSway sway{uniform(kLeastSway, kMostSway), std::numbers::pi_v<float>,
                             uniform(0.0f, 2.0f * std::numbers::pi_v<float>), false};
        balloon.glide.start(x, fromY, x, toY, speed, sway);
    }
}

void Bouquet::update() {
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    for (RisingBalloon& balloon : m_balloons) {
        balloon.glide.update(seconds);
    }
}

bool Bouquet::isActive() const {
    return std::any_of(m_balloons.begin(), m_balloons.end(),
                       [](const RisingBalloon& balloon) { return balloon.glide.isActive(); });
}

void Bouquet::draw() {
    const ScreenRect previousClip = m_canvas.clipRect();
    m_canvas.setClipRect(ScreenRect::fromPositionSize(0, 0, m_canvas.width(), m_bottomLine));
    for (int i = firstDrawn(); i < kBalloons; ++i) {
        const RisingBalloon& balloon = m_balloons[static_cast<std::size_t>(i)];
        if (const ksImage* image = picture(balloon.picture)) {
            image->draw(truncSat(balloon.glide.shownX()), truncSat(balloon.glide.shownY()));
        }
    }
    m_canvas.setClipRect(previousClip);
}
