// The effect cues: one WAV per cue the game asks for, clean at the edges, at a common loudness,
// and measurably what their names say.
#include "AudioAnalysis.h"
#include "assetgen/audio/AudioAssets.h"
#include "assetgen/audio/synth/Mastering.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace {

// Every SOUND cue of the game's resource inventory; the thirty prize jingles P_00 to P_45 besides.
std::multiset<std::string> inventory() {
    std::istringstream in(
        "button_click pop0 pop1 pop2 pop3 pop4 pop5 pop6 pop23 pop46 pop610 pop11 pop_golden "
        "superpop parachute prize_lands prize_flyoff balloon_inflate balloon_greyout "
        "balloon_row_release balloon_gold_unite undo no_moves freakshow_reveal curtain_open "
        "classic_newgame breeze chaching alarm whistle yeah woo tada loosetrumpet "
        "cheer_all_clear cheer_1-5_left cheer_6-10_left");
    std::multiset<std::string> names{std::istream_iterator<std::string>(in), {}};
    for (int theme = 0; theme < 5; ++theme) {
        for (int kind = 0; kind < 6; ++kind) {
            names.insert("P_" + std::to_string(theme) + std::to_string(kind));
        }
    }
    return names;
}

struct DecodedCue {
    SoundAsset asset;
    WavData wav;
    std::vector<float> x;
};

class SoundEffects : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_assets = new std::vector<SoundAsset>(generateSoundEffects());
        s_cues = new std::map<std::string, DecodedCue>();
        for (const SoundAsset& asset : *s_assets) {
            const auto wav = parseWav(asset.file.bytes);
            if (wav) {
                (*s_cues)[asset.cueName] = {asset, *wav, toFloat(wav->samples)};
            }
        }
    }
    static void TearDownTestSuite() {
        delete s_assets;
        delete s_cues;
    }

    static const DecodedCue& cue(const std::string& name) { return s_cues->at(name); }
    static double seconds(const std::string& name) {
        return cue(name).x.size() / static_cast<double>(cue(name).wav.sampleRate);
    }
    static double loudness(const std::string& name) {
        synth::Sound s;
        s.rate = cue(name).wav.sampleRate;
        s.samples = cue(name).x;
        return synth::loudnessDb(s);
    }
    static std::vector<double> spectrum(const std::string& name) { return averageSpectrum(cue(name).x); }
    static int rate(const std::string& name) { return cue(name).wav.sampleRate; }
    // The part of a cue between two times, in seconds.
    static std::vector<float> window(const std::string& name, double from, double to) {
        const auto& x = cue(name).x;
        const auto a = std::min(x.size(), static_cast<std::size_t>(from * rate(name)));
        const auto b = std::min(x.size(), static_cast<std::size_t>(to * rate(name)));
        return {x.begin() + a, x.begin() + b};
    }

    static inline std::vector<SoundAsset>* s_assets = nullptr;
    static inline std::map<std::string, DecodedCue>* s_cues = nullptr;
};

TEST_F(SoundEffects, EveryCueOfTheInventoryIsMadeExactlyOnce) {
    std::multiset<std::string> made;
    for (const SoundAsset& a : *s_assets) {
        made.insert(a.cueName);
    }
    EXPECT_EQ(made, inventory());
}

