// GlyphTable.h: the text table that tells the game's bitmap fonts where each glyph lies.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One glyph cell on the sheet: left and top inclusive, width and height in pixels.
struct GlyphCell {
    int code = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Writes one "code,left,top,right,bottom" line per cell, right inclusive and bottom exclusive
// (bottom = top + height). Every cell must have the same height and a top of 0 or more: the
// reader takes its line height from the first record and only ever lowers it for a record whose
// bottom lies above the current height, which then never happens.
std::string formatGlyphTable(const std::vector<GlyphCell>& cells);

// Reads a table the way the game does: tokens split at ",;\n\r ", non-numbers read as 0,
// records of five, codes outside 0..127 skipped, widths right - left + 1, heights from the
// line-height rule. Returns the 128 slots (empty where no glyph) and the final line height.
struct ParsedGlyphTable {
    std::array<std::optional<GlyphCell>, 128> glyphs;
    int lineHeight = 0;
};
ParsedGlyphTable parseGlyphTable(std::string_view text);
