// ImageType.cpp: IMAGE entries, each a list of pictures of which the game sees the latest.
#include "ImageType.h"

// NOTE: images are built once the image loader (ksImage) is part of the engine: load follows
// readImageParameters, loadFile makes one ksImage with no mask, and the object is a list of
// images. Until then every IMAGE entry loads as empty and getImage reports it.

std::unique_ptr<ResourceObject> ImageType::loadFile(const std::string& /*fileName*/) {
    return nullptr;
}

bool ImageType::load(ResourceEntry& /*entry*/) {
    return false;
}

ksImage* ImageType::imageOf(ResourceObject* /*object*/) {
    return nullptr;
}
