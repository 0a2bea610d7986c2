// PixelLoopsAvx2.cpp: the pixel loops with AVX2, chosen at run time on processors that have it.
#include "PixelLoopSets.h"
#include "PixelMath.h"

#include <cassert>
#include <cstddef>

// Eight pixels per step. Besides the rewritings the SSE2 set uses, the blends here fold their
// special cases into the weights, which saves the masks and selects:
//  - d + (((s - d) x w) >> 8) is computed as d + mulhi((s - d) << 2, w << 6), exact for weights
//    up to 256; weight 256 gives s itself, so alpha 255 becomes weight 256;
//  - the alpha lane blends the value 255 with weight 256 (giving 255) or 0 (keeping d's alpha),
//    which is exactly "alpha byte 255 when blended, d untouched when the alpha is 0".
// NOTE: every function carries the avx2 target attribute instead of compiling the file with
// -mavx2, so no inline function from a shared header is ever emitted with AVX2 instructions
// for processors that lack them.

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

namespace pixel::detail {

namespace {

#define ZIBBET_AVX2 [[gnu::target("avx2"), gnu::always_inline]] inline

ZIBBET_AVX2 __m256i load8(const uint32_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
ZIBBET_AVX2 void store8(uint32_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
ZIBBET_AVX2 __m128i load2(const uint32_t* p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}

// Per 16-bit lane: d + (((s - d) x w) >> 8) for weights 0 to 256.
ZIBBET_AVX2 __m256i blendLanes(__m256i s, __m256i d, __m256i w) {
    return _mm256_add_epi16(
        d, _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(s, d), 2), _mm256_slli_epi16(w, 6)));
}

// The alpha byte of each of the pixels that unpacklo (or unpackhi) spreads over 16-bit lanes,
// copied into all four lanes of that pixel.
ZIBBET_AVX2 __m256i alphaOfLowPixels(__m256i pixels) {
    const __m256i pick = _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, //
                                          3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    return _mm256_shuffle_epi8(pixels, pick);
}
ZIBBET_AVX2 __m256i alphaOfHighPixels(__m256i pixels) {
    const __m256i pick = _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, //
                                          11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    return _mm256_shuffle_epi8(pixels, pick);
}
// The same from pixels already in 16-bit lanes.
ZIBBET_AVX2 __m256i alphaOfLanes(__m256i lanes) {
    const __m256i pick = _mm256_setr_epi8(6, 7, 6, 7, 6, 7, 6, 7, 14, 15, 14, 15, 14, 15, 14, 15, //
                                          6, 7, 6, 7, 6, 7, 6, 7, 14, 15, 14, 15, 14, 15, 14, 15);
    return _mm256_shuffle_epi8(lanes, pick);
}

// a' = a - ((a x (255 - o) + 255) >> 8), the unsigned form of a + ((-(a x (255 - o))) >> 8).
ZIBBET_AVX2 __m256i fadeLanes(__m256i a, __m256i fade) {
    return _mm256_sub_epi16(
        a, _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, fade), _mm256_set1_epi16(255)), 8));
}

// Blend weights from per-pixel alphas (0 to 255) in all lanes: colour lanes take the alpha, with
// 255 raised to 256; the alpha lane takes 256, or 0 where the alpha is 0.
ZIBBET_AVX2 __m256i weightsFromAlpha(__m256i a) {
    const __m256i full = _mm256_srli_epi16(_mm256_cmpeq_epi16(a, _mm256_set1_epi16(255)), 15);
    const __m256i present = _mm256_slli_epi16(_mm256_min_epu16(a, _mm256_set1_epi16(1)), 8);
    return _mm256_blend_epi16(_mm256_add_epi16(a, full), present, 0x88);
}

// Eight pixels of s (16-bit lanes, alpha lanes 255) over d under per-lane weights.
ZIBBET_AVX2 __m256i blendWeighted(__m256i sLow, __m256i sHigh, __m256i d, __m256i wLow, __m256i wHigh) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i low = blendLanes(sLow, _mm256_unpacklo_epi8(d, zero), wLow);
    const __m256i high = blendLanes(sHigh, _mm256_unpackhi_epi8(d, zero), wHigh);
    return _mm256_packus_epi16(low, high);
}

