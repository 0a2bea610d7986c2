// The GIF decoder: tables, interlacing, layout, extensions, and hostile or broken files.
#include "engine/video/GifDecoder.h"

#include "ImageFixtures.h"

#include <random>

#include <gtest/gtest.h>

namespace {

const std::vector<uint32_t> kFourColours = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080};

std::vector<uint8_t> sequence(int count, int modulo) {
    std::vector<uint8_t> v(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        v[static_cast<std::size_t>(i)] = static_cast<uint8_t>((i * 7 + i / 5) % modulo);
    }
    return v;
}

GifSpec plain(int width, int height, int colours = 4) {
    GifSpec gif;
    gif.screenWidth = width;
    gif.screenHeight = height;
    gif.globalPalette = kFourColours;
    gif.indices = sequence(width * height, colours);
    gif.minCodeSize = 2;
    return gif;
}

std::vector<uint32_t> picturePixels(const Picture& p) {
    return {p.pixels.begin(), p.pixels.begin() + static_cast<std::ptrdiff_t>(p.pixelCount())};
}

std::vector<uint32_t> expectedPixels(const GifSpec& gif, const std::vector<uint32_t>& palette) {
    std::vector<uint32_t> out;
    for (uint8_t index : gif.indices) {
        out.push_back(index < palette.size() ? palette[index] : 0);
    }
    return out;
}

TEST(GifDecoder, DecodesColoursAsPixelsWithoutAlpha) {
    const GifSpec gif = plain(7, 5);
    const auto picture = decodeGif(encodeGif(gif));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 7);
    EXPECT_EQ(picture->height, 5);
    EXPECT_EQ(picturePixels(*picture), expectedPixels(gif, kFourColours));
    ASSERT_EQ(picture->pixels.size(), pixelBlockSize(7, 5));
    for (std::size_t i = picture->pixelCount(); i < picture->pixels.size(); ++i) {
        ASSERT_EQ(picture->pixels[i], 0u) << "the slack after the picture stays zero";
    }
    GifSpec extended = plain(5, 3);
    extended.comment = true;
    extended.graphicControl = true;
    EXPECT_EQ(picturePixels(decodeGif(encodeGif(extended)).value()), expectedPixels(extended, kFourColours))
        << "extensions are skipped and transparency ignored";
}

TEST(GifDecoder, InterlacedImageDecodesToTheSamePixels) {
    for (int height : {1, 2, 3, 5, 8, 9, 13, 17}) {
        GifSpec gif = plain(6, height);
        const auto straight = decodeGif(encodeGif(gif));
        gif.interlaced = true;
        const auto interlaced = decodeGif(encodeGif(gif));
        ASSERT_TRUE(straight && interlaced) << height;
        EXPECT_EQ(picturePixels(*interlaced), picturePixels(*straight)) << height;
    }
}

TEST(GifDecoder, LocalTableReplacesTheGlobalOneUndeclaredEntriesAreBlackAndNoTableMeansGreys) {
    GifSpec gif = plain(4, 2);
    gif.localPalette = {0x112233, 0x445566};
    gif.indices = {0, 1, 2, 3, 1, 0, 255, 1};
    gif.minCodeSize = 8;
    const auto picture = decodeGif(encodeGif(gif));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picturePixels(*picture),
              (std::vector<uint32_t>{0x112233, 0x445566, 0, 0, 0x445566, 0x112233, 0, 0x445566}));

    GifSpec grey = plain(3, 1);
    grey.globalPalette.clear();
    grey.indices = {0, 128, 255};
    grey.minCodeSize = 8;
    EXPECT_EQ(picturePixels(decodeGif(encodeGif(grey)).value()),
              (std::vector<uint32_t>{0x000000, 0x808080, 0xFFFFFF}))
        << "without any colour table indices are greys";
}

TEST(GifDecoder, FullCodeTablesRestartOrStayFull) {
    std::mt19937 rng(7);
    std::vector<uint32_t> palette(256);
    for (uint32_t i = 0; i < 256; ++i) {
        palette[i] = i * 0x010203u & 0xFFFFFF;
    }
    for (bool clearWhenFull : {true, false}) {
        GifSpec gif;
        gif.screenWidth = 150;
        gif.screenHeight = 120;
        gif.globalPalette = palette;
        gif.clearWhenFull = clearWhenFull;
        // Runs of random lengths give both new strings and long repeats (the KwKwK case).
        std::uniform_int_distribution<int> colour(0, 255), run(1, 12);
        while (gif.indices.size() < 150u * 120u) {
            const auto c = static_cast<uint8_t>(colour(rng));
            for (int n = run(rng); n > 0 && gif.indices.size() < 150u * 120u; --n) {
                gif.indices.push_back(c);
            }
        }
        const auto picture = decodeGif(encodeGif(gif));
        ASSERT_TRUE(picture) << clearWhenFull;
        EXPECT_EQ(picturePixels(*picture), expectedPixels(gif, palette)) << clearWhenFull;
    }
}

