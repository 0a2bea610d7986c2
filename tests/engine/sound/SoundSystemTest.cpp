// The sound system's rules against a fake mixer.
#include "engine/sound/SoundBackend.h"
#include "engine/sound/ksSoundSystem.h"
#include "support/FakeMixer.h"
#include "support/MapFileSource.h"
#include "support/TestSupport.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

struct SoundFixture : ::testing::Test {
    MapFileSource files;
    FakeMixer mixer;
    void SetUp() override {
        files.quiet = true; // the sound system names a missing file itself
        files.files["music.it"] = {1, 2, 3};
        files.files["pop.wav"] = {4};
        files.files["chime.wav"] = {5};
        files.files["music.wav"] = {6};
    }
};

TEST_F(SoundFixture, StartRetriesTenTimesAHundredMillisecondsApart) {
    LogCapture log;
    mixer.failuresBeforeOpen = 3;
    ksSoundSystem sound(mixer, files);
    EXPECT_FALSE(sound.hasFailed());
    EXPECT_EQ(mixer.pauses, (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(log.count("FMOD init success"), 1);
    EXPECT_EQ(log.count("FMOD max channels: 32"), 1);
}

TEST_F(SoundFixture, ADeviceThatPlaysToNowhereIsNotReportedAsSuccess) {
    LogCapture log;
    mixer.audible = false;
    ksSoundSystem sound(mixer, files);
    EXPECT_FALSE(sound.hasFailed()) << "the game still mixes, so it behaves the same";
    EXPECT_EQ(log.count("FMOD init success"), 0);
    EXPECT_EQ(log.count("FMOD init without a sound device: sounds are mixed but not heard"), 1);
    EXPECT_EQ(log.count("FMOD max channels: 32"), 1);
}

TEST_F(SoundFixture, WithoutAMixerEverythingIsQuiet) {
    LogCapture log;
    mixer.failuresBeforeOpen = 100;
    ksSoundSystem sound(mixer, files);
    EXPECT_TRUE(sound.hasFailed());
    EXPECT_EQ(log.count("FMOD init success"), 0);
    EXPECT_EQ(log.count("FMOD init failed: no sound device could be opened, the game is silent"), 1);
    EXPECT_EQ(mixer.pauses.size(), 10u);
    sound.loadData("pop", "pop.wav");
    EXPECT_EQ(sound.count(), 0);
    EXPECT_EQ(sound.play(0), 0);
    sound.setVolumes(1, 1);
    sound.stopAll();
    EXPECT_EQ(mixer.effectsVolume, -1);
}

TEST_F(SoundFixture, MusicIsTheModuleAndEffectsPlayOnFreeChannels) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.it");
    sound.loadData("pop", "pop.wav");
    EXPECT_EQ(sound.musicIndex(), 0);
    EXPECT_EQ(sound.play(0), -1) << "the music has no effect channel";
    EXPECT_EQ(mixer.modulePlays, 1);
    EXPECT_EQ(sound.playByName("pop"), 0);
    EXPECT_EQ(sound.playByName("pop"), 1) << "overlapping pops never cut each other off";
    EXPECT_EQ(sound.playByName("nothing"), -1);
    sound.setOrder(21);
    EXPECT_EQ(mixer.lastOrder, 21);
    sound.pauseMusic();
    EXPECT_TRUE(mixer.modulePaused);
    sound.resumeMusic();
    EXPECT_FALSE(mixer.modulePaused);
}

TEST_F(SoundFixture, EffectsLoadedForFirstPlayAreDecodedWhenTheyFirstPlay) {
    LogCapture log;
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.it", true);
    sound.loadData("pop", "pop.wav", true);
    sound.loadData("gone", "gone.wav", true);
    EXPECT_EQ(sound.musicIndex(), 0) << "the music is loaded at once";
    EXPECT_EQ(mixer.samplesLoaded, 0);
    EXPECT_TRUE(sound.isLoaded(1));
    EXPECT_EQ(sound.playByName("pop"), 0);
    EXPECT_EQ(sound.playByName("pop"), 1);
    EXPECT_EQ(mixer.samplesLoaded, 1) << "decoded once";
    EXPECT_EQ(log.count("File gone.wav not found."), 0);
    EXPECT_EQ(sound.playByName("gone"), -1);
    EXPECT_EQ(sound.playByName("gone"), -1);
    EXPECT_EQ(log.count("File gone.wav not found."), 1) << "a missing file is named once, when first played";
}

TEST_F(SoundFixture, VolumesMapToTheMixerLevels) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.it");
    sound.setVolumes(0.8f, 0.3f);
    EXPECT_EQ(mixer.effectsVolume, 204);
    EXPECT_EQ(mixer.moduleVolume, 76);
    sound.setVolumes(7.0f, -1.0f); // out-of-range volumes are clamped
    EXPECT_EQ(mixer.effectsVolume, 255);
    EXPECT_EQ(mixer.moduleVolume, 0);
}

