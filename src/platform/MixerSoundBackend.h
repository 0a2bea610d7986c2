// MixerSoundBackend.h: the sound system's mixer over SDL2_mixer.
#pragma once

#include "engine/sound/SoundBackend.h"

#include <cstdint>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Effects are decoded chunks; the music is a tracker module played by the mixer's module player,
// whose sections are reached by jumping to an order number.
class MixerSoundBackend final : public SoundBackend {
public:
    MixerSoundBackend() = default;
    ~MixerSoundBackend() override;
    MixerSoundBackend(const MixerSoundBackend&) = delete;
    MixerSoundBackend& operator=(const MixerSoundBackend&) = delete;

    bool open(int mixRate, int channels) override;
    int channelCount() const override;
    bool isAudible() const override;
    void pause(int milliseconds) override;
    int loadSample(std::span<const uint8_t> bytes) override;
    int playSample(int sample, bool looped) override;
    bool isPlaying(int channel, int sample) const override;
    void haltChannel(int channel) override;
    void haltAllChannels() override;
    void setChannelVolume(int channel, int level) override;
    void setSampleVolume(int sample, int level) override;
    void setEffectsVolume(int level) override;
    bool loadModule(std::span<const uint8_t> bytes) override;
    void playModule() override;
    void stopModule() override;
    void setModulePaused(bool paused) override;
    void jumpToOrder(int order) override;
    void setModuleVolume(int level) override;

private:
    bool m_open = false;
    bool m_noDevice = false; // no sound driver works: retrying cannot help
    std::vector<Mix_Chunk*> m_chunks;
    Mix_Music* m_music = nullptr;
    std::vector<uint8_t> m_musicBytes; // the module's bytes stay alive while it plays
};
