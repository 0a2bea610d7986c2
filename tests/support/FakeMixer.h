// FakeMixer.h: a mixer back end that records what the sound system asks of it.
#pragma once

#include "engine/sound/SoundBackend.h"

#include <map>
#include <utility>
#include <vector>

// Records what the sound system asks of the mixer; channels are handed out lowest free first.
class FakeMixer final : public SoundBackend {
public:
    int failuresBeforeOpen = 0;
    bool audible = true;
    std::vector<int> pauses;
    int samplesLoaded = 0;
    std::map<int, int> playingOn; // channel -> sample
    std::map<int, int> channelVolume;
    std::map<int, int> sampleVolume;
    int effectsVolume = -1, moduleVolume = -1;
    int modulePlays = 0, moduleStops = 0, lastOrder = -1;
    bool modulePaused = false, hasModule = false;
    std::vector<std::pair<int, bool>> played; // sample, looped

    bool open(int, int) override { return failuresBeforeOpen-- <= 0; }
    int channelCount() const override { return 32; }
    bool isAudible() const override { return audible; }
    void pause(int ms) override { pauses.push_back(ms); }
    int loadSample(std::span<const uint8_t> bytes) override { return bytes.empty() ? -1 : samplesLoaded++; }
    int playSample(int sample, bool looped) override {
        played.emplace_back(sample, looped);
        for (int ch = 0; ch < 32; ++ch) {
            if (!playingOn.contains(ch)) {
                playingOn[ch] = sample;
                return ch;
            }
        }
        return -1;
    }
    bool isPlaying(int channel, int sample) const override {
        const auto found = playingOn.find(channel);
        return found != playingOn.end() && found->second == sample;
    }
    void haltChannel(int channel) override { playingOn.erase(channel); }
    void haltAllChannels() override { playingOn.clear(); }
    void setChannelVolume(int channel, int level) override { channelVolume[channel] = level; }
    void setSampleVolume(int sample, int level) override { sampleVolume[sample] = level; }
    void setEffectsVolume(int level) override { effectsVolume = level; }
    bool loadModule(std::span<const uint8_t> bytes) override { return hasModule = !bytes.empty(); }
    void playModule() override { ++modulePlays; }
    void stopModule() override { ++moduleStops; }
    void setModulePaused(bool paused) override { modulePaused = paused; }
    void jumpToOrder(int order) override { lastOrder = order; }
    void setModuleVolume(int level) override { moduleVolume = level; }

    // A channel's sound ends by itself.
    void finish(int channel) { playingOn.erase(channel); }
};
