// InflateEffect.cpp: a balloon blowing up in eight pictures, as the preview of an incoming row.
#include "InflateEffect.h"

#include "CuePlayer.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksImage.h"

#include <algorithm>
#include <cstdio>

void InflatePictures::load(const PictureLookup& pictures) {
    char name[40];
    for (int colour = 0; colour < kColours; ++colour) {
        for (int index = 0; index < kFrames; ++index) {
            std::snprintf(name, sizeof name, "balloon_inflate%d_%d", colour, index);
            frames[static_cast<std::size_t>(colour)][static_cast<std::size_t>(index)] =
                pictures ? pictures(name) : nullptr;
        }
    }
}

const ksImage* InflatePictures::frame(int colour, int index) const {
    if (colour < 0 || colour >= kColours || index < 0 || index >= kFrames) {
        return nullptr;
    }
    return frames[static_cast<std::size_t>(colour)][static_cast<std::size_t>(index)];
}

InflateEffect::InflateEffect(const ksTimer& timer, float inflateSeconds, const InflatePictures& pictures,
                             CuePlayer* cues)
    : m_timer(timer)
    , m_pictures(pictures)
    , m_cues(cues)
    , m_inflateSeconds(inflateSeconds) {}

void InflateEffect::start(int colour, float x, float y) {
    m_colour = colour;
    m_x = x;
    m_y = y;
    m_elapsed = 0.0f;
    m_frame = 0;
    m_started = true;
    m_playing = true;
}

void InflateEffect::update() {
    if (!m_playing) {
        return;
    }
    m_elapsed += static_cast<float>(m_timer.frameSeconds());
    const float frameSeconds = m_inflateSeconds / static_cast<float>(kFrames);
    int frame = kFrames - 1;
    if (m_elapsed < m_inflateSeconds && frameSeconds > 0.0f) {
        frame = std::min(static_cast<int>(m_elapsed / frameSeconds), kFrames - 1);
    } else {
        m_playing = false;
    }
    if (frame != m_frame) {
        m_frame = frame;
        if (m_cues != nullptr) {
            m_cues->play("balloon_inflate");
        }
    }
}

void InflateEffect::draw() {
    if (!m_started) {
        return;
    }
    if (const ksImage* picture = m_pictures.frame(m_colour, m_frame)) {
        picture->drawFaded(truncSat(m_x), truncSat(m_y), kOpacity);
    }
}