[[gnu::target("avx2")]] void blendOpacity(const BlitSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i w7 = _mm256_set1_epi16(static_cast<short>(opacity << 7));
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    for (int j = 0; j < span.height; ++j) {
        const uint32_t* src = span.source + static_cast<std::ptrdiff_t>(j) * span.sourceStride;
        uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride;
        int i = 0;
        for (; i + 8 <= span.width; i += 8) {
            const __m256i s = load8(src + i), d = load8(dst + i);
            const __m256i ds = _mm256_unpacklo_epi8(d, zero), dh = _mm256_unpackhi_epi8(d, zero);
            const __m256i low = _mm256_add_epi16(
                ds, _mm256_mulhi_epi16(
                        _mm256_slli_epi16(_mm256_sub_epi16(_mm256_unpacklo_epi8(s, zero), ds), 1), w7));
            const __m256i high = _mm256_add_epi16(
                dh, _mm256_mulhi_epi16(
                        _mm256_slli_epi16(_mm256_sub_epi16(_mm256_unpackhi_epi8(s, zero), dh), 1), w7));
            store8(dst + i, _mm256_or_si256(_mm256_packus_epi16(low, high), opaque));
        }
        for (; i < span.width; ++i) {
            dst[i] = blendColour(src[i], dst[i], opacity);
        }
    }
}

[[gnu::target("avx2")]] void blendAlpha(const BlitSpan& span) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kOpaque));
    for (int j = 0; j < span.height; ++j) {
        const uint32_t* src = span.source + static_cast<std::ptrdiff_t>(j) * span.sourceStride;
        uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride;
        int i = 0;
        for (; i + 8 <= span.width; i += 8) {
            const __m256i s = load8(src + i);
            if (_mm256_testz_si256(s, alphaMask)) {
                continue; // all transparent
            }
            const __m256i solid = _mm256_or_si256(s, alphaMask);
            if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(s, solid)) == -1) {
                store8(dst + i, s); // all opaque
                continue;
            }
            const __m256i wLow = weightsFromAlpha(alphaOfLowPixels(s));
            const __m256i wHigh = weightsFromAlpha(alphaOfHighPixels(s));
            store8(dst + i, blendWeighted(_mm256_unpacklo_epi8(solid, zero),
                                          _mm256_unpackhi_epi8(solid, zero), load8(dst + i), wLow, wHigh));
        }
        for (; i < span.width; ++i) {
            dst[i] = pixel::blendAlpha(src[i], dst[i], alphaOf(src[i]));
        }
    }
}

[[gnu::target("avx2")]] void blendAlphaOpacity(const BlitSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m256i fade = _mm256_set1_epi16(static_cast<short>(255 - opacity));
    for (int j = 0; j < span.height; ++j) {
        const uint32_t* src = span.source + static_cast<std::ptrdiff_t>(j) * span.sourceStride;
        uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride;
        int i = 0;
        for (; i + 8 <= span.width; i += 8) {
            const __m256i s = load8(src + i);
            if (_mm256_testz_si256(s, alphaMask)) {
                continue;
            }
            // Faded alphas stay below 255, so weightsFromAlpha needs no raising; it is harmless.
            const __m256i wLow = weightsFromAlpha(fadeLanes(alphaOfLowPixels(s), fade));
            const __m256i wHigh = weightsFromAlpha(fadeLanes(alphaOfHighPixels(s), fade));
            const __m256i solid = _mm256_or_si256(s, alphaMask);
            store8(dst + i, blendWeighted(_mm256_unpacklo_epi8(solid, zero),
                                          _mm256_unpackhi_epi8(solid, zero), load8(dst + i), wLow, wHigh));
        }
        for (; i < span.width; ++i) {
            dst[i] = pixel::blendAlpha(src[i], dst[i], fadeAlpha(alphaOf(src[i]), opacity));
        }
    }
}

// Destination columns are prepared in chunks, as in the SSE2 set.
constexpr int kChunk = 256;

struct ColumnTable {
    int32_t offset[kChunk];
    alignas(32) uint64_t weight[kChunk]; // fx in all four 16-bit lanes
};

