// IdleWatch.cpp: the mascot dozing off while nobody clicks.
#include "IdleWatch.h"

#include "stage/Mascot.h"

void IdleWatch::step(float seconds, bool clicked, Mascot& mascot) {
    const float before = m_seconds;
    m_seconds += seconds;
    if (clicked) {
        if (m_seconds > kDozeSeconds) {
            mascot.setCue(MascotCue::kBackToNormal);
        }
        m_seconds = 0.0f;
    }
    if (before < kSleepSeconds && m_seconds >= kSleepSeconds) {
        mascot.setCue(MascotCue::kAsleep);
    } else if (before < kDozeSeconds && m_seconds >= kDozeSeconds) {
        mascot.setCue(MascotCue::kDozing);
    }
}
