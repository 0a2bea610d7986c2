// JpegDecoder.h: decodes a JPEG picture from its bytes through TurboJPEG.
#pragma once

#include "Picture.h"

#include <cstdint>
#include <span>

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The picture's size from its header, or nothing when the bytes are not a readable JPEG header.
// Any size is answered, also one beyond the image limits.
std::optional<PictureSize> readJpegSize(std::span<const uint8_t> bytes);

// The whole picture as 0xFFRRGGBB pixels, or nothing when the header or any part of the data is
// unreadable (a warning such as a premature end counts as failure), or the size is outside the
// image limits. Never ends the process.
std::optional<Picture> decodeJpeg(std::span<const uint8_t> bytes);
