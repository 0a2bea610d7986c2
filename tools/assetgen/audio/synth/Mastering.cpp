// Mastering.cpp: the last steps every effect goes through: clean edges, common loudness, safe peaks.
#include "Mastering.h"

#include "Filters.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

namespace synth {

namespace {

constexpr double kLoudnessWindow = 0.4;
constexpr double kTailThreshold = 0.001; // -60 dB below the peak counts as silence

void trimSilentTail(Sound& sound) {
    const float threshold = static_cast<float>(sound.peak() * kTailThreshold);
    std::size_t end = sound.frames();
    while (end > 0 && std::fabs(sound.samples[end - 1]) <= threshold) {
        --end;
    }
    sound.samples.resize(std::min(sound.frames(), end + sound.frameAt(0.005)));
}

// A smooth gain that keeps every sample under the ceiling: the gain each sample needs is
// spread to its neighbours (minimum over ±`reach`), then averaged over the same span. Every
// averaged value is at most what any sample in the span needs, so no peak escapes, and the
// gain changes over a few milliseconds instead of jumping.
void limitPeaks(Sound& sound, float ceiling) {
    const std::size_t n = sound.frames();
    if (sound.peak() <= ceiling) {
        return;
    }
    const std::size_t reach = sound.frameAt(0.002);
    std::vector<float> needed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const float a = std::fabs(sound.samples[i]);
        needed[i] = a > ceiling ? ceiling / a : 1.0f;
    }
    // Sliding minimum over [i - reach, i + reach] with a deque of ascending candidates.
    std::vector<float> spread(n);
    std::deque<std::size_t> candidates;
    std::size_t next = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (; next < std::min(n, i + reach + 1); ++next) {
            while (!candidates.empty() && needed[candidates.back()] >= needed[next]) {
                candidates.pop_back();
            }
            candidates.push_back(next);
        }
        while (candidates.front() + reach < i) {
            candidates.pop_front();
        }
        spread[i] = needed[candidates.front()];
    }
    double sum = 0.0;
    std::size_t count = 0;
    std::size_t lo = 0, hi = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t wantLo = i > reach ? i - reach : 0;
        const std::size_t wantHi = std::min(n, i + reach + 1);
        while (hi < wantHi) {
            sum += spread[hi++], ++count;
        }
        while (lo < wantLo) {
            sum -= spread[lo++], --count;
        }
        sound.samples[i] *= static_cast<float>(sum / count);
    }
    // Rounding in the running sum can leave a hair over the ceiling.
    for (float& s : sound.samples) {
        s = std::clamp(s, -ceiling, ceiling);
    }
}

void fadeEdges(Sound& sound, double fadeIn, double fadeOut) {
    const std::size_t n = sound.frames();
    const std::size_t in = std::min(n, std::max<std::size_t>(2, sound.frameAt(fadeIn)));
    const std::size_t out = std::min(n, std::max<std::size_t>(2, sound.frameAt(fadeOut)));
    for (std::size_t i = 0; i < in; ++i) {
        const double u = static_cast<double>(i) / (in - 1);
        sound.samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * u));
    }
    for (std::size_t i = 0; i < out; ++i) {
        const double u = static_cast<double>(i) / (out - 1);
        sound.samples[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * u));
    }
}

} // namespace

double loudnessDb(const Sound& sound) {
    if (sound.frames() == 0) {
        return -120.0;
    }
    Sound weighted = sound;
    applyFilter(weighted, FilterKind::Highpass, 60.0, 0.5);
    applyFilter(weighted, FilterKind::HighShelf, 1500.0, 0.7071, 4.0);
    const std::size_t window =
        std::min(weighted.frames(), std::max<std::size_t>(1, weighted.frameAt(kLoudnessWindow)));
    double sum = 0.0;
    for (std::size_t i = 0; i < window; ++i) {
        sum += static_cast<double>(weighted.samples[i]) * weighted.samples[i];
    }
    double loudest = sum;
    for (std::size_t i = window; i < weighted.frames(); ++i) {
        sum += static_cast<double>(weighted.samples[i]) * weighted.samples[i];
        sum -= static_cast<double>(weighted.samples[i - window]) * weighted.samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return 10.0 * std::log10(std::max(loudest / window, 1e-12));
}

void finish(Sound& sound, const Finish& layout) {
    if (sound.frames() == 0) {
        return;
    }
    applyFilter(sound, FilterKind::Highpass, 25.0);
    if (layout.trimTail) {
        trimSilentTail(sound);
    }
    const double gainDb = layout.loudnessDb - loudnessDb(sound);
    sound.scale(static_cast<float>(std::pow(10.0, gainDb / 20.0)));
    limitPeaks(sound, kPeakCeiling);
    fadeEdges(sound, layout.fadeIn, layout.fadeOut);
}

std::vector<int16_t> toPcm16(const Sound& sound) {
    std::vector<int16_t> pcm(sound.frames());
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        const double v = std::clamp(static_cast<double>(sound.samples[i]), -1.0, 1.0);
        pcm[i] = static_cast<int16_t>(std::lround(v * 32767.0));
    }
    return pcm;
}

} // namespace synth
