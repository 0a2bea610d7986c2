// PixelLoopsSse2.cpp: the pixel loops with SSE2, the vector set every x86-64 processor runs.
#include "PixelLoopSets.h"
#include "PixelMath.h"

#include <cassert>
#include <cstddef>

// Every loop gives the same bytes as the reference loops. The blends use two exact rewritings
// of d + (((s - d) x w) >> 8):
//  - with 16-bit lanes, mulhi((s - d) << 1, w << 7) = floor(256 (s - d) w / 65536), which is the
//    floored shift itself (both factors fit in a signed 16-bit lane for w up to 255);
//  - the bilinear sums stay below 65536 per vertical pair, and the horizontal products are
//    split into high and low halves whose carry is added back, so no bit is lost.

#if defined(__SSE2__)

#include <emmintrin.h>

namespace pixel::detail {

namespace {

inline __m128i load4(const uint32_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void store4(uint32_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
inline __m128i load2(const uint32_t* p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}

// (a & mask) | (b & ~mask)
inline __m128i select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

// Per 16-bit lane: d + (((s - d) x w) >> 8), with w7 = w << 7.
inline __m128i blendLanes(__m128i s, __m128i d, __m128i w7) {
    return _mm_add_epi16(d, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(s, d), 1), w7));
}

// Each pixel's alpha lane copied into its four lanes.
inline __m128i broadcastAlpha(__m128i lanes) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, 0xFF), 0xFF);
}

// a' = a - ((a x (255 - o) + 255) >> 8), the unsigned form of a + ((-(a x (255 - o))) >> 8).
inline __m128i fadeLanes(__m128i a, __m128i fade, __m128i c255) {
    return _mm_sub_epi16(a, _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, fade), c255), 8));
}

// Four pixels of s over d where every lane of a pixel carries the same weight (0 to 255).
// Pixels of weight 0 keep d; with `takeFull`, pixels of weight 255 take s whole.
template <bool takeFull>
inline __m128i blendWeighted(__m128i slo, __m128i shi, __m128i s, __m128i d, __m128i wlo, __m128i whi) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i dlo = _mm_unpacklo_epi8(d, zero);
    const __m128i dhi = _mm_unpackhi_epi8(d, zero);
    const __m128i rlo = blendLanes(slo, dlo, _mm_slli_epi16(wlo, 7));
    const __m128i rhi = blendLanes(shi, dhi, _mm_slli_epi16(whi, 7));
    __m128i result = _mm_or_si128(_mm_packus_epi16(rlo, rhi), _mm_set1_epi32(static_cast<int>(kOpaque)));
    // Lanes of a pixel are equal, so packing the comparisons gives whole-pixel masks.
    const __m128i none = _mm_packs_epi16(_mm_cmpeq_epi16(wlo, zero), _mm_cmpeq_epi16(whi, zero));
    if constexpr (takeFull) {
        const __m128i c255 = _mm_set1_epi16(255);
        const __m128i full = _mm_packs_epi16(_mm_cmpeq_epi16(wlo, c255), _mm_cmpeq_epi16(whi, c255));
        result = select(full, s, result);
    }
    return select(none, d, result);
}

template <typename Row>
void eachRow(const BlitSpan& span, Row row) {
    for (int j = 0; j < span.height; ++j) {
        row(span.source + static_cast<std::ptrdiff_t>(j) * span.sourceStride,
            span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride);
    }
}

void blendOpacity(const BlitSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    const __m128i zero = _mm_setzero_si128();
    const __m128i w7 = _mm_set1_epi16(static_cast<short>(opacity << 7));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    eachRow(span, [&](const uint32_t* src, uint32_t* dst) {
        int i = 0;
        for (; i + 4 <= span.width; i += 4) {
            const __m128i s = load4(src + i), d = load4(dst + i);
            const __m128i lo = blendLanes(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero), w7);
            const __m128i hi = blendLanes(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero), w7);
            store4(dst + i, _mm_or_si128(_mm_packus_epi16(lo, hi), opaque));
        }
        for (; i < span.width; ++i) {
            dst[i] = blendColour(src[i], dst[i], opacity);
        }
    });
}

