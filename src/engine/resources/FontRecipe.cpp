// FontRecipe.cpp: what the parameters of a FONT entry name, and where its glyph table comes from.
#include "FontRecipe.h"

#include "ResourceManager.h"
#include "TextType.h"

std::optional<FontRecipe> readFontParameters(std::span<const ResourceToken> parameters) {
    if (parameters.size() < 2) {
        return std::nullopt;
    }
    std::optional<std::string> glyphTable = parameters[1].fileName();
    if (!glyphTable) {
        return std::nullopt;
    }
    return FontRecipe{parameters[0].text, std::move(*glyphTable)};
}

std::string loadGlyphTable(const std::string& name, FileSource& files, ResourceManager& manager) {
    if (std::optional<std::string> text = readTextFile(files, name)) {
        return std::move(*text);
    }
    if (const std::string* text = TextType::textOf(manager.get(TextType::kKeyword, name))) {
        return *text;
    }
    return {};
}
