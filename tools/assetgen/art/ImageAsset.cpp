// ImageAsset.cpp: one named picture of the game and its encoding into pack files.
#include "ImageAsset.h"

#include "GifWriter.h"

std::string lowerCased(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

std::optional<EncodedImage> encodeImage(const ImageAsset& asset) {
    const bool masked = asset.transparency == Transparency::Auto && asset.picture.hasTransparency();
    Raster colours = asset.picture;
    if (masked) {
        colours.bleedColours();
    }
    auto jpeg = encodeJpeg(colours, asset.jpeg);
    if (!jpeg) {
        return std::nullopt;
    }
    const std::string base = lowerCased(asset.name);
    EncodedImage encoded{asset.name, PackEntry{base + ".jpg", std::move(*jpeg)}, std::nullopt};
    if (masked) {
        const std::vector<uint8_t> alpha = asset.picture.alphaBytes();
        encoded.mask =
            PackEntry{base + "_a.gif", encodeGreyGif(asset.picture.width(), asset.picture.height(), alpha)};
    }
    return encoded;
}
