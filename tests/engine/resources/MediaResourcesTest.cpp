// Images, fonts, sounds and the two pixel commands, loaded through the resource script.
#include "engine/resources/ksResources.h"
#include "engine/sound/ksSoundHandle.h"
#include "engine/sound/ksSoundSystem.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "support/FakeMixer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path kCheckSet = std::filesystem::path(ZIBBET_TEST_DATA_DIR) / "checkset";

struct MediaFixture : ::testing::Test {
    TempDir data, state;
    MemoryVideo video{640, 480};
    ksCanvas canvas{video};
    FakeMixer mixer;
    std::unique_ptr<ksResources> resources;

    void load(const std::filesystem::path& from, const std::string& extraScript = "") {
        for (const auto& file : std::filesystem::directory_iterator(from)) {
            std::filesystem::copy_file(file.path(), data / file.path().filename().string());
        }
        if (!extraScript.empty()) {
            writeText(data / "resource.txt", readTextFile(data / "resource.txt") + extraScript);
        }
        resources = std::make_unique<ksResources>(&canvas, 2, data.path(), state.path(), &mixer);
        ::testing::internal::CaptureStdout();
        ASSERT_TRUE(resources->load("resource.txt"));
        ::testing::internal::GetCapturedStdout();
    }
    static uint8_t alphaOf(uint32_t pixel) { return static_cast<uint8_t>(pixel >> 24); }
};

TEST_F(MediaFixture, PicturesTakeTheirAlphaFromTheMaskBlueBytesAndBlankImagesTheirColourFills) {
    load(kCheckSet);
    ksImage* picture = resources->getImage("picture");
    ASSERT_EQ(picture->getWidth(), 16);
    ASSERT_EQ(picture->getHeight(), 12);
    EXPECT_TRUE(picture->hasAlpha());
    EXPECT_EQ(alphaOf(picture->pixelAt(0, 5)), 0);
    EXPECT_EQ(alphaOf(picture->pixelAt(15, 5)), 240);

    ksImage* blank = resources->getImage("blank");
    ASSERT_EQ(blank->getWidth(), 8);
    EXPECT_EQ(blank->pixelAt(0, 0), 0xFF000000u) << "a blank IMAGE w h is opaque";
    EXPECT_EQ(blank->pixelAt(2, 2), 0xFFFF8000u);
    EXPECT_EQ(blank->pixelAt(5, 3), 0xFFFF8000u);
    EXPECT_EQ(blank->pixelAt(6, 3), 0xFF000000u);
}

TEST_F(MediaFixture, BlockCopiesAndAlphaCommands) {
    load(kCheckSet);
    ksImage* picture = resources->getImage("picture");
    ksImage* composed = resources->getImage("composed");
    // setPixels(picture dx dy sx sy w h) with (0 0 4 4 8 8): the block at (4, 4) goes to (0, 0).
    EXPECT_EQ(composed->pixelAt(7, 7), picture->pixelAt(11, 11)) << "whole pixels, alpha included";
    EXPECT_EQ(composed->pixelAt(4, 0) & 0xFFFFFF, picture->pixelAt(8, 4) & 0xFFFFFF);
    EXPECT_EQ(alphaOf(composed->pixelAt(3, 0)), 48) << "the mask's blue byte";
    EXPECT_EQ(alphaOf(composed->pixelAt(12, 12 - 1)), 255) << "outside both blocks";
}

TEST_F(MediaFixture, FontsMeasureAndSoundsPlayWithTheMusicAsSoundZero) {
    load(kCheckSet);
    EXPECT_GT(resources->loadStep(), 0);
    EXPECT_EQ(resources->getSoundSystem()->findByName("music"), 0) << "the first load step loads it";
    ksFont* font = resources->getFont("font_test");
    EXPECT_TRUE(font->hasGlyph('A'));
    EXPECT_FALSE(font->hasGlyph('D'));
    EXPECT_EQ(font->getLineHeight(), 8);
    EXPECT_EQ(font->getTextWidth("AB"), 12);

    EXPECT_GE(resources->getSound("beep")->play(), 0);
    EXPECT_GE(resources->getSoundSystem()->findByName("beep"), 0);
    EXPECT_EQ(resources->getCustom("levels").size(), 36u);
    EXPECT_EQ(resources->getText("gameSettings").substr(0, 11), "dialogFade=");
}

TEST_F(MediaFixture, HostileCommandsAreClippedAndTypeChecked) {
    LogCapture log;
    load(kCheckSet, "\nIMAGE target 100 100\n"
                    "  setPixels(\"picture.jpg\" 600 600 0 0 50 50)\n"
                    "  setPixels(\"picture.jpg\" 90 95 0 0 50 50)\n"
                    "  setAlpha(beep)\n"
                    "  setPixels(300 0 0)\n"
                    "IMAGE masked 100 100 setAlpha(\"picture_a.gif\" 0 0 0 0 50 50)\n"
                    "IMAGE bogus 70000 70000\n");
    ksImage* target = resources->getImage("target");
    ASSERT_EQ(target->getWidth(), 100);
    EXPECT_EQ(target->pixelAt(95, 99) & 0xFFFFFF, 0x2C0000u) << "r = 300 & 0xFF, no spill into alpha";
    EXPECT_EQ(log.count("setAlpha - no image 'beep'"), 1);
    ksImage* masked = resources->getImage("masked");
    EXPECT_EQ(alphaOf(masked->pixelAt(15, 11)), 240);
    EXPECT_EQ(alphaOf(masked->pixelAt(20, 20)), 255) << "the block was clipped to the mask";
    EXPECT_EQ(resources->getImage("bogus")->getWidth(), 0) << "an absurd size makes no image";
}

} // namespace
