// ksSoundSystem.cpp: sound effects by index or name, and the music module's sections.
#include "ksSoundSystem.h"

#include "SoundBackend.h"
#include "engine/core/FileSource.h"
#include "engine/core/Numbers.h"
#include "engine/core/ksLog.h"

#include <algorithm>

namespace {

constexpr int kStartAttempts = 11; // the first one and ten more
constexpr int kRetryMilliseconds = 100;
constexpr std::size_t kNameLength = 127;

int level(float volume) {
    return std::clamp(truncSat(static_cast<double>(volume) * 255.0), 0, 255);
}

} // namespace

ksSoundSystem::ksSoundSystem(SoundBackend& backend, FileSource& files)
    : m_backend(backend)
    , m_files(files) {
    m_samples.fill(-1);
    bool started = false;
    for (int attempt = 0; attempt < kStartAttempts && !started; ++attempt) {
        if (attempt > 0) {
            m_backend.pause(kRetryMilliseconds);
        }
        started = m_backend.open(kMixRate, kChannels);
    }
    if (!started) {
        m_failed = true;
        trace("FMOD init failed: no sound device could be opened, the game is silent");
        return;
    }
    if (m_backend.isAudible()) {
        trace("FMOD init success");
    } else {
        // It mixes as usual, so the game behaves the same, but nothing can be heard.
        trace("FMOD init without a sound device: sounds are mixed but not heard");
    }
    trace("FMOD max channels: %d", m_backend.channelCount());
}

void ksSoundSystem::loadData(const std::string& name, const std::string& fileName, bool onFirstPlay) {
    if (m_failed) {
        return;
    }
    if (name.empty()) {
        trace("ksSoundSystem::loadData ... inSoundName is null");
        return;
    }
    if (m_count == kCapacity) {
        trace("ksSoundSystem::loadData ... table full, %s not loaded", name.c_str());
        return;
    }
    const int index = m_count++;
    m_names[index] = name.substr(0, kNameLength);
    const bool module = fileName.find(".it") != std::string::npos;
    if (onFirstPlay && !module && index != 0) { // sound 0 may be the music
        m_fileNames[index] = fileName;
        m_samples[index] = kOnFirstPlay;
        return;
    }
    const auto bytes = m_files.readWhole(fileName);
    bool loaded = false;
    if (module) {
        loaded = bytes && m_backend.loadModule(*bytes);
        if (loaded) {
            m_hasModule = true;
            m_musicIndex = index;
        }
    } else {
        m_samples[index] = bytes ? m_backend.loadSample(*bytes) : -1;
        loaded = m_samples[index] >= 0;
    }
    if (!loaded) {
        trace("File %s not found.", fileName.c_str());
    }
}

void ksSoundSystem::decodeSample(int index) {
    const auto bytes = m_files.readWhole(m_fileNames[index]);
    m_samples[index] = bytes ? m_backend.loadSample(*bytes) : -1;
    if (m_samples[index] < 0) {
        trace("File %s not found.", m_fileNames[index].c_str());
    }
    m_fileNames[index] = {};
}

int ksSoundSystem::play(int index) {
    if (m_failed || !m_enabled) {
        return 0;
    }
    if (index == m_musicIndex && m_hasModule) {
        if (m_musicEnabled) {
            m_backend.playModule();
        }
        return -1;
    }
    if (!isSound(index) || !m_effectsEnabled) {
        return -1;
    }
    if (m_samples[index] == kOnFirstPlay) {
        decodeSample(index);
    }
    if (m_samples[index] < 0) {
        return -1;
    }
    const int channel = m_backend.playSample(m_samples[index], m_looped[index]);
    if (index == 0 && !m_hasModule) {
        m_musicChannel = channel; // a music file without a module plays as the first sample
    }
    return channel;
}

int ksSoundSystem::playLooped(int index) {
    if (isSound(index)) {
        m_looped[index] = true;
    }
    return play(index);
}

int ksSoundSystem::playByName(const std::string& name) {
    const int index = findByName(name);
    return index < 0 ? -1 : play(index);
}

int ksSoundSystem::findByName(const std::string& name) const {
    for (int i = 0; i < m_count; ++i) {
        if (m_names[i] == name) {
            return i;
        }
    }
    return -1;
}

void ksSoundSystem::stopChannel(int channel, int index) {
    if (m_failed || channel < 0 || !isSound(index) || m_samples[index] < 0) {
        return;
    }
    if (m_backend.isPlaying(channel, m_samples[index])) {
        m_backend.haltChannel(channel);
    }
}

void ksSoundSystem::stopAll() {
    if (m_failed) {
        return;
    }
    if (m_hasModule) {
        m_backend.stopModule();
    }
    m_backend.haltAllChannels();
}

void ksSoundSystem::setOrder(int order) {
    if (!m_failed && m_hasModule) {
        m_backend.jumpToOrder(order);
    }
}

void ksSoundSystem::pauseMusic() {
    if (!m_failed && m_hasModule) {
        m_backend.setModulePaused(true);
    }
}

void ksSoundSystem::resumeMusic() {
    if (!m_failed && m_hasModule) {
        m_backend.setModulePaused(false);
    }
}

void ksSoundSystem::setVolumes(float effects, float music) {
    m_effectsVolume = effects;
    m_musicVolume = music;
    if (m_failed) {
        return;
    }
    m_backend.setEffectsVolume(level(effects));
    if (m_hasModule) {
        m_backend.setModuleVolume(level(music));
    } else if (m_count > 0 && m_samples[0] >= 0) {
        m_backend.setSampleVolume(m_samples[0], level(music));
        if (m_backend.isPlaying(m_musicChannel, m_samples[0])) {
            m_backend.setChannelVolume(m_musicChannel, level(music));
        }
    }
}

void ksSoundSystem::setEnabled(bool on) {
    if (on == m_enabled) {
        return;
    }
    m_enabled = on;
    m_musicEnabled = on;
    m_effectsEnabled = on;
    if (!on) {
        stopAll();
        return;
    }
    for (int i = 0; i < m_count; ++i) {
        if (m_looped[i] && i != m_musicIndex) {
            play(i);
        }
    }
}

void ksSoundSystem::setEffectsEnabled(bool on) {
    if (on == m_effectsEnabled) {
        return;
    }
    m_effectsEnabled = on;
    if (!on && !m_failed) {
        m_backend.haltAllChannels();
    }
}
