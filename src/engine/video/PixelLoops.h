// PixelLoops.h: the ten pixel loops that put image pixels onto a drawing target.
#pragma once

#include <cstdint>
#include <span>

// Every loop works on spans that the caller has already clipped: the loops trust them and check
// nothing per pixel. Pixels are 0xAARRGGBB; opacity levels are 1 to 254 (see PixelMath.h).
//
// The loops exist as sets: the reference set, plain per-pixel transcriptions of the formulas,
// and vector sets (SSE2, AVX2) that give identical bytes for every input, which the tests check
// set by set over random pictures. The free functions below run the fastest set the processor
// supports, chosen once.
namespace pixel {

// width x height pixels from `source` onto `target`, each with its own row stride in pixels.
struct BlitSpan {
    const uint32_t* source = nullptr;
    int sourceStride = 0;
    uint32_t* target = nullptr;
    int targetStride = 0;
    int width = 0;
    int height = 0;
};

// A scaled drawing in the sampler's 16.16 fixed point. Destination pixel (i, j) samples source
// column startColumn + ((startFractionX + i x stepX) >> 16) with fx = bits 8 to 15 of that sum,
// and the row likewise; its four neighbours are the pixel, the next pixel in memory, and the two
// pixels one row below them. The caller guarantees that all of them lie inside the block.
struct ScaleSpan {
    const uint32_t* source = nullptr; // the image block, row stride sourceStride
    int sourceStride = 0;
    uint32_t* target = nullptr; // the first destination pixel
    int targetStride = 0;
    int width = 0; // destination size
    int height = 0;
    int startColumn = 0;
    int startRow = 0;
    uint32_t startFractionX = 0; // below 65536
    uint32_t startFractionY = 0;
    uint32_t stepX = 0;
    uint32_t stepY = 0;
};

// d = s, all four bytes.
void copy(const BlitSpan& span);
// Colour of s over d at the opacity level; alpha byte 255.
void blendOpacity(const BlitSpan& span, int opacity);
// s over d under s's alpha (0 skip, 255 copy, otherwise blend with alpha byte 255).
void blendAlpha(const BlitSpan& span);
// As blendAlpha with each alpha first faded by the opacity level.
void blendAlphaOpacity(const BlitSpan& span, int opacity);
// Colour dodge of the target under s's alpha; alpha byte 0.
void lighten(const BlitSpan& span);
// As lighten with each alpha first faded by the opacity level.
void lightenOpacity(const BlitSpan& span, int opacity);

// The bilinear sample written as it is, alpha byte 0.
void scaleCopy(const ScaleSpan& span);
// The sample over d under its sampled alpha.
void scaleAlpha(const ScaleSpan& span);
// The sample over d under alpha 255 faded by the opacity level.
void scaleOpacity(const ScaleSpan& span, int opacity);
// The sample over d under its sampled alpha faded by the opacity level.
void scaleAlphaOpacity(const ScaleSpan& span, int opacity);

// One complete set of the loops.
struct LoopSet {
    const char* name;
    void (*copy)(const BlitSpan&);
    void (*blendOpacity)(const BlitSpan&, int);
    void (*blendAlpha)(const BlitSpan&);
    void (*blendAlphaOpacity)(const BlitSpan&, int);
    void (*lighten)(const BlitSpan&);
    void (*lightenOpacity)(const BlitSpan&, int);
    void (*scaleCopy)(const ScaleSpan&);
    void (*scaleAlpha)(const ScaleSpan&);
    void (*scaleOpacity)(const ScaleSpan&, int);
    void (*scaleAlphaOpacity)(const ScaleSpan&, int);
};

const LoopSet& referenceLoops();
// The vector sets this build and this processor can run, fastest first; possibly none.
std::span<const LoopSet* const> vectorLoops();
// The set the free functions use: the first vector set, else the reference.
const LoopSet& activeLoops();

namespace reference {
void copy(const BlitSpan& span);
void blendOpacity(const BlitSpan& span, int opacity);
void blendAlpha(const BlitSpan& span);
void blendAlphaOpacity(const BlitSpan& span, int opacity);
void lighten(const BlitSpan& span);
void lightenOpacity(const BlitSpan& span, int opacity);
void scaleCopy(const ScaleSpan& span);
void scaleAlpha(const ScaleSpan& span);
void scaleOpacity(const ScaleSpan& span, int opacity);
void scaleAlphaOpacity(const ScaleSpan& span, int opacity);
} // namespace reference

} // namespace pixel
