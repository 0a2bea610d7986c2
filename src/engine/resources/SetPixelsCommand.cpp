// SetPixelsCommand.cpp: the setPixels command, filling or copying pixels into an entry's image.
#include "SetPixelsCommand.h"

#include "ImageType.h"
#include "PixelCommandImages.h"
#include "ResourceManager.h"
#include "engine/video/ksImage.h"

#include <array>
#include <variant>

namespace {

PixelExtent extentOf(const ksImage& image) {
    return PixelExtent{image.getWidth(), image.getHeight()};
}

void fill(ksImage& image, const ColourFill& colour) {
    const PixelRect whole{0, 0, image.getWidth(), image.getHeight()};
    const PixelRect area = clipToImage(colour.area.value_or(whole), extentOf(image));
    if (area.isEmpty()) {
        return;
    }
    image.fillColour(area.x, area.y, area.width, area.height, colour.red, colour.green, colour.blue);
    if (colour.alpha) {
        image.setAlphaRect(area.x, area.y, area.width, area.height, *colour.alpha);
    }
}

} // namespace

void SetPixelsCommand::apply(const ScriptCall& call, ResourceEntry& entry) {
    auto* images = dynamic_cast<ImageType*>(manager().findType(ImageType::kKeyword));
    ImageList* list = images != nullptr ? images->listOf(entry) : nullptr;
    if (list == nullptr) {
        return;
    }
    ksCanvas& canvas = *manager().services().canvas;
    const SetPixelsOperation operation = readSetPixelsArguments(call.arguments, list->latest() != nullptr);

    if (const auto* colour = std::get_if<ColourFill>(&operation)) {
        fill(*list->latest(), *colour);
    } else if (const auto* made = std::get_if<NewImageFill>(&operation)) {
        auto image = std::make_unique<ksImage>(canvas, made->width, made->height);
        if (!image->isEmpty()) {
            fill(*image, made->fill);
            list->images.push_back(std::move(image));
        }
    } else if (const auto* copy = std::get_if<ImageCopy>(&operation)) {
        const ReferencedImage source(copy->source, manager(), "setPixels");
        const ReferencedImage mask(copy->mask, manager(), "setPixels");
        const ksImage* size = source.get() != nullptr ? source.get() : mask.get();
        if (size == nullptr) {
            return;
        }
        const BlockPlacement block =
            copy->placement.value_or(BlockPlacement{0, 0, 0, 0, size->getWidth(), size->getHeight()});
        if (list->latest() == nullptr) {
            auto image = std::make_unique<ksImage>(canvas, block.width, block.height);
            if (image->isEmpty()) {
                return;
            }
            list->images.push_back(std::move(image));
        }
        ksImage& target = *list->latest();
        std::array<PixelExtent, 2> sources{};
        std::size_t sourceCount = 0;
        for (const ksImage* image : {source.get(), mask.get()}) {
            if (image != nullptr) {
                sources[sourceCount++] = extentOf(*image);
            }
        }
        const BlockPlacement clipped = clipBlock(block, {sources.data(), sourceCount}, extentOf(target));
        if (clipped.isEmpty()) {
            return;
        }
        if (source.get() != nullptr) {
            target.copyPixelsFrom(*source.get(), clipped.sx, clipped.sy, clipped.width, clipped.height,
                                  clipped.dx, clipped.dy);
        }
        if (mask.get() != nullptr) {
            target.copyAlphaFrom(*mask.get(), clipped.sx, clipped.sy, clipped.width, clipped.height,
                                 clipped.dx, clipped.dy);
        }
    }
}
