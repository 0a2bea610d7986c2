// IdleWatch.cpp: the mascot dozing off while nobody clicks.
#include "IdleWatch.h"

#include "engine/core/WakeRequests.h"
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
    // The doze and the sleep come on the clock alone: a resting game must wake for them.
    if (m_seconds < kSleepSeconds) {
        WakeRequests::after((m_seconds < kDozeSeconds ? kDozeSeconds : kSleepSeconds) - m_seconds);
    }
}
