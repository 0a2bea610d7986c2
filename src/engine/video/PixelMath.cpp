// PixelMath.cpp: the opacity level of a drawing.
#include "PixelMath.h"

#include "engine/core/Numbers.h"

namespace pixel {

int opacityLevel(float opacity) {
    // The product is formed in single precision on purpose: opacities are 32-bit floats, and
    // levels such as trunc(0.99999994f x 255) = 254 depend on it.
    const float level = opacity * 255.0f;
    return truncSat(static_cast<double>(level));
}

} // namespace pixel
