// SetAlphaCommand.cpp: the setAlpha command, taking an entry's alpha from a mask image.
#include "SetAlphaCommand.h"

#include "ImageType.h"
#include "PixelCommandImages.h"
#include "ResourceManager.h"
#include "engine/video/ksImage.h"

void SetAlphaCommand::apply(const ScriptCall& call, ResourceEntry& entry) {
    auto* images = dynamic_cast<ImageType*>(manager().findType(ImageType::kKeyword));
    ImageList* list = images != nullptr ? images->listOf(entry) : nullptr;
    const std::optional<ImageCopy> copy = readSetAlphaArguments(call.arguments);
    if (list == nullptr || !copy) {
        return;
    }
    const ReferencedImage mask(copy->mask, manager(), "setAlpha");
    if (mask.get() == nullptr) {
        return;
    }
    const BlockPlacement block =
        copy->placement.value_or(BlockPlacement{0, 0, 0, 0, mask.get()->getWidth(), mask.get()->getHeight()});
    if (list->latest() == nullptr) {
        auto image = std::make_unique<ksImage>(*manager().services().canvas, block.width, block.height);
        if (image->isEmpty()) {
            return;
        }
        list->images.push_back(std::move(image));
    }
    ksImage& target = *list->latest();
    const PixelExtent maskExtent{mask.get()->getWidth(), mask.get()->getHeight()};
    const BlockPlacement clipped =
        clipBlock(block, {&maskExtent, 1}, PixelExtent{target.getWidth(), target.getHeight()});
    if (!clipped.isEmpty()) {
        target.copyAlphaFrom(*mask.get(), clipped.sx, clipped.sy, clipped.width, clipped.height, clipped.dx,
                             clipped.dy);
    }
}
