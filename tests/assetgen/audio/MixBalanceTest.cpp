// The music against the effects at the volumes a new player starts with, measured through the
// gain stages the game's mixer applies, and the top octave the instruments reach.
#include "AudioAnalysis.h"
#include "ModuleRenderer.h"
#include "assetgen/audio/AudioAssets.h"
#include "assetgen/audio/music/Instruments.h"
#include "assetgen/audio/synth/Filters.h"
#include "assetgen/audio/synth/Mastering.h"
#include "engine/store/PlayerProfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <libmodplug/modplug.h>

namespace {

// ksSoundSystem turns a volume v into the level trunc(v × 255); the SDL_mixer back end scales
// a level to 0..128. SDL_mixer's module player hands libmodplug twice the music volume as its
// master volume, and mixes effects at volume / 128.
int mixerVolume(float volume) {
    const int level = static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * 255.0f);
    return level * 128 / 255;
}

struct DefaultVolumes {
    int music = 0;
    int effects = 0;
};

DefaultVolumes defaultVolumes() {
    PlayerProfile profile;
    profile.reset(1, 1);
    return {mixerVolume(profile.musicVolume()), mixerVolume(profile.effectsVolume())};
}

struct Section {
    const char* name;
    int firstOrder;
};

constexpr Section kSections[] = {{"puzzle", 0}, {"title", 10}, {"classic", 21}, {"action", 30}};

constexpr double kSeconds = 20.0;

synth::Sound channel(const std::vector<int16_t>& stereo, int which) {
    synth::Sound s;
    s.rate = ModuleRenderer::kRate;
    s.samples.resize(stereo.size() / 2);
    for (std::size_t i = 0; i < s.samples.size(); ++i) {
        s.samples[i] = stereo[2 * i + static_cast<std::size_t>(which)] / 32768.0f;
    }
    return s;
}

double meanSquare(const synth::Sound& s) {
    double sum = 0.0;
    for (float x : s.samples) {
        sum += static_cast<double>(x) * x;
    }
    return s.samples.empty() ? 0.0 : sum / static_cast<double>(s.samples.size());
}

// The weighting the effects are mastered with: rumble discounted, presence favoured.
synth::Sound weighted(synth::Sound s) {
    synth::applyFilter(s, synth::FilterKind::Highpass, 60.0, 0.5);
    synth::applyFilter(s, synth::FilterKind::HighShelf, 1500.0, 0.7071, 4.0);
    return s;
}

// Only what lies above 8 kHz: four cascaded sections fall 48 dB an octave below it.
synth::Sound aboveEightKilohertz(synth::Sound s) {
    for (int i = 0; i < 4; ++i) {
        synth::applyFilter(s, synth::FilterKind::Highpass, 8000.0);
    }
    return s;
}

struct MusicLevels {
    double loudnessDb = 0.0; // weighted mean square over the whole render, both channels
    double rmsDb = 0.0;
    double peak = 0.0;
    double topOctaveDb = 0.0; // energy above 8 kHz relative to all of it
};

MusicLevels measureMusic(int firstOrder, int mixer) {
    ModuleRenderer player(generateMusicModule().bytes);
    EXPECT_TRUE(player.loaded());
    ModPlug_SetMasterVolume(player.file(), static_cast<unsigned>(mixer * 2));
    player.seekOrder(firstOrder);
    const std::vector<int16_t> audio = player.render(kSeconds);
    MusicLevels out;
    double weightedPower = 0.0, power = 0.0, high = 0.0;
    for (int side = 0; side < 2; ++side) {
        const synth::Sound s = channel(audio, side);
        weightedPower += meanSquare(weighted(s)) / 2.0;
        power += meanSquare(s) / 2.0;
        high += meanSquare(aboveEightKilohertz(s)) / 2.0;
    }
    out.loudnessDb = 10.0 * std::log10(std::max(weightedPower, 1e-12));
    out.rmsDb = 10.0 * std::log10(std::max(power, 1e-12));
    out.peak = peak(toFloat(audio));
    out.topOctaveDb = 10.0 * std::log10(std::max(high, 1e-12) / std::max(power, 1e-12));
    return out;
}

// The loudest stretch of `window` seconds, weighted, in dB of full scale.
double loudestWindowDb(const synth::Sound& sound, double window) {
    const synth::Sound w = weighted(sound);
    const std::size_t frames = std::min(w.frames(), std::max<std::size_t>(1, w.frameAt(window)));
    double sum = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        sum += static_cast<double>(w.samples[i]) * w.samples[i];
    }
    double loudest = sum;
    for (std::size_t i = frames; i < w.frames(); ++i) {
        sum += static_cast<double>(w.samples[i]) * w.samples[i] -
               static_cast<double>(w.samples[i - frames]) * w.samples[i - frames];
        loudest = std::max(loudest, sum);
    }
    return 10.0 * std::log10(std::max(loudest / static_cast<double>(frames), 1e-12));
}

