// The canvas: dirty rectangles, present and restore, 16-bit packing and fills.
#include "engine/video/ksCanvas.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

struct CanvasFixture : ::testing::Test {
    MemoryVideo video{640, 480};
    ksCanvas canvas{video};

    uint32_t frameAt(int x, int y) { return canvas.buffer(ksCanvas::Buffer::Frame)[y * 640 + x]; }
    // Starts from a black screen that is already shown, with tracking on.
    void startBlack() {
        canvas.clear(0, 0, 0);
        canvas.copyFrameToBackground();
        canvas.present();
        canvas.setTracking(true);
    }
};

TEST_F(CanvasFixture, OverlappingDrawingsMergeIntoTheirUnion) {
    canvas.setTracking(true);
    canvas.addDirty(10, 10, 20, 20);
    canvas.addDirty(25, 25, 20, 20);
    ASSERT_EQ(canvas.dirtyList().size(), 1u);
    EXPECT_EQ(canvas.dirtyList()[0], ScreenRect::fromCorners(10, 10, 44, 44));
}

TEST_F(CanvasFixture, MergesOnlyIntoTheFirstOverlappingRectangle) {
    canvas.setTracking(true);
    canvas.addDirty(0, 0, 10, 10);
    canvas.addDirty(20, 0, 10, 10);
    canvas.addDirty(5, 0, 20, 1); // touches both; only the first grows
    ASSERT_EQ(canvas.dirtyList().size(), 2u);
    EXPECT_EQ(canvas.dirtyList()[0], ScreenRect::fromCorners(0, 0, 24, 9));
    EXPECT_EQ(canvas.dirtyList()[1], ScreenRect::fromCorners(20, 0, 29, 9));
}

TEST_F(CanvasFixture, RectanglesAreClippedAndEmptyOnesIgnored) {
    canvas.setTracking(true);
    canvas.addDirty(-10, -10, 20, 20);
    canvas.addDirty(700, 10, 5, 5);
    canvas.addDirty(10, 10, 0, 5);
    ASSERT_EQ(canvas.dirtyList().size(), 1u);
    EXPECT_EQ(canvas.dirtyList()[0], ScreenRect::fromCorners(0, 0, 9, 9));
}

TEST_F(CanvasFixture, ANarrowerClipRectangleLimitsDrawingUntilReset) {
    canvas.setClipRect(ScreenRect::fromCorners(0, 0, 639, 426));
    canvas.fillRect(0, 420, 10, 20, kWhite);
    EXPECT_EQ(frameAt(0, 426), kWhite);
    EXPECT_EQ(frameAt(0, 427), 0u);
    canvas.setClipRect(ScreenRect::fromCorners(-50, -50, 900, 900));
    EXPECT_EQ(canvas.clipRect(), ScreenRect::fromPositionSize(0, 0, 640, 480))
        << "never wider than the canvas";
    canvas.setClipRect(ScreenRect::fromCorners(10, 10, 20, 20));
    canvas.resetClipRect();
    EXPECT_EQ(canvas.clipRect(), ScreenRect::fromPositionSize(0, 0, 640, 480));
}

TEST_F(CanvasFixture, PresentShowsDrawingThenRestoresItFromTheBackground) {
    startBlack();
    canvas.fillRect(100, 100, 8, 8, kWhite);
    canvas.present();
    EXPECT_EQ(video.shownPixel(100, 100), 0xFFFFFFu);
    EXPECT_EQ(frameAt(100, 100), 0xFF000000u) << "the frame is restored from the background";
    ASSERT_EQ(canvas.presentList().size(), 1u) << "the restored area is shown with the next present";

    canvas.present(); // nothing drawn: the restored area reaches the display
    EXPECT_EQ(video.shownPixel(100, 100), 0u);
    EXPECT_EQ(canvas.presentList().size(), 0u);
}

TEST_F(CanvasFixture, OnlyPixelsThatDifferFromTheShownPictureAreShown) {
    startBlack();
    std::vector<ScreenRect> written;
    video.takeWrittenRects(written);
    const int shownBefore = video.shownCount();
    canvas.fillRect(100, 100, 8, 8, kWhite);
    canvas.present();
    EXPECT_TRUE(canvas.changedPicture());
    EXPECT_EQ(video.shownCount(), shownBefore + 1);
    video.takeWrittenRects(written);
    EXPECT_EQ(written, (std::vector{ScreenRect::fromPositionSize(100, 100, 8, 8)}));

    // The same drawing again: nothing to show, although the area was drawn and restored.
    canvas.fillRect(100, 100, 8, 8, kWhite);
    canvas.present();
    EXPECT_FALSE(canvas.changedPicture());
    EXPECT_EQ(video.shownCount(), shownBefore + 1);

    // One pixel to the right: only the columns that changed go to the display.
    canvas.fillRect(101, 100, 8, 8, kWhite);
    canvas.present();
    video.takeWrittenRects(written);
    EXPECT_EQ(written, (std::vector{ScreenRect::fromPositionSize(100, 100, 9, 8)}));
    EXPECT_EQ(video.shownPixel(100, 100), 0u);
    EXPECT_EQ(video.shownPixel(108, 107), 0xFFFFFFu);

    // At 16 bits a change that packs to the same value changes nothing either.
    video.setPixelFormat(PixelFormat::rgb565());
    canvas.presentAll();
    canvas.fillRect(0, 0, 4, 4, 0xFF070307);
    canvas.present();
    EXPECT_FALSE(canvas.changedPicture());
}

