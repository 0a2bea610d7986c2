// BannerMessage.cpp: a sign of up to three text lines that drops in and floats down on a parachute.
#include "BannerMessage.h"

#include "CuePlayer.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksTimer.h"
#include "engine/video/ksCanvas.h"
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
constexpr float kFall = 2.0f * kHalfFall;
// A dismissed sign drops out quickly, so the next one soon stands alone.
constexpr float kDropFall = 2000.0f;
constexpr float kDropStartSpeed = 250.0f;

// The plate in the dialogs' colours: a dark outline, a gold rim shaded light in its middle, a
// lighter edge and the indigo panel.
struct Rgb {
    float r, g, b;
};
constexpr Rgb kOutline{0x16, 0x0B, 0x30};
constexpr Rgb kRimDark{0xC1, 0x7A, 0x12};
constexpr Rgb kRimLight{0xFF, 0xE6, 0x8A};
constexpr Rgb kPanelEdge{0x3A, 0x2E, 0x85};
constexpr Rgb kPanel{0x2B, 0x21, 0x68};
constexpr float kPlateRadius = 10.0f;
constexpr float kOutlineWidth = 1.5f;
constexpr float kRimWidth = 3.5f;
constexpr float kEdgeWidth = 2.0f;

Rgb mix(const Rgb& a, const Rgb& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

uint32_t argb(const Rgb& c, float coverage) {
    const auto byte = [](float v) { return static_cast<uint32_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    return byte(coverage * 255.0f) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

// How far the point lies inside a rounded rectangle of half size (hw, hh) centred on the origin;
// negative outside.
float depthInside(float x, float y, float hw, float hh, float radius) {
    const float qx = std::fabs(x) - (hw - radius);
    const float qy = std::fabs(y) - (hh - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    const float inside = std::min(std::max(qx, qy), 0.0f);
    return radius - outside - inside;
}

} // namespace

BannerMessage::BannerMessage(ksCanvas& canvas, const ksTimer& timer, const ksImage* para, CuePlayer* cues)
    : m_canvas(canvas)
    , m_timer(timer)
    , m_para(para)
    , m_cues(cues)
    , m_plate(canvas, kPlateMaxWidth, kPlateMaxHeight) {
    setDepth(kDepth);
}

ScreenRect BannerMessage::plateRect() const {
    return ScreenRect::fromPositionSize(m_x - m_plateWidth / 2, m_y - kPlatePadY, m_plateWidth,
                                        m_plateHeight);
}

void BannerMessage::paintPlate() {
    if (m_plate.isEmpty() || m_plateWidth <= 0 || m_plateHeight <= 0) {
        return;
    }
    const int width = m_plateWidth, height = m_plateHeight;
    const int stride = m_plate.getWidth();
    uint32_t* pixels = m_plate.getPixels();
    const float hw = 0.5f * static_cast<float>(width), hh = 0.5f * static_cast<float>(height);
    for (int y = 0; y < height; ++y) {
        // The panel is a little lighter at the top, like the dialogs' frame.
        const Rgb panel = mix(kPanelEdge, kPanel, std::min(1.0f, 0.3f + static_cast<float>(y) / hh));
        for (int x = 0; x < width; ++x) {
            const float depth = depthInside(static_cast<float>(x) + 0.5f - hw,
                                            static_cast<float>(y) + 0.5f - hh, hw, hh, kPlateRadius);
            const float coverage = std::clamp(depth + 0.5f, 0.0f, 1.0f);
            Rgb colour = panel;
            if (depth < kOutlineWidth) {
                colour = kOutline;
            } else if (depth < kOutlineWidth + kRimWidth) {
                const float t = (depth - kOutlineWidth) / kRimWidth;
                colour = mix(kRimDark, kRimLight, std::sin(t * std::numbers::pi_v<float>) * 0.9f + 0.1f * t);
            } else if (depth < kOutlineWidth + kRimWidth + kEdgeWidth) {
                colour = kPanelEdge;
            }
            pixels[static_cast<std::ptrdiff_t>(y) * stride + x] = argb(colour, coverage);
        }
    }
    // The corners are see-through: the picture blends under its alpha.
    m_plate.setAlphaRect(0, 0, 1, 1, 0);
}

int BannerMessage::keptInside(int x) const {
    const int half = m_plateWidth / 2;
    const int lowest = m_area.left + half;
    const int highest = m_area.right + 1 - (m_plateWidth - half);
    if (lowest > highest) {
        return (m_area.left + m_area.right + 1) / 2;
    }
    return std::clamp(x, lowest, highest);
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
    int widest = 0;
    int shown = 0;
    for (const Line& line : m_lines) {
        if (line.font != nullptr) {
            height += line.font->getLineHeight();
            widest = std::max(widest, line.font->getTextWidth({line.text.data(), line.length}));
            ++shown;
        }
    }
    // Without a line to show (no font at all) there is no plate either.
    m_plateWidth = shown > 0 ? std::min(widest + 2 * kPlatePadX, kPlateMaxWidth) : 0;
    m_plateHeight =
        shown > 0 ? std::min(height + (shown - 1) * kLineGap + 2 * kPlatePadY, kPlateMaxHeight) : 0;
    paintPlate();
    m_dismissed = false;
    // The sign starts with its lines just above the screen and reaches kOpenY at the fall time.
    m_startY = -height;
    m_fallTime = std::sqrt(static_cast<float>(kOpenY - m_startY) / kHalfFall);
    m_x = keptInside(kCentreX);
    m_y = m_startY;
    const int paraHeight = m_para != nullptr ? m_para->getHeight() : 0;
    m_glide.start(static_cast<float>(kCentreX), static_cast<float>(kOpenY), static_cast<float>(kCentreX),
                  kScreenBottom + static_cast<float>(paraHeight) + kBelowScreen, kGlideSpeed, kSway);
    m_clock = 0.0f;
    m_active = true;
}

void BannerMessage::dismiss() {
    if (!m_active || m_dismissed) {
        return;
    }
    m_dismissed = true;
    m_dropY = static_cast<float>(m_y);
    m_dropSpeed = std::max(m_clock < m_fallTime ? kFall * m_clock : kGlideSpeed, kDropStartSpeed);
    if (m_cues != nullptr && m_parachuteChannel >= 0) {
        m_cues->stop(m_parachuteChannel, "parachute");
    }
    m_parachuteChannel = -1;
}

void BannerMessage::update() {
    if (!m_active) {
        return;
    }
    const float seconds = static_cast<float>(m_timer.frameSeconds());
    m_clock += seconds;
    if (m_dismissed) {
        m_dropY += (0.5f * kDropFall * seconds + m_dropSpeed) * seconds;
        m_dropSpeed += kDropFall * seconds;
        m_y = truncSat(m_dropY);
        m_active = plateRect().top <= m_area.bottom;
        return;
    }
    m_x = keptInside(truncSat(static_cast<float>(kCentreX) + m_glide.swayX()));
    if (m_clock < m_fallTime) {
        m_y = truncSat(kHalfFall * m_clock * m_clock + static_cast<float>(m_startY));
        return;
    }
    if (!m_parachuteCued) {
        m_parachuteCued = true;
        m_parachuteChannel = m_cues != nullptr ? m_cues->play("parachute") : -1;
    }
    m_glide.update(seconds);
    m_y = truncSat(m_glide.y() + m_glide.swayY());
    // Finished once even the parachute has sunk below the area.
    const int paraTop = m_y - (m_para != nullptr ? m_para->getHeight() : 0) - kParaGap;
    m_active = m_glide.isActive() && std::min(paraTop, plateRect().top) <= m_area.bottom;
}

void BannerMessage::draw() {
    ksCanvas& canvas = m_canvas;
    const ScreenRect clip = canvas.clipRect();
    const ScreenRect inside = clip.intersection(m_area);
    if (inside.width <= 0 || inside.height <= 0) {
        return;
    }
    canvas.setClipRect(inside);
    if (isParachuteOpen() && !m_dismissed && m_para != nullptr) {
        m_para->draw(m_x - m_para->getWidth() / 2, m_y - m_para->getHeight() - kParaGap);
    }
    if (m_plateWidth > 0 && m_plateHeight > 0) {
        const ScreenRect plate = plateRect();
        m_plate.drawPart(plate.left, plate.top, 0, 0, m_plateWidth, m_plateHeight);
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
    canvas.setClipRect(clip);
}