TEST(GifDecoder, OnlyTheTwoSignatureBytesAreCheckedAndAnImageMustCome) {
    std::vector<uint8_t> file = encodeGif(plain(2, 2));
    file[2] = 'X';
    EXPECT_TRUE(decodeGif(file));
    file[1] = 'X';
    EXPECT_FALSE(decodeGif(file));
    EXPECT_FALSE(decodeGif({}));

    // A trailer or an unknown block before an image means no image.
    file = encodeGif(plain(2, 2));
    const std::size_t imageAt = 13 + 12; // after the screen descriptor and a 4-colour table
    ASSERT_EQ(file[imageAt], 0x2C);
    file[imageAt] = 0x99;
    EXPECT_FALSE(decodeGif(file));
    file[imageAt] = 0x3B;
    EXPECT_FALSE(decodeGif(file));
}

TEST(GifDecoder, ImagesOfAnotherSizeThanTheScreenAreLaidOutByTheirOwnWidthAndClipped) {
    // A 4 x 4 screen with a 64 x 64 image: the image's first row fills the 16 pixels.
    GifSpec gif = plain(4, 4);
    gif.imageWidth = 64;
    gif.imageHeight = 64;
    gif.indices = sequence(64 * 64, 4);
    const auto picture = decodeGif(encodeGif(gif));
    ASSERT_TRUE(picture);
    const std::vector<uint32_t> all = expectedPixels(gif, kFourColours);
    EXPECT_EQ(picturePixels(*picture), std::vector<uint32_t>(all.begin(), all.begin() + 16));
    for (std::size_t i = 16; i < picture->pixels.size(); ++i) {
        ASSERT_EQ(picture->pixels[i], 0u);
    }
    // A 2 x 2 image on that screen keeps its own row length.
    gif.imageWidth = 2;
    gif.imageHeight = 2;
    gif.indices = {0, 1, 2, 3};
    const std::vector<uint32_t> small = picturePixels(decodeGif(encodeGif(gif)).value());
    EXPECT_EQ(small[3], kFourColours[3]);
    EXPECT_EQ(small[4], 0u);
}

TEST(GifDecoder, OversizedScreensAndImagesAreRefused) {
    GifSpec gif = plain(2, 2);
    gif.screenWidth = 65535;
    gif.screenHeight = 65535;
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    gif = plain(2, 2);
    gif.screenWidth = 0;
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    gif = plain(2, 2);
    gif.imageWidth = 65535;
    gif.imageHeight = 65535;
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
}

TEST(GifDecoder, BrokenCodeStreamsFailCleanly) {
    GifSpec gif = plain(4, 1);
    // Code 7 when the next free code is 6.
    gif.lzwData = packCodes({{4, 3}, {1, 3}, {7, 3}, {5, 3}});
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    // A string code as the first code after a clear.
    gif.lzwData = packCodes({{4, 3}, {6, 3}, {5, 3}});
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    // The end code before the image is complete.
    gif.lzwData = packCodes({{4, 3}, {1, 3}, {5, 3}});
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    // Data that runs out before the image is complete (padding bits give at most two codes).
    gif = plain(4, 4);
    gif.lzwData = packCodes({{4, 3}, {1, 3}, {2, 3}});
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    gif = plain(4, 1);
    // A minimum code size beyond 8 bits.
    gif.lzwData.clear();
    gif.minCodeSize = 12;
    EXPECT_FALSE(decodeGif(encodeGif(gif)));
    // A valid hand-made stream, with the KwKwK case (code 6 right after it is defined).
    gif = plain(4, 1);
    gif.lzwData = packCodes({{4, 3}, {1, 3}, {6, 3}, {1, 3}, {5, 3}});
    const auto picture = decodeGif(encodeGif(gif));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picturePixels(*picture), std::vector<uint32_t>(4, kFourColours[1]));
}

TEST(GifDecoder, EveryTruncationFailsOrDecodesTheSamePicture) {
    GifSpec gif = plain(9, 7);
    gif.comment = true;
    const std::vector<uint8_t> file = encodeGif(gif);
    const auto whole = decodeGif(file);
    ASSERT_TRUE(whole);
    const std::size_t dataStart = 13 + 12 + 9 + 11 + 1; // screen, table, comment, image, code size
    int failures = 0;
    for (std::size_t length = 0; length < file.size(); ++length) {
        const auto cut = decodeGif(std::span<const uint8_t>(file.data(), length));
        if (cut) {
            // A file may lose the end of its code stream once every pixel is in.
            EXPECT_GT(length, dataStart);
            EXPECT_EQ(cut->pixels, whole->pixels);
        } else {
            ++failures;
        }
    }
    EXPECT_GT(failures, static_cast<int>(dataStart));
}

TEST(GifDecoder, SurvivesRandomDamage) {
    std::mt19937 rng(99);
    GifSpec gif = plain(12, 10);
    gif.interlaced = true;
    gif.localPalette = kFourColours;
    const std::vector<uint8_t> file = encodeGif(gif);
    std::uniform_int_distribution<std::size_t> at(0, file.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255), hits(1, 4);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> damaged = file;
        for (int n = hits(rng); n > 0; --n) {
            damaged[at(rng)] = static_cast<uint8_t>(byte(rng));
        }
        const auto picture = decodeGif(damaged);
        if (picture) {
            ASSERT_EQ(picture->pixels.size(), pixelBlockSize(picture->width, picture->height));
        }
    }
}

} // namespace
