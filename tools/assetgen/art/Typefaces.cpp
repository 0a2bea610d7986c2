// Typefaces.cpp: the free fonts the art is lettered with, loaded through FreeType for cairo.
#include "Typefaces.h"

#include <cstdio>
#include <mutex>
#include <string>

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

std::mutex& freetypeMutex() {
    static std::mutex mutex;
    return mutex;
}

// One FreeType library for the whole process: cairo may release a face (and with it call
// FT_Done_Face) at any time, so the library must never go away first.
FT_Library freetypeLibrary() {
    static FT_Library library = [] {
        FT_Library created = nullptr;
        if (FT_Init_FreeType(&created) != 0) {
            std::fputs("zibbet-assetgen: FreeType could not be initialised\n", stderr);
            return static_cast<FT_Library>(nullptr);
        }
        return created;
    }();
    return library;
}

const cairo_user_data_key_t kFaceKey{};

void releaseFace(void* face) {
    std::lock_guard lock(freetypeMutex());
    FT_Done_Face(static_cast<FT_Face>(face));
}

cairo_font_face_t* loadFace(Typeface which) {
    const TypefaceFile* file = nullptr;
    for (const TypefaceFile& candidate : kTypefaceFiles) {
        if (candidate.face == which) {
            file = &candidate;
        }
    }
    FT_Library library = freetypeLibrary();
    if (file == nullptr || library == nullptr) {
        return nullptr;
    }
    FT_Face face = nullptr;
    {
        std::lock_guard lock(freetypeMutex());
        if (FT_New_Face(library, std::string(file->path).c_str(), 0, &face) != 0) {
            std::fprintf(stderr, "zibbet-assetgen: cannot read the font %.*s (install %.*s)\n",
                         static_cast<int>(file->path.size()), file->path.data(),
                         static_cast<int>(file->package.size()), file->package.data());
            return nullptr;
        }
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_set_user_data(cairoFace, &kFaceKey, face, releaseFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        releaseFace(face);
        return nullptr;
    }
    return cairoFace;
}

} // namespace

cairo_font_face_t* cairoFace(Typeface face) {
    static const std::array<cairo_font_face_t*, kTypefaceFiles.size()> faces = [] {
        std::array<cairo_font_face_t*, kTypefaceFiles.size()> loaded{};
        for (std::size_t i = 0; i < kTypefaceFiles.size(); ++i) {
            loaded[i] = loadFace(kTypefaceFiles[i].face);
        }
        return loaded;
    }();
    return faces[static_cast<std::size_t>(face)];
}

bool allTypefacesAvailable() {
    for (const TypefaceFile& file : kTypefaceFiles) {
        if (cairoFace(file.face) == nullptr) {
            return false;
        }
    }
    return true;
}
