// ArtCatalogue.h: every picture and font this generator makes, as independent jobs.
#pragma once

#include "FontBaker.h"
#include "ImageAsset.h"

#include <functional>
#include <string>
#include <vector>

// One unit of work: paints a few related pictures. Jobs share nothing, so they may run on any
// thread; their results are put together in catalogue order, which keeps the output the same.
struct ArtJob {
    std::string section; // the heading its entries get in the resource script
    std::function<std::vector<ImageAsset>()> paint;
};

// Every image entry this generator owns, in script order.
std::vector<ArtJob> artCatalogue();

// The game's six fonts; the heading font comes first, since the loading screen uses it.
std::vector<FontRecipe> fontCatalogue();

// The entry name of a font's glyph-sheet image and the file of its glyph table.
std::string fontSheetName(const std::string& font);
std::string fontTableFile(const std::string& font);
