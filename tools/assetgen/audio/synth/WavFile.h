// WavFile.h: RIFF/WAVE encoding of 16-bit mono PCM, the format the game's effects ship in.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace synth {

// A canonical 44-byte header ("RIFF", "WAVE", "fmt " with PCM format 1, "data") and the
// samples, little-endian.
std::vector<uint8_t> encodeWav(std::span<const int16_t> pcm, int sampleRate);

} // namespace synth
