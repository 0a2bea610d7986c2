// TextType.cpp: TEXT entries, whole text files such as the settings text and the glyph tables.
#include "TextType.h"

#include "ResourceManager.h"
#include "engine/core/FileSource.h"

#include <algorithm>

std::optional<std::string> readTextFile(FileSource& files, const std::string& fileName) {
    std::optional<std::vector<uint8_t>> bytes = files.readWhole(fileName);
    if (!bytes) {
        return std::nullopt;
    }
    const auto end = std::find(bytes->begin(), bytes->end(), uint8_t{0});
    return std::string(bytes->begin(), end);
}

std::unique_ptr<ResourceObject> TextType::loadFile(const std::string& fileName) {
    std::optional<std::string> text = readTextFile(manager().services().files, fileName);
    if (!text) {
        return nullptr;
    }
    return std::make_unique<TextObject>(std::move(*text));
}

bool TextType::load(ResourceEntry& entry) {
    std::optional<std::string> fileName = firstFileName(entry.parameters);
    if (!fileName) {
        return false;
    }
    entry.object = loadFile(*fileName);
    return entry.object != nullptr;
}

const std::string* TextType::textOf(const ResourceObject* object) {
    const auto* text = dynamic_cast<const TextObject*>(object);
    return text != nullptr ? &text->text() : nullptr;
}
