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

private:
    int32_t m_depth = 0;
};
