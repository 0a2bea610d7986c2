// FontType.cpp: FONT entries, bitmap fonts made of a glyph sheet and a glyph table.
#include "FontType.h"

#include "FontRecipe.h"
#include "ImageType.h"
#include "ResourceManager.h"
#include "engine/video/ksFont.h"

namespace {

class FontObject final : public ResourceObject {
public:
    explicit FontObject(ksFont font)
        : m_font(std::move(font)) {}
    ksFont& font() { return m_font; }

private:
    ksFont m_font;
};

} // namespace

bool FontType::load(ResourceEntry& entry) {
    ksCanvas* canvas = manager().services().canvas;
    const std::optional<FontRecipe> recipe = readFontParameters(entry.parameters);
    if (canvas == nullptr || !recipe) {
        return false;
    }
    ksImage* sheet = ImageType::imageOf(manager().get(ImageType::kKeyword, recipe->sheetEntry));
    if (sheet == nullptr) {
        return false;
    }
    const std::string table = loadGlyphTable(recipe->glyphTable, manager().services().files, manager());
    entry.object = std::make_unique<FontObject>(ksFont(canvas, sheet, table));
    return true;
}

ksFont* FontType::fontOf(ResourceObject* object) {
    auto* font = dynamic_cast<FontObject*>(object);
    return font != nullptr ? &font->font() : nullptr;
}