// Pops last about a tenth of a second, and the ear sums a short sound over about that long; a
// 0.4 s window would spread a pop's energy over silence and make it read quieter than it sounds.
constexpr double kEffectWindow = 0.1;

struct EffectLevels {
    std::string name;
    double loudnessDb = -120.0; // the loudest weighted 0.1 s
    double peak = 0.0;
};

// The loudest effect cue as the mixer plays it at `mixer` / 128.
EffectLevels loudestEffect(int mixer) {
    const double gainDb = 20.0 * std::log10(mixer / 128.0);
    EffectLevels loudest;
    for (const SoundAsset& asset : generateSoundEffects()) {
        const auto wav = parseWav(asset.file.bytes);
        if (!wav) {
            continue;
        }
        synth::Sound s;
        s.rate = wav->sampleRate;
        s.samples = toFloat(wav->samples);
        const double level = loudestWindowDb(s, kEffectWindow) + gainDb;
        if (level > loudest.loudnessDb) {
            loudest = {asset.cueName, level, peak(s.samples) * mixer / 128.0};
        }
    }
    return loudest;
}

TEST(MixBalance, AtTheDefaultVolumesTheMusicSitsTenToTwelveDecibelsBelowTheLoudestEffect) {
    const DefaultVolumes volumes = defaultVolumes();
    const EffectLevels effect = loudestEffect(volumes.effects);
    std::printf("loudest effect %s: loudness %.1f dB, peak %.2f (effects at %d/128)\n", effect.name.c_str(),
                effect.loudnessDb, effect.peak, volumes.effects);
    for (const Section& section : kSections) {
        const MusicLevels music = measureMusic(section.firstOrder, volumes.music);
        const double below = effect.loudnessDb - music.loudnessDb;
        std::printf("%-8s music: loudness %.1f dB, rms %.1f dB, peak %.2f, %.1f dB below the effect "
                    "(music at %d/128)\n",
                    section.name, music.loudnessDb, music.rmsDb, music.peak, below, volumes.music);
        EXPECT_GE(below, 9.5) << section.name;
        EXPECT_LE(below, 12.5) << section.name;
        const MusicLevels full = measureMusic(section.firstOrder, 128);
        std::printf("%-8s at full music volume: peak %.2f\n", section.name, full.peak);
        EXPECT_LT(full.peak, 0.98) << section.name << " clips at full music volume";
    }
}

TEST(MixBalance, TheInstrumentsReachAboveEightKilohertz) {
    for (const Section& section : kSections) {
        const MusicLevels music = measureMusic(section.firstOrder, 128);
        std::printf("%-8s music: %.1f dB of its energy above 8 kHz\n", section.name, music.topOctaveDb);
        EXPECT_GT(music.topOctaveDb, -38.0) << section.name;
        EXPECT_LT(music.topOctaveDb, -8.0) << section.name << " is not all hiss";
    }
}

// Each pitched instrument as recorded (the tone samples are made at 22050 Hz, so up to 11 kHz):
// none is muffled below 8 kHz, and none is mostly hiss.
TEST(MixBalance, EveryPitchedInstrumentHasSomeBrightnessAboveEightKilohertz) {
    using tracker::Instrument;
    const std::vector<tracker::Sample> samples = tracker::makeInstrumentSamples();
    for (Instrument instrument : {Instrument::Marimba, Instrument::Glock, Instrument::EPiano, Instrument::Pad,
                                  Instrument::Flute, Instrument::SquareLead, Instrument::SawLead}) {
        const tracker::Sample& sample = samples.at(tracker::sampleNumber(instrument) - 1u);
        synth::Sound s;
        s.rate = 22050;
        const std::size_t from = sample.loop ? sample.loopBegin : 0;
        const std::size_t to = sample.loop ? sample.loopEnd : sample.pcm.size();
        for (std::size_t i = from; i < to; ++i) {
            s.samples.push_back(sample.pcm[i] / 32768.0f);
        }
        const double top = 10.0 * std::log10(std::max(meanSquare(aboveEightKilohertz(s)), 1e-12) /
                                             std::max(meanSquare(s), 1e-12));
        std::printf("%-16s %.1f dB above 8 kHz\n", sample.name.c_str(), top);
        EXPECT_GT(top, -45.0) << sample.name;
        EXPECT_LT(top, -10.0) << sample.name;
    }
}

} // namespace
