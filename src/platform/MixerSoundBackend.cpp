// MixerSoundBackend.cpp: the sound system's mixer over SDL2_mixer.
#include "MixerSoundBackend.h"

#include "engine/core/ksLog.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// The game's levels run 0..255, the mixer's 0..128.
int mixerLevel(int level) {
    return std::clamp(level, 0, 255) * MIX_MAX_VOLUME / 255;
}

enum class DeviceOpen { Opened, Busy, NoDevice };

DeviceOpen openDevice(int mixRate, int channels) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return DeviceOpen::NoDevice;
    }
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, 1024) != 0) {
        // A driver may start without any device to open (ALSA on a machine without a card).
        const bool anyDevice = SDL_GetNumAudioDevices(0) > 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return anyDevice ? DeviceOpen::Busy : DeviceOpen::NoDevice;
    }
    Mix_AllocateChannels(channels);
    return DeviceOpen::Opened;
}

} // namespace

MixerSoundBackend::~MixerSoundBackend() {
    if (!m_open) {
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Mix_Chunk* chunk : m_chunks) {
        Mix_FreeChunk(chunk);
    }
    if (m_music != nullptr) {
        Mix_FreeMusic(m_music);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerSoundBackend::open(int mixRate, int channels) {
    if (m_open) {
        return true;
    }
    if (m_noDevice) {
        return false;
    }
    Mix_Init(MIX_INIT_MOD);
    const DeviceOpen result = openDevice(mixRate, channels);
    m_open = result == DeviceOpen::Opened;
    if (result == DeviceOpen::NoDevice) {
        // No sound driver works at all (a desktop without sound, a server): the game stays
        // silent, and no stand-in device mixes silence in the background.
        trace("MixerSoundBackend::open - no sound driver works (%s)", SDL_GetError());
        m_noDevice = true;
    }
    return m_open;
}

void MixerSoundBackend::pause(int milliseconds) {
    if (!m_noDevice) {
        SDL_Delay(static_cast<Uint32>(std::max(milliseconds, 0))); // a busy device may come free
    }
}

bool MixerSoundBackend::isAudible() const {
    // Drivers SDL only uses when asked for by name: silence, or a file.
    const char* driver = SDL_GetCurrentAudioDriver();
    return m_open && driver != nullptr && SDL_strcmp(driver, "dummy") != 0 && SDL_strcmp(driver, "disk") != 0;
}

int MixerSoundBackend::channelCount() const {
    return m_open ? Mix_AllocateChannels(-1) : 0;
}

int MixerSoundBackend::loadSample(std::span<const uint8_t> bytes) {
    if (!m_open || bytes.empty()) {
        return -1;
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (chunk == nullptr) {
        return -1;
    }
    m_chunks.push_back(chunk);
    return static_cast<int>(m_chunks.size()) - 1;
}

int MixerSoundBackend::playSample(int sample, bool looped) {
    if (!m_open || sample < 0 || sample >= static_cast<int>(m_chunks.size())) {
        return -1;
    }
    return Mix_PlayChannel(-1, m_chunks[sample], looped ? -1 : 0);
}

bool MixerSoundBackend::isPlaying(int channel, int sample) const {
    if (!m_open || channel < 0 || channel >= Mix_AllocateChannels(-1) || sample < 0 ||
        sample >= static_cast<int>(m_chunks.size())) {
        return false;
    }
    // The mixer reuses channel numbers: check that the channel still plays this chunk.
    return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == m_chunks[sample];
}

void MixerSoundBackend::haltChannel(int channel) {
    if (m_open && channel >= 0) {
        Mix_HaltChannel(channel);
    }
}

void MixerSoundBackend::haltAllChannels() {
    if (m_open) {
        Mix_HaltChannel(-1);
    }
}

void MixerSoundBackend::setChannelVolume(int channel, int level) {
    if (m_open && channel >= 0) {
        Mix_Volume(channel, mixerLevel(level));
    }
}

void MixerSoundBackend::setSampleVolume(int sample, int level) {
    if (m_open && sample >= 0 && sample < static_cast<int>(m_chunks.size())) {
        Mix_VolumeChunk(m_chunks[sample], mixerLevel(level));
    }
}

void MixerSoundBackend::setEffectsVolume(int level) {
    if (m_open) {
        Mix_MasterVolume(mixerLevel(level));
    }
}

bool MixerSoundBackend::loadModule(std::span<const uint8_t> bytes) {
    if (!m_open || bytes.empty()) {
        return false;
    }
    if (m_music != nullptr) {
        Mix_FreeMusic(m_music);
        m_music = nullptr;
    }
    m_musicBytes.assign(bytes.begin(), bytes.end());
    m_music =
        Mix_LoadMUS_RW(SDL_RWFromConstMem(m_musicBytes.data(), static_cast<int>(m_musicBytes.size())), 1);
    if (m_music == nullptr) {
        trace("MixerSoundBackend::loadModule - %s", Mix_GetError());
        m_musicBytes.clear();
        return false;
    }
    return true;
}

void MixerSoundBackend::playModule() {
    if (m_open && m_music != nullptr && Mix_PlayingMusic() == 0) {
        Mix_PlayMusic(m_music, -1);
    }
}

void MixerSoundBackend::stopModule() {
    if (m_open) {
        Mix_HaltMusic();
    }
}

void MixerSoundBackend::setModulePaused(bool paused) {
    if (!m_open || m_music == nullptr) {
        return;
    }
    if (paused) {
        Mix_PauseMusic();
    } else {
        Mix_ResumeMusic();
    }
}

void MixerSoundBackend::jumpToOrder(int order) {
    if (m_open && m_music != nullptr) {
        Mix_ModMusicJumpToOrder(order);
    }
}

void MixerSoundBackend::setModuleVolume(int level) {
    if (m_open) {
        Mix_VolumeMusic(mixerLevel(level));
    }
}
