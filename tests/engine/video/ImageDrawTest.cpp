// ksImage drawing: blend results, clipping, opacity levels, scaling, lightening and the dirty
// rectangles every drawing reports.
#include "engine/video/PixelMath.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "support/TestSupport.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;

struct ImageDraw : ::testing::Test {
    MemoryVideo video{kWidth, kHeight};
    ksCanvas canvas{video};

    ImageDraw() { canvas.setTracking(true); }

    uint32_t at(int x, int y) { return canvas.target()[y * kWidth + x]; }
    void fillScreen(uint32_t colour) {
        canvas.setTracking(false);
        canvas.fillRect(0, 0, kWidth, kHeight, colour);
        canvas.setTracking(true);
    }
    ksImage solid(int width, int height, uint32_t pixel) {
        ksImage image(canvas, width, height);
        image.setColour(pixel::redOf(pixel), pixel::greenOf(pixel), pixel::blueOf(pixel));
        image.setAlpha(pixel::alphaOf(pixel));
        return image;
    }
    std::vector<ScreenRect> dirty() {
        const auto items = canvas.dirtyList().items();
        return {items.begin(), items.end()};
    }
};

TEST_F(ImageDraw, AlphaBlendGivesTheExactMixesAndKeepsOrCopiesAtZeroAndFull) {
    fillScreen(0xFF646464);
    solid(2, 2, 0x80C8C8C8).draw(0, 0);
    EXPECT_EQ(at(1, 1), 0xFF969696u) << "200 over 100 at alpha 128 is 150";
    fillScreen(0xFFC8C8C8);
    solid(2, 2, 0x01646464).draw(0, 0);
    EXPECT_EQ(at(0, 0), 0xFFC7C7C7u) << "100 over 200 at alpha 1 is 199";
    fillScreen(0x12345678);
    ksImage image = solid(2, 1, 0x00FFFFFF);
    image.setAlphaRect(1, 0, 1, 1, 255);
    image.draw(5, 5);
    EXPECT_EQ(at(5, 5), 0x12345678u) << "alpha 0 keeps the pixel";
    EXPECT_EQ(at(6, 5), 0xFFFFFFFFu) << "alpha 255 copies it";
}

TEST_F(ImageDraw, OpacityLevelsAndFadedAlpha) {
    const ksImage black = solid(3, 3, 0xFF000000);
    fillScreen(0xFFFFFFFF);
    black.drawFaded(0, 0, 0.5f);
    EXPECT_EQ(at(0, 0), 0xFF808080u) << "black over white at 0.5 (level 127) is 128";

    canvas.present();
    fillScreen(0xFFFFFFFF);
    black.drawFaded(0, 0, 0.9f / 255.0f);
    EXPECT_EQ(at(0, 0), 0xFFFFFFFFu) << "below 1/255 draws nothing";
    EXPECT_TRUE(dirty().empty());

    black.drawFaded(0, 0, std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(at(0, 0), 0xFF010101u) << "just below 1.0 blends at level 254";
    fillScreen(0xFF000000);
    solid(1, 1, 0x80FFFFFF).drawFaded(0, 0, 0.5f);
    // a' = 128 + ((-(128 x 128)) >> 8) = 64; 255 x 64 >> 8 = 63.
    EXPECT_EQ(at(0, 0), 0xFF3F3F3Fu) << "alpha blends with the faded alpha";
}

TEST_F(ImageDraw, FullOpacityDrawsExactlyAsDraw) {
    ksImage masked = solid(5, 5, 0x7F102030); // blends, copies and skips
    masked.setAlphaRect(0, 0, 2, 5, 0);
    masked.setAlphaRect(4, 0, 1, 5, 255);
    const ksImage opaque = solid(5, 5, 0xFF102030);
    for (const ksImage* image : {static_cast<const ksImage*>(&masked), &opaque}) {
        fillScreen(0x33445566);
        image->draw(1, 1);
        const std::vector<uint32_t> drawn(canvas.target(), canvas.target() + kWidth * kHeight);
        fillScreen(0x33445566);
        image->drawFaded(1, 1, 1.0f);
        EXPECT_EQ(std::vector<uint32_t>(canvas.target(), canvas.target() + kWidth * kHeight), drawn);
        EXPECT_EQ(at(1, 1), image == &masked ? 0x33445566u : 0xFF102030u);
    }
}

TEST_F(ImageDraw, ClippedAtTheTopLeftLosesRowsAndColumns) {
    ksImage image(canvas, 20, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            image.fillColour(x, y, 1, 1, x, y, 0);
        }
    }
    image.setAlpha(255);
    image.draw(-10, -5);
    EXPECT_EQ(at(0, 0), 0xFF0A0500u);
    EXPECT_EQ(at(9, 4), 0xFF130900u);
    EXPECT_EQ(at(10, 0), 0u);
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(0, 0, 10, 5)});
}

