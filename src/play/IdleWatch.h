// IdleWatch.h: the mascot dozing off while nobody clicks.
#pragma once

class Mascot;

// Counts the seconds since the last click: the mascot dozes after 120 s and falls asleep after
// 300 s; the first click after dozing off wakes it with a blink.
class IdleWatch {
public:
    static constexpr float kDozeSeconds = 120.0f;
    static constexpr float kSleepSeconds = 300.0f;

    void step(float seconds, bool clicked, Mascot& mascot);
    float seconds() const { return m_seconds; }

private:
    float m_seconds = 0.0f;
};
