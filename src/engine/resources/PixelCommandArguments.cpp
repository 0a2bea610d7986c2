// PixelCommandArguments.cpp: what a setPixels or setAlpha call of the resource script asks for.
#include "PixelCommandArguments.h"

namespace {

uint8_t channel(const ResourceToken& token) {
    return static_cast<uint8_t>(token.number() & 0xFF);
}

PixelRect rectAt(std::span<const ResourceToken> numbers) {
    return PixelRect{numbers[0].number(), numbers[1].number(), numbers[2].number(), numbers[3].number()};
}

ImageReference referenceTo(const ResourceToken& token) {
    if (token.kind == TokenKind::File) {
        return ImageReference{TokenKind::File, token.fileName().value_or(std::string())};
    }
    return ImageReference{TokenKind::Resource, token.text};
}

// setPixels with a colour, on an entry that already holds an image.
ColourFill fillOfExistingImage(std::span<const ResourceToken> a) {
    // The alpha is only set when the script's number is not 0; the test comes before the cut to
    // 8 bits, so 256 sets alpha 0 exactly as a 32-bit shift of it would.
    auto alphaUnlessZero = [](const ResourceToken& token) -> std::optional<uint8_t> {
        if (token.number() == 0) {
            return std::nullopt;
        }
        return channel(token);
    };
    switch (a.size()) {
    case 3:
        return ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), std::nullopt, std::nullopt};
    case 4:
        return ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), alphaUnlessZero(a[3]), std::nullopt};
    case 7:
        return ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), std::nullopt, rectAt(a.subspan(3))};
    case 8:
        return ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), alphaUnlessZero(a[3]),
                          rectAt(a.subspan(4))};
    default:
        return ColourFill{}; // red over the whole image
    }
}

// setPixels with a colour, on an entry without an image: the image is made first.
std::optional<NewImageFill> fillOfNewImage(std::span<const ResourceToken> a) {
    NewImageFill made;
    switch (a.size()) {
    case 2:
        made = NewImageFill{a[0].number(), a[1].number(), ColourFill{255, 0, 0, 255, std::nullopt}};
        break;
    case 5:
        made = NewImageFill{a[3].number(), a[4].number(),
                            ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), 255, std::nullopt}};
        break;
    case 6:
        made = NewImageFill{
            a[4].number(), a[5].number(),
            ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), channel(a[3]), std::nullopt}};
        break;
    case 7:
        made =
            NewImageFill{a[5].number(), a[6].number(),
                         ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), 255, rectAt(a.subspan(3))}};
        break;
    case 8:
        made = NewImageFill{
            a[6].number(), a[7].number(),
            ColourFill{channel(a[0]), channel(a[1]), channel(a[2]), channel(a[3]), rectAt(a.subspan(4))}};
        break;
    default:
        return std::nullopt;
    }
    if (made.width < 1 || made.height < 1) {
        return std::nullopt;
    }
    return made;
}

// The six numbers dx, dy, sx, sy, w, h after the image arguments, when the call has them.
std::optional<BlockPlacement> placementAfter(std::span<const ResourceToken> a, std::size_t imageArguments) {
    if (a.size() < imageArguments + 6) {
        return std::nullopt;
    }
    const auto n = a.subspan(imageArguments, 6);
    return BlockPlacement{n[0].number(), n[1].number(), n[2].number(),
                          n[3].number(), n[4].number(), n[5].number()};
}

} // namespace

SetPixelsOperation readSetPixelsArguments(std::span<const ResourceToken> arguments, bool entryHasImage) {
    if (arguments.empty()) {
        return std::monostate{};
    }
    const ResourceToken& first = arguments.front();
    if (first.kind == TokenKind::Number) {
        if (entryHasImage) {
            return fillOfExistingImage(arguments);
        }
        if (std::optional<NewImageFill> made = fillOfNewImage(arguments)) {
            return *made;
        }
        return std::monostate{};
    }
    if (!first.isImageReference()) {
        return std::monostate{};
    }
    ImageCopy copy;
    copy.source = referenceTo(first);
    std::size_t imageArguments = 1;
    if (arguments.size() > 1 && arguments[1].isImageReference()) {
        copy.mask = referenceTo(arguments[1]);
        imageArguments = 2;
    }
    if (arguments.size() == 7 || arguments.size() == 8) {
        copy.placement = placementAfter(arguments, imageArguments);
    }
    return copy;
}

std::optional<ImageCopy> readSetAlphaArguments(std::span<const ResourceToken> arguments) {
    if (arguments.empty() || !arguments.front().isImageReference()) {
        return std::nullopt;
    }
    ImageCopy copy;
    copy.mask = referenceTo(arguments.front());
    if (arguments.size() == 7) {
        copy.placement = placementAfter(arguments, 1);
    }
    return copy;
}
