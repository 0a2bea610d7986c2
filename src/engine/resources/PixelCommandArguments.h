// PixelCommandArguments.h: what a setPixels or setAlpha call of the resource script asks for.
#pragma once

#include "PixelClipping.h"
#include "ResourceToken.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

// An image named by a command argument: a File is loaded for the one call, a Resource is the
// image of the IMAGE entry of that name (any other kind of entry counts as missing).
struct ImageReference {
    TokenKind kind = TokenKind::File;
    std::string name; // file name or entry name; empty when the file name was refused

    friend bool operator==(const ImageReference&, const ImageReference&) = default;
};

// Fill a rectangle of the entry's latest image with a colour. Colour and alpha values are the
// script's numbers cut to their low 8 bits, so no value spills into a neighbouring channel.
struct ColourFill {
    uint8_t red = 255;
    uint8_t green = 0;
    uint8_t blue = 0;
    std::optional<uint8_t> alpha;  // set inside the rectangle; nothing keeps the image's alpha
    std::optional<PixelRect> area; // clipped to the image when applied; nothing is the whole image
};

// Make a blank width x height image, append it to the entry, then apply `fill` to it.
struct NewImageFill {
    int32_t width = 0;
    int32_t height = 0;
    ColourFill fill;
};

// Copy a block of `source` (alpha included) into the entry's latest image, and take the alpha of
// the destination pixels from the blue byte of the same block of `mask`. When the entry has no
// image yet, a blank one of the block's size is made first. The block is clipped against the
// source, the mask and the destination when applied.
struct ImageCopy {
    std::optional<ImageReference> source;
    std::optional<ImageReference> mask;
    // Nothing: the whole source (the mask when there is no source) at (0, 0).
    std::optional<BlockPlacement> placement;
};

using SetPixelsOperation = std::variant<std::monostate, ColourFill, NewImageFill, ImageCopy>;

// Reads a setPixels call. A first argument that is a Number makes a ColourFill when the entry
// holds an image and a NewImageFill when it does not (monostate when the argument count or a size
// does not fit); a File or Resource makes an ImageCopy; anything else does nothing.
SetPixelsOperation readSetPixelsArguments(std::span<const ResourceToken> arguments, bool entryHasImage);

// Reads a setAlpha call: an ImageCopy with only a mask. Nothing unless the first argument is a
// File or a Resource.
std::optional<ImageCopy> readSetAlphaArguments(std::span<const ResourceToken> arguments);
