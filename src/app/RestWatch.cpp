// RestWatch.cpp: catches a screen that rests while something of it still moves.
#include "RestWatch.h"

#include "engine/core/ksLog.h"

namespace {

// Clocks add up frame times in floats; a change this close to the promised moment is on time.
constexpr double kTolerance = 1e-3;

} // namespace

void RestWatch::frameEnded(double frameSeconds, bool changedPicture, bool hadInput, double requestedRest) {
    m_clock += frameSeconds;
    if (m_restLeft >= 0.0 && !hadInput) {
        m_restLeft -= frameSeconds;
        if (changedPicture && m_restLeft > kTolerance) {
            ++m_broken;
            trace("RestWatch - at %.3f s the picture changed %.3f s before the frame it asked for", m_clock,
                  m_restLeft);
        }
    }
    m_restLeft = hadInput ? -1.0 : requestedRest;
}
