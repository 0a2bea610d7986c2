// PixelLoops.cpp: picks the fastest loop set once and runs the loops through it.
#include "PixelLoopSets.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace pixel {

namespace detail {

void copyRows(const BlitSpan& span) {
    const std::size_t rowBytes = static_cast<std::size_t>(span.width) * sizeof(uint32_t);
    if (span.sourceStride == span.width && span.targetStride == span.width) {
        // Whole rows on both sides: one block.
        std::memcpy(span.target, span.source, rowBytes * static_cast<std::size_t>(span.height));
        return;
    }
    for (int row = 0; row < span.height; ++row) {
        std::memcpy(span.target + static_cast<std::ptrdiff_t>(row) * span.targetStride,
                    span.source + static_cast<std::ptrdiff_t>(row) * span.sourceStride, rowBytes);
    }
}

} // namespace detail

namespace {

struct VectorSets {
    std::array<const LoopSet*, 2> sets{};
    std::size_t count = 0;

    VectorSets() {
        for (const LoopSet* set : {detail::avx2LoopSet(), detail::sse2LoopSet()}) {
            if (set != nullptr) {
                sets[count++] = set;
            }
        }
    }
};

} // namespace

std::span<const LoopSet* const> vectorLoops() {
    static const VectorSets found;
    return {found.sets.data(), found.count};
}

const LoopSet& activeLoops() {
    static const LoopSet& active = vectorLoops().empty() ? referenceLoops() : *vectorLoops().front();
    return active;
}

void copy(const BlitSpan& span) {
    activeLoops().copy(span);
}
void blendOpacity(const BlitSpan& span, int opacity) {
    activeLoops().blendOpacity(span, opacity);
}
void blendAlpha(const BlitSpan& span) {
    activeLoops().blendAlpha(span);
}
void blendAlphaOpacity(const BlitSpan& span, int opacity) {
    activeLoops().blendAlphaOpacity(span, opacity);
}
void lighten(const BlitSpan& span) {
    activeLoops().lighten(span);
}
void lightenOpacity(const BlitSpan& span, int opacity) {
    activeLoops().lightenOpacity(span, opacity);
}
void scaleCopy(const ScaleSpan& span) {
    activeLoops().scaleCopy(span);
}
void scaleAlpha(const ScaleSpan& span) {
    activeLoops().scaleAlpha(span);
}
void scaleOpacity(const ScaleSpan& span, int opacity) {
    activeLoops().scaleOpacity(span, opacity);
}
void scaleAlphaOpacity(const ScaleSpan& span, int opacity) {
    activeLoops().scaleAlphaOpacity(span, opacity);
}

} // namespace pixel
