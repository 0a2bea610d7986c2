// AudioAnalysis.cpp: measurements the audio tests listen with: WAV parsing, levels and spectra.
#include "AudioAnalysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <string_view>

namespace {

bool tagIs(std::span<const uint8_t> b, std::size_t at, std::string_view tag) {
    return b.size() >= at + 4 && std::equal(tag.begin(), tag.end(), b.begin() + at);
}

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(a[i], a[j]);
        }
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0);
            for (std::size_t k = 0; k < len / 2; ++k) {
                const auto u = a[i + k];
                const auto v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

std::size_t binOf(double hz, int rate, int frameSize) {
    return static_cast<std::size_t>(std::clamp(hz * frameSize / rate, 0.0, frameSize / 2.0));
}

} // namespace

uint16_t readU16(std::span<const uint8_t> b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t readU32(std::span<const uint8_t> b, std::size_t at) {
    return readU16(b, at) | (static_cast<uint32_t>(readU16(b, at + 2)) << 16);
}

std::optional<WavData> parseWav(std::span<const uint8_t> bytes) {
    if (bytes.size() < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    if (readU32(bytes, 4) + 8 != bytes.size()) {
        return std::nullopt;
    }
    WavData wav;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const uint32_t size = readU32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            return std::nullopt;
        }
        if (tagIs(bytes, at, "fmt ")) {
            if (size < 16 || readU16(bytes, body) != 1) {
                return std::nullopt;
            }
            wav.channels = readU16(bytes, body + 2);
            wav.sampleRate = static_cast<int>(readU32(bytes, body + 4));
            wav.bitsPerSample = readU16(bytes, body + 14);
            const uint32_t byteRate = readU32(bytes, body + 8);
            const uint16_t align = readU16(bytes, body + 12);
            if (wav.bitsPerSample != 16 || align != wav.channels * 2 ||
                byteRate != static_cast<uint32_t>(wav.sampleRate) * align) {
                return std::nullopt;
            }
            haveFormat = true;
        } else if (tagIs(bytes, at, "data")) {
            if (!haveFormat || size % 2 != 0) {
                return std::nullopt;
            }
            for (std::size_t i = 0; i < size; i += 2) {
                wav.samples.push_back(static_cast<int16_t>(readU16(bytes, body + i)));
            }
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::vector<float> toFloat(std::span<const int16_t> pcm) {
    std::vector<float> out(pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        out[i] = pcm[i] / 32768.0f;
    }
    return out;
}

double rms(std::span<const float> x) {
    double sum = 0.0;
    for (float v : x) {
        sum += static_cast<double>(v) * v;
    }
    return x.empty() ? 0.0 : std::sqrt(sum / x.size());
}

double peak(std::span<const float> x) {
    double p = 0.0;
    for (float v : x) {
        p = std::max(p, static_cast<double>(std::fabs(v)));
    }
    return p;
}

double mean(std::span<const float> x) {
    double sum = 0.0;
    for (float v : x) {
        sum += v;
    }
    return x.empty() ? 0.0 : sum / x.size();
}

double toDb(double linear) {
    return 20.0 * std::log10(std::max(linear, 1e-9));
}

std::vector<double> averageSpectrum(std::span<const float> x, int frameSize) {
    std::vector<double> sum(frameSize / 2 + 1, 0.0);
    const std::size_t hop = frameSize / 2;
    std::vector<double> frameEnergy;
    for (std::size_t start = 0; start + frameSize <= x.size() || start == 0; start += hop) {
        double e = 0.0;
        for (int i = 0; i < frameSize && start + i < x.size(); ++i) {
            e += static_cast<double>(x[start + i]) * x[start + i];
        }
        frameEnergy.push_back(e);
        if (start + frameSize > x.size()) {
            break;
        }
    }
    const double loudest = *std::max_element(frameEnergy.begin(), frameEnergy.end());
    std::size_t frame = 0;
    for (std::size_t start = 0; frame < frameEnergy.size(); start += hop, ++frame) {
        if (frameEnergy[frame] < loudest * 1e-5) {
            continue;
        }
        std::vector<std::complex<double>> buffer(frameSize);
        for (int i = 0; i < frameSize; ++i) {
            const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / frameSize);
            buffer[i] = start + i < x.size() ? w * x[start + i] : 0.0;
        }
        fft(buffer);
        for (std::size_t k = 0; k < sum.size(); ++k) {
            sum[k] += std::abs(buffer[k]);
        }
    }
    return sum;
}

double spectralCentroid(const std::vector<double>& spectrum, int rate, int frameSize) {
    double weighted = 0.0, total = 0.0;
    for (std::size_t k = 1; k < spectrum.size(); ++k) {
        const double power = spectrum[k] * spectrum[k];
        weighted += power * k * rate / frameSize;
        total += power;
    }
    return total > 0.0 ? weighted / total : 0.0;
}

double dominantFrequency(const std::vector<double>& spectrum, int rate, double loHz, double hiHz,
                         int frameSize) {
    const std::size_t lo = binOf(loHz, rate, frameSize);
    const std::size_t hi = std::min(spectrum.size() - 1, binOf(hiHz, rate, frameSize));
    std::size_t best = lo;
    for (std::size_t k = lo; k <= hi; ++k) {
        if (spectrum[k] > spectrum[best]) {
            best = k;
        }
    }
    return static_cast<double>(best) * rate / frameSize;
}

double spectralFlatness(const std::vector<double>& spectrum, int rate, double loHz, double hiHz,
                        int frameSize) {
    const std::size_t lo = std::max<std::size_t>(1, binOf(loHz, rate, frameSize));
    const std::size_t hi = std::min(spectrum.size() - 1, binOf(hiHz, rate, frameSize));
    double logSum = 0.0, sum = 0.0;
    for (std::size_t k = lo; k <= hi; ++k) {
        const double power = spectrum[k] * spectrum[k] + 1e-20;
        logSum += std::log(power);
        sum += power;
    }
    const double n = static_cast<double>(hi - lo + 1);
    return std::exp(logSum / n) / (sum / n);
}

int countOnsets(std::span<const float> x, int rate) {
    const std::size_t frame = static_cast<std::size_t>(rate * 0.005);
    std::vector<double> level;
    for (std::size_t start = 0; start + frame <= x.size(); start += frame) {
        level.push_back(rms(x.subspan(start, frame)));
    }
    if (level.empty()) {
        return 0;
    }
    const double loudest = *std::max_element(level.begin(), level.end());
    int onsets = 0;
    std::size_t last = 0;
    bool any = false;
    for (std::size_t i = 0; i < level.size(); ++i) {
        const double before = i >= 1 ? level[i - 1] : 0.0;
        const bool jump = level[i] > 1.68 * before + 1e-6 && level[i] > loudest * 0.0316;
        if (jump && (!any || i - last >= 2)) {
            ++onsets;
            last = i;
            any = true;
        }
    }
    return onsets;
}

double audibleSeconds(std::span<const float> x, int rate) {
    const double threshold = peak(x) * 0.01;
    std::size_t last = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::fabs(x[i]) >= threshold) {
            last = i;
        }
    }
    return static_cast<double>(last) / rate;
}