TEST_F(SoundEffects, EveryFileIsALowerCaseMono16BitPcmWavThatCannotBeTakenForTheModule) {
    std::set<std::string> names;
    for (const SoundAsset& a : *s_assets) {
        SCOPED_TRACE(a.cueName);
        std::string lower;
        for (char c : a.cueName) {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(a.file.fileName, lower + ".wav");
        EXPECT_EQ(a.file.fileName.find(".it"), std::string::npos);
        EXPECT_TRUE(names.insert(a.file.fileName).second) << "two cues share " << a.file.fileName;
        ASSERT_TRUE(s_cues->count(a.cueName)) << "does not parse as PCM WAV";
        const WavData& wav = cue(a.cueName).wav;
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_TRUE(wav.sampleRate == 44100 || wav.sampleRate == 22050);
        EXPECT_GT(wav.samples.size(), 100u);
    }
}

TEST_F(SoundEffects, StartAndEndAtSilenceWithoutOffsetAndPeakBelowFullScale) {
    for (const auto& [name, c] : *s_cues) {
        SCOPED_TRACE(name);
        for (int i = 0; i < 3; ++i) {
            EXPECT_LE(std::abs(c.wav.samples[i]), 100);
            EXPECT_LE(std::abs(c.wav.samples[c.wav.samples.size() - 1 - i]), 100);
        }
        EXPECT_LT(std::fabs(mean(c.x)), 0.005);
        EXPECT_LT(peak(c.x), 0.95);
    }
}

TEST_F(SoundEffects, ShareOneLoudnessWithTheQuietInterfaceSoundsALittleBelow) {
    for (const auto& [name, c] : *s_cues) {
        const double l = loudness(name);
        EXPECT_GT(l, -31.5) << name;
        EXPECT_LT(l, -18.5) << name;
    }
    // Pops, prizes, fanfares and voices: what the player hears most, evenly matched.
    for (const char* name : {"pop23", "pop46", "pop610", "pop_golden", "superpop", "P_00", "P_24", "P_45",
                             "tada", "loosetrumpet", "chaching", "yeah", "woo", "cheer_all_clear"}) {
        EXPECT_NEAR(loudness(name), -20.5, 1.6) << name;
    }
}

TEST_F(SoundEffects, LengthsSuitTheirUse) {
    for (const auto& [name, c] : *s_cues) {
        EXPECT_LT(seconds(name), 4.0) << name;
    }
    EXPECT_LT(seconds("button_click"), 0.12);
    EXPECT_LT(seconds("balloon_inflate"), 0.12); // fifteen of them tick with every inflate frame
    EXPECT_LT(seconds("pop0"), 0.15);
    EXPECT_LT(seconds("undo"), 0.25);     // also the bounce of a falling puzzle prize
    EXPECT_GT(seconds("parachute"), 2.0); // it is stopped when the prize lands
}

TEST_F(SoundEffects, AlarmLoopsWithoutAJoin) {
    EXPECT_NEAR(seconds("alarm"), 1.0, 0.001);
    // Quiet on both sides of the loop point, so repeating it never clicks or gaps unevenly.
    EXPECT_LT(peak(window("alarm", 0.0, 0.002)), 0.02);
    EXPECT_LT(peak(window("alarm", 0.9, 1.0)), 0.01);
    EXPECT_GT(rms(window("alarm", 0.05, 0.3)), 0.05);
}

TEST_F(SoundEffects, GroupPopsGrowWithTheGroup) {
    const char* groups[] = {"pop23", "pop46", "pop610", "pop11"};
    for (int i = 1; i < 4; ++i) {
        SCOPED_TRACE(groups[i]);
        EXPECT_GT(countOnsets(cue(groups[i]).x, rate(groups[i])),
                  countOnsets(cue(groups[i - 1]).x, rate(groups[i - 1])));
        EXPECT_GT(audibleSeconds(cue(groups[i]).x, rate(groups[i])),
                  audibleSeconds(cue(groups[i - 1]).x, rate(groups[i - 1])));
    }
}

TEST_F(SoundEffects, SinglePopsRiseInPitchAndTheDudIsShortAndDull) {
    double previous = 0.0;
    for (int i = 1; i <= 6; ++i) {
        const std::string name = "pop" + std::to_string(i);
        const double pitch = dominantFrequency(spectrum(name), rate(name), 400.0, 2500.0);
        EXPECT_GT(pitch, previous) << name;
        previous = pitch;
    }
    EXPECT_LT(spectralCentroid(spectrum("pop0"), rate("pop0")),
              0.6 * spectralCentroid(spectrum("pop23"), rate("pop23")))
        << "the dud is dull beside a real pop";
    EXPECT_LT(audibleSeconds(cue("pop0").x, rate("pop0")), audibleSeconds(cue("pop23").x, rate("pop23")))
        << "and short";
}

TEST_F(SoundEffects, MusicalCuesAreTonalAndAirCuesAreNoisy) {
    for (const char* name :
         {"tada", "classic_newgame", "loosetrumpet", "chaching", "balloon_gold_unite", "whistle", "yeah",
          "woo", "no_moves", "alarm", "P_00", "P_13", "P_22", "P_31", "P_45"}) {
        EXPECT_LT(spectralFlatness(spectrum(name), rate(name), 200.0, 5000.0), 0.04) << name;
    }
    for (const char* name : {"breeze", "parachute", "prize_flyoff", "curtain_open"}) {
        EXPECT_GT(spectralFlatness(spectrum(name), rate(name), 200.0, 5000.0), 0.08) << name;
    }
}

TEST_F(SoundEffects, TheSadTromboneFallsTheWooRisesAndTheCrowdIsLoudestAtAnAllClear) {
    const double start =
        dominantFrequency(averageSpectrum(window("loosetrumpet", 0.0, 0.35)), rate("loosetrumpet"), 80, 600);
    const double end =
        dominantFrequency(averageSpectrum(window("loosetrumpet", 1.4, 2.2)), rate("loosetrumpet"), 80, 600);
    EXPECT_LT(end, start * 0.95);
    const double early = dominantFrequency(averageSpectrum(window("woo", 0.02, 0.15)), rate("woo"), 150, 700);
    const double late = dominantFrequency(averageSpectrum(window("woo", 0.3, 0.5)), rate("woo"), 150, 700);
    EXPECT_GT(late, early * 1.3);
    EXPECT_GT(countOnsets(cue("cheer_all_clear").x, rate("cheer_all_clear")),
              countOnsets(cue("cheer_6-10_left").x, rate("cheer_6-10_left")));
    EXPECT_GT(seconds("cheer_all_clear"), seconds("cheer_1-5_left"));
    EXPECT_GT(seconds("cheer_1-5_left"), seconds("cheer_6-10_left"));
}

TEST_F(SoundEffects, EveryPrizeHasItsOwnJingle) {
    std::vector<const SoundAsset*> prizes;
    for (const SoundAsset& a : *s_assets) {
        if (a.cueName.rfind("P_", 0) == 0) {
            prizes.push_back(&a);
        }
    }
    ASSERT_EQ(prizes.size(), 30u);
    for (std::size_t i = 0; i < prizes.size(); ++i) {
        for (std::size_t j = i + 1; j < prizes.size(); ++j) {
            EXPECT_FALSE(prizes[i]->file.bytes == prizes[j]->file.bytes)
                << prizes[i]->cueName << " " << prizes[j]->cueName;
        }
    }
}

TEST_F(SoundEffects, AreTheSameEveryTime) {
    const std::vector<SoundAsset> again = generateSoundEffects();
    ASSERT_EQ(again.size(), s_assets->size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].cueName, (*s_assets)[i].cueName);
        EXPECT_EQ(again[i].file.bytes, (*s_assets)[i].file.bytes) << again[i].cueName;
    }
}

} // namespace
