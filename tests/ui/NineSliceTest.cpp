// The pieces dialogs are built from: nine-slice frames, tab pictures and layout arithmetic.
#include "ui/NineSlice.h"

#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"
#include "ui/DialogLayout.h"
#include "ui/TabRow.h"

#include <span>

#include <gtest/gtest.h>

namespace {

struct Marker {
    int x, y, marker;
};

struct Pieces : ::testing::Test {
    MemoryVideo video{64, 48};
    ksCanvas canvas{video};

    uint32_t at(int x, int y) const { return canvas.buffer(ksCanvas::Buffer::Frame)[y * 64 + x]; }
    // Each {x, y, marker} of the frame holds 0xFF000000 | marker, or 0 for marker 0.
    void expectMarkers(std::span<const Marker> points) const {
        for (const auto& [x, y, marker] : points) {
            EXPECT_EQ(at(x, y), marker == 0 ? 0u : 0xFF000000u | static_cast<uint32_t>(marker))
                << x << ", " << y;
        }
    }
    // A picture whose every pixel is 0xFF000000 | its marker, blank elsewhere.
    ksImage marked(int width, int height) {
        ksImage image(canvas, width, height);
        image.setAlpha(255);
        return image;
    }
    static void mark(ksImage& image, int x, int y, int w, int h, int marker) {
        image.fillColour(x, y, w, h, 0, 0, marker);
    }
};

TEST_F(Pieces, StretchedFramesCopyCornersRepeatTheEdgeNextToThemAndFillWithTheCentrePixel) {
    ksImage tpl = marked(9, 9); // corner 3
    mark(tpl, 0, 0, 3, 3, 1);
    mark(tpl, 6, 0, 3, 3, 2);
    mark(tpl, 0, 6, 3, 3, 3);
    mark(tpl, 6, 6, 3, 3, 4);
    mark(tpl, 3, 0, 1, 3, 5); // the column next to the corner...
    mark(tpl, 4, 0, 2, 3, 6); // ...not these
    mark(tpl, 0, 3, 3, 1, 7);
    mark(tpl, 0, 4, 3, 2, 8);
    mark(tpl, 4, 4, 1, 1, 9);
    nineslice::drawStretched(&tpl, nineslice::thirdOf(&tpl), ScreenRect::fromPositionSize(10, 10, 20, 12));
    const Marker expected[] = {{10, 10, 1}, {29, 12, 2}, {12, 21, 3}, {29, 21, 4}, {13, 11, 5}, {26, 12, 5},
                               {11, 13, 7}, {11, 18, 7}, {13, 13, 9}, {26, 18, 9}, {30, 15, 0}, {20, 22, 0}};
    expectMarkers(expected);
}

TEST_F(Pieces, TiledFramesRepeatTheCentreBlockAndCutTheLastTileBeforeTheCorner) {
    ksImage tpl = marked(6, 6); // corner 2
    mark(tpl, 2, 2, 1, 1, 0xA);
    mark(tpl, 3, 2, 1, 1, 0xB);
    mark(tpl, 2, 3, 1, 1, 0xC);
    mark(tpl, 3, 3, 1, 1, 0xD);
    mark(tpl, 4, 0, 2, 2, 0xE); // top-right corner
    mark(tpl, 4, 2, 2, 2, 0xF); // right edge
    nineslice::drawTiled(&tpl, ScreenRect::fromPositionSize(0, 0, 13, 10));
    // (10, 2) is the one pixel of the last tile.
    const Marker expected[] = {{2, 2, 0xA},  {3, 2, 0xB},  {4, 3, 0xC},  {9, 7, 0xD},
                               {10, 2, 0xA}, {11, 2, 0xF}, {11, 0, 0xE}, {12, 1, 0xE}};
    expectMarkers(expected);
}

TEST_F(Pieces, MissingOrTooSmallTemplatesDrawNothing) {
    ksImage tiny = marked(2, 2);
    mark(tiny, 0, 0, 2, 2, 1);
    nineslice::drawTiled(&tiny, ScreenRect::fromPositionSize(0, 0, 10, 10));
    nineslice::drawStretched(&tiny, nineslice::thirdOf(&tiny), ScreenRect::fromPositionSize(0, 0, 10, 10));
    nineslice::drawTiled(nullptr, ScreenRect::fromPositionSize(0, 0, 10, 10));
    nineslice::drawStretched(nullptr, 3, ScreenRect::fromPositionSize(0, 0, 10, 10));
    const Marker expected[] = {{0, 0, 0}, {5, 5, 0}};
    expectMarkers(expected);
}

TEST_F(Pieces, TabPicturesKeepTheTemplatesOutlineAndShadingSparesOtherColours) {
    ksImage tpl(canvas, 8, 8); // corner 4, transparent at the top-left pixel
    tpl.setColour(100, 100, 100);
    tpl.setAlpha(255);
    tpl.setAlphaRect(0, 0, 1, 1, 0);
    tpl.fillColour(4, 4, 1, 1, 90, 120, 140); // the centre pixel
    ksImage tab = makeTabPicture(tpl, 20, 10);
    EXPECT_EQ(tab.pixelAt(0, 0) >> 24, 0u) << "alpha comes along";
    EXPECT_EQ(tab.pixelAt(10, 0), 0xFF646464u);
    EXPECT_EQ(tab.pixelAt(10, 9), 0xFF5A788Cu) << "the inside runs to the bottom edge";
    EXPECT_EQ(tab.pixelAt(0, 9), 0xFF646464u) << "so do the sides";

    shadeNear(tab, tpl.pixelAt(4, 4), 60, 0.7f);
    EXPECT_EQ(tab.pixelAt(10, 9), 0xFF3F5462u) << "90, 120, 140 times 0.7";
    EXPECT_EQ(tab.pixelAt(10, 0), 0xFF464646u);
    ksImage far = makeTabPicture(tpl, 8, 8);
    shadeNear(far, 0xFF000000u, 60, 0.7f);
    EXPECT_EQ(far.pixelAt(4, 1), 0xFF646464u) << "100 is more than 60 from 0";
}

TEST(DialogLayout, ArithmeticOfButtonsMessagesAndCounts) {
    using namespace dialoglayout;
    EXPECT_EQ(captionButtonRect({130, 148, 100, 40}), ScreenRect::fromPositionSize(80, 126, 100, 45));
    EXPECT_EQ(pictureButtonRect({470, 80, 0, 0}, 31, 21), ScreenRect::fromPositionSize(455, 70, 31, 21));
    EXPECT_EQ(firstMessageLineY(24, 16, 150, 1), (150 - 12 - 30) / 2 + 12 + 30);
    EXPECT_EQ(firstMessageLineY(24, 15, 150, 4), 24 + (150 - 24 - 30) / 2 + 30 - 22) << "trunc(15 x 3 x 0.5)";
    EXPECT_EQ(countLines("a\n\nb"), 3);
    EXPECT_EQ(lineAt("a\n\nb", 0), "a");
    EXPECT_EQ(lineAt("a\n\nb", 1), "");
    EXPECT_EQ(lineAt("a\n\nb", 2), "b");
    EXPECT_EQ(lineAt("a\n\nb", 3), "");

    DialogSpec layout;
    EXPECT_FALSE(clampCounts(layout));
    EXPECT_EQ(layout.knobFrames, 1) << "knob pictures are picked modulo this";
    layout.entryCount = 11;
    layout.tabCount = -1;
    EXPECT_TRUE(clampCounts(layout));
    EXPECT_EQ(layout.entryCount, 10);
    EXPECT_EQ(layout.tabCount, 0);
}

} // namespace
