// ImageType.cpp: IMAGE entries, each a list of pictures of which the game sees the latest.
#include "ImageType.h"

#include "ImageRecipe.h"
#include "ResourceManager.h"
#include "engine/video/ksImage.h"

ImageList::~ImageList() = default;

std::unique_ptr<ResourceObject> ImageType::loadFile(const std::string& fileName) {
    ksCanvas* canvas = manager().services().canvas;
    if (canvas == nullptr) {
        return nullptr;
    }
    auto image = std::make_unique<ksImage>(*canvas);
    if (!image->load(fileName, std::string(), manager().services().files)) {
        return nullptr;
    }
    auto list = std::make_unique<ImageList>();
    list->images.push_back(std::move(image));
    return list;
}

ImageList* ImageType::listOf(ResourceEntry& entry) {
    if (manager().services().canvas == nullptr) {
        return nullptr;
    }
    if (!entry.object) {
        entry.object = std::make_unique<ImageList>();
    }
    return dynamic_cast<ImageList*>(entry.object.get());
}

bool ImageType::load(ResourceEntry& entry) {
    ImageList* list = listOf(entry);
    if (list == nullptr) {
        return false;
    }
    ksCanvas& canvas = *manager().services().canvas;
    const ImageRecipe recipe = readImageParameters(entry.parameters);
    switch (recipe.kind) {
    case ImageRecipe::Kind::File:
    case ImageRecipe::Kind::FileWithMask: {
        auto image = std::make_unique<ksImage>(canvas);
        const ResourceServices& services = manager().services();
        const bool loaded = services.decodeOnFirstUse
                                ? image->loadOnFirstUse(recipe.file, recipe.maskFile, services.files)
                                : image->load(recipe.file, recipe.maskFile, services.files);
        if (loaded) {
            list->images.push_back(std::move(image));
        }
        break;
    }
    case ImageRecipe::Kind::Blank: {
        auto image = std::make_unique<ksImage>(canvas, recipe.width, recipe.height);
        if (!image->isEmpty()) {
            image->setAlpha(255);
            list->images.push_back(std::move(image));
        }
        break;
    }
    case ImageRecipe::Kind::Nothing:
        break;
    }
    return !list->images.empty();
}

ksImage* ImageType::imageOf(ResourceObject* object) {
    const auto* list = dynamic_cast<const ImageList*>(object);
    return list != nullptr ? list->latest() : nullptr;
}
