// CustomType.h: CUSTOM entries, raw byte files such as the puzzle layouts.
#pragma once

#include "ResourceType.h"

#include <cstdint>
#include <span>
#include <vector>

class BytesObject final : public ResourceObject {
public:
    explicit BytesObject(std::vector<uint8_t> bytes)
        : m_bytes(std::move(bytes)) {}
    std::span<const uint8_t> bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// The first parameter must be a File; the object is that file's bytes, with their length, so a
// reader can check that the data is as long as its layout needs.
class CustomType final : public ResourceType {
public:
    static constexpr const char* kKeyword = "CUSTOM";

    explicit CustomType(ResourceManager& manager)
        : ResourceType(kKeyword, manager) {}

    std::unique_ptr<ResourceObject> loadFile(const std::string& fileName) override;
    bool load(ResourceEntry& entry) override;

    // The bytes of a CUSTOM object; nothing for anything else.
    static std::optional<std::span<const uint8_t>> bytesOf(const ResourceObject* object);
};
