// JpegCodec.cpp: baseline JPEG encoding (and decoding for checks) through TurboJPEG.
#include "JpegCodec.h"

#include <memory>

#include <turbojpeg.h>

namespace {

struct HandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, HandleDeleter>;

struct BufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

} // namespace

std::optional<std::vector<uint8_t>> encodeJpeg(const Raster& raster, const JpegOptions& options) {
    TjHandle handle(tjInitCompress());
    if (!handle || raster.empty()) {
        return std::nullopt;
    }
    std::vector<uint8_t> rgb = raster.rgbBytes();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int sampling = options.fullChroma ? TJSAMP_444 : TJSAMP_420;
    const int status = tjCompress2(handle.get(), rgb.data(), raster.width(), 0, raster.height(), TJPF_RGB,
                                   &out, &size, sampling, options.quality, TJFLAG_ACCURATEDCT);
    std::unique_ptr<unsigned char, BufferDeleter> owned(out);
    if (status != 0) {
        return std::nullopt;
    }
    return std::vector<uint8_t>(out, out + size);
}

std::optional<Raster> decodeJpegRaster(std::span<const uint8_t> bytes) {
    TjHandle handle(tjInitDecompress());
    if (!handle || bytes.empty()) {
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    auto* data = const_cast<unsigned char*>(bytes.data());
    if (tjDecompressHeader3(handle.get(), data, bytes.size(), &width, &height, &subsampling, &colourspace) !=
            0 ||
        width < 1 || height < 1) {
        return std::nullopt;
    }
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    if (tjDecompress2(handle.get(), data, bytes.size(), rgb.data(), width, 0, height, TJPF_RGB,
                      TJFLAG_ACCURATEDCT | TJFLAG_STOPONWARNING) != 0) {
        return std::nullopt;
    }
    Raster out(width, height);
    for (std::size_t i = 0; i < out.pixels().size(); ++i) {
        out.pixels()[i] = packArgb(255, rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    }
    return out;
}
