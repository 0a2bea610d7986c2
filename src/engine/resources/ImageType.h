// ImageType.h: IMAGE entries, each a list of pictures of which the game sees the latest.
#pragma once

#include "ResourceType.h"

class ksImage;

// The parameters are read by readImageParameters (ImageRecipe.h); the entry's commands
// (setPixels, setAlpha) may append further images to the list after it has loaded.
class ImageType final : public ResourceType {
public:
    static constexpr const char* kKeyword = "IMAGE";

    explicit ImageType(ResourceManager& manager)
        : ResourceType(kKeyword, manager) {}

    std::unique_ptr<ResourceObject> loadFile(const std::string& fileName) override;
    bool load(ResourceEntry& entry) override;

    // The image most recently added to an IMAGE object's list; null for anything else.
    static ksImage* imageOf(ResourceObject* object);
};
