// ImageType.h: IMAGE entries, each a list of pictures of which the game sees the latest.
#pragma once

#include "ResourceType.h"

#include <memory>
#include <vector>

class ksImage;

// The pictures an IMAGE entry has made; the script's commands may append more. Each picture
// keeps its address for the life of the entry.
class ImageList final : public ResourceObject {
public:
    std::vector<std::unique_ptr<ksImage>> images;

    ~ImageList() override;
    ksImage* latest() const { return images.empty() ? nullptr : images.back().get(); }
};

// The parameters are read by readImageParameters (ImageRecipe.h); the entry's commands
// (setPixels, setAlpha) may append further images to the list after it has loaded.
class ImageType final : public ResourceType {
public:
    static constexpr const char* kKeyword = "IMAGE";

    explicit ImageType(ResourceManager& manager)
        : ResourceType(kKeyword, manager) {}

    // An image list holding the one picture of the file (no mask); null when it cannot load.
    std::unique_ptr<ResourceObject> loadFile(const std::string& fileName) override;
    bool load(ResourceEntry& entry) override;

    // The image most recently added to an IMAGE object's list; null for anything else.
    static ksImage* imageOf(ResourceObject* object);
    // The list of an IMAGE object, made empty when the entry has none yet; null without a canvas.
    ImageList* listOf(ResourceEntry& entry);
};
