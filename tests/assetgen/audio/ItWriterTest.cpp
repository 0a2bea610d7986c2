// The module writer's file layout, and the instruments' tuning as a player hears it.
#include "AudioAnalysis.h"
#include "ModuleRenderer.h"
#include "assetgen/audio/music/Instruments.h"
#include "assetgen/audio/music/ItModule.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

using namespace tracker;

// A looped sine of 100 frames per cycle, tuned so that note C-5 plays middle C.
Sample sineSample() {
    Sample s;
    s.name = "sine";
    for (int i = 0; i < 1000; ++i) {
        s.pcm.push_back(
            static_cast<int16_t>(std::lround(20000.0 * std::sin(2.0 * std::numbers::pi * i / 100.0))));
    }
    s.c5Speed = static_cast<uint32_t>(std::lround(100.0 * 261.6256));
    s.loop = true;
    s.loopBegin = 0;
    s.loopEnd = 1000;
    return s;
}

Module oneNoteModule(Sample sample, int note) {
    Module m;
    m.songName = "test";
    m.channelPan = {32};
    m.samples = {std::move(sample)};
    Pattern p(32, 1);
    p.at(0, 0).note = static_cast<uint8_t>(note);
    p.at(0, 0).sample = 1;
    p.at(0, 0).volume = 64;
    m.patterns = {p};
    m.orders = {0};
    return m;
}

double heardPitch(const Module& module, double expectHz) {
    ModuleRenderer player(writeIt(module));
    EXPECT_TRUE(player.loaded());
    const std::vector<float> left = leftChannel(player.render(0.6));
    const std::vector<double> spectrum = averageSpectrum(left, 16384);
    return dominantFrequency(spectrum, ModuleRenderer::kRate, expectHz * 0.8, expectHz * 1.25, 16384);
}

TEST(ItWriter, PacksEachFilledCellWithItsMaskAndEndsEveryRow) {
    Module m = oneNoteModule(sineSample(), 60);
    m.patterns[0] = Pattern(2, 2);
    Cell& cell = m.patterns[0].at(0, 1);
    cell.note = 60;
    cell.sample = 1;
    cell.volume = 40;
    cell.effect = Effect::SetSpeed;
    cell.param = 6;
    const std::vector<uint8_t> b = writeIt(m);
    const std::size_t patternTable = 0xC0 + 2 + 4; // orders with end marker, one sample pointer
    const uint32_t at = readU32(b, patternTable);
    const std::vector<uint8_t> packed = {0x82, 0x0F, 60, 1, 40, 1, 6, 0x00, 0x00};
    EXPECT_EQ(readU16(b, at), packed.size());
    EXPECT_EQ(readU16(b, at + 2), 2);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + at + 8, b.begin() + at + 8 + packed.size()), packed);
}

TEST(ItWriter, HeaderTablesPointAtWhatTheyCount) {
    Module m = oneNoteModule(sineSample(), 60);
    m.orders = {0, 0, 0};
    const std::vector<uint8_t> b = writeIt(m);
    EXPECT_EQ(readU16(b, 0x20), 4) << "orders include the end marker";
    EXPECT_EQ(readU16(b, 0x22), 0);
    EXPECT_EQ(readU16(b, 0x24), 1);
    EXPECT_EQ(readU16(b, 0x26), 1);
    EXPECT_EQ(b[0x40], 32);
    EXPECT_NE(b[0x41] & 0x80, 0) << "channels beyond the module are disabled";
    const uint32_t sampleHeader = readU32(b, 0xC0 + 4);
    EXPECT_EQ(std::string(b.begin() + sampleHeader, b.begin() + sampleHeader + 4), "IMPS");
    EXPECT_EQ(b[sampleHeader + 0x12], 0x01 | 0x02 | 0x10) << "data, 16-bit, looped";
    EXPECT_EQ(readU32(b, sampleHeader + 0x30), 1000u);
    EXPECT_EQ(readU32(b, sampleHeader + 0x38), 1000u);
    const uint32_t data = readU32(b, sampleHeader + 0x48);
    ASSERT_EQ(data + 2000, b.size());
    EXPECT_EQ(static_cast<int16_t>(readU16(b, data + 2 * 25)), m.samples[0].pcm[25]);
}

TEST(ItWriter, NotesSoundAtTheirPitch) {
    for (int note : {57, 69, 81}) {
        const double expect = 440.0 * std::exp2((note - 69) / 12.0);
        EXPECT_NEAR(heardPitch(oneNoteModule(sineSample(), note), expect), expect, expect * 0.01) << note;
    }
}

TEST(Instruments, EveryPitchedInstrumentIsInTune) {
    const std::vector<Sample> samples = makeInstrumentSamples();
    for (Instrument instrument :
         {Instrument::Marimba, Instrument::Glock, Instrument::EPiano, Instrument::Bass, Instrument::Pad,
          Instrument::Flute, Instrument::SquareLead, Instrument::SawLead}) {
        const Sample& sample = samples.at(sampleNumber(instrument) - 1);
        const int note = instrument == Instrument::Bass ? 45 : 69;
        const double expect = 440.0 * std::exp2((note - 69) / 12.0);
        EXPECT_NEAR(heardPitch(oneNoteModule(sample, note), expect), expect, expect * 0.015) << sample.name;
    }
}

TEST(Instruments, LoopsAreSeamlessAndOneShotsEndInSilence) {
    for (const Sample& s : makeInstrumentSamples()) {
        SCOPED_TRACE(s.name);
        ASSERT_FALSE(s.pcm.empty());
        if (s.loop) {
            ASSERT_LT(s.loopBegin, s.loopEnd);
            ASSERT_LE(s.loopEnd, s.pcm.size());
            // The frame after the loop's end is its beginning: the step across the seam is no
            // bigger than the steps the tone takes inside the loop (bright tones take big ones).
            const int seam = std::abs(s.pcm[s.loopBegin] - s.pcm[s.loopEnd - 1]);
            int largest = 0;
            for (uint32_t i = s.loopBegin + 1; i < s.loopEnd; ++i) {
                largest = std::max(largest, std::abs(s.pcm[i] - s.pcm[i - 1]));
            }
            EXPECT_LE(seam, largest + 2);
        } else {
            EXPECT_LE(std::abs(s.pcm.back()), 64);
        }
        EXPECT_LE(std::abs(s.pcm.front()), 512);
    }
}

} // namespace