void blendAlpha(const BlitSpan& span) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(kOpaque));
    eachRow(span, [&](const uint32_t* src, uint32_t* dst) {
        int i = 0;
        for (; i + 4 <= span.width; i += 4) {
            const __m128i s = load4(src + i);
            const __m128i alpha = _mm_and_si128(s, alphaMask);
            const int transparent = _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero));
            if (transparent == 0xFFFF) {
                continue;
            }
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, alphaMask)) == 0xFFFF) {
                store4(dst + i, s);
                continue;
            }
            const __m128i slo = _mm_unpacklo_epi8(s, zero), shi = _mm_unpackhi_epi8(s, zero);
            store4(dst + i, blendWeighted<true>(slo, shi, s, load4(dst + i), broadcastAlpha(slo),
                                                broadcastAlpha(shi)));
        }
        for (; i < span.width; ++i) {
            dst[i] = pixel::blendAlpha(src[i], dst[i], alphaOf(src[i]));
        }
    });
}

void blendAlphaOpacity(const BlitSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    const __m128i zero = _mm_setzero_si128();
    const __m128i c255 = _mm_set1_epi16(255);
    const __m128i fade = _mm_set1_epi16(static_cast<short>(255 - opacity));
    const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(kOpaque));
    eachRow(span, [&](const uint32_t* src, uint32_t* dst) {
        int i = 0;
        for (; i + 4 <= span.width; i += 4) {
            const __m128i s = load4(src + i);
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alphaMask), zero)) == 0xFFFF) {
                continue;
            }
            const __m128i slo = _mm_unpacklo_epi8(s, zero), shi = _mm_unpackhi_epi8(s, zero);
            const __m128i wlo = fadeLanes(broadcastAlpha(slo), fade, c255);
            const __m128i whi = fadeLanes(broadcastAlpha(shi), fade, c255);
            // A faded alpha never reaches 255, so only the "keep d" case needs a mask.
            store4(dst + i, blendWeighted<false>(slo, shi, s, load4(dst + i), wlo, whi));
        }
        for (; i < span.width; ++i) {
            dst[i] = pixel::blendAlpha(src[i], dst[i], fadeAlpha(alphaOf(src[i]), opacity));
        }
    });
}

// Destination columns are prepared in chunks: the source column and the horizontal weight of
// each depend only on the column, so they are computed once per drawing, not once per row.
constexpr int kChunk = 256;

struct ColumnTable {
    int32_t offset[kChunk];
    alignas(16) uint64_t weight[kChunk]; // fx in all four 16-bit lanes
};

void fillColumns(const ScaleSpan& span, int first, int count, ColumnTable& table) {
    for (int i = 0; i < count; ++i) {
        const uint64_t total = span.startFractionX + static_cast<uint64_t>(first + i) * span.stepX;
        table.offset[i] = span.startColumn + static_cast<int32_t>(total >> 16);
        table.weight[i] = ((total >> 8) & 0xFF) * 0x0001000100010001ull;
    }
}

