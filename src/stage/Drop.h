// Drop.h: a vertical fall under gravity onto a floor line, bouncing lower each time.
#pragma once

// A value type moved by its owner's update. Each touch of the floor keeps `bounce` of the
// height fallen and throws the mover back up at the speed that reaches that height; once the
// height is below 5 px the drop ends on the floor. A bounce of 0 therefore stops at the first
// touch.
class Drop {
public:
    static constexpr float kGravity = 1000.0f;    // px/s^2
    static constexpr float kRestingHeight = 5.0f; // px

    // Falls from (x, y) to the floor at `endY`, from rest. A floor that is not below y means
    // there is nothing to fall: the drop is not active.
    void start(float x, float y, float endY, float bounce);
    // Advances by `seconds`; true when the mover touched the floor during this step (the last
    // touch, which ends the drop, included).
    bool update(float seconds);

    bool isActive() const { return m_active; }
    float x() const { return m_x; }
    float y() const { return m_y; }
    float endY() const { return m_endY; }
    float velocity() const { return m_velocity; }

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    float m_endY = 0.0f;
    float m_height = 0.0f;
    float m_velocity = 0.0f;
    float m_bounce = 0.0f;
    bool m_active = false;
};
