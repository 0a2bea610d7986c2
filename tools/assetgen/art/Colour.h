// Colour.h: an sRGB colour with the small arithmetic the painters need.
#pragma once

#include <algorithm>
#include <cstdint>

// Channels are 0..1 floats in sRGB, as cairo takes them.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;

    static constexpr Colour hex(uint32_t rgb) {
        return Colour{((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
    }

    // t = 0 gives this colour, t = 1 gives `other`.
    constexpr Colour mix(const Colour& other, double t) const {
        return Colour{r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
    }
    constexpr Colour lighter(double t) const { return mix(Colour{1.0, 1.0, 1.0}, t); }
    constexpr Colour darker(double t) const { return mix(Colour{0.0, 0.0, 0.0}, t); }

    // Relative luminance-like weight, good enough to pick light or dark decoration.
    constexpr double brightness() const { return 0.299 * r + 0.587 * g + 0.114 * b; }

    uint32_t toRgb24() const {
        auto byte = [](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
        return (byte(r) << 16) | (byte(g) << 8) | byte(b);
    }
};
