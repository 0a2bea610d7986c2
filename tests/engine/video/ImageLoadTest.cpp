// ksImage loading, masks, blank images, copies and the block edits the resource script uses.
#include "ImageFixtures.h"
#include "engine/video/Picture.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "support/MapFileSource.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct ImageLoad : ::testing::Test {
    LogCapture log;
    MemoryVideo video{32, 24};
    ksCanvas canvas{video};
    MapFileSource files;

    // A GIF of the given size whose pixel i has colour index i % 256 over a grey ramp.
    static std::vector<uint8_t> greyGif(int width, int height, int offset = 0) {
        GifSpec gif;
        gif.screenWidth = width;
        gif.screenHeight = height;
        for (int i = 0; i < width * height; ++i) {
            gif.indices.push_back(static_cast<uint8_t>((i + offset) % 256));
        }
        return encodeGif(gif);
    }
    static std::vector<uint8_t> flatJpeg(int width, int height, uint32_t rgb) {
        return encodeJpeg(width, height,
                          std::vector<uint32_t>(static_cast<std::size_t>(width * height), rgb));
    }
    static std::vector<uint32_t> pixels(const ksImage& image) {
        const uint32_t* p = image.getPixels();
        return {p, p + image.getWidth() * image.getHeight()};
    }
};

TEST_F(ImageLoad, GifWithoutOrWithAMissingOrBrokenMaskIsOpaque) {
    files.files["a.gif"] = greyGif(5, 4);
    files.files["broken.gif"] = {'G', 'I', 'F'};
    ksImage image(canvas);
    ASSERT_TRUE(image.load("a.gif", "", files));
    EXPECT_EQ(image.getWidth(), 5);
    EXPECT_EQ(image.getHeight(), 4);
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(image.pixelAt(3, 2), 0xFF0D0D0Du);
    EXPECT_TRUE(log.lines().empty());
    for (const char* mask : {"missing.gif", "broken.gif"}) {
        ASSERT_TRUE(image.load("a.gif", mask, files)) << mask;
        EXPECT_FALSE(image.hasAlpha()) << mask;
        EXPECT_EQ(image.pixelAt(4, 3) >> 24, 0xFFu) << mask;
    }
}

TEST_F(ImageLoad, MaskBlueBytesBecomeAlpha) {
    files.files["a.jpg"] = flatJpeg(4, 4, 0xE6C85A);
    files.files["a_mask.gif"] = greyGif(4, 4, 100);
    ksImage image(canvas);
    ASSERT_TRUE(image.load("a.jpg", "a_mask.gif", files));
    EXPECT_TRUE(image.hasAlpha());
    EXPECT_EQ(image.pixelAt(0, 0), 0x64E6C85Au);
    EXPECT_EQ(image.pixelAt(3, 3), 0x73E6C85Au);
}

TEST_F(ImageLoad, SmallerMaskCoversOnlyItsPixelsAndTheRestStaysOpaque) {
    files.files["big.jpg"] = flatJpeg(10, 10, 0x102030);
    files.files["small.gif"] = greyGif(5, 5);
    ksImage image(canvas);
    ASSERT_TRUE(image.load("big.jpg", "small.gif", files));
    EXPECT_EQ(log.count("Alpha size (25) != Image size (100)"), 1);
    EXPECT_EQ(log.count("Files: big.jpg, small.gif"), 1);
    const std::vector<uint32_t> p = pixels(image);
    for (uint32_t i = 0; i < 25; ++i) {
        EXPECT_EQ(p[i] >> 24, i) << i;
    }
    for (std::size_t i = 25; i < 100; ++i) {
        EXPECT_EQ(p[i] >> 24, 0xFFu) << i;
    }
}

TEST_F(ImageLoad, LargerMaskIsReadOnlyAsFarAsTheImage) {
    files.files["small.gif"] = greyGif(2, 2);
    files.files["big.gif"] = greyGif(8, 8, 7);
    ksImage image(canvas);
    ASSERT_TRUE(image.load("small.gif", "big.gif", files));
    EXPECT_EQ(log.count("Alpha size (64) != Image size (4)"), 1);
    EXPECT_EQ(pixels(image), (std::vector<uint32_t>{0x07000000, 0x08010101, 0x09020202, 0x0A030303}));
}

