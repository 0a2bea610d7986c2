// WavFile.cpp: RIFF/WAVE encoding of 16-bit mono PCM, the format the game's effects ship in.
#include "WavFile.h"

namespace synth {

namespace {

void putTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}

void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

} // namespace

std::vector<uint8_t> encodeWav(std::span<const int16_t> pcm, int sampleRate) {
    constexpr uint32_t kChannels = 1;
    constexpr uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<uint32_t>(pcm.size() * kBytesPerSample);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, kChannels);
    putU32(out, static_cast<uint32_t>(sampleRate));
    putU32(out, static_cast<uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    putU16(out, kChannels * kBytesPerSample);
    putU16(out, 8 * kBytesPerSample);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (int16_t s : pcm) {
        putU16(out, static_cast<uint16_t>(s));
    }
    return out;
}

} // namespace synth
