// The SDL_mixer back end under SDL's dummy audio driver.
#include "platform/MixerSoundBackend.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A mono 16-bit WAV of `samples` samples of a 440 Hz tone.
std::vector<uint8_t> toneWav(int samples) {
    std::vector<uint8_t> wav;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            wav.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    auto u16 = [&](uint16_t v) {
        wav.push_back(static_cast<uint8_t>(v));
        wav.push_back(static_cast<uint8_t>(v >> 8));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples) * 2;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    u32(36 + dataBytes);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(44100);
    u16(2);
    u16(16);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    u32(dataBytes);
    for (int i = 0; i < samples; ++i) {
        u16(static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / 22050))));
    }
    return wav;
}

TEST(MixerBackend, PlaysStopsAndTracksWhichSoundAChannelHolds) {
    MixerSoundBackend mixer;
    ASSERT_TRUE(mixer.open(44100, 32));
    EXPECT_EQ(mixer.channelCount(), 32);
    const auto wav = toneWav(22050);
    const int a = mixer.loadSample(wav);
    const int b = mixer.loadSample(wav);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    const int channel = mixer.playSample(a, true);
    ASSERT_GE(channel, 0);
    EXPECT_TRUE(mixer.isPlaying(channel, a));
    EXPECT_FALSE(mixer.isPlaying(channel, b));
    EXPECT_FALSE(mixer.isPlaying(99, a));
    mixer.setEffectsVolume(204);
    mixer.setChannelVolume(channel, 76);
    mixer.haltChannel(channel);
    EXPECT_FALSE(mixer.isPlaying(channel, a));
}

TEST(MixerBackend, RefusesGarbageQuietly) {
    MixerSoundBackend mixer;
    ASSERT_TRUE(mixer.open(44100, 32));
    const std::vector<uint8_t> garbage(100, 0x5A);
    EXPECT_EQ(mixer.loadSample(garbage), -1);
    EXPECT_EQ(mixer.loadSample({}), -1);
    EXPECT_FALSE(mixer.loadModule(garbage));
    EXPECT_EQ(mixer.playSample(7, false), -1);
    mixer.playModule(); // nothing loaded: nothing happens
    mixer.jumpToOrder(10);
}

} // namespace
