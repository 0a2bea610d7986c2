// GifDecoder.h: decodes the first image of a GIF file from its bytes.
#pragma once

#include "Picture.h"

#include <cstdint>
#include <span>

// Decodes the picture the image loader expects from a GIF: the block is sized by the logical
// screen, the first image's pixel stream is laid out with the image's own width as row length
// (an image that matches the screen lands exactly in place), and each pixel is 0x00RRGGBB from the
// colour table (local, else global, else a grey ramp; entries beyond the declared size are
// black). Transparency and every image after the first are ignored.
//
// Nothing is answered unless the bytes start with "GI", the screen is within the image size
// limits, an image descriptor comes before the trailer, end of data or an unknown block byte,
// and the LZW data is valid and yields every pixel of the image. Writes outside the screen's
// pixels are dropped; no input reads or writes outside its buffers, and the work is bounded by
// the input size and the size limits.
std::optional<Picture> decodeGif(std::span<const uint8_t> bytes);

// True when the bytes carry the two-byte signature and a complete logical screen descriptor.
bool looksLikeGif(std::span<const uint8_t> bytes);
