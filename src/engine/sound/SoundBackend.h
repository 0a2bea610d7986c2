// SoundBackend.h: the narrow interface between the sound system and a mixing library.
#pragma once

#include <cstdint>
#include <span>

// Samples are numbered by the back end from 0; -1 means none. Channels are the mixer's.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // One attempt to start mixing; false when the device could not be opened.
    virtual bool open(int mixRate, int channels) = 0;
    virtual int channelCount() const = 0;
    // After a successful open: false when what opened is a stand-in that plays to nowhere (a
    // driver chosen for tests, say), so nothing will be heard.
    virtual bool isAudible() const { return true; }
    // Waits between start attempts (a fake back end only records it).
    virtual void pause(int milliseconds) = 0;

    // Decodes a whole sound file (WAV) from memory; -1 on failure.
    virtual int loadSample(std::span<const uint8_t> bytes) = 0;
    // Plays on a free channel; the channel, or -1 when none is free.
    virtual int playSample(int sample, bool looped) = 0;
    // True while `channel` is playing `sample` (and not some later sound that reused it).
    virtual bool isPlaying(int channel, int sample) const = 0;
    virtual void haltChannel(int channel) = 0;
    virtual void haltAllChannels() = 0;
    virtual void setChannelVolume(int channel, int level) = 0; // 0..255
    virtual void setSampleVolume(int sample, int level) = 0;   // 0..255
    // The master volume of every effect channel, 0..255.
    virtual void setEffectsVolume(int level) = 0;

    // The tracker module; one at a time.
    virtual bool loadModule(std::span<const uint8_t> bytes) = 0;
    virtual void playModule() = 0;
    virtual void stopModule() = 0;
    virtual void setModulePaused(bool paused) = 0;
    virtual void jumpToOrder(int order) = 0;
    virtual void setModuleVolume(int level) = 0; // 0..255
};
