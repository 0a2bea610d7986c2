// PictureFuzzer.cpp: feeds arbitrary bytes to the GIF and the JPEG decoder.
#include "engine/video/GifDecoder.h"
#include "engine/video/JpegDecoder.h"

#include <cstdlib>

namespace {

void checkBlock(const std::optional<Picture>& picture) {
    if (picture && (!isValidImageSize(picture->width, picture->height) ||
                    picture->pixels.size() != pixelBlockSize(picture->width, picture->height))) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    checkBlock(decodeGif(bytes));
    checkBlock(decodeJpeg(bytes));
    return 0;
}
