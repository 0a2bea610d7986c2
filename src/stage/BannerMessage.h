// BannerMessage.h: a sign of up to three text lines that drops in and floats down on a parachute.
#pragma once

#include "Glide.h"
#include "engine/core/ScreenRect.h"
#include "engine/scene/ksDrawable.h"
#include "engine/video/ksImage.h"

#include <array>
#include <cstddef>
#include <string_view>

class CuePlayer;
class ksCanvas;
class ksFont;
class ksTimer;

// The sign falls freely (500 px/s^2) from just above the screen until its top line reaches
// y = 200, opens the parachute ("parachute" cue) and sways down at 85 px/s, centred on the board
// (x = 384). Its lines stand on a plate in the dialogs' look (an indigo panel in a gold rim), so
// they read over the balloons. It shows only inside its area (the inside of the board's frame),
// sways no further than the plate fits in it, and is finished once it has sunk out of the area.
// A dismissed sign lets go of its parachute and drops out of the area, making room for the next.
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
    static constexpr int kPlatePadX = 16;       // px of plate beside the widest line
    static constexpr int kPlatePadY = 8;        // px of plate above the first and below the last line
    static constexpr int kPlateMaxWidth = 440;
    static constexpr int kPlateMaxHeight = 140;

    // `para` is the parachute picture ("para"); it and `cues` may be null and must outlive the
    // banner. The plate's picture is made on the canvas once, here.
    BannerMessage(ksCanvas& canvas, const ksTimer& timer, const ksImage* para, CuePlayer* cues);

    // Copies the texts. A line is shown only when it has a font (which must outlive the banner);
    // the modes pass one or two lines.
    void start(std::string_view line1, const ksFont* font1, std::string_view line2 = {},
               const ksFont* font2 = nullptr, std::string_view line3 = {}, const ksFont* font3 = nullptr);

    // Where the sign may show (screen pixels); the whole screen until set. Set before start.
    void setArea(const ScreenRect& area) { m_area = area; }
    // Cuts the parachute: the sign falls out of its area at once and is then finished.
    void dismiss();

    void update() override;
    bool isActive() const override { return m_active; }
    // Clipped to the area: the parachute (once open, unless dismissed), the plate, then the lines
    // centred on x, the first with its top at y.
    void draw() override;

    int x() const { return m_x; }
    // The top of the first line.
    int y() const { return m_y; }
    int startY() const { return m_startY; }
    float fallTime() const { return m_fallTime; }
    bool isParachuteOpen() const { return m_clock > m_fallTime; }
    bool isDismissed() const { return m_dismissed; }
    std::string_view line(int index) const;
    // The plate behind the lines, on the screen.
    ScreenRect plateRect() const;

private:
    struct Line {
        std::array<char, kLineCapacity> text{};
        std::size_t length = 0;
        const ksFont* font = nullptr;
    };

    void setLine(Line& line, std::string_view text, const ksFont* font);
    void paintPlate();
    // x kept where the whole plate fits inside the area.
    int keptInside(int x) const;

    ksCanvas& m_canvas;
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
    ksImage m_plate;
    int m_plateWidth = 0;
    int m_plateHeight = 0;
    ScreenRect m_area = ScreenRect::fromPositionSize(0, 0, 640, 480);
    bool m_dismissed = false;
    float m_dropY = 0.0f;
    float m_dropSpeed = 0.0f;
};
