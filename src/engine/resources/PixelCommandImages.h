// PixelCommandImages.h: finding the images a setPixels or setAlpha call names.
#pragma once

#include "PixelCommandArguments.h"

#include <memory>

class ImageType;
class ResourceManager;
class ResourceObject;
class ksImage;

// An image an argument names: a File loaded for this call only, or the image of an IMAGE entry.
// Empty (with one trace line) when it cannot be had: a missing file, an entry of another kind or
// one without an image.
class ReferencedImage {
public:
    ReferencedImage(const std::optional<ImageReference>& reference, ResourceManager& manager,
                    const char* command);

    const ksImage* get() const { return m_image; }

private:
    std::unique_ptr<ResourceObject> m_loaded; // a File's picture, freed after the call
    const ksImage* m_image = nullptr;
};
