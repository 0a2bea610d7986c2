// Typefaces.h: the free fonts the art is lettered with, loaded through FreeType for cairo.
#pragma once

#include <array>
#include <string_view>

#include <cairo.h>

enum class Typeface {
    Display,   // Leckerli One: a fat, friendly script for headings and the logo
    Rounded,   // Quicksand Bold: clear rounded letters for messages and captions
    Geometric, // Comfortaa Bold: round figures for scores
    Plain,     // DejaVu Sans Bold: the developer overlay
};

struct TypefaceFile {
    Typeface face;
    std::string_view family;
    std::string_view path;    // where Debian installs it
    std::string_view package; // the Debian package that carries it and its licence
};

inline constexpr std::array<TypefaceFile, 4> kTypefaceFiles = {{
    {Typeface::Display, "Leckerli One", "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf",
     "fonts-leckerli-one"},
    {Typeface::Rounded, "Quicksand Bold", "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf",
     "fonts-quicksand"},
    {Typeface::Geometric, "Comfortaa Bold", "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
     "fonts-comfortaa"},
    {Typeface::Plain, "DejaVu Sans Bold", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
     "fonts-dejavu-core"},
}};

// The cairo font face of a typeface, loaded once per process and kept for its lifetime (cairo
// caches faces internally, so they must outlive every context that used them). Safe to call
// from several threads. Null, with a message on stderr, when the font file cannot be read.
cairo_font_face_t* cairoFace(Typeface face);

// True when every typeface file loads.
bool allTypefacesAvailable();
