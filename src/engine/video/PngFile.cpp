// PngFile.cpp: saves a block of pixels as an opaque RGB PNG file.
#include "PngFile.h"

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
    // A picture is not the player's data: a refused write is reported here, not as a lost save.
    if (!replaceFileContents(path, encoded)) {
        trace("writePng - could not write %s", path.c_str());
        return false;
    }
    return true;
}

std::optional<PngPicture> readPng(const std::filesystem::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        trace("readPng - cannot read %s: %s", path.c_str(), image.message);
        return std::nullopt;
    }
    if (image.width == 0 || image.height == 0 || image.width > 4096 || image.height > 4096) {
        trace("readPng - %s is %ux%u, too large", path.c_str(), image.width, image.height);
        png_image_free(&image);
        return std::nullopt;
    }
    // BGRA bytes are 0xAARRGGBB words on a little-endian machine; convert explicitly to stay
    // correct everywhere.
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        trace("readPng - cannot decode %s: %s", path.c_str(), image.message);
        png_image_free(&image);
        return std::nullopt;
    }
    PngPicture picture{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint8_t* p = &rgba[i * 4];
        picture.pixels[i] = uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
    return picture;
}
