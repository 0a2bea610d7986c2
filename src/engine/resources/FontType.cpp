// FontType.cpp: FONT entries, bitmap fonts made of a glyph sheet and a glyph table.
#include "FontType.h"

// NOTE: fonts are built once ksFont is part of the engine: load reads readFontParameters, gets
// the sheet with ImageType::imageOf(manager().get("IMAGE", sheetEntry)) and the table with
// loadGlyphTable, and makes the font on the canvas. Until then every FONT entry loads as empty.

bool FontType::load(ResourceEntry& /*entry*/) {
    return false;
}

ksFont* FontType::fontOf(ResourceObject* /*object*/) {
    return nullptr;
}
