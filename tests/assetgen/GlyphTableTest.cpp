// GlyphTableTest.cpp: the glyph-table text and the line-height rule the game reads it with.
#include "GlyphTable.h"

#include <gtest/gtest.h>

namespace {

TEST(GlyphTable, WritesRightInclusiveAndBottomExclusive) {
    const std::string text = formatGlyphTable({{65, 0, 0, 10, 20}, {66, 10, 0, 7, 20}, {67, 0, 20, 9, 20}});
    EXPECT_EQ(text, "65,0,0,9,20\n66,10,0,16,20\n67,0,20,8,40\n");
}

TEST(GlyphTable, EqualHeightCellsOnAnyRowKeepTheirHeight) {
    const ParsedGlyphTable table = parseGlyphTable(
        formatGlyphTable({{33, 0, 0, 5, 24}, {34, 5, 0, 6, 24}, {35, 0, 24, 7, 24}, {36, 0, 48, 3, 24}}));
    EXPECT_EQ(table.lineHeight, 24);
    for (int code : {33, 34, 35, 36}) {
        ASSERT_TRUE(table.glyphs[code].has_value());
        EXPECT_EQ(table.glyphs[code]->height, 24);
    }
    EXPECT_EQ(table.glyphs[35]->top, 24);
    EXPECT_EQ(table.glyphs[34]->width, 6);
}

TEST(GlyphTable, ReaderLowersTheHeightOnlyForABottomAboveIt) {
    // The first record sets 10; a record whose bottom (8) lies above that lowers it to 8 - 2.
    const ParsedGlyphTable table = parseGlyphTable("65,0,0,4,10\n66,0,2,4,8\n67,0,10,4,20\n");
    EXPECT_EQ(table.glyphs[65]->height, 10);
    EXPECT_EQ(table.glyphs[66]->height, 6);
    EXPECT_EQ(table.glyphs[67]->height, 6) << "later glyphs keep the lowered height";
    EXPECT_EQ(table.lineHeight, 6);
}

TEST(GlyphTable, ReaderTakesRecordsOfFiveAndSkipsOddCodes) {
    const ParsedGlyphTable table = parseGlyphTable("65,0,0,9,12;66 10 0 19 12\r\n300,0,0,1,12,7,7");
    EXPECT_TRUE(table.glyphs[65].has_value());
    EXPECT_TRUE(table.glyphs[66].has_value());
    EXPECT_EQ(table.glyphs[66]->width, 10);
    int filled = 0;
    for (const auto& glyph : table.glyphs) {
        filled += glyph.has_value() ? 1 : 0;
    }
    EXPECT_EQ(filled, 2) << "code 300 is skipped and the two left-over numbers ignored";
}

} // namespace
