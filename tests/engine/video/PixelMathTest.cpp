// The per-pixel formulas: exact blend results, faded alpha, lightening, the bilinear sample and
// opacity levels.
#include "engine/video/PixelMath.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace pixel;

TEST(PixelMath, BlendShiftsFloorNegativeDifferences) {
    EXPECT_EQ(blendChannel(200, 100, 128), 150);
    EXPECT_EQ(blendChannel(100, 200, 1), 199);
    EXPECT_EQ(blendChannel(0, 255, 127), 128);
    EXPECT_EQ(blendChannel(255, 0, 254), 253);
    EXPECT_EQ(blendColour(0x00C8C8C8, 0xFF646464, 128), 0xFF969696u) << "alpha byte 255";
}

TEST(PixelMath, AlphaRuleKeepsCopiesOrBlends) {
    EXPECT_EQ(blendAlpha(0x00FFFFFF, 0x12345678, 0), 0x12345678u);
    EXPECT_EQ(blendAlpha(0xFF0A0B0C, 0x12345678, 255), 0xFF0A0B0Cu);
    EXPECT_EQ(blendAlpha(0x80C8C8C8, 0x00646464, 128), 0xFF969696u);
}

TEST(PixelMath, FadedAlphaNeverReachesFullAndCanVanish) {
    EXPECT_EQ(fadeAlpha(255, 254), 254);
    EXPECT_EQ(fadeAlpha(255, 1), 1);
    EXPECT_EQ(fadeAlpha(128, 128), 64);
    EXPECT_EQ(fadeAlpha(1, 1), 0);
    EXPECT_EQ(fadeAlpha(0, 200), 0);
    for (int o = 1; o <= 254; ++o) {
        for (int a = 0; a <= 255; ++a) {
            ASSERT_LT(fadeAlpha(a, o), 255);
            ASSERT_GE(fadeAlpha(a, o), 0);
        }
    }
}

TEST(PixelMath, LightenDodgesAndLeavesBlackAndClearAlone) {
    EXPECT_EQ(lightenPixel(0, 200), 0u) << "black stays black";
    EXPECT_EQ(lightenPixel(0xFF102030, 0), 0xFF102030u);
    EXPECT_EQ(lightenPixel(0xFF000000, 200), 0x00000000u)
        << "only exactly 0 is skipped; alpha byte becomes 0";
    // k = 255 - 128 = 127: 64 x 256 / 127 = 129, 200 saturates.
    EXPECT_EQ(lightenPixel(0x0040C801, 128), 0x0081FF02u);
    // a = 255 uses k = 1: any non-zero channel saturates.
    EXPECT_EQ(lightenPixel(0x00010001, 255), 0x00FF00FFu);
}

TEST(PixelMath, BilinearWeightsSumTo255Squared) {
    const uint32_t white = 0xFFFFFFFF;
    EXPECT_EQ(bilinearSample(white, white, white, white, 0, 0, true), 0xFDFDFDFDu);
    EXPECT_EQ(bilinearSample(white, white, white, white, 77, 200, false), 0x00FDFDFDu);
    // Halfway between 0 and 200 horizontally: (200 x 255 x 128) >> 16 = 99.
    EXPECT_EQ(bilinearChannel(0, 200, 0, 200, 128, 0), 99);
    EXPECT_EQ(bilinearChannel(10, 20, 30, 40, 0, 255), (30 * 255 * 255) >> 16);
}

TEST(PixelMath, OpacityLevelsTruncateAndSaturate) {
    EXPECT_EQ(opacityLevel(1.0f), 255);
    EXPECT_EQ(opacityLevel(std::nextafter(1.0f, 0.0f)), 254);
    EXPECT_EQ(opacityLevel(0.5f), 127);
    EXPECT_EQ(opacityLevel(0.9f / 255.0f), 0);
    EXPECT_EQ(opacityLevel(-0.5f), -127);
    EXPECT_EQ(opacityLevel(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(opacityLevel(std::numeric_limits<float>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(opacityLevel(1e30f), std::numeric_limits<int32_t>::max());
}
