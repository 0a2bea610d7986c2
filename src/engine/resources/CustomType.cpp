// CustomType.cpp: CUSTOM entries, raw byte files such as the puzzle layouts.
#include "CustomType.h"

#include "ResourceManager.h"
#include "engine/core/FileSource.h"

std::unique_ptr<ResourceObject> CustomType::loadFile(const std::string& fileName) {
    std::optional<std::vector<uint8_t>> bytes = manager().services().files.readWhole(fileName);
    if (!bytes) {
        return nullptr;
    }
    return std::make_unique<BytesObject>(std::move(*bytes));
}

bool CustomType::load(ResourceEntry& entry) {
    std::optional<std::string> fileName = firstFileName(entry.parameters);
    if (!fileName) {
        return false;
    }
    entry.object = loadFile(*fileName);
    return entry.object != nullptr;
}

std::optional<std::span<const uint8_t>> CustomType::bytesOf(const ResourceObject* object) {
    const auto* custom = dynamic_cast<const BytesObject*>(object);
    if (custom == nullptr) {
        return std::nullopt;
    }
    return custom->bytes();
}
