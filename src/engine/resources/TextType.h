// TextType.h: TEXT entries, whole text files such as the settings text and the glyph tables.
#pragma once

#include "ResourceType.h"

#include <optional>
#include <string>

class FileSource;

class TextObject final : public ResourceObject {
public:
    explicit TextObject(std::string text)
        : m_text(std::move(text)) {}
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

// The first parameter must be a File; the object is that file's text.
class TextType final : public ResourceType {
public:
    static constexpr const char* kKeyword = "TEXT";

    explicit TextType(ResourceManager& manager)
        : ResourceType(kKeyword, manager) {}

    std::unique_ptr<ResourceObject> loadFile(const std::string& fileName) override;
    bool load(ResourceEntry& entry) override;

    // The text of a TEXT object; null for anything else.
    static const std::string* textOf(const ResourceObject* object);
};

// A whole file read as text. Texts are used as C strings throughout, so the text ends at the
// first zero byte. Nothing when the file cannot be read.
std::optional<std::string> readTextFile(FileSource& files, const std::string& fileName);
