// PixelMath.h: the per-pixel formulas of image drawing, each written once.
#pragma once

#include <algorithm>
#include <cstdint>

// Pixels are 0xAARRGGBB. All shifts of signed values are arithmetic, so `>> 8` floors negative
// differences toward minus infinity: that flooring is part of the look and is kept on purpose.
namespace pixel {

inline constexpr uint32_t kOpaque = 0xFF000000u;
inline constexpr uint32_t kColourMask = 0x00FFFFFFu;

constexpr int alphaOf(uint32_t p) {
    return static_cast<int>(p >> 24);
}
constexpr int redOf(uint32_t p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
constexpr int greenOf(uint32_t p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
constexpr int blueOf(uint32_t p) {
    return static_cast<int>(p & 0xFF);
}

constexpr uint32_t makePixel(int a, int r, int g, int b) {
    return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) |
           (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

// d + (((s - d) x weight) >> 8): 200 over 100 at weight 128 gives 150, 100 over 200 at weight 1
// gives 199.
constexpr int blendChannel(int s, int d, int weight) {
    return d + (((s - d) * weight) >> 8);
}

// The colour of s over d at weight 1 to 254, with alpha byte 255.
constexpr uint32_t blendColour(uint32_t s, uint32_t d, int weight) {
    return makePixel(255, blendChannel(redOf(s), redOf(d), weight),
                     blendChannel(greenOf(s), greenOf(d), weight),
                     blendChannel(blueOf(s), blueOf(d), weight));
}

// The alpha rule: 0 leaves d alone, 255 takes s whole (all four bytes), anything between blends.
constexpr uint32_t blendAlpha(uint32_t s, uint32_t d, int a) {
    if (a == 0) {
        return d;
    }
    if (a == 255) {
        return s;
    }
    return blendColour(s, d, a);
}

// An alpha value faded by an opacity level o of 1 to 254: a + ((-(a x (255 - o))) >> 8).
constexpr int fadeAlpha(int a, int opacity) {
    return a + ((-(a * (255 - opacity))) >> 8);
}

// Colour dodge of the target under the mask value a: each channel becomes min(255, d x 256 / k)
// with k = 255 - a (1 when that is 0), alpha byte 0. A target pixel that is exactly 0 and a mask
// value of 0 leave the target alone, so lightening over black stays black.
constexpr uint32_t lightenPixel(uint32_t d, int a) {
    if (d == 0 || a == 0) {
        return d;
    }
    const int k = a == 255 ? 1 : 255 - a;
    const auto dodge = [k](int c) { return std::min(255, (c * 256) / k); };
    return makePixel(0, dodge(redOf(d)), dodge(greenOf(d)), dodge(blueOf(d)));
}

// One channel of the bilinear sample. The weights sum to 255 x 255 rather than 65536, so a white
// source gives 253; kept as it is because every scaled picture of the game was tuned with it.
constexpr int bilinearChannel(int tl, int tr, int bl, int br, int fx, int fy) {
    return ((tr * (255 - fy) + br * fy) * fx + (tl * (255 - fy) + bl * fy) * (255 - fx)) >> 16;
}

// The sample of the four neighbours at fractions fx, fy (0 to 255). The alpha byte is sampled
// too when `withAlpha`, otherwise it is 0.
constexpr uint32_t bilinearSample(uint32_t tl, uint32_t tr, uint32_t bl, uint32_t br, int fx, int fy,
                                  bool withAlpha) {
    const auto at = [&](int shift) {
        const auto c = [shift](uint32_t p) { return static_cast<int>((p >> shift) & 0xFF); };
        return static_cast<uint32_t>(bilinearChannel(c(tl), c(tr), c(bl), c(br), fx, fy)) << shift;
    };
    return (withAlpha ? at(24) : 0u) | at(16) | at(8) | at(0);
}

// The opacity level of a drawing: opacity x 255 (in single precision, as opacities are kept)
// truncated toward zero. Below 1 nothing is drawn; 255 and above draw as without opacity. NaN
// gives 0 and out-of-range values saturate.
int opacityLevel(float opacity);

} // namespace pixel
