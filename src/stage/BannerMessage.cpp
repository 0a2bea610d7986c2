// BannerMessage.cpp: a sign of up to three text lines that drops in and floats down on a parachute.
#include "BannerMessage.h"

#include "CuePlayer.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Half the free-fall acceleration (500 px/s^2): y = kHalfFall x t^2 + start y.
constexpr float kHalfFall = 250.0f;
constexpr float kScreenBottom = 480.0f;
// The glide ends this far below the screen, past the height of the parachute.
constexpr float kBelowScreen = 5.0f;
// The parachute's canopy hangs this far above the sign's top line.
constexpr int kParaGap = 7;
constexpr GlideSway kSway{40.0f, std::numbers::pi_v<float>, 0.0f, true};

} // namespace

BannerMessage::BannerMessage(const ksTimer& timer, const ksImage* para, CuePlayer* cues)
    : m_timer(timer)
    , m_para(para)
    , m_cues(cues) {
    setDepth(kDepth);
}

void BannerMessage::setLine(Line& line, std::string_view text, const ksFont* font) {
    line.length = std::min(text.size(), kLineCapacity);
    std::copy_n(text.begin(), line.length, line.text.begin());
    line.font = font;
}

std::string_view BannerMessage::line(int index) const {
    if (index < 0 || index >= kLines) {
        return {};
    }
    const Line& line = m_lines[static_cast<std::size_t>(index)];
    return {line.text.data(), line.length};
}

void BannerMessage::start(std::string_view line1, const ksFont* font1, std::string_view line2,
                          const ksFont* font2, std::string_view line3, const ksFont* font3) {
    setLine(m_lines[0], line1, font1);
    setLine(m_lines[1], line2, font2);
    setLine(m_lines[2], line3, font3);
    if (m_cues != nullptr && m_parachuteChannel >= 0) {
        m_cues->stop(m_parachuteChannel, "parachute");
    }
    m_parachuteChannel = -1;
    m_parachuteCued = false;

    int height = 0;
    for (const Line& line : m_lines) {
        if (line.font != nullptr) {
            height += line.font->getLineHeight();
        }
    }
    // The sign starts with its lines just above the screen and reaches kOpenY at the fall time.
    m_startY = -height;
    m_fallTime = std::sqrt(static_cast<float>(kOpenY - m_startY) / kHalfFall);
    m_x = kCentreX;
    m_y = m_startY;
    const int paraHeight = m_para != nullptr ? m_para->getHeight() : 0;
    m_glide.start(static_cast<float>(kCentreX), static_cast<float>(kOpenY), static_cast<float>(kCentreX),
                  kScreenBottom + static_cast<float>(paraHeight) + kBelowScreen, kGlideSpeed, kSway);
    m_clock = 0.0f;
    m_active = true;
}

void BannerMessage::update() {
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    m_clock += seconds;
    m_x = truncSat(static_cast<float>(kCentreX) + m_glide.swayX());
    if (m_clock < m_fallTime) {
        m_y = truncSat(kHalfFall * m_clock * m_clock + static_cast<float>(m_startY));
        return;
    }
    if (!m_parachuteCued) {
        m_parachuteCued = true;
        m_parachuteChannel = m_cues != nullptr ? m_cues->play("parachute") : -1;
    }
    m_glide.update(seconds);
    m_active = m_glide.isActive();
    m_y = truncSat(m_glide.y() + m_glide.swayY());
}

void BannerMessage::draw() {
    if (isParachuteOpen() && m_para != nullptr) {
        m_para->draw(m_x - m_para->getWidth() / 2, m_y - m_para->getHeight() - kParaGap);
    }
    int top = m_y;
    for (const Line& line : m_lines) {
        if (line.font == nullptr) {
            continue;
        }
        // Fonts place a line by its vertical centre.
        const int height = line.font->getLineHeight();
        line.font->drawText({line.text.data(), line.length}, m_x, top + height / 2, ALIGN_CENTER);
        top += height + kLineGap;
    }
}