// The bilinear samples of two destination pixels as 16-bit lanes (alpha included), from the
// pixel pairs at `top + offset` and `bottom + offset` of each.
inline __m128i sampleTwo(const uint32_t* top, const uint32_t* bottom, int32_t offset0, int32_t offset1,
                         __m128i weightTop, __m128i weightBottom, __m128i fx) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i t = _mm_unpacklo_epi64(load2(top + offset0), load2(top + offset1));
    const __m128i b = _mm_unpacklo_epi64(load2(bottom + offset0), load2(bottom + offset1));
    // Vertical pass: TL x (255 - fy) + BL x fy and the same for TR, BR; at most 65025.
    const __m128i v0 = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(t, zero), weightTop),
                                     _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), weightBottom));
    const __m128i v1 = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(t, zero), weightTop),
                                     _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), weightBottom));
    const __m128i left = _mm_unpacklo_epi64(v0, v1);
    const __m128i right = _mm_unpackhi_epi64(v0, v1);
    const __m128i fxLeft = _mm_sub_epi16(_mm_set1_epi16(255), fx);
    // Horizontal pass: (right x fx + left x (255 - fx)) >> 16 from 16-bit halves plus the carry.
    const __m128i lowRight = _mm_mullo_epi16(right, fx);
    const __m128i lowSum = _mm_add_epi16(lowRight, _mm_mullo_epi16(left, fxLeft));
    const __m128i bias = _mm_set1_epi16(static_cast<short>(0x8000));
    const __m128i carry = _mm_cmpgt_epi16(_mm_xor_si128(lowRight, bias), _mm_xor_si128(lowSum, bias));
    const __m128i high = _mm_add_epi16(_mm_mulhi_epu16(right, fx), _mm_mulhi_epu16(left, fxLeft));
    return _mm_sub_epi16(high, carry);
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
void scale(const ScaleSpan& span, int opacity) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i c255 = _mm_set1_epi16(255);
    const __m128i fade = _mm_set1_epi16(static_cast<short>(255 - opacity));
    const __m128i colourMask = _mm_set1_epi32(static_cast<int>(kColourMask));
    const __m128i constantWeight = _mm_set1_epi16(static_cast<short>(fadeAlpha(255, opacity)));
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
            const __m128i weightTop = _mm_set1_epi16(static_cast<short>(255 - fy));
            const __m128i weightBottom = _mm_set1_epi16(static_cast<short>(fy));
            int i = 0;
            for (; i + 4 <= count; i += 4) {
                const __m128i fx01 = _mm_load_si128(reinterpret_cast<const __m128i*>(columns.weight + i));
                const __m128i fx23 = _mm_load_si128(reinterpret_cast<const __m128i*>(columns.weight + i + 2));
                const __m128i lo = sampleTwo(top, bottom, columns.offset[i], columns.offset[i + 1], weightTop,
                                             weightBottom, fx01);
                const __m128i hi = sampleTwo(top, bottom, columns.offset[i + 2], columns.offset[i + 3],
                                             weightTop, weightBottom, fx23);
                if constexpr (mode == ScaleMode::Copy) {
                    store4(dst + i, _mm_and_si128(_mm_packus_epi16(lo, hi), colourMask));
                } else if constexpr (mode == ScaleMode::Opacity) {
                    store4(dst + i, blendWeighted<false>(lo, hi, zero, load4(dst + i), constantWeight,
                                                         constantWeight));
                } else {
                    const __m128i sample = _mm_packus_epi16(lo, hi);
                    __m128i wlo = broadcastAlpha(lo), whi = broadcastAlpha(hi);
                    if constexpr (mode == ScaleMode::AlphaOpacity) {
                        wlo = fadeLanes(wlo, fade, c255);
                        whi = fadeLanes(whi, fade, c255);
                    }
                    store4(dst + i,
                           blendWeighted<mode == ScaleMode::Alpha>(lo, hi, sample, load4(dst + i), wlo, whi));
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

void scaleCopy(const ScaleSpan& span) {
    scale<ScaleMode::Copy>(span, 255);
}

void scaleAlpha(const ScaleSpan& span) {
    scale<ScaleMode::Alpha>(span, 255);
}

void scaleOpacity(const ScaleSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    scale<ScaleMode::Opacity>(span, opacity);
}

void scaleAlphaOpacity(const ScaleSpan& span, int opacity) {
    assert(opacity >= 1 && opacity <= 254);
    scale<ScaleMode::AlphaOpacity>(span, opacity);
}

constexpr LoopSet kSse2{"sse2",
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

const LoopSet* sse2LoopSet() {
    return &kSse2;
}

} // namespace pixel::detail

#else

namespace pixel::detail {

const LoopSet* sse2LoopSet() {
    return nullptr;
}

} // namespace pixel::detail

#endif