TEST_F(ImageDraw, ClippedAtTheBottomRightOrEntirelyOutside) {
    const ksImage image = solid(8, 8, 0xFF0000FF);
    image.draw(36, 27);
    EXPECT_EQ(at(39, 29), 0xFF0000FFu);
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(36, 27, 4, 3)});
    canvas.present();
    image.draw(kWidth, 0);
    image.draw(0, kHeight);
    image.draw(-8, 0);
    image.draw(0, -8);
    image.drawScaled(kWidth, 0, 10.0f, 10.0f, 0, 0, 8, 8);
    image.drawScaled(-10, 0, 10.0f, 10.0f, 0, 0, 8, 8);
    ksImage empty(canvas);
    empty.draw(0, 0);
    empty.drawScaled(0, 0, 5.0f, 5.0f, 0, 0, 1, 1);
    EXPECT_TRUE(dirty().empty());
    EXPECT_EQ(at(0, 0), 0u);
}

TEST_F(ImageDraw, NarrowedClipRectangleBoundsEveryDrawing) {
    const ksImage image = solid(10, 10, 0xFF00FF00);
    canvas.setClipRect(ScreenRect::fromPositionSize(5, 4, 3, 2));
    image.draw(0, 0);
    EXPECT_EQ(at(4, 4), 0u);
    EXPECT_EQ(at(5, 4), 0xFF00FF00u);
    image.drawScaled(0, 0, 20.0f, 20.0f, 0, 0, 10, 10);
    EXPECT_EQ(at(7, 5), 0x0000FD00u);
    EXPECT_EQ(at(8, 5), 0u);
    EXPECT_EQ(at(7, 6), 0u);
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(5, 4, 3, 2)});

    canvas.present();
    canvas.setClipRect(ScreenRect::fromPositionSize(100, 100, 5, 5)); // outside: nothing is left
    image.draw(0, 0);
    image.drawFaded(0, 0, 0.5f);
    image.drawScaled(0, 0, 50.0f, 50.0f, 0, 0, 10, 10);
    EXPECT_TRUE(dirty().empty());
    canvas.resetClipRect();
}

TEST_F(ImageDraw, DrawPartCutsTheSourceToTheImage) {
    ksImage image(canvas, 4, 4);
    for (int x = 0; x < 4; ++x) {
        image.fillColour(x, 0, 1, 4, 0, 0, x + 1);
    }
    image.setAlpha(255);
    image.drawPart(10, 10, -2, 0, 4, 1); // becomes columns 0 and 1, still drawn at x = 10
    EXPECT_EQ(at(10, 10), 0xFF000001u);
    EXPECT_EQ(at(11, 10), 0xFF000002u);
    EXPECT_EQ(at(12, 10), 0u);
    image.drawPart(20, 10, 3, 0, 9, 1); // past the right edge: one column
    EXPECT_EQ(at(20, 10), 0xFF000004u);
    EXPECT_EQ(at(21, 10), 0u);
    canvas.present();
    image.drawPart(0, 0, 4, 0, 2, 2);  // starts beyond the image
    image.drawPart(0, 0, -3, 0, 3, 2); // ends before it
    image.drawPart(0, 0, 0, 0, 0, 2);
    EXPECT_TRUE(dirty().empty());
}

TEST_F(ImageDraw, LightenOverBlackStaysBlackAndBrightensColour) {
    const ksImage glow = solid(4, 4, 0x80FFFFFF);
    glow.drawLighten(0, 0, 1.0f);
    EXPECT_EQ(at(0, 0), 0u);
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(0, 0, 4, 4)});
    fillScreen(0xFF404040);
    glow.drawLighten(0, 0, 1.0f);
    EXPECT_EQ(at(0, 0), 0x00818181u) << "64 x 256 / 127 = 129, alpha byte 0";
    fillScreen(0xFF404040);
    glow.drawLighten(0, 0, 0.5f);
    EXPECT_EQ(at(0, 0), 0x00555555u) << "a' = 64, k = 191";
}