TEST_F(CanvasFixture, OnlyListedRectanglesReachTheDisplay) {
    startBlack();
    canvas.buffer(ksCanvas::Buffer::Frame)[5 * 640 + 5] = kWhite; // drawn without reporting
    canvas.fillRect(200, 200, 2, 2, kWhite);
    canvas.present();
    EXPECT_EQ(video.shownPixel(5, 5), 0u);
    EXPECT_EQ(video.shownPixel(200, 200), 0xFFFFFFu);
}

TEST_F(CanvasFixture, WithTrackingOffTheWholeFrameIsShownAndNothingRestored) {
    canvas.buffer(ksCanvas::Buffer::Frame)[7 * 640 + 3] = 0xFF123456;
    canvas.present();
    EXPECT_EQ(video.shownPixel(3, 7), 0x123456u);
    EXPECT_EQ(frameAt(3, 7), 0xFF123456u);
    EXPECT_EQ(canvas.dirtyList().size(), 0u);
}

TEST_F(CanvasFixture, SixteenBitPackingUsesMasksAndShifts) {
    video.setPixelFormat(PixelFormat::rgb565());
    EXPECT_EQ(PixelFormat::rgb565().pack16(0xFFFFFFFF), 0xFFFF);
    EXPECT_EQ(PixelFormat::rgb565().pack16(0x00FF0000), 0xF800);
    EXPECT_EQ(PixelFormat::rgb565().pack16(0x0000FF00), 0x07E0);
    EXPECT_EQ(PixelFormat::rgb565().pack16(0x000000FF), 0x001F);
    EXPECT_EQ(PixelFormat::rgb565().pack16(0x00070307), 0x0000) << "low bits are dropped, so banding shows";
    canvas.clear(255, 0, 0);
    canvas.present();
    EXPECT_EQ(video.shownPixel(0, 0), 0xFF0000u);
}

TEST_F(CanvasFixture, FullDirtyListFallsBackToTheWholeScreenAndLogsOnce) {
    LogCapture log;
    startBlack();
    for (int i = 0; i < 3000; ++i) {
        canvas.fillRect((i * 2) % 640, (i / 320) * 2, 1, 1, kWhite);
    }
    ASSERT_EQ(canvas.dirtyList().size(), 1u);
    EXPECT_EQ(canvas.dirtyList()[0], ScreenRect::fromPositionSize(0, 0, 640, 480));
    canvas.present();
    EXPECT_EQ(log.count("Dirty rectangles are at maximum capacity!"), 1);
    EXPECT_EQ(video.shownPixel(2, 0), 0xFFFFFFu);
    EXPECT_EQ(frameAt(2, 0), 0xFF000000u);
}

TEST_F(CanvasFixture, FadedFillBlendsWithTruncatedOpacity) {
    canvas.clear(255, 255, 255);
    canvas.fillRectFaded(0, 0, 4, 4, 0, 0, 0, 0.5f);
    EXPECT_EQ(frameAt(0, 0), 0x00808080u) << "255 + ((0 - 255) * 127 >> 8) = 128, alpha byte 0";
    canvas.fillRectFaded(0, 0, 4, 4, 0, 0, 0, 0.003f); // level 0: nothing
    EXPECT_EQ(frameAt(0, 0), 0x00808080u);
    canvas.fillRectFaded(0, 0, 4, 4, 10, 20, 30, 1.0f);
    EXPECT_EQ(frameAt(0, 0), 0xFF0A141Eu);
}

TEST_F(CanvasFixture, PresentAllShowsEverythingWhateverWasRecorded) {
    startBlack();
    canvas.buffer(ksCanvas::Buffer::Frame)[10 * 640 + 10] = kWhite;
    canvas.presentAll();
    EXPECT_EQ(video.shownPixel(10, 10), 0xFFFFFFu);
    EXPECT_TRUE(canvas.isTracking());
}

TEST_F(CanvasFixture, ReleasedDisplayIsNeverTouched) {
    video.setReady(false);
    canvas.clear(255, 255, 255);
    canvas.present();
    EXPECT_EQ(video.shownCount(), 0);
}

TEST_F(CanvasFixture, LinesStayInsideTheCanvas) {
    canvas.setTracking(true);
    canvas.drawLine(-100, -50, 900, 700, 255, 255, 255);
    canvas.drawLine(639, 0, 0, 479, 0, 255, 0);
    canvas.drawLine(-5, 479, 700, 479, 255, 0, 0);
    canvas.drawLine(0, -5, 0, 900, 0, 0, 255);
    for (const ScreenRect& r : canvas.dirtyList()) {
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, 639);
        EXPECT_LE(r.bottom, 479);
    }
    EXPECT_EQ(frameAt(639, 479), 0x00FF0000u);
    EXPECT_EQ(frameAt(0, 300), 0x000000FFu);
}

} // namespace
