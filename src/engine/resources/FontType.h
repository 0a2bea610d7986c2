// FontType.h: FONT entries, bitmap fonts made of a glyph sheet and a glyph table.
#pragma once

#include "ResourceType.h"

class ksFont;

// The parameters are read by readFontParameters and the table by loadGlyphTable (FontRecipe.h);
// the sheet is the image of the named IMAGE entry, loaded on demand.
class FontType final : public ResourceType {
public:
    static constexpr const char* kKeyword = "FONT";

    explicit FontType(ResourceManager& manager)
        : ResourceType(kKeyword, manager) {}

    bool load(ResourceEntry& entry) override;

    // The font of a FONT object; null for anything else.
    static ksFont* fontOf(ResourceObject* object);
};
