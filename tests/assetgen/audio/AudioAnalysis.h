// AudioAnalysis.h: measurements the audio tests listen with: WAV parsing, levels and spectra.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct WavData {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples; // interleaved when channels > 1
};

// Little-endian fields of a file's bytes.
uint16_t readU16(std::span<const uint8_t> bytes, std::size_t at);
uint32_t readU32(std::span<const uint8_t> bytes, std::size_t at);

// Walks the RIFF chunks and accepts only 16-bit PCM; nothing for anything else or truncated data.
std::optional<WavData> parseWav(std::span<const uint8_t> bytes);

// Samples scaled to -1..1.
std::vector<float> toFloat(std::span<const int16_t> pcm);

double rms(std::span<const float> x);
double peak(std::span<const float> x);
double mean(std::span<const float> x);
double toDb(double linear);

// The magnitude spectrum averaged over Hann-windowed frames of `frameSize` (a power of two);
// bin k is k × rate / frameSize Hz. Frames quieter than -50 dB of the loudest are skipped, so
// silence does not dilute it.
std::vector<double> averageSpectrum(std::span<const float> x, int frameSize = 4096);
// The power-weighted mean frequency of a spectrum.
double spectralCentroid(const std::vector<double>& spectrum, int rate, int frameSize = 4096);
// The frequency of the strongest bin between loHz and hiHz.
double dominantFrequency(const std::vector<double>& spectrum, int rate, double loHz, double hiHz,
                         int frameSize = 4096);
// Geometric over arithmetic mean of the power spectrum between loHz and hiHz: near 1 for noise,
// near 0 for a few clear tones.
double spectralFlatness(const std::vector<double>& spectrum, int rate, double loHz, double hiHz,
                        int frameSize = 4096);
// Attacks: 5 ms energy frames whose level jumps by more than 4.5 dB over the frame before and
// that are within 30 dB of the loudest frame, at least 10 ms apart.
int countOnsets(std::span<const float> x, int rate);
// Seconds from the start to the last sample within -40 dB of the peak.
double audibleSeconds(std::span<const float> x, int rate);