void fillColumns(const ScaleSpan& span, int first, int count, ColumnTable& table) {
    for (int i = 0; i < count; ++i) {
        const uint64_t total = span.startFractionX + static_cast<uint64_t>(first + i) * span.stepX;
        table.offset[i] = span.startColumn + static_cast<int32_t>(total >> 16);
        table.weight[i] = ((total >> 8) & 0xFF) * 0x0001000100010001ull;
    }
}

// The neighbour pairs of four destination pixels, two per 128-bit lane: (a, b | c, d).
ZIBBET_AVX2 __m256i pairsOfFour(const uint32_t* row, const int32_t* offset) {
    const __m128i ab = _mm_unpacklo_epi64(load2(row + offset[0]), load2(row + offset[1]));
    const __m128i cd = _mm_unpacklo_epi64(load2(row + offset[4]), load2(row + offset[5]));
    return _mm256_inserti128_si256(_mm256_castsi128_si256(ab), cd, 1);
}

// Bilinear samples as 16-bit lanes for the destination pixels (i, i + 1 | i + 4, i + 5) of
// the table, alpha included.
ZIBBET_AVX2 __m256i sampleFour(const uint32_t* top, const uint32_t* bottom, const ColumnTable& columns, int i,
                               __m256i weightTop, __m256i weightBottom) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i t = pairsOfFour(top, columns.offset + i);
    const __m256i b = pairsOfFour(bottom, columns.offset + i);
    // Vertical pass: TL x (255 - fy) + BL x fy and the same for TR, BR; at most 65025.
    const __m256i v0 = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(t, zero), weightTop),
                                        _mm256_mullo_epi16(_mm256_unpacklo_epi8(b, zero), weightBottom));
    const __m256i v1 = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(t, zero), weightTop),
                                        _mm256_mullo_epi16(_mm256_unpackhi_epi8(b, zero), weightBottom));
    const __m256i left = _mm256_unpacklo_epi64(v0, v1);
    const __m256i right = _mm256_unpackhi_epi64(v0, v1);
    const __m256i fx = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_load_si128(reinterpret_cast<const __m128i*>(columns.weight + i))),
        _mm_load_si128(reinterpret_cast<const __m128i*>(columns.weight + i + 4)), 1);
    const __m256i fxLeft = _mm256_sub_epi16(_mm256_set1_epi16(255), fx);
    // Horizontal pass: (right x fx + left x (255 - fx)) >> 16 from 16-bit halves plus the carry.
    const __m256i lowRight = _mm256_mullo_epi16(right, fx);
    const __m256i lowSum = _mm256_add_epi16(lowRight, _mm256_mullo_epi16(left, fxLeft));
    // The low halves wrapped exactly when their sum is below lowRight; noWrap is -1 otherwise.
    const __m256i noWrap = _mm256_cmpeq_epi16(_mm256_max_epu16(lowSum, lowRight), lowSum);
    const __m256i high = _mm256_add_epi16(_mm256_mulhi_epu16(right, fx), _mm256_mulhi_epu16(left, fxLeft));
    return _mm256_add_epi16(_mm256_add_epi16(high, _mm256_set1_epi16(1)), noWrap);
}

enum class ScaleMode { Copy, Alpha, Opacity, AlphaOpacity };

template <ScaleMode mode>
uint32_t scalePixelScalar(uint32_t sample, uint32_t d, int opacity) {
    switch (mode) {
    case ScaleMode::Copy:
        return sample & kColourMask;
    case ScaleMode::Alpha:
        return pixel::blendAlpha(sample, d, alphaOf(sample));
    case ScaleMode::Opacity:
        return pixel::blendAlpha(sample & kColourMask, d, fadeAlpha(255, opacity));
    case ScaleMode::AlphaOpacity:
        return pixel::blendAlpha(sample, d, fadeAlpha(alphaOf(sample), opacity));
    }
    return d;
}

