// BannerMessage.h: a sign of up to three text lines that drops in and floats down on a parachute.
#pragma once

#include "Glide.h"
#include "engine/scene/ksDrawable.h"

#include <array>
#include <cstddef>
#include <string_view>

class CuePlayer;
class ksFont;
class ksImage;
class ksTimer;

// The sign falls freely (500 px/s^2) from just above the screen until its top line reaches
// y = 200, opens the parachute ("parachute" cue) and sways down out of the screen at 85 px/s,
// centred on the board (x = 384). It is finished once the glide has carried it off the bottom.
// The play screen keeps five in a pool (EffectPool) at depth 110.
class BannerMessage : public ksDrawable {
public:
    static constexpr int kDepth = 110;
    static constexpr int kLines = 3;
    static constexpr std::size_t kLineCapacity = 255; // characters; longer lines are cut
    static constexpr int kCentreX = 384;
    static constexpr int kOpenY = 200;          // where the parachute opens
    static constexpr float kGlideSpeed = 85.0f; // px/s
    static constexpr int kLineGap = 2;          // px between lines

    // `para` is the parachute picture ("para"); it and `cues` may be null and must outlive the
    // banner.
    BannerMessage(const ksTimer& timer, const ksImage* para, CuePlayer* cues);

    // Copies the texts. A line is shown only when it has a font (which must outlive the banner);
    // the modes pass one or two lines.
    void start(std::string_view line1, const ksFont* font1, std::string_view line2 = {},
               const ksFont* font2 = nullptr, std::string_view line3 = {}, const ksFont* font3 = nullptr);

    void update() override;
    bool isActive() const override { return m_active; }
    // The parachute (once open), then the lines centred on x, the first with its top at y.
    void draw() override;

    int x() const { return m_x; }
    // The top of the first line.
    int y() const { return m_y; }
    int startY() const { return m_startY; }
    float fallTime() const { return m_fallTime; }
    bool isParachuteOpen() const { return m_clock > m_fallTime; }
    std::string_view line(int index) const;

private:
    struct Line {
        std::array<char, kLineCapacity> text{};
        std::size_t length = 0;
        const ksFont* font = nullptr;
    };

    void setLine(Line& line, std::string_view text, const ksFont* font);

    const ksTimer& m_timer;
    const ksImage* m_para;
    CuePlayer* m_cues;
    std::array<Line, kLines> m_lines;
    int m_x = kCentreX;
    int m_y = 0;
    int m_startY = 0;
    float m_clock = 0.0f;
    float m_fallTime = 0.0f;
    Glide m_glide;
    bool m_parachuteCued = false;
    int m_parachuteChannel = -1;
    bool m_active = false;
};