// The sampler's arithmetic, written out for one pixel.
uint32_t sampleAt(const ksImage& image, int column, int row, int fx, int fy) {
    const uint32_t* p = image.getPixels() + row * image.getWidth() + column;
    const int w = image.getWidth();
    return pixel::bilinearSample(p[0], p[1], p[w], p[w + 1], fx, fy, false);
}

TEST_F(ImageDraw, ScalingTwoByTwoToFourByFourStepsHalfAPixel) {
    ksImage image(canvas, 2, 2);
    image.fillColour(0, 0, 1, 1, 200, 0, 0);
    image.fillColour(1, 0, 1, 1, 0, 200, 0);
    image.fillColour(0, 1, 1, 1, 0, 0, 200);
    image.fillColour(1, 1, 1, 1, 100, 100, 100);
    image.setAlpha(255);
    image.drawScaled(0, 0, 4.0f, 4.0f, 0, 0, 2, 2);
    // Step 32768: columns 0, 0, 1, 1 with fx 0, 128, 0, 128; rows the same.
    const int columns[4] = {0, 0, 1, 1}, weights[4] = {0, 128, 0, 128};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(at(x, y), sampleAt(image, columns[x], columns[y], weights[x], weights[y]))
                << x << "," << y;
        }
    }
    EXPECT_EQ(at(0, 0), 0x00C60000u) << "200 samples to 198, alpha byte 0";
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(0, 0, 4, 4)});
}

TEST_F(ImageDraw, WhiteScalesTo253AndScaledAlphaBlendsWithTheSampledAlpha) {
    solid(4, 4, 0xFFFFFFFF).drawScaled(2, 2, 4.0f, 4.0f, 0, 0, 4, 4);
    EXPECT_EQ(at(2, 2), 0x00FDFDFDu) << "no alpha: written as is";
    EXPECT_EQ(at(5, 5), 0x00FDFDFDu);
    fillScreen(0xFF000000);
    solid(4, 4, 0xFFFFFFFF).drawScaledFaded(0, 0, 4.0f, 4.0f, 0, 0, 4, 4, 1.0f);
    EXPECT_EQ(at(1, 1), 0x00FDFDFDu);
    fillScreen(0xFF000000);
    ksImage masked = solid(4, 4, 0xFFFFFFFF);
    masked.setAlphaRect(0, 0, 1, 1, 0);
    masked.drawScaled(0, 0, 4.0f, 4.0f, 0, 0, 4, 4);
    EXPECT_EQ(at(0, 0), 0xFF000000u) << "sampled alpha 0 leaves the target";
    EXPECT_EQ(at(1, 0), 0xFFFAFAFAu) << "white samples to 253 with alpha 253: (253 x 253) >> 8 = 250";
}

TEST_F(ImageDraw, ScaledDrawingClipsInProportion) {
    ksImage image(canvas, 8, 1);
    for (int x = 0; x < 8; ++x) {
        image.fillColour(x, 0, 1, 1, x * 10, 0, 0);
    }
    image.setAlpha(255);
    // 8 source columns over 16 destination columns, 6 of them left of the screen.
    image.drawScaled(-6, 0, 16.0f, 1.0f, 0, 0, 8, 1);
    EXPECT_EQ(dirty(), std::vector<ScreenRect>{ScreenRect::fromPositionSize(0, 0, 10, 1)});
    // Source x becomes 3, width 5, destination width 10: step 32768, start fraction
    // (trunc(3 / 5 x 10) x 32768) mod 65535 = 196608 mod 65535 = 3.
    EXPECT_EQ(at(0, 0), sampleAt(image, 3, 0, 0, 0));
    EXPECT_EQ(at(1, 0), sampleAt(image, 3, 0, 128, 0));
    EXPECT_EQ(at(2, 0), sampleAt(image, 4, 0, 0, 0));
}

TEST_F(ImageDraw, ScalingFromALowerSourceRowStaysInsideTheBlock) {
    // Source row 1 of 2 scaled to 95 rows: the start fraction is 95 x 689 mod 65535 = 65455, so
    // the first row samples mostly the row below the picture and the rest lie below it. The
    // block's zeroed slack makes all of them read as 0, inside the block.
    LogCapture log;
    MemoryVideo bigVideo(200, 120);
    ksCanvas big(bigVideo);
    big.setTracking(true);
    ksImage image(big, 119, 2);
    for (int x = 0; x < 119; ++x) {
        image.fillColour(x, 0, 1, 2, x, 255 - x, x * 2);
    }
    image.setAlpha(255);
    big.fillRect(0, 0, 200, 120, 0xFFFFFFFF);
    image.drawScaled(0, 0, 159.0f, 95.0f, 87, 1, 32, 1);
    const std::vector<uint32_t> first(big.target(), big.target() + 200 * 120);
    image.drawScaled(0, 0, 159.0f, 95.0f, 87, 1, 32, 1);
    EXPECT_EQ(std::vector<uint32_t>(big.target(), big.target() + 200 * 120), first);
    EXPECT_EQ(log.count("Sampling outside"), 0);
    for (int y = 0; y < 95; ++y) {
        for (int x = 0; x < 159; ++x) {
            ASSERT_EQ(first[y * 200 + x], 0u) << x << "," << y;
        }
    }
    EXPECT_EQ(first[159], 0xFFFFFFFFu);
}

