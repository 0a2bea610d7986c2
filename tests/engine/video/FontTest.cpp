// Fonts: the glyph table's line-height rule, measuring, alignment, culling and number formats.
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"

#include <gtest/gtest.h>

namespace {

struct FontFixture : ::testing::Test {
    MemoryVideo video{640, 480};
    ksCanvas canvas{video};
    ksImage sheet{canvas, 40, 20};

    void SetUp() override {
        sheet.setColour(255, 255, 255);
        sheet.setAlpha(255);
    }
    // 'A' 10 wide, 'B' 10 wide, both 16 tall.
    ksFont font(float tracking = -2.0f) {
        ksFont f(&canvas, &sheet, "65,0,0,9,16\n66,10,0,19,16\n");
        f.setTracking(tracking);
        return f;
    }
    // The first column of the frame that holds a drawn (white) pixel on row `y`.
    int firstLitColumn(int y) {
        const uint32_t* frame = canvas.buffer(ksCanvas::Buffer::Frame);
        for (int x = 0; x < 640; ++x) {
            if ((frame[y * 640 + x] & 0xFFFFFF) == 0xFFFFFF) {
                return x;
            }
        }
        return -1;
    }
};

TEST_F(FontFixture, MeasuringCountsSpacesAndTrackingBetweenGlyphsOnly) {
    const ksFont f = font();
    EXPECT_EQ(f.getTextWidth(""), 0);
    EXPECT_EQ(f.getTextWidth("A B"), 10 - 2 + 12 + 10);
    EXPECT_EQ(f.getTextWidth("A B "), 30 - 2 + 12) << "B is no longer last; the space adds no tracking";
    EXPECT_EQ(f.getTextWidth("A\xE9"
                             "B"),
              f.getTextWidth("AB"))
        << "bytes above 127 add nothing";
    EXPECT_EQ(f.getLineHeight(), 16);
    EXPECT_FALSE(f.hasGlyph(200));
    EXPECT_FALSE(f.hasGlyph(-56));
}

TEST_F(FontFixture, TheFirstRecordSetsTheLineHeightAndLaterOnesOnlyLowerIt) {
    // 12 integers: two records, the last two integers ignored.
    const ksFont two(&canvas, &sheet, "65,0,2,9,14, 66,10,0,19,20, 1,2");
    EXPECT_TRUE(two.hasGlyph('A'));
    EXPECT_TRUE(two.hasGlyph('B'));
    EXPECT_EQ(two.getLineHeight(), 12) << "bottom - top of the first record";
    const ksFont lowered(&canvas, &sheet, "65,0,0,9,16, 66,10,4,19,12");
    EXPECT_EQ(lowered.getLineHeight(), 8);
    const ksFont skipped(&canvas, &sheet, "65,0,0,9,16, 300,0,0,9,16");
    EXPECT_FALSE(skipped.hasGlyph(300 & 0xFF));
}

TEST_F(FontFixture, CentredTextStartsAtTheCeilingOfItsLeftEdge) {
    ksFont f = font(0.0f);
    f.setSpaceWidth(10);
    canvas.clear(0, 0, 0);
    f.drawText("A B", 320, 240, ALIGN_CENTER); // 30 wide: starts at 305
    EXPECT_EQ(firstLitColumn(240), 305);
    canvas.clear(0, 0, 0);
    f.setSpaceWidth(11);
    f.drawText("A B", 320, 240, ALIGN_CENTER); // 31 wide: ceil(304.5) = 305
    EXPECT_EQ(firstLitColumn(240), 305);
    canvas.clear(0, 0, 0);
    f.drawText("AB", 100, 240, ALIGN_RIGHT);
    EXPECT_EQ(firstLitColumn(240), 80);
    canvas.clear(0, 0, 0);
    f.drawText("AB", 100, 240, 7); // an unknown alignment is left
    EXPECT_EQ(firstLitColumn(240), 100);
}

TEST_F(FontFixture, ScaledTextGrowsAboutTheMiddleOfItsUnscaledPlace) {
    ksFont f = font(0.0f);
    canvas.clear(0, 0, 0);
    canvas.setTracking(true);
    f.drawTextScaled("AB", 100, 240, ALIGN_LEFT, 1.5f); // 20 x 16 at (100, 232) grows to 30 x 24
    ASSERT_EQ(canvas.dirtyList().size(), 2u);
    ScreenRect drawn = canvas.dirtyList()[0];
    drawn.unite(canvas.dirtyList()[1]);
    EXPECT_EQ(drawn.left, 95);
    EXPECT_EQ(drawn.top, 228);
    EXPECT_NEAR(drawn.width, 30, 1);
    EXPECT_NEAR(drawn.height, 24, 1);
    const uint32_t* frame = canvas.buffer(ksCanvas::Buffer::Frame);
    EXPECT_LT(frame[240 * 640 + 94] & 0xFF, 0x40u);
    EXPECT_GT(frame[240 * 640 + 96] & 0xFF, 0xC0u) << "the first glyph, half as wide again";
    EXPECT_GT(frame[240 * 640 + 123] & 0xFF, 0xC0u);
    EXPECT_LT(frame[240 * 640 + 126] & 0xFF, 0x40u);

    canvas.clear(0, 0, 0);
    f.drawTextScaled("AB", 100, 240, ALIGN_RIGHT, 1.0f); // scale 1 is drawText
    EXPECT_EQ(firstLitColumn(240), 80);
}

TEST_F(FontFixture, InvisibleOrCulledTextDrawsNothing) {
    ksFont f = font();
    canvas.setTracking(true);
    f.setOpacity(0.0f);
    f.drawText("AB", 100, 100, ALIGN_LEFT);
    f.setOpacity(0.003f); // below one step of 255
    f.drawText("AB", 100, 100, ALIGN_LEFT);
    f.setOpacity(1.0f);
    f.drawText("AB", -200, 100, ALIGN_LEFT);
    EXPECT_EQ(canvas.dirtyList().size(), 0u);
    f.drawText("AB", -10, 100, ALIGN_LEFT); // overlaps the edge: drawn and clipped
    ASSERT_EQ(canvas.dirtyList().size(), 1u);
    EXPECT_EQ(canvas.dirtyList()[0].left, 0);
}

TEST(FontNumbers, GroupedInThreesWithNegativesInParentheses) {
    EXPECT_EQ(ksFont::formatNumber(0), "0");
    EXPECT_EQ(ksFont::formatNumber(999), "999");
    EXPECT_EQ(ksFont::formatNumber(1000), "1,000");
    EXPECT_EQ(ksFont::formatNumber(1234567), "1,234,567");
    EXPECT_EQ(ksFont::formatNumber(-5000), "(5,000)");
    EXPECT_EQ(ksFont::formatNumber(INT32_MIN), "(2,147,483,648)");
}

} // namespace