template <ScaleMode mode>
[[gnu::target("avx2")]] void scale(const ScaleSpan& span, int opacity) {
    const __m256i colourMask = _mm256_set1_epi32(static_cast<int>(kColourMask));
    const __m256i alphaLanes = _mm256_set1_epi64x(static_cast<long long>(0x00FF000000000000ull));
    const __m256i fade = _mm256_set1_epi16(static_cast<short>(255 - opacity));
    // Without alpha every pixel fades from 255 alike: colour lanes that weight, alpha lane 256.
    const __m256i constantWeight = _mm256_blend_epi16(
        _mm256_set1_epi16(static_cast<short>(fadeAlpha(255, opacity))), _mm256_set1_epi16(256), 0x88);
    const std::ptrdiff_t stride = span.sourceStride;
    ColumnTable columns;
    for (int first = 0; first < span.width; first += kChunk) {
        const int count = span.width - first < kChunk ? span.width - first : kChunk;
        fillColumns(span, first, count, columns);
        for (int j = 0; j < span.height; ++j) {
            const uint64_t totalY = span.startFractionY + static_cast<uint64_t>(j) * span.stepY;
            const int fy = static_cast<int>((totalY >> 8) & 0xFF);
            const uint32_t* top =
                span.source + (span.startRow + static_cast<std::ptrdiff_t>(totalY >> 16)) * stride;
            const uint32_t* bottom = top + stride;
            uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride + first;
            const __m256i weightTop = _mm256_set1_epi16(static_cast<short>(255 - fy));
            const __m256i weightBottom = _mm256_set1_epi16(static_cast<short>(fy));
            int i = 0;
            for (; i + 8 <= count; i += 8) {
                // Pixels (0, 1 | 4, 5) and (2, 3 | 6, 7): packing them gives 0 to 7 in order.
                __m256i low = sampleFour(top, bottom, columns, i, weightTop, weightBottom);
                __m256i high = sampleFour(top, bottom, columns, i + 2, weightTop, weightBottom);
                if constexpr (mode == ScaleMode::Copy) {
                    store8(dst + i, _mm256_and_si256(_mm256_packus_epi16(low, high), colourMask));
                } else if constexpr (mode == ScaleMode::Opacity) {
                    low = _mm256_or_si256(low, alphaLanes);
                    high = _mm256_or_si256(high, alphaLanes);
                    store8(dst + i, blendWeighted(low, high, load8(dst + i), constantWeight, constantWeight));
                } else {
                    __m256i aLow = alphaOfLanes(low), aHigh = alphaOfLanes(high);
                    if constexpr (mode == ScaleMode::AlphaOpacity) {
                        aLow = fadeLanes(aLow, fade);
                        aHigh = fadeLanes(aHigh, fade);
                    }
                    low = _mm256_or_si256(low, alphaLanes);
                    high = _mm256_or_si256(high, alphaLanes);
                    store8(dst + i, blendWeighted(low, high, load8(dst + i), weightsFromAlpha(aLow),
                                                  weightsFromAlpha(aHigh)));
                }
            }
            for (; i < count; ++i) {
                const uint32_t* p = top + columns.offset[i];
                const int fx = static_cast<int>(columns.weight[i] & 0xFF);
                const uint32_t sample = bilinearSample(p[0], p[1], p[stride], p[stride + 1], fx, fy, true);
                dst[i] = scalePixelScalar<mode>(sample, dst[i], opacity);
            }
        }
    }
}

#undef ZIBBET_AVX2

void scaleCopy(const ScaleSpan& span) {
    scale<ScaleMode::Copy>(span, 255);
}
void scaleAlpha(const ScaleSpan& span) {
    scale<ScaleMode::Alpha>(span, 255);
}
void scaleOpacity(const ScaleSpan& span, int opacity) {
    scale<ScaleMode::Opacity>(span, opacity);
}
void scaleAlphaOpacity(const ScaleSpan& span, int opacity) {
    scale<ScaleMode::AlphaOpacity>(span, opacity);
}

constexpr LoopSet kAvx2{"avx2",
                        copyRows,
                        blendOpacity,
                        blendAlpha,
                        blendAlphaOpacity,
                        reference::lighten,
                        reference::lightenOpacity,
                        scaleCopy,
                        scaleAlpha,
                        scaleOpacity,
                        scaleAlphaOpacity};

} // namespace

const LoopSet* avx2LoopSet() {
    return __builtin_cpu_supports("avx2") ? &kAvx2 : nullptr;
}

} // namespace pixel::detail

#else

namespace pixel::detail {

const LoopSet* avx2LoopSet() {
    return nullptr;
}

} // namespace pixel::detail

#endif
