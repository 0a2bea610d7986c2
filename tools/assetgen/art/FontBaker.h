// FontBaker.h: rasterises a game font into a glyph sheet and its glyph table.
#pragma once

#include "GlyphTable.h"
#include "Lettering.h"
#include "Raster.h"

#include <string>
#include <vector>

struct FontRecipe {
    std::string name;       // the FONT entry the game asks for, e.g. "font_dlg_head"
    TextStyle style;        // face, size, fill, outline and shadow baked into every glyph
    double tracking = 0;    // the tracking the game sets on this font at start-up (0 or negative)
    int spaceGlyph = 0;     // width of a blank glyph for code 32; 0 = no glyph (spaces then use
                            // the font's space width alone)
    int blankRowsBelow = 0; // empty rows added under the ink, inside the line height
};

struct BakedFont {
    Raster sheet;                 // glyph pictures with alpha, cells in rows of equal height
    std::vector<GlyphCell> cells; // in the order written to the table
    std::string table;            // the glyph-table text
    int lineHeight = 0;
};

// Bakes every printable ASCII character 33..126 (plus the space glyph when asked). Each cell is
// as wide as the glyph's advance plus its outline, widened by -tracking so that the game's
// negative tracking gives back the natural spacing; cells never cut off ink.
BakedFont bakeFont(const FontRecipe& recipe);

// The six fonts of the game, in the order they are declared.
std::vector<FontRecipe> gameFontRecipes();
