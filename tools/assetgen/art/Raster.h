// Raster.h: a picture in memory with straight (not premultiplied) alpha.
#pragma once

#include <cstdint>
#include <vector>

// Pixels are 0xAARRGGBB, rows top-down, stride = width. Colour bytes of a fully transparent
// pixel carry no meaning until `bleedColours` fills them.
class Raster {
public:
    Raster() = default;
    Raster(int width, int height, uint32_t fill = 0);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0 || m_height == 0; }

    uint32_t at(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }
    void set(int x, int y, uint32_t argb) { m_pixels[static_cast<std::size_t>(y) * m_width + x] = argb; }
    const std::vector<uint32_t>& pixels() const { return m_pixels; }
    std::vector<uint32_t>& pixels() { return m_pixels; }

    // True when some pixel is not fully opaque.
    bool hasTransparency() const;

    // A copy of the rectangle; parts outside this picture read as transparent black.
    Raster cropped(int x, int y, int width, int height) const;

    // Source-over blend of `top` with its top-left corner at (x, y), clipped to this picture.
    void composite(const Raster& top, int x, int y);

    // 8-bit RGB triples, rows top-down, for the JPEG compressor.
    std::vector<uint8_t> rgbBytes() const;
    // The alpha channel as one grey byte per pixel, for the mask GIF.
    std::vector<uint8_t> alphaBytes() const;

    // Gives fully transparent pixels the colour of their nearest visible neighbours, so lossy
    // compression of the colour picture does not bleed stray colours into soft edges.
    void bleedColours();

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
};

inline constexpr uint8_t alphaOf(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 24);
}
inline constexpr uint8_t redOf(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 16);
}
inline constexpr uint8_t greenOf(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 8);
}
inline constexpr uint8_t blueOf(uint32_t argb) {
    return static_cast<uint8_t>(argb);
}
inline constexpr uint32_t packArgb(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
