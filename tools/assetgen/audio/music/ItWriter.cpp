// ItWriter.cpp: serialises a Module into the Impulse Tracker file layout.
#include "ItModule.h"

#include <algorithm>
#include <cassert>

namespace tracker {

namespace {

constexpr std::size_t kHeaderSize = 0xC0;
constexpr std::size_t kSampleHeaderSize = 0x50;
constexpr uint16_t kTrackerVersion = 0x0214;
constexpr uint16_t kFlagStereo = 0x01;
constexpr uint16_t kFlagLinearSlides = 0x08;
constexpr uint8_t kChannelDisabled = 128;
constexpr uint8_t kPanCentre = 32;

class ByteWriter {
public:
    std::vector<uint8_t>& bytes() { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }
    void u8(uint32_t v) { m_bytes.push_back(static_cast<uint8_t>(v)); }
    void u16(uint32_t v) {
        u8(v & 0xFF);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    // `text` cut or NUL-padded to exactly `width` bytes.
    void text(const std::string& text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) {
            u8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
        }
    }
    void patchU16(std::size_t at, uint32_t v) {
        m_bytes[at] = static_cast<uint8_t>(v);
        m_bytes[at + 1] = static_cast<uint8_t>(v >> 8);
    }
    void patchU32(std::size_t at, uint32_t v) {
        patchU16(at, v & 0xFFFF);
        patchU16(at + 2, v >> 16);
    }

private:
    std::vector<uint8_t> m_bytes;
};

// Packed rows: for each filled cell the channel marker, a mask of the fields present and the
// fields; every row ends with a zero byte. Masks are written every time, without the format's
// "same as last" shortcuts, which every player reads just the same.
std::vector<uint8_t> packPattern(const Pattern& pattern) {
    ByteWriter out;
    for (int row = 0; row < pattern.rows; ++row) {
        for (int channel = 0; channel < pattern.channels; ++channel) {
            const Cell& cell = pattern.at(row, channel);
            if (cell.empty()) {
                continue;
            }
            uint8_t mask = 0;
            mask |= cell.note ? 0x01 : 0;
            mask |= cell.sample != 0 ? 0x02 : 0;
            mask |= cell.volume ? 0x04 : 0;
            mask |= cell.effect != Effect::None ? 0x08 : 0;
            out.u8((channel + 1) | 0x80);
            out.u8(mask);
            if (cell.note) {
                out.u8(*cell.note);
            }
            if (cell.sample != 0) {
                out.u8(cell.sample);
            }
            if (cell.volume) {
                out.u8(std::min<uint8_t>(*cell.volume, 64));
            }
            if (cell.effect != Effect::None) {
                out.u8(static_cast<uint8_t>(cell.effect));
                out.u8(cell.param);
            }
        }
        out.u8(0);
    }
    return std::move(out.bytes());
}

} // namespace

Pattern::Pattern(int rowCount, int channelCount)
    : rows(rowCount)
    , channels(channelCount)
    , cells(static_cast<std::size_t>(rowCount * channelCount)) {}

std::vector<uint8_t> writeIt(const Module& module) {
    assert(!module.samples.empty()); // players refuse modules without samples
    assert(module.channelPan.size() <= kMaxChannels);
    ByteWriter out;

    out.text("IMPM", 4);
    out.text(module.songName, 26);
    out.u16(0x1004); // row highlight: beats of 4 rows, bars of 16
    out.u16(static_cast<uint32_t>(module.orders.size() + 1));
    out.u16(0); // no instruments: sample mode
    out.u16(static_cast<uint32_t>(module.samples.size()));
    out.u16(static_cast<uint32_t>(module.patterns.size()));
    out.u16(kTrackerVersion);
    out.u16(kTrackerVersion);
    out.u16(kFlagStereo | kFlagLinearSlides);
    out.u16(0); // no song message
    out.u8(module.globalVolume);
    out.u8(module.mixVolume);
    out.u8(module.initialSpeed);
    out.u8(module.initialTempo);
    out.u8(128); // full stereo separation
    out.u8(0);   // pitch wheel depth (MIDI only)
    out.u16(0);  // message length
    out.u32(0);  // message offset
    out.u32(0);  // reserved
    for (int channel = 0; channel < kMaxChannels; ++channel) {
        out.u8(channel < static_cast<int>(module.channelPan.size())
                   ? std::min<uint8_t>(module.channelPan[channel], 64)
                   : kPanCentre | kChannelDisabled);
    }
    for (int channel = 0; channel < kMaxChannels; ++channel) {
        out.u8(64);
    }
    assert(out.size() == kHeaderSize);

    for (uint8_t order : module.orders) {
        out.u8(order);
    }
    out.u8(kEndOfSong);

    const std::size_t sampleTable = out.size();
    for (std::size_t i = 0; i < module.samples.size(); ++i) {
        out.u32(0);
    }
    const std::size_t patternTable = out.size();
    for (std::size_t i = 0; i < module.patterns.size(); ++i) {
        out.u32(0);
    }

    std::vector<std::size_t> dataPointerAt;
    for (std::size_t i = 0; i < module.samples.size(); ++i) {
        const Sample& s = module.samples[i];
        out.patchU32(sampleTable + 4 * i, static_cast<uint32_t>(out.size()));
        out.text("IMPS", 4);
        out.text("", 12); // DOS file name
        out.u8(0);
        out.u8(s.globalVolume);
        uint8_t flags = 0x01 | 0x02; // has data, 16-bit
        if (s.loop) {
            flags |= 0x10;
        }
        out.u8(flags);
        out.u8(s.defaultVolume);
        out.text(s.name, 26);
        out.u8(0x01);       // signed samples
        out.u8(kPanCentre); // default pan, unused (bit 7 clear)
        out.u32(static_cast<uint32_t>(s.pcm.size()));
        out.u32(s.loop ? s.loopBegin : 0);
        out.u32(s.loop ? s.loopEnd : 0);
        out.u32(s.c5Speed);
        out.u32(0); // sustain loop
        out.u32(0);
        dataPointerAt.push_back(out.size());
        out.u32(0);
        out.u32(0); // auto-vibrato
    }
    assert(out.size() == sampleTable + module.samples.size() * 4 + module.patterns.size() * 4 +
                             module.samples.size() * kSampleHeaderSize);

    for (std::size_t i = 0; i < module.patterns.size(); ++i) {
        const std::vector<uint8_t> packed = packPattern(module.patterns[i]);
        out.patchU32(patternTable + 4 * i, static_cast<uint32_t>(out.size()));
        out.u16(static_cast<uint32_t>(packed.size()));
        out.u16(static_cast<uint32_t>(module.patterns[i].rows));
        out.u32(0);
        for (uint8_t b : packed) {
            out.u8(b);
        }
    }

    for (std::size_t i = 0; i < module.samples.size(); ++i) {
        out.patchU32(dataPointerAt[i], static_cast<uint32_t>(out.size()));
        for (int16_t v : module.samples[i].pcm) {
            out.u16(static_cast<uint16_t>(v));
        }
    }
    return std::move(out.bytes());
}

} // namespace tracker
