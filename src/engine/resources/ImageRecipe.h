// ImageRecipe.h: what the parameters of an IMAGE entry ask to be made.
#pragma once

#include "ResourceToken.h"

#include <cstdint>
#include <span>
#include <string>

struct ImageRecipe {
    enum class Kind {
        Nothing,      // the parameters fit no form: the entry's image list stays empty
        File,         // one image loaded from `file`
        FileWithMask, // one image loaded from `file`, its alpha from the blue bytes of `maskFile`
        Blank,        // one width x height image, every alpha 255
    };
    Kind kind = Kind::Nothing;
    std::string file;
    std::string maskFile;
    int32_t width = 0;
    int32_t height = 0;

    friend bool operator==(const ImageRecipe&, const ImageRecipe&) = default;
};

// A File alone (or followed by anything but a File) is a picture; two Files are a picture and its
// mask; two Numbers of at least 1 are a blank image's size. A refused file name makes Nothing.
ImageRecipe readImageParameters(std::span<const ResourceToken> parameters);
