// Glide.h: straight-line motion at a constant speed, with an optional sideways sway.
#pragma once

// The sway swings the mover across its path: offset = amplitude x sin(rate x clock + phase),
// shrinking linearly to nothing over the glide when it decays.
struct GlideSway {
    float amplitude = 0.0f; // px
    float rate = 0.0f;      // rad/s
    float phase = 0.0f;     // rad
    bool decays = false;
};

// A value type moved by its owner's update. Positions are game pixels (y downward); the path
// position and the sway offset are kept apart so that owners can choose to ignore the sway.
class Glide {
public:
    // Starts at (x0, y0) toward (x1, y1) at `speed` px/s, without sway. The path takes
    // length / speed seconds; a path of length 0, or a speed that is not positive, takes none:
    // the glide then ends at its next update.
    void start(float x0, float y0, float x1, float y1, float speed);
    void start(float x0, float y0, float x1, float y1, float speed, const GlideSway& sway);
    // Advances the clock by `seconds`. At the end of the path the position is the end point,
    // the sway is off and its offset (0, 0), and the glide is no longer active.
    void update(float seconds);
    // Ends the glide where it is now: not active, no sway.
    void stop();

    bool isActive() const { return m_active; }
    // The position on the path.
    float x() const { return m_x; }
    float y() const { return m_y; }
    // The sideways offset of the sway, across the path.
    float swayX() const { return m_swayX; }
    float swayY() const { return m_swayY; }
    // Where the mover is shown: the path position plus the sway.
    float shownX() const { return m_x + m_swayX; }
    float shownY() const { return m_y + m_swayY; }
    float endX() const { return m_endX; }
    float endY() const { return m_endY; }
    float clock() const { return m_clock; }
    float duration() const { return m_duration; }
    float directionX() const { return m_directionX; }
    float directionY() const { return m_directionY; }

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_startX = 0.0f;
    float m_startY = 0.0f;
    float m_endX = 0.0f;
    float m_endY = 0.0f;
    float m_swayX = 0.0f;
    float m_swayY = 0.0f;
    float m_directionX = 0.0f;
    float m_directionY = 0.0f;
    bool m_active = false;
    bool m_swayOn = false;
    GlideSway m_sway;
    float m_clock = 0.0f;
    float m_duration = 0.0f;
};
