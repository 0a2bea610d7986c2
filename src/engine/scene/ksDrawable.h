// ksDrawable.h: the base of everything a scene updates and draws.
#pragma once

#include <cstdint>

class ksDrawable {
public:
    virtual ~ksDrawable() = default;

    virtual int32_t getDepth() const { return m_depth; }
    virtual void setDepth(int32_t depth) { m_depth = depth; }
    // Draws into the canvas's current target.
    virtual void draw() = 0;
    // Advances by one frame; the object reads the frame timer itself.
    virtual void update() {}
    // False once the object has finished: the scene then drops it (its owner may reuse it).
    virtual bool isActive() const { return true; }
    // True while the object changes from frame to frame by itself, so the game must keep running
    // frames; one that changes only on input or at moments it asks for (WakeRequests) answers
    // false. An active object moves unless it says otherwise.
    virtual bool isMoving() const { return isActive(); }

private:
    int32_t m_depth = 0;
};
