// Mascot.cpp: the character on the podium and the seventeen animations it reacts with.
#include "Mascot.h"

#include "CuePlayer.h"
#include "engine/core/GameRandom.h"
#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <array>
#include <cstdio>
#include <numbers>
#include <span>

namespace {

struct MascotFrame {
    const char* name; // the picture is "spike_" + name
    float seconds;    // 0 passes at once
};

constexpr MascotFrame kBlinkFrames[] = {{"default", 0.0f}, {"defaultblink01", 0.2f}};
constexpr MascotFrame kBackToNormalFrames[] = {{"default", 0.0f}, {"defaultblink02", 0.2f}};
constexpr MascotFrame kFloatInFrames[] = {
    {"enterclassic01", 0.0f}, {"enterclassic02", 0.2f}, {"default", 0.0f}};
constexpr MascotFrame kJumpInFrames[] = {{"enterstory01", 0.3f}, {"enterstory02", 1.0f}, {"default", 0.0f}};
constexpr MascotFrame kCheerFrames[] = {{"default", 0.0f}, {"pos1_01", 0.2f}, {"pos1_02", 0.2f},
                                        {"pos1_03", 0.2f}, {"pos1_02", 0.2f}, {"pos1_03", 0.2f}};
constexpr MascotFrame kPickUpFrames[] = {{"default", 0.0f}, {"pos2_01", 0.1f}, {"pos2_02", 0.1f},
                                         {"pos2_03", 0.1f}, {"pos2_02", 0.1f}, {"pos2_03", 0.1f},
                                         {"pos2_02", 0.1f}, {"pos2_03", 0.1f}, {"pos2_02", 0.1f},
                                         {"pos2_04", 0.1f}, {"pickup", 0.4f}};
constexpr MascotFrame kAllPrizesFrames[] = {
    {"default", 0.0f}, {"pos3_01", 0.12f}, {"pos3_02", 0.6f}, {"pos3_01", 0.12f}};
constexpr MascotFrame kFidgetFrames[] = {
    {"default", 0.0f}, {"neg2_01", 0.1f}, {"neg2_02", 0.1f}, {"neg2_01", 0.1f}, {"neg2_03", 0.1f},
    {"neg2_01", 0.1f}, {"neg2_02", 0.1f}, {"neg2_01", 0.1f}, {"neg2_03", 0.1f}, {"neg2_01", 2.3f}};
constexpr MascotFrame kClockFirstFrames[] = {{"clock1", 0.0f}, {"clock1blink", 0.3f}};
constexpr MascotFrame kClockFrames[] = {{"clock2", 0.0f}, {"clock2blink", 0.3f}};
constexpr MascotFrame kSlumpFrames[] = {{"neg1_02", 0.3f}, {"lose01", 0.3f}, {"lose02", 5.3f}};
constexpr MascotFrame kWonFrames[] = {
    {"pos3_01", 0.12f}, {"pos3_02", 0.6f}, {"pos3_01", 0.12f}, {"winclassic", 4.3f}};
constexpr MascotFrame kPuzzleFrames[] = {
    {"default", 0.0f},       {"enterstory03", 0.08f}, {"enterstory04", 0.08f}, {"enterstory05", 0.08f},
    {"enterstory06", 0.08f}, {"enterstory03", 0.08f}, {"enterstory04", 0.08f}, {"enterstory05", 0.08f},
    {"enterstory06", 0.08f}, {"enterstory07", 0.08f}, {"enterstory08", 0.4f},  {"enterstory09", 2.0f}};
constexpr MascotFrame kSighFrames[] = {{"neg1_02", 0.2f}, {"neg1_01", 0.5f}, {"neg1_02", 0.5f}};
constexpr MascotFrame kDozingFrames[] = {{"timeout1_02", 0.8f},  {"timeout1_01", 4.0f},
                                         {"timeoutblink", 0.3f}, {"timeout1_01", 0.8f},
                                         {"timeoutblink", 0.3f}, {"timeout1_01", 7.0f}};
constexpr MascotFrame kAsleepFrames[] = {{"timeout2_01", 0.7f}, {"timeout2_02", 0.7f}};
constexpr MascotFrame kCordPullFrames[] = {{"cordpull01", 0.1f}, {"cordpull02", 0.1f}, {"cordpull03", 0.1f}};

constexpr std::array<std::span<const MascotFrame>, MascotCue::kCount> kCueTable = {
    kBlinkFrames,     kBackToNormalFrames, kFloatInFrames,    kJumpInFrames, kCheerFrames,   kPickUpFrames,
    kAllPrizesFrames, kFidgetFrames,       kClockFirstFrames, kClockFrames,  kSlumpFrames,   kWonFrames,
    kPuzzleFrames,    kSighFrames,         kDozingFrames,     kAsleepFrames, kCordPullFrames};

constexpr float kFloatInSpeed = 160.0f;       // px/s down
constexpr float kBalloonsLeaveSpeed = 180.0f; // px/s up
constexpr GlideSway kFloatInSway{80.0f, 1.7f * std::numbers::pi_v<float>, 0.0f, true};

bool isClockCue(int cue) {
    return cue == MascotCue::kClockFirst || cue == MascotCue::kClock;
}

bool keepsLastFrame(int cue) {
    return cue == MascotCue::kSlump || cue == MascotCue::kWon || cue == MascotCue::kSigh;
}

bool repeats(int cue) {
    return cue == MascotCue::kDozing || cue == MascotCue::kAsleep;
}

// low + span x r / 32767 with r from the game's generator.
float randomSeconds(float low, float span) {
    return low + span * static_cast<float>(gameRandom()) / static_cast<float>(kGameRandomMax);
}

float heightOf(const ksImage* picture) {
    return picture != nullptr ? static_cast<float>(picture->getHeight()) : 0.0f;
}

} // namespace

