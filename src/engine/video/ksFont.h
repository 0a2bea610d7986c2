// ksFont.h: a bitmap font: a glyph sheet, a table of glyph rectangles, and text drawing.
#pragma once

#include "engine/core/ScreenRect.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ksCanvas;
class ksImage;

enum TextAlign : int { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTER = 2 };

// One line of text per call; the y of every drawing is the vertical centre of the line. Fonts
// are shared: spacing and opacity changed by one user stay in force for the next. Characters
// outside 0..127 have no glyph and add nothing.
class ksFont {
public:
    static constexpr int kGlyphs = 128;

    // A font without a sheet, canvas or table draws nothing and measures 0.
    ksFont() = default;
    // Builds the glyphs from the table text: records of five integers (code, left, top, right,
    // bottom) separated by any of ",; \n\r".
    ksFont(ksCanvas* canvas, ksImage* sheet, std::string_view glyphTable);

    void drawText(std::string_view text, int x, int y, int align) const;
    // The line `scale` times its size, about the middle of where drawText would put it (a pulse
    // of a number in place); glyphs are resampled like drawScaled pictures.
    void drawTextScaled(std::string_view text, int x, int y, int align, float scale) const;
    // Draws the value in decimal, without separators.
    void drawNumber(int32_t value, int x, int y, int align) const;
    // Thousands separators, negative values in parentheses: 1,234,567 and (5,000).
    static std::string formatNumber(int32_t value);

    int getTextWidth(std::string_view text) const;
    int getLineHeight() const { return m_lineHeight; }
    bool hasGlyph(int code) const { return code >= 0 && code < kGlyphs && m_glyphs[code].has_value(); }

    void setTracking(float tracking) { m_tracking = tracking; }
    void setSpaceWidth(int width) { m_spaceWidth = width; }
    void setOpacity(float opacity) { m_opacity = opacity; }
    float tracking() const { return m_tracking; }
    int spaceWidth() const { return m_spaceWidth; }
    float opacity() const { return m_opacity; }

private:
    float measure(std::string_view text) const;

    ksCanvas* m_canvas = nullptr;
    ksImage* m_sheet = nullptr;
    std::array<std::optional<ScreenRect>, kGlyphs> m_glyphs{};
    float m_tracking = 0.0f;
    int m_spaceWidth = 12;
    int m_lineHeight = 0;
    int m_halfHeight = 0;
    float m_opacity = 1.0f;
};
