// ksSoundHandle.h: what the resource manager hands out for a SOUND or MUSIC entry.
#pragma once

#include "ksSoundSystem.h"

// The sound's index in the sound system and the channel it last started on, so that stopping
// it never stops another sound that reused the channel. A handle without a sound system (a
// missing sound) plays nothing.
class ksSoundHandle {
public:
    ksSoundHandle() = default;
    ksSoundHandle(ksSoundSystem& system, int index)
        : m_system(&system)
        , m_index(index) {}

    int index() const { return m_index; }
    int channel() const { return m_channel; }
    int play() { return m_channel = m_system != nullptr ? m_system->play(m_index) : -1; }
    int playLooped() { return m_channel = m_system != nullptr ? m_system->playLooped(m_index) : -1; }
    // Stops the sound if it still plays on the channel it last started on.
    void stop() {
        if (m_system != nullptr) {
            m_system->stopChannel(m_channel, m_index);
        }
        m_channel = -1;
    }

private:
    ksSoundSystem* m_system = nullptr;
    int m_index = -1;
    int m_channel = -1;
};