// Random drawings of every kind: the reported rectangle covers every changed pixel and lies in
// the clip rectangle, and no scaled drawing samples outside its image.
TEST_F(ImageDraw, EveryDrawingReportsWhatItChanged) {
    LogCapture log;
    std::mt19937 rng(4242);
    auto pick = [&rng](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    auto pickFloat = [&rng](float from, float to) {
        return std::uniform_real_distribution<float>(from, to)(rng);
    };
    int drawn = 0;
    for (int round = 0; round < 1500; ++round) {
        ksImage image(canvas, pick(1, 24), pick(1, 24));
        std::uniform_int_distribution<uint32_t> any;
        for (int y = 0; y < image.getHeight(); ++y) {
            for (int x = 0; x < image.getWidth(); ++x) {
                image.getPixels()[y * image.getWidth() + x] = any(rng) | 0x01010101u;
            }
        }
        if (pick(0, 1) == 0) {
            image.setAlpha(255);
        } else {
            image.setAlphaRect(0, 0, 1, 1, 7);
        }
        canvas.setTracking(false);
        canvas.fillRect(0, 0, kWidth, kHeight, 0xFF808080);
        canvas.copyFrameToBackground();
        canvas.present();
        canvas.setTracking(true);

        const int x = pick(-30, 45), y = pick(-30, 35);
        const float opacity = pickFloat(-0.1f, 1.1f);
        switch (pick(0, 4)) {
        case 0:
            image.drawFaded(x, y, opacity);
            break;
        case 1:
            image.drawPartFaded(x, y, pick(-5, 20), pick(-5, 20), pick(-5, 30), pick(-5, 30), opacity);
            break;
        case 2:
            image.drawLighten(x, y, opacity);
            break;
        default:
            image.drawScaledFaded(x, y, pickFloat(-1.0f, 60.0f), pickFloat(-1.0f, 50.0f), pick(-5, 20),
                                  pick(-5, 20), pick(-5, 30), pick(-5, 30), opacity);
            break;
        }
        ASSERT_EQ(changesOutsideDirty(canvas), 0) << "round " << round;
        for (const ScreenRect& r : canvas.dirtyList()) {
            ASSERT_TRUE(r.left >= 0 && r.top >= 0 && r.right < kWidth && r.bottom < kHeight);
        }
        drawn += canvas.dirtyList().size() > 0 ? 1 : 0;
    }
    EXPECT_GT(drawn, 300);
    EXPECT_EQ(log.count("Sampling outside"), 0);
}

// Scaled drawings at fractional sizes, partly off every edge, at every scale from strong
// shrinking to strong stretching: the sampler never has to be stopped for reading outside.
TEST_F(ImageDraw, ScaledSamplingStaysInsideTheBlock) {
    LogCapture log;
    std::mt19937 rng(31337);
    auto pick = [&rng](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    auto size = [&rng]() { return std::exp(std::uniform_real_distribution<float>(-1.0f, 4.5f)(rng)); };
    int drawn = 0;
    for (int round = 0; round < 20000; ++round) {
        const ksImage image(canvas, pick(1, 130), pick(1, 6));
        const int sw = pick(1, image.getWidth()), sh = pick(1, image.getHeight());
        const float dw = size(), dh = size();
        canvas.present();
        image.drawScaled(pick(-static_cast<int>(dw), kWidth - 1), pick(-static_cast<int>(dh), kHeight - 1),
                         dw, dh, pick(0, image.getWidth() - sw), pick(0, image.getHeight() - sh), sw, sh);
        drawn += canvas.dirtyList().size() > 0 ? 1 : 0;
    }
    EXPECT_GT(drawn, 10000); // the rest are thinner than a pixel
    EXPECT_EQ(log.count("Sampling outside"), 0);
}

} // namespace
