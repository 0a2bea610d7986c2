// PixelLoopsReference.cpp: the pixel loops as plain per-pixel transcriptions of their formulas.
#include "PixelLoopSets.h"
#include "PixelMath.h"

#include <cstddef>

namespace pixel::reference {

namespace {

// Runs `apply(s, d)` -> new d over every pixel of the span.
template <typename Apply>
void eachPixel(const BlitSpan& span, Apply apply) {
    for (int row = 0; row < span.height; ++row) {
        const uint32_t* src = span.source + static_cast<std::ptrdiff_t>(row) * span.sourceStride;
        uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(row) * span.targetStride;
        for (int i = 0; i < span.width; ++i) {
            dst[i] = apply(src[i], dst[i]);
        }
    }
}

// The sampler walked exactly as described: the fractions grow by their steps and, once above
// 65535, carry into the column or row and keep their low 16 bits. `apply(sample, d)` -> new d.
template <typename Apply>
void eachSample(const ScaleSpan& span, bool withAlpha, Apply apply) {
    const std::ptrdiff_t stride = span.sourceStride;
    int row = span.startRow;
    uint32_t fractionY = span.startFractionY;
    for (int j = 0; j < span.height; ++j) {
        const int fy = static_cast<int>((fractionY >> 8) & 0xFF);
        const uint32_t* line = span.source + row * stride;
        uint32_t* dst = span.target + static_cast<std::ptrdiff_t>(j) * span.targetStride;
        int column = span.startColumn;
        uint32_t fractionX = span.startFractionX;
        for (int i = 0; i < span.width; ++i) {
            const int fx = static_cast<int>((fractionX >> 8) & 0xFF);
            const uint32_t* p = line + column;
            dst[i] = apply(bilinearSample(p[0], p[1], p[stride], p[stride + 1], fx, fy, withAlpha), dst[i]);
            fractionX += span.stepX;
            if (fractionX > 65535) {
                column += static_cast<int>(fractionX >> 16);
                fractionX &= 0xFFFF;
            }
        }
        fractionY += span.stepY;
        if (fractionY > 65535) {
            row += static_cast<int>(fractionY >> 16);
            fractionY &= 0xFFFF;
        }
    }
}

} // namespace

void copy(const BlitSpan& span) {
    eachPixel(span, [](uint32_t s, uint32_t) { return s; });
}

void blendOpacity(const BlitSpan& span, int opacity) {
    eachPixel(span, [opacity](uint32_t s, uint32_t d) { return blendColour(s, d, opacity); });
}

void blendAlpha(const BlitSpan& span) {
    eachPixel(span, [](uint32_t s, uint32_t d) { return pixel::blendAlpha(s, d, alphaOf(s)); });
}

void blendAlphaOpacity(const BlitSpan& span, int opacity) {
    eachPixel(span, [opacity](uint32_t s, uint32_t d) {
        return pixel::blendAlpha(s, d, fadeAlpha(alphaOf(s), opacity));
    });
}

void lighten(const BlitSpan& span) {
    eachPixel(span, [](uint32_t s, uint32_t d) { return lightenPixel(d, alphaOf(s)); });
}

void lightenOpacity(const BlitSpan& span, int opacity) {
    eachPixel(span,
              [opacity](uint32_t s, uint32_t d) { return lightenPixel(d, fadeAlpha(alphaOf(s), opacity)); });
}

void scaleCopy(const ScaleSpan& span) {
    eachSample(span, false, [](uint32_t sample, uint32_t) { return sample; });
}

void scaleAlpha(const ScaleSpan& span) {
    eachSample(span, true,
               [](uint32_t sample, uint32_t d) { return pixel::blendAlpha(sample, d, alphaOf(sample)); });
}

void scaleOpacity(const ScaleSpan& span, int opacity) {
    const int faded = fadeAlpha(255, opacity);
    eachSample(span, false,
               [faded](uint32_t sample, uint32_t d) { return pixel::blendAlpha(sample, d, faded); });
}

void scaleAlphaOpacity(const ScaleSpan& span, int opacity) {
    eachSample(span, true, [opacity](uint32_t sample, uint32_t d) {
        return pixel::blendAlpha(sample, d, fadeAlpha(alphaOf(sample), opacity));
    });
}

} // namespace pixel::reference

namespace pixel {

const LoopSet& referenceLoops() {
    static constexpr LoopSet kReference{"reference",
                                        reference::copy,
                                        reference::blendOpacity,
                                        reference::blendAlpha,
                                        reference::blendAlphaOpacity,
                                        reference::lighten,
                                        reference::lightenOpacity,
                                        reference::scaleCopy,
                                        reference::scaleAlpha,
                                        reference::scaleOpacity,
                                        reference::scaleAlphaOpacity};
    return kReference;
}

} // namespace pixel
