// The SDL_mixer back end under SDL's dummy audio driver.
#include "platform/MixerSoundBackend.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A mono 16-bit 22050 Hz WAV of `samples` samples of a 440 Hz tone.
std::vector<uint8_t> toneWav(int samples) {
    const auto dataBytes = static_cast<uint32_t>(samples) * 2;
    std::vector<uint8_t> wav = {'R', 'I', 'F', 'F', 0,  0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
                                ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x22, 0x56, 0,   0,   0x44, 0xAC,
                                0,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  0,    0,   0,   0};
    for (int i = 0; i < 4; ++i) {
        wav[4 + i] = static_cast<uint8_t>((36 + dataBytes) >> (8 * i));
        wav[40 + i] = static_cast<uint8_t>(dataBytes >> (8 * i));
    }
    for (int i = 0; i < samples; ++i) {
        const auto sample = static_cast<uint16_t>(
            static_cast<int16_t>(8000 * std::sin(i * 2 * std::numbers::pi * 440 / 22050)));
        wav.push_back(static_cast<uint8_t>(sample));
        wav.push_back(static_cast<uint8_t>(sample >> 8));
    }
    return wav;
}

TEST(MixerBackend, PlaysStopsAndTracksWhichSoundAChannelHolds) {
    MixerSoundBackend mixer;
    ASSERT_TRUE(mixer.open(44100, 32));
    EXPECT_EQ(mixer.channelCount(), 32);
    EXPECT_FALSE(mixer.isAudible()) << "SDL's dummy driver plays to nowhere";
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
