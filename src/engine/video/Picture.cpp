// Picture.cpp: allocation of zero-filled pixel blocks.
#include "Picture.h"

#include <new>

std::optional<Picture> makeBlankPicture(int width, int height) {
    if (!isValidImageSize(width, height)) {
        return std::nullopt;
    }
    try {
        Picture picture;
        picture.width = width;
        picture.height = height;
        picture.pixels.assign(pixelBlockSize(width, height), 0u);
        return picture;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