Mascot::Mascot(const ksTimer& timer, const PictureLookup& pictures, CuePlayer* cues)
    : m_timer(timer)
    , m_cues(cues) {
    setDepth(kDepth);
    auto lookup = [&pictures](const char* frameName) -> const ksImage* {
        char name[64];
        std::snprintf(name, sizeof name, "spike_%s", frameName);
        return pictures ? pictures(name) : nullptr;
    };
    m_animations.reserve(kCueTable.size());
    for (const std::span<const MascotFrame> frames : kCueTable) {
        Animation& strip = m_animations.emplace_back(static_cast<int>(frames.size()), timer);
        for (const MascotFrame& frame : frames) {
            strip.addFrame(lookup(frame.name), frame.seconds);
        }
    }
    m_bouquet = lookup("bouquet");
    m_blinkClock = randomSeconds(1.5f, 2.0f);
}

void Mascot::setCue(int cue) {
    if (cue < 0 || cue >= MascotCue::kCount) {
        trace("Mascot::setCue - no cue %d", cue);
        return;
    }
    if ((m_busy && cue == m_cue) || (isClockCue(cue) && isClockCue(m_cue))) {
        return;
    }
    m_cue = cue;
    Animation& strip = animation();
    strip.rewind();
    strip.loop = repeats(cue);
    m_x = kHomeX;
    m_y = kHomeY;
    if (cue == MascotCue::kFloatIn) {
        // The strip waits, showing the hanging pose, until the mascot has landed.
        m_glide.start(kHomeX, -heightOf(strip.frameAt(0)), kHomeX, kHomeY, kFloatInSpeed, kFloatInSway);
        m_landed = false;
        m_x = m_glide.shownX();
        m_y = m_glide.shownY();
    } else {
        strip.playing = true;
    }
    if (cue == MascotCue::kJumpIn) {
        // Rises at a constant deceleration to the top at half the jump and falls back.
        const float half = kJumpLength / 2.0f;
        m_yeahRequested = false;
        m_jumpClock = 0.0f;
        m_jumpHeight = 0.0f;
        m_jumpStartSpeed = 2.0f * kJumpHeight / half;
        m_jumpAcceleration = -m_jumpStartSpeed / half;
    }
    if (cue == MascotCue::kAllPrizes || cue == MascotCue::kWon) {
        playCue("woo");
    }
    m_busy = true;
}

void Mascot::update() {
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    if (!m_busy) {
        blink(seconds);
    }
    switch (m_cue) {
    case MascotCue::kFloatIn:
        updateFloatIn(seconds);
        break;
    case MascotCue::kJumpIn:
        updateJump(seconds);
        break;
    default:
        updateStrip();
        break;
    }
    if (!m_busy) {
        WakeRequests::after(m_blinkClock);
    }
}

void Mascot::blink(float seconds) {
    m_blinkClock -= seconds;
    if (m_blinkClock > 0.0f) {
        return;
    }
    if (isClockCue(m_cue)) {
        // The clock strip replays without making the mascot busy, so the blink clock keeps
        // running while it shows.
        m_blinkClock = randomSeconds(0.5f, 1.5f);
        animation().rewind();
        animation().playing = true;
        return;
    }
    m_blinkClock = randomSeconds(0.6f, 2.0f);
    setCue(gameRandom() % 2 == 0 ? MascotCue::kBlink : MascotCue::kBackToNormal);
}

void Mascot::updateFloatIn(float seconds) {
    if (!m_busy) {
        return;
    }
    m_glide.update(seconds);
    if (!m_landed) {
        m_x = m_glide.shownX();
        m_y = m_glide.shownY();
        if (m_glide.isActive()) {
            return;
        }
        // Landed: the balloons let go and fly off on their own while the mascot settles.
        m_landed = true;
        m_x = kHomeX;
        m_y = kHomeY;
        m_glide.start(kHomeX, kHomeY, kHomeX, -heightOf(m_bouquet), kBalloonsLeaveSpeed);
        animation().playing = true;
        return;
    }
    animation().update();
    m_busy = m_glide.isActive();
}

void Mascot::updateJump(float seconds) {
    m_jumpClock += seconds;
    const float t = m_jumpClock - kJumpDelay;
    if (t > 0.0f && t < kJumpLength) {
        if (!m_yeahRequested) {
            m_yeahRequested = true;
            playCue("yeah");
        }
        m_jumpHeight = (0.5f * m_jumpAcceleration * t + m_jumpStartSpeed) * t;
    } else {
        m_jumpHeight = 0.0f;
    }
    m_x = kHomeX;
    m_y = kHomeY - m_jumpHeight;
    Animation& strip = animation();
    strip.update();
    if (m_busy && !strip.isPlaying()) {
        m_busy = false;
    }
}

void Mascot::updateStrip() {
    m_x = kHomeX;
    m_y = kHomeY;
    Animation& strip = animation();
    if (!strip.isPlaying()) {
        return;
    }
    strip.update();
    if (strip.isPlaying()) {
        return;
    }
    m_busy = false;
    if (!keepsLastFrame(m_cue)) {
        strip.rewind();
    }
}

void Mascot::draw() {
    if (isBouquetShown() && m_bouquet != nullptr) {
        m_bouquet->draw(truncSat(bouquetX()), truncSat(bouquetY()));
    }
    if (const ksImage* picture = currentPicture()) {
        picture->draw(truncSat(m_x), truncSat(m_y));
    }
}

void Mascot::playCue(const char* cue) {
    if (m_cues != nullptr) {
        m_cues->play(cue);
    }
}
