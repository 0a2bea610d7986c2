// PixelCommandImages.cpp: finding the images a setPixels or setAlpha call names.
#include "PixelCommandImages.h"

#include "ImageType.h"
#include "ResourceManager.h"
#include "engine/core/ksLog.h"

ReferencedImage::ReferencedImage(const std::optional<ImageReference>& reference, ResourceManager& manager,
                                 const char* command) {
    if (!reference) {
        return;
    }
    if (reference->kind == TokenKind::File) {
        if (auto* images = dynamic_cast<ImageType*>(manager.findType(ImageType::kKeyword))) {
            m_loaded = images->loadFile(reference->name);
            m_image = ImageType::imageOf(m_loaded.get());
        }
    } else {
        // Only IMAGE entries can be used as pictures; any other kind counts as missing.
        m_image = ImageType::imageOf(manager.get(ImageType::kKeyword, reference->name));
    }
    if (m_image == nullptr) {
        trace("%s - no image '%s'; that part of the call is skipped", command, reference->name.c_str());
    }
}
