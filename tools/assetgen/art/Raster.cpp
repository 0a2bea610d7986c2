// Raster.cpp: a picture in memory with straight (not premultiplied) alpha.
#include "Raster.h"

#include <algorithm>

Raster::Raster(int width, int height, uint32_t fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(static_cast<std::size_t>(m_width) * m_height, fill) {}

bool Raster::hasTransparency() const {
    return std::any_of(m_pixels.begin(), m_pixels.end(), [](uint32_t p) { return alphaOf(p) != 255; });
}

Raster Raster::cropped(int x, int y, int width, int height) const {
    Raster out(width, height);
    for (int row = 0; row < height; ++row) {
        const int sy = y + row;
        if (sy < 0 || sy >= m_height) {
            continue;
        }
        for (int col = 0; col < width; ++col) {
            const int sx = x + col;
            if (sx >= 0 && sx < m_width) {
                out.set(col, row, at(sx, sy));
            }
        }
    }
    return out;
}

void Raster::composite(const Raster& top, int x, int y) {
    for (int row = 0; row < top.height(); ++row) {
        const int dy = y + row;
        if (dy < 0 || dy >= m_height) {
            continue;
        }
        for (int col = 0; col < top.width(); ++col) {
            const int dx = x + col;
            if (dx < 0 || dx >= m_width) {
                continue;
            }
            const uint32_t s = top.at(col, row);
            const uint32_t sa = alphaOf(s);
            if (sa == 0) {
                continue;
            }
            const uint32_t d = at(dx, dy);
            const uint32_t da = alphaOf(d);
            // Straight-alpha "over": out = s*sa + d*da*(1-sa), normalised by the resulting alpha.
            const uint32_t outA = sa + da * (255 - sa) / 255;
            auto channel = [&](uint8_t sc, uint8_t dc) {
                const uint32_t num = sc * sa * 255 + dc * da * (255 - sa);
                return (num + outA * 255 / 2) / (outA * 255);
            };
            set(dx, dy,
                packArgb(outA, channel(redOf(s), redOf(d)), channel(greenOf(s), greenOf(d)),
                         channel(blueOf(s), blueOf(d))));
        }
    }
}

std::vector<uint8_t> Raster::rgbBytes() const {
    std::vector<uint8_t> out;
    out.reserve(m_pixels.size() * 3);
    for (uint32_t p : m_pixels) {
        out.push_back(redOf(p));
        out.push_back(greenOf(p));
        out.push_back(blueOf(p));
    }
    return out;
}

std::vector<uint8_t> Raster::alphaBytes() const {
    std::vector<uint8_t> out;
    out.reserve(m_pixels.size());
    for (uint32_t p : m_pixels) {
        out.push_back(alphaOf(p));
    }
    return out;
}

void Raster::bleedColours() {
    if (empty()) {
        return;
    }
    // Breadth-first flood from the visible pixels: each transparent pixel takes the average
    // colour of its already-filled 4-neighbours, ring by ring.
    std::vector<uint8_t> filled(m_pixels.size(), 0);
    std::vector<std::size_t> frontier;
    for (std::size_t i = 0; i < m_pixels.size(); ++i) {
        if (alphaOf(m_pixels[i]) != 0) {
            filled[i] = 1;
            frontier.push_back(i);
        }
    }
    if (frontier.empty()) {
        std::fill(m_pixels.begin(), m_pixels.end(), 0);
        return;
    }
    const int w = m_width;
    const int h = m_height;
    while (!frontier.empty()) {
        std::vector<std::size_t> next;
        for (std::size_t i : frontier) {
            const int x = static_cast<int>(i % w);
            const int y = static_cast<int>(i / w);
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || nx[k] >= w || ny[k] < 0 || ny[k] >= h) {
                    continue;
                }
                const std::size_t j = static_cast<std::size_t>(ny[k]) * w + nx[k];
                if (filled[j] == 0) {
                    filled[j] = 2;
                    next.push_back(j);
                }
            }
        }
        std::sort(next.begin(), next.end());
        for (std::size_t j : next) {
            const int x = static_cast<int>(j % w);
            const int y = static_cast<int>(j / w);
            uint32_t r = 0, g = 0, b = 0, n = 0;
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || nx[k] >= w || ny[k] < 0 || ny[k] >= h) {
                    continue;
                }
                const std::size_t q = static_cast<std::size_t>(ny[k]) * w + nx[k];
                if (filled[q] == 1) {
                    r += redOf(m_pixels[q]);
                    g += greenOf(m_pixels[q]);
                    b += blueOf(m_pixels[q]);
                    ++n;
                }
            }
            m_pixels[j] = packArgb(0, (r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
        }
        for (std::size_t j : next) {
            filled[j] = 1;
        }
        frontier = std::move(next);
    }
}
