// ImageAsset.h: one named picture of the game and its encoding into pack files.
#pragma once

#include "JpegCodec.h"
#include "Raster.h"
#include "engine/resources/PackWriter.h"

#include <optional>
#include <string>

enum class Transparency {
    Auto,   // a mask is written when any pixel is not fully opaque
    Opaque, // never a mask (backdrops, dialog pictures drawn as rectangles)
};

struct ImageAsset {
    std::string name; // the IMAGE entry name the game asks for
    Raster picture;
    Transparency transparency = Transparency::Auto;
    JpegOptions jpeg{};
};

// The files of one image: "<name>.jpg" and, when it needs one, the grey mask "<name>_a.gif"
// (its grey level, and so its blue byte, is the alpha). Names are lower case.
struct EncodedImage {
    std::string name;
    PackEntry picture;
    std::optional<PackEntry> mask;
};

// Nothing when the JPEG compressor fails.
std::optional<EncodedImage> encodeImage(const ImageAsset& asset);

// The lower-case form (A to Z only) the pack stores names in.
std::string lowerCased(std::string text);
