// PixelLoopSets.h: the loop sets of each instruction set, as the dispatcher finds them.
#pragma once

#include "PixelLoops.h"

namespace pixel::detail {

// Row-by-row memcpy: the plain copy of every vector set.
void copyRows(const BlitSpan& span);

// Nothing when the build has no SSE2.
const LoopSet* sse2LoopSet();
// Nothing when the build is not for x86 or the processor lacks AVX2.
const LoopSet* avx2LoopSet();

} // namespace pixel::detail
