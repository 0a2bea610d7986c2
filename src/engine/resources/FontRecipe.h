// FontRecipe.h: what the parameters of a FONT entry name, and where its glyph table comes from.
#pragma once

#include "ResourceToken.h"

#include <optional>
#include <span>
#include <string>

class FileSource;
class ResourceManager;

struct FontRecipe {
    std::string sheetEntry; // the IMAGE entry holding the glyph sheet
    std::string glyphTable; // a file, or failing that a TEXT entry, holding the glyph table

    friend bool operator==(const FontRecipe&, const FontRecipe&) = default;
};

// The first parameter names the sheet's IMAGE entry; the second, written in quotes, names the
// glyph table (its first and last characters are dropped). Nothing with fewer than two
// parameters or a refused name.
std::optional<FontRecipe> readFontParameters(std::span<const ResourceToken> parameters);

// The glyph table's text: the file of that name through the file source (pack, then loose file);
// when there is none, the text of the TEXT entry of that name; otherwise empty.
std::string loadGlyphTable(const std::string& name, FileSource& files, ResourceManager& manager);
