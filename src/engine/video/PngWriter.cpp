// PngWriter.cpp: saves a block of pixels as an opaque RGB PNG file.
#include "PngWriter.h"

#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"

#include <vector>

#include <png.h>

bool writePng(const std::filesystem::path& path, const uint32_t* pixels, int width, int height, int stride) {
    if (pixels == nullptr || width <= 0 || height <= 0 || stride < width) {
        trace("writePng - nothing to write to %s", path.c_str());
        return false;
    }
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<std::size_t>(y) * stride + x];
            uint8_t* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            out[0] = static_cast<uint8_t>(p >> 16);
            out[1] = static_cast<uint8_t>(p >> 8);
            out[2] = static_cast<uint8_t>(p);
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        trace("writePng - could not encode %s: %s", path.c_str(), image.message);
        return false;
    }
    std::vector<uint8_t> encoded(size);
    if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, rgb.data(), 0, nullptr)) {
        trace("writePng - could not encode %s: %s", path.c_str(), image.message);
        return false;
    }
    encoded.resize(size);
    return writeFileAtomically(path, encoded);
}