TEST_F(ImageLoad, FailuresAreLoggedAndLeaveAnEmptyImage) {
    files.files["a.gif"] = greyGif(3, 3);
    ksImage image(canvas);
    EXPECT_FALSE(image.load("", "", files));
    EXPECT_EQ(log.count("ksImage::load - imageFileName is null"), 1);

    ASSERT_TRUE(image.load("a.gif", "", files));
    EXPECT_FALSE(image.load("nothere.gif", "", files));
    EXPECT_EQ(log.count("ksImage::load - Could not load file nothere.gif"), 1);
    EXPECT_TRUE(image.isEmpty());
    EXPECT_EQ(image.getWidth(), 0);
}

TEST_F(ImageLoad, OversizedAndDamagedPicturesFailAndTheGameGoesOn) {
    GifSpec huge;
    huge.screenWidth = 65535;
    huge.screenHeight = 65535;
    huge.indices = {0};
    huge.imageWidth = 1;
    huge.imageHeight = 1;
    files.files["huge.gif"] = encodeGif(huge);
    files.files["huge.jpg"] = withFrameSize(flatJpeg(8, 8, 0x808080), 60000, 60000);
    const std::vector<uint8_t> jpeg = flatJpeg(8, 8, 0x808080);
    files.files["cut.jpg"] = std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 10);
    files.files["empty.jpg"] = {};

    ksImage image(canvas);
    for (const char* name : {"huge.gif", "huge.jpg", "cut.jpg", "empty.jpg"}) {
        EXPECT_FALSE(image.load(name, "", files)) << name;
        EXPECT_EQ(log.count(std::string("ksImage::load - Could not load file ") + name), 1) << name;
    }
    // JPEG is probed first; a GIF still loads after it.
    files.files["a.gif"] = greyGif(2, 2);
    EXPECT_TRUE(image.load("a.gif", "", files));
}

TEST_F(ImageLoad, LoadFileReportsAFilledBufferAndReplacesIt) {
    files.files["a.gif"] = greyGif(3, 2);
    std::vector<uint32_t> buffer = {1, 2, 3};
    ScreenRect rect;
    ASSERT_TRUE(ksImage::loadFile("a.gif", buffer, rect, files));
    EXPECT_EQ(log.count("ksImage::loadFile - inBuffer should not have allocated data!"), 1);
    EXPECT_EQ(rect.width, 3);
    EXPECT_EQ(rect.height, 2);
    EXPECT_EQ(buffer[5], 0x00050505u) << "GIF pixels come without alpha";
    EXPECT_EQ(buffer.size(), pixelBlockSize(3, 2));
}

TEST_F(ImageLoad, BlankImagesAreZeroAndBoundedInSize) {
    ksImage blank(canvas, 4, 4);
    EXPECT_EQ(pixels(blank), std::vector<uint32_t>(16, 0u));
    EXPECT_FALSE(blank.hasAlpha());
    blank.setAlpha(255);
    EXPECT_EQ(pixels(blank), std::vector<uint32_t>(16, 0xFF000000u));
    EXPECT_FALSE(blank.hasAlpha());
    blank.setAlpha(0x180);
    EXPECT_TRUE(blank.hasAlpha());
    EXPECT_EQ(blank.pixelAt(0, 0), 0x80000000u);

    for (auto [w, h] : {std::pair{70000, 70000}, std::pair{0, 5}, std::pair{5, -1}, std::pair{8193, 1}}) {
        ksImage refused(canvas, w, h);
        EXPECT_TRUE(refused.isEmpty());
    }
    EXPECT_EQ(log.count("ksImage::ksImage - Cannot make a blank image"), 4);
}

