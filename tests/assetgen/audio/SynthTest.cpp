// The synthesis building blocks: curves, oscillators, filters, voices, mastering and WAV encoding.
#include "AudioAnalysis.h"
#include "assetgen/audio/synth/Curve.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Mastering.h"
#include "assetgen/audio/synth/Noise.h"
#include "assetgen/audio/synth/Oscillators.h"
#include "assetgen/audio/synth/Voice.h"
#include "assetgen/audio/synth/WavFile.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

using namespace synth;

constexpr int kRate = kEffectRate;

double bandLevel(const std::vector<double>& spectrum, double loHz, double hiHz) {
    double sum = 0.0;
    for (std::size_t k = 0; k < spectrum.size(); ++k) {
        const double hz = static_cast<double>(k) * kRate / 4096;
        if (hz >= loHz && hz <= hiHz) {
            sum += spectrum[k] * spectrum[k];
        }
    }
    return sum;
}

TEST(Curve, HoldsItsEndsAndGlidesLinearlyOrByConstantRatio) {
    const Curve linear{{1.0, 10.0f}, {3.0, 30.0f}};
    EXPECT_FLOAT_EQ(linear.at(0.0), 10.0f);
    EXPECT_FLOAT_EQ(linear.at(2.0), 20.0f);
    EXPECT_FLOAT_EQ(linear.at(5.0), 30.0f);
    const Curve octave{{0.0, 100.0f}, {2.0, 400.0f, Glide::Exponential}};
    EXPECT_NEAR(octave.at(1.0), 200.0f, 1e-3);
    EXPECT_NEAR(strike(0.01, 1.0).at(1.01), 0.001f, 1e-5);
    EXPECT_FLOAT_EQ(strike(0.01, 1.0).at(2.0), 0.0f);
}

TEST(Oscillators, ToneSoundsAtItsFrequency) {
    for (Wave wave : {Wave::Sine, Wave::Triangle, Wave::Saw, Wave::Square}) {
        const Sound s = tone(kRate, 0.5, wave, Curve(440.0f), Curve(0.5f));
        const auto spectrum = averageSpectrum(s.samples);
        EXPECT_NEAR(dominantFrequency(spectrum, kRate, 100, 5000), 440.0, 11.0);
    }
    const Sound sine = tone(kRate, 1.0, Wave::Sine, Curve(1000.0f), Curve(1.0f));
    EXPECT_NEAR(rms(sine.samples), std::sqrt(0.5), 0.01);
    EXPECT_NEAR(midiHz(69), 440.0, 1e-9);
    EXPECT_NEAR(midiHz(60), 261.6256, 1e-3);
}

TEST(Filters, LowpassKeepsTheLowAndRemovesTheHigh) {
    Sound low = tone(kRate, 0.5, Wave::Sine, Curve(200.0f), Curve(1.0f));
    Sound high = tone(kRate, 0.5, Wave::Sine, Curve(8000.0f), Curve(1.0f));
    applyFilter(low, FilterKind::Lowpass, 1000.0);
    applyFilter(high, FilterKind::Lowpass, 1000.0);
    EXPECT_GT(toDb(rms(low.samples)), -4.0);
    EXPECT_LT(toDb(rms(high.samples)), -35.0);
}

TEST(Noise, IsTheSameForTheSameSeed) {
    Random a(7), b(7), c(8);
    for (int i = 0; i < 10; ++i) {
        const uint32_t x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_NE(x, c.next());
    }
}

TEST(Voice, FormantsFollowTheVowel) {
    VoiceSpec ah;
    ah.seconds = 0.5;
    ah.pitch = Curve(110.0f);
    ah.vowels = {{0.0, Vowel::Ah}};
    VoiceSpec ee = ah;
    ee.vowels = {{0.0, Vowel::Ee}};
    const auto open = averageSpectrum(speak(kRate, ah).samples);
    const auto closed = averageSpectrum(speak(kRate, ee).samples);
    // "Ah" has its first formant high and its second low; "ee" the other way round.
    EXPECT_GT(bandLevel(open, 600, 850) / bandLevel(open, 200, 350),
              bandLevel(closed, 600, 850) / bandLevel(closed, 200, 350));
    EXPECT_GT(bandLevel(closed, 2000, 2500), bandLevel(open, 2000, 2500));
}

TEST(Mastering, LoudnessFollowsLevelInDecibels) {
    const Sound full = tone(kRate, 1.0, Wave::Sine, Curve(1000.0f), Curve(1.0f));
    const Sound half = tone(kRate, 1.0, Wave::Sine, Curve(1000.0f), Curve(0.5f));
    EXPECT_NEAR(loudnessDb(full) - loudnessDb(half), 6.02, 0.05);
    // Rumble counts for less than the presence range.
    const Sound rumble = tone(kRate, 1.0, Wave::Sine, Curve(40.0f), Curve(1.0f));
    EXPECT_LT(loudnessDb(rumble), loudnessDb(full) - 3.0);
}

TEST(Mastering, FinishReachesTheTargetWithCleanEdgesAndSafePeaks) {
    Sound s = tone(kRate, 0.5, Wave::Saw, Curve(220.0f), Curve(0.1f));
    s.samples[1000] = 1.5f; // a wild spike the limiter must catch
    for (float& x : s.samples) {
        x += 0.2f; // and an offset to remove
    }
    finish(s, {.loudnessDb = -18.0});
    EXPECT_NEAR(loudnessDb(s), -18.0, 1.0);
    EXPECT_LE(s.peak(), kPeakCeiling);
    EXPECT_EQ(s.samples.front(), 0.0f);
    EXPECT_EQ(s.samples.back(), 0.0f);
    EXPECT_NEAR(mean(s.samples), 0.0, 0.01);
}

TEST(Mastering, TrimsSilentTailsUnlessTheLengthMatters) {
    Sound s(kRate, 1.0);
    s.mix(tone(kRate, 0.2, Wave::Sine, Curve(440.0f), Curve(0.5f)), 0.0);
    Sound loop = s;
    finish(s);
    finish(loop, {.trimTail = false});
    EXPECT_LT(s.seconds(), 0.25);
    EXPECT_EQ(loop.frames(), static_cast<std::size_t>(kRate));
}

TEST(WavFile, WritesTheCanonicalHeaderAndLittleEndianSamples) {
    const std::vector<int16_t> pcm = {1, -2};
    const std::vector<uint8_t> b = encodeWav(pcm, 22050);
    // The strict reader checks the chunk sizes, the PCM format, block align and byte rate.
    const auto parsed = parseWav(b);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(b.size(), 44u + 4u) << "the canonical 44-byte header, then the samples";
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "fmt ") << "the format chunk comes first";
    EXPECT_EQ(parsed->channels, 1);
    EXPECT_EQ(parsed->sampleRate, 22050);
    EXPECT_EQ(parsed->bitsPerSample, 16);
    EXPECT_EQ((std::vector<uint8_t>(b.begin() + 44, b.end())), (std::vector<uint8_t>{1, 0, 0xFE, 0xFF}));
    EXPECT_EQ(parsed->samples, pcm);
}

} // namespace
