// GlyphTable.cpp: the text table that tells the game's bitmap fonts where each glyph lies.
#include "GlyphTable.h"

#include <cassert>
#include <cstdlib>

std::string formatGlyphTable(const std::vector<GlyphCell>& cells) {
    std::string out;
    for (const GlyphCell& cell : cells) {
        assert(cell.top >= 0 && cell.width >= 1 && cell.height == cells.front().height);
        out += std::to_string(cell.code) + "," + std::to_string(cell.left) + "," + std::to_string(cell.top) +
               "," + std::to_string(cell.left + cell.width - 1) + "," +
               std::to_string(cell.top + cell.height) + "\n";
    }
    return out;
}

ParsedGlyphTable parseGlyphTable(std::string_view text) {
    std::vector<int> numbers;
    std::string token;
    auto flush = [&] {
        if (!token.empty()) {
            // strtol reads a leading number and gives 0 for text that is not one.
            numbers.push_back(static_cast<int>(std::strtol(token.c_str(), nullptr, 10)));
            token.clear();
        }
    };
    for (char c : text) {
        if (c == ',' || c == ';' || c == '\n' || c == '\r' || c == ' ') {
            flush();
        } else {
            token += c;
        }
    }
    flush();

    ParsedGlyphTable table;
    const std::size_t records = numbers.size() / 5;
    if (records == 0) {
        return table;
    }
    table.lineHeight = numbers[4] + 1;
    for (std::size_t r = 0; r < records; ++r) {
        const int code = numbers[r * 5];
        const int left = numbers[r * 5 + 1];
        const int top = numbers[r * 5 + 2];
        const int right = numbers[r * 5 + 3];
        const int bottom = numbers[r * 5 + 4];
        if (bottom < table.lineHeight) {
            table.lineHeight = bottom - top;
        }
        if (code < 0 || code > 127) {
            continue;
        }
        table.glyphs[static_cast<std::size_t>(code)] =
            GlyphCell{code, left, top, right - left + 1, table.lineHeight};
    }
    return table;
}