TEST_F(ImageLoad, CopiesAreDeepAndMovedFromImagesAreEmpty) {
    ksImage original(canvas, 3, 3);
    original.setColour(1, 2, 3);
    original.setAlpha(9);
    ksImage copy(original);
    original.setColour(9, 9, 9);
    EXPECT_EQ(copy.pixelAt(1, 1), 0x09010203u);
    EXPECT_TRUE(copy.hasAlpha());
    ksImage assigned(canvas);
    assigned = copy;
    copy.destroy();
    EXPECT_EQ(assigned.pixelAt(2, 2), 0x09010203u);
    EXPECT_TRUE(copy.isEmpty());

    ksImage moved(std::move(assigned));
    EXPECT_EQ(moved.getWidth(), 3);
    EXPECT_TRUE(moved.hasAlpha());
    EXPECT_TRUE(assigned.isEmpty());
    EXPECT_EQ(assigned.getWidth(), 0);
    assigned.setAlpha(5); // touches nothing
    ksImage moveAssigned(canvas);
    moveAssigned = std::move(moved);
    EXPECT_EQ(moveAssigned.pixelAt(2, 1), 0x09010203u);
    EXPECT_EQ(moved.getHeight(), 0);
}

TEST_F(ImageLoad, ColourAndAlphaEditsAreClippedAndMasked) {
    ksImage image(canvas, 4, 3);
    image.setAlpha(255);
    image.setColour(300, 0x1FF, -1); // values are cut to their low byte
    EXPECT_EQ(image.pixelAt(0, 0), 0xFF2CFFFFu);
    image.fillColour(2, 1, 10, 10, 1, 2, 3);
    EXPECT_EQ(image.pixelAt(1, 1), 0xFF2CFFFFu);
    EXPECT_EQ(image.pixelAt(3, 2), 0xFF010203u);
    image.fillColour(-5, -5, 6, 6, 7, 7, 7);
    EXPECT_EQ(image.pixelAt(0, 0), 0xFF070707u);
    EXPECT_EQ(image.pixelAt(1, 0), 0xFF2CFFFFu);
    image.setAlphaRect(3, 0, 5, 1, 0x40);
    EXPECT_EQ(image.pixelAt(3, 0) >> 24, 0x40u);
    EXPECT_EQ(image.pixelAt(2, 0) >> 24, 0xFFu);
    EXPECT_TRUE(image.hasAlpha());
    image.fillColour(600, 600, 5, 5, 0, 0, 0); // entirely outside: nothing
}

TEST_F(ImageLoad, BlockCopiesAreClippedToBothImages) {
    ksImage source(canvas, 10, 10);
    for (int y = 0; y < 10; ++y) {
        source.fillColour(0, y, 10, 1, y, y, y);
    }
    source.setAlphaRect(0, 0, 10, 10, 0x80);
    ksImage dest(canvas, 100, 100);
    dest.setAlpha(255);

    dest.copyPixelsFrom(source, 600, 600, 50, 50, 0, 0); // source block outside: nothing
    dest.copyPixelsFrom(source, 0, 0, 50, 50, 95, 98);   // reaches past both
    EXPECT_EQ(dest.pixelAt(99, 99), 0x80010101u);
    EXPECT_EQ(dest.pixelAt(94, 99), 0xFF000000u);
    EXPECT_TRUE(dest.hasAlpha());
    dest.copyPixelsFrom(source, -2, -3, 5, 5, 0, 0); // the in-source part keeps its place
    EXPECT_EQ(dest.pixelAt(2, 3), 0x80000000u);
    EXPECT_EQ(dest.pixelAt(2, 4), 0x80010101u);
    EXPECT_EQ(dest.pixelAt(1, 3), 0xFF000000u);

    ksImage mask(canvas, 3, 3);
    mask.setColour(0, 0, 0x33);
    ksImage target(canvas, 100, 100);
    target.setAlpha(255);
    target.copyAlphaFrom(mask, 0, 0, 50, 50, 10, 10);
    EXPECT_EQ(target.pixelAt(12, 12) >> 24, 0x33u);
    EXPECT_EQ(target.pixelAt(13, 12) >> 24, 0xFFu);
    EXPECT_EQ(target.pixelAt(12, 13) >> 24, 0xFFu);
    EXPECT_TRUE(target.hasAlpha());
    target.copyAlphaFrom(mask, 0, 0, 3, 3, 99, -1);
    EXPECT_EQ(target.pixelAt(99, 0) >> 24, 0x33u);
    EXPECT_EQ(target.pixelAt(99, 2) >> 24, 0xFFu);
}

} // namespace
