// The JPEG decoder: pixels, sizes, and damaged or oversized files.
#include "engine/video/JpegDecoder.h"

#include "ImageFixtures.h"

#include <gtest/gtest.h>

namespace {

// Flat blocks of colour; quality-100 4:4:4 coding keeps them within a step or two.
std::vector<uint32_t> quadrants(int width, int height) {
    std::vector<uint32_t> rgb(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgb[static_cast<std::size_t>(y * width + x)] = x < width / 2
                                                               ? (y < height / 2 ? 0xE6C85A : 0x000000)
                                                               : (y < height / 2 ? 0xFFFFFF : 0x2040C0);
        }
    }
    return rgb;
}

TEST(JpegDecoder, DecodesOpaquePixelsRowsFromTheTop) {
    const std::vector<uint32_t> rgb = quadrants(16, 16);
    const std::vector<uint8_t> jpeg = encodeJpeg(16, 16, rgb);
    const auto size = readJpegSize(jpeg);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 16);
    EXPECT_EQ(size->height, 16);
    const auto picture = decodeJpeg(jpeg);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->pixels.size(), pixelBlockSize(16, 16));
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const uint32_t p = picture->pixels[i];
        ASSERT_EQ(p >> 24, 0xFFu) << i;
        for (int shift : {16, 8, 0}) {
            ASSERT_NEAR(static_cast<int>((p >> shift) & 0xFF), static_cast<int>((rgb[i] >> shift) & 0xFF), 2)
                << i;
        }
    }
    EXPECT_EQ(picture->pixels[0], 0xFFE6C85Au) << "top-left quadrant, first row first";
    EXPECT_EQ(picture->pixels[15], 0xFFFFFFFFu);
    for (std::size_t i = rgb.size(); i < picture->pixels.size(); ++i) {
        ASSERT_EQ(picture->pixels[i], 0u);
    }
}

TEST(JpegDecoder, HugeHeaderIsAnsweredButNotDecoded) {
    const std::vector<uint8_t> jpeg = withFrameSize(encodeJpeg(16, 16, quadrants(16, 16)), 60000, 60000);
    const auto size = readJpegSize(jpeg);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 60000);
    EXPECT_FALSE(decodeJpeg(jpeg));
}

TEST(JpegDecoder, TruncatedDataFailsInsteadOfEndingTheProcess) {
    const std::vector<uint8_t> jpeg = encodeJpeg(32, 24, quadrants(32, 24));
    for (std::size_t length :
         {std::size_t{0}, std::size_t{2}, std::size_t{10}, jpeg.size() / 2, jpeg.size() - 2}) {
        EXPECT_FALSE(decodeJpeg(std::span<const uint8_t>(jpeg.data(), length))) << length;
    }
}

TEST(JpegDecoder, OtherFilesAreNotJpeg) {
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B};
    EXPECT_FALSE(readJpegSize(gif));
    EXPECT_FALSE(decodeJpeg(gif));
    const std::vector<uint8_t> garbage(100, 0x5A);
    EXPECT_FALSE(readJpegSize(garbage));
}

TEST(JpegDecoder, DamagedDataNeverCrashes) {
    const std::vector<uint8_t> jpeg = encodeJpeg(32, 24, quadrants(32, 24));
    for (std::size_t at = 0; at < jpeg.size(); at += 3) {
        std::vector<uint8_t> damaged = jpeg;
        damaged[at] ^= 0xA5;
        const auto picture = decodeJpeg(damaged);
        if (picture) {
            EXPECT_EQ(picture->pixels.size(), pixelBlockSize(picture->width, picture->height));
        }
    }
}

} // namespace
