// GifCodecTest.cpp: the mask GIF writer against our reader, and its header against the format.
#include "GifReader.h"
#include "GifWriter.h"
#include "StageKit.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> greyRamp(int width, int height) {
    std::vector<uint8_t> grey(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < grey.size(); ++i) {
        grey[i] = static_cast<uint8_t>((i * 7 + i / 13) & 0xFF);
    }
    return grey;
}

void expectRoundTrip(int width, int height, const std::vector<uint8_t>& grey) {
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    const std::vector<uint8_t> gif = encodeGreyGif(width, height, grey);
    const auto decoded = decodeGifRaster(gif);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->width(), width);
    ASSERT_EQ(decoded->height(), height);
    for (std::size_t i = 0; i < grey.size(); ++i) {
        const uint32_t p = decoded->pixels()[i];
        ASSERT_EQ(blueOf(p), grey[i]) << "pixel " << i;
        ASSERT_EQ(redOf(p), grey[i]) << "pixel " << i;
    }
}

TEST(GifWriter, HeaderDeclaresAGreyGlobalTableAndOneImage) {
    const std::vector<uint8_t> gif = encodeGreyGif(3, 2, std::vector<uint8_t>{0, 10, 20, 30, 40, 255});
    ASSERT_GE(gif.size(), 13u + 768u + 10u);
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");
    EXPECT_EQ(gif[6] | (gif[7] << 8), 3);
    EXPECT_EQ(gif[8] | (gif[9] << 8), 2);
    EXPECT_EQ(gif[10], 0xF7) << "global table of 256 entries";
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(gif[13 + i * 3], i);
        ASSERT_EQ(gif[13 + i * 3 + 1], i);
        ASSERT_EQ(gif[13 + i * 3 + 2], i);
    }
    EXPECT_EQ(gif[13 + 768], 0x2C) << "the image follows the table, with no extensions";
    EXPECT_EQ(gif.back(), 0x3B);
}

// Odd shapes, flat pictures with long runs, and noise that fills the 4096-entry code table again
// and again, so every code width change, table reset and final code is exercised.
TEST(GifWriter, RoundTripsOddShapesLongRunsAndNoiseThroughManyTableResets) {
    expectRoundTrip(1, 1, {128});
    expectRoundTrip(1, 300, greyRamp(1, 300));
    expectRoundTrip(300, 1, greyRamp(300, 1));
    expectRoundTrip(28, 37, greyRamp(28, 37));
    expectRoundTrip(640, 480, std::vector<uint8_t>(640 * 480, 255));
    expectRoundTrip(97, 61, std::vector<uint8_t>(97 * 61, 0));
    Scatter scatter(42);
    for (int run = 0; run < 6; ++run) {
        const int width = 17 + run * 53;
        const int height = 11 + run * 37;
        std::vector<uint8_t> grey(static_cast<std::size_t>(width) * height);
        const int levels = run % 2 == 0 ? 256 : 5;
        for (uint8_t& g : grey) {
            g = static_cast<uint8_t>(static_cast<int>(scatter.next() * levels) * (256 / levels));
        }
        expectRoundTrip(width, height, grey);
    }
}

TEST(GifReader, RefusesWhatIsNotAGif) {
    EXPECT_FALSE(decodeGifRaster(std::vector<uint8_t>{'G', 'I', 'F'}).has_value());
    EXPECT_FALSE(decodeGifRaster(std::vector<uint8_t>(40, 0)).has_value());
    std::vector<uint8_t> gif = encodeGreyGif(8, 8, std::vector<uint8_t>(64, 9));
    gif.resize(gif.size() / 2 + 400);
    EXPECT_FALSE(decodeGifRaster(gif).has_value()) << "cut inside the image data";
}

} // namespace