TEST_F(SoundFixture, SwitchingSoundBackOnRestartsLoopedEffectsButNotTheMusic) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.it");
    sound.loadData("alarm", "pop.wav");
    sound.play(0);
    sound.playLooped(1);
    sound.setEnabled(true); // unchanged: nothing happens
    EXPECT_EQ(mixer.played.size(), 1u);
    sound.setEnabled(false);
    EXPECT_EQ(mixer.moduleStops, 1);
    EXPECT_TRUE(mixer.playingOn.empty());
    EXPECT_EQ(sound.play(1), 0) << "sound is off altogether";
    sound.setEnabled(true);
    ASSERT_EQ(mixer.played.size(), 2u);
    EXPECT_EQ(mixer.played.back(), std::make_pair(0, true));
    EXPECT_EQ(mixer.modulePlays, 1);
}

TEST_F(SoundFixture, EffectsOffStopsEffectsAndKeepsTheMusic) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.it");
    sound.loadData("pop", "pop.wav");
    sound.play(1);
    sound.setEffectsEnabled(false);
    EXPECT_TRUE(mixer.playingOn.empty());
    EXPECT_EQ(sound.play(1), -1);
    sound.play(0);
    EXPECT_EQ(mixer.modulePlays, 1);
    EXPECT_EQ(mixer.moduleStops, 0);
}

TEST_F(SoundFixture, StoppingARememberedChannelNeverStopsASoundThatReusedIt) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("parachute", "pop.wav");
    sound.loadData("chime", "chime.wav");
    const int channel = sound.play(0);
    mixer.finish(channel);
    const int reused = sound.play(1);
    ASSERT_EQ(reused, channel);
    sound.stopChannel(channel, 0);
    EXPECT_TRUE(mixer.isPlaying(channel, 1)) << "the chime plays on";
    sound.stopChannel(reused, 1);
    EXPECT_FALSE(mixer.isPlaying(channel, 1));
}

TEST_F(SoundFixture, TheTableHolds128SoundsAndFailedLoadsKeepTheirIndex) {
    LogCapture log;
    ksSoundSystem sound(mixer, files);
    sound.loadData("missing", "missing.wav");
    EXPECT_EQ(log.count("File missing.wav not found."), 1);
    EXPECT_EQ(sound.findByName("missing"), 0);
    EXPECT_EQ(sound.play(0), -1);
    for (int i = 1; i < 130; ++i) {
        std::string name = "s";
        name += std::to_string(i); // (GCC 12 warns falsely about "s" + std::to_string(i))
        sound.loadData(name, "pop.wav");
    }
    EXPECT_EQ(sound.count(), 128);
    EXPECT_EQ(sound.findByName("s127"), 127);
    EXPECT_EQ(sound.findByName("s128"), -1);
    EXPECT_EQ(sound.findByName("s129"), -1);
    EXPECT_EQ(sound.play(128), -1);
    EXPECT_EQ(log.count("table full"), 2);
    sound.loadData("", "pop.wav");
    EXPECT_EQ(log.count("ksSoundSystem::loadData ... inSoundName is null"), 1);
    sound.loadData(std::string(300, 'n'), "pop.wav");
    EXPECT_EQ(sound.count(), 128);
}

TEST_F(SoundFixture, MusicAsAPlainSampleGetsTheMusicVolumeOnItsOwnChannel) {
    ksSoundSystem sound(mixer, files);
    sound.loadData("music", "music.wav");
    sound.loadData("pop", "pop.wav");
    EXPECT_EQ(sound.play(1), 0);
    EXPECT_EQ(sound.play(0), 1);
    sound.setVolumes(0.8f, 0.3f);
    EXPECT_EQ(mixer.channelVolume.count(0), 0u) << "the effect keeps the effects volume";
    EXPECT_EQ(mixer.channelVolume[1], 76);
    EXPECT_EQ(mixer.sampleVolume[0], 76);
}

} // namespace
