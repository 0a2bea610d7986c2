// JpegDecoder.cpp: decodes a JPEG picture from its bytes through TurboJPEG.
#include "JpegDecoder.h"

#include <bit>
#include <climits>
#include <memory>
#include <new>

#include <turbojpeg.h>

namespace {

struct HandleCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using Decompressor = std::unique_ptr<void, HandleCloser>;

Decompressor openDecompressor() {
    return Decompressor(tjInitDecompress());
}

// TurboJPEG's own error manager returns to the caller instead of ending the process, so a
// corrupt picture is an ordinary failure here.
std::optional<PictureSize> readSize(tjhandle handle, std::span<const uint8_t> bytes) {
    if (handle == nullptr || bytes.empty() || bytes.size() > ULONG_MAX) {
        return std::nullopt;
    }
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle, bytes.data(), static_cast<unsigned long>(bytes.size()), &width, &height,
                            &subsampling, &colourspace) != 0) {
        return std::nullopt;
    }
    return PictureSize{width, height};
}

} // namespace

std::optional<PictureSize> readJpegSize(std::span<const uint8_t> bytes) {
    const Decompressor handle = openDecompressor();
    return readSize(handle.get(), bytes);
}

std::optional<Picture> decodeJpeg(std::span<const uint8_t> bytes) {
    const Decompressor handle = openDecompressor();
    const std::optional<PictureSize> size = readSize(handle.get(), bytes);
    if (!size) {
        return std::nullopt;
    }
    std::optional<Picture> picture = makeBlankPicture(size->width, size->height);
    if (!picture) {
        return std::nullopt;
    }
    // Decoding straight into the block: in memory, 0xAARRGGBB is B, G, R, A on a little-endian
    // machine and A, R, G, B on a big-endian one; TurboJPEG fills the alpha byte with 255.
    const int format = std::endian::native == std::endian::little ? TJPF_BGRA : TJPF_ARGB;
    // Warnings (a truncated file decodes partly and warns) stop the decode and count as failure;
    // progressive scans are capped so a hostile file cannot take unbounded time.
    const int flags = TJFLAG_ACCURATEDCT | TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
    const int pitch = size->width * static_cast<int>(sizeof(uint32_t));
    if (tjDecompress2(handle.get(), bytes.data(), static_cast<unsigned long>(bytes.size()),
                      reinterpret_cast<unsigned char*>(picture->pixels.data()), size->width, pitch,
                      size->height, format, flags) != 0) {
        return std::nullopt;
    }
    return picture;
}
