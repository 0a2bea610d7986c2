// FloatingScore.h: points that curl from where they were earned into the score display.
#pragma once

#include "engine/core/ScreenRect.h"
#include "engine/scene/ksDrawable.h"

#include <array>
#include <cstdint>
#include <string_view>

class ksFont;
class ksTimer;

// After an optional delay the number spirals in on its end point: the distance left shrinks
// with constant acceleration so that it arrives exactly after the flight time, while the
// direction from the end point turns at 0.3 pi rad/s, so the path bows to one side. The bow
// always leans toward the middle of the screen, so the number never leaves it. Arrived, it fades
// out in 0.25 s and is finished. Before the flight it waits, shown at its start point.
//
// The play screen keeps 32 in a pool (EffectPool) at depth 2000.
class FloatingScore : public ksDrawable {
public:
    static constexpr int kDepth = 2000;
    static constexpr float kShortestFlight = 0.01f; // s, used for flight times of 0 or less
    static constexpr float kFadePerSecond = 4.0f;

    // `defaultFont` ("font_carrot") is used by the start without a font; it may be null (nothing
    // is drawn) and must outlive the score.
    FloatingScore(const ksTimer& timer, ksFont* defaultFont);

    // Flies `value` ("+12" when positive, "-3" or "0" otherwise) from the start to the end point
    // in `flightTime` seconds, after `delay` seconds. `font` may be null: nothing is drawn.
    // Classic and Action pass "font_score", a delay of 0 and a flight time of 1 s toward (546, 461).
    void start(ksFont* font, float startX, float startY, float endX, float endY, int32_t value, float delay,
               float flightTime);
    void start(float startX, float startY, float endX, float endY, int32_t value, float delay,
               float flightTime);

    // Ends short of `area` (the score plaque the number flies to): on its unchanged path the
    // number fades out while it closes in on the area and is finished just before its text
    // touches it, so it never writes over the digits shown there. A number that starts already
    // touching the area keeps the plain fade at the end point. Call after start; a new start
    // forgets the area.
    void stopBefore(const ScreenRect& area);

    void update() override;
    bool isActive() const override { return m_active; }
    // The text centred on the current point at the current opacity; the font's opacity is set
    // back to 1.0 afterwards.
    void draw() override;

    float x() const { return m_x; }
    float y() const { return m_y; }
    float opacity() const { return m_opacity; }
    float flightTime() const { return m_flightTime; }
    float clock() const { return m_clock; }
    // +1 or -1: the side the path bows to.
    float turnDirection() const { return m_turn; }
    std::string_view text() const { return m_text.data(); }

    // Pixels between the stop area and the text drawn at the current point; 0 when they touch.
    float gapToStopArea() const;

private:
    float chooseTurn(float dx, float dy) const;

    const ksTimer& m_timer;
    ksFont* m_defaultFont;
    ksFont* m_font = nullptr;
    std::array<char, 16> m_text{};
    float m_endX = 0.0f;
    float m_endY = 0.0f;
    float m_remaining = 0.0f;
    float m_angle = 0.0f;
    float m_turn = 1.0f;
    float m_acceleration = 0.0f;
    float m_speed = 0.0f;
    float m_clock = 0.0f;
    float m_flightTime = 0.0f;
    float m_opacity = 1.0f;
    float m_x = 0.0f;
    float m_y = 0.0f;
    bool m_active = false;
    bool m_stopping = false;
    ScreenRect m_stopArea{};
    float m_fadeRoom = 1.0f; // px of approach over which the number fades out
};
