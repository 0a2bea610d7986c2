// ksFont.cpp: a bitmap font: a glyph sheet, a table of glyph rectangles, and text drawing.
#include "ksFont.h"

#include "engine/core/Numbers.h"
#include "engine/core/StringTokenizer.h"
#include "ksCanvas.h"
#include "ksImage.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

ksFont::ksFont(ksCanvas* canvas, ksImage* sheet, std::string_view glyphTable)
    : m_canvas(canvas)
    , m_sheet(sheet) {
    StringTokenizer tokens(glyphTable, ",;\n\r ");
    const int records = tokens.countTokens() / 5;
    for (int r = 0; r < records; ++r) {
        int values[5];
        for (int& value : values) {
            value = parseDecimalInt(tokens.nextToken());
        }
        const int code = values[0], left = values[1], top = values[2], right = values[3], bottom = values[4];
        if (r == 0) {
            m_lineHeight = bottom + 1;
        }
        if (code < 0 || code >= kGlyphs) {
            continue;
        }
        // The first record sets the height to bottom - top; later records only ever lower it,
        // and glyphs built earlier keep the height they were built with.
        if (bottom < m_lineHeight) {
            m_lineHeight = bottom - top;
            m_halfHeight = m_lineHeight / 2;
        }
        m_glyphs[code] = ScreenRect::fromPositionSize(left, top, right - left + 1, m_lineHeight);
    }
}

float ksFont::measure(std::string_view text) const {
    float width = 0.0f;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int code = static_cast<unsigned char>(text[i]);
        if (code == ' ') {
            width += static_cast<float>(m_spaceWidth);
        }
        if (hasGlyph(code)) {
            width += static_cast<float>(m_glyphs[code]->width);
            if (i + 1 < text.size()) {
                width += m_tracking;
            }
        }
    }
    return width;
}

int ksFont::getTextWidth(std::string_view text) const {
    return truncSat(measure(text));
}

void ksFont::drawText(std::string_view text, int x, int y, int align) const {
    if (m_opacity == 0.0f || m_sheet == nullptr || m_canvas == nullptr || text.empty()) {
        return;
    }
    const float top = static_cast<float>(y - m_halfHeight);
    const float width = measure(text);
    float pen = static_cast<float>(x);
    if (align == ALIGN_CENTER) {
        pen -= width * 0.5f;
    } else if (align == ALIGN_RIGHT) {
        pen -= width;
    }
    // One box test for the whole line; each glyph is then clipped per pixel by the image code.
    const ScreenRect& clip = m_canvas->clipRect();
    if (static_cast<float>(clip.left) > pen + width || static_cast<float>(clip.top) > top + m_lineHeight ||
        static_cast<float>(clip.right) < pen || static_cast<float>(clip.bottom) < top) {
        return;
    }
    const int drawTop = static_cast<int>(std::ceil(top));
    for (const char ch : text) {
        const int code = static_cast<unsigned char>(ch);
        if (code == ' ') {
            pen += static_cast<float>(m_spaceWidth);
        }
        if (hasGlyph(code)) {
            const ScreenRect& glyph = *m_glyphs[code];
            m_sheet->drawPartFaded(static_cast<int>(std::ceil(pen)), drawTop, glyph.left, glyph.top,
                                   glyph.width, glyph.height, m_opacity);
            pen += static_cast<float>(glyph.width) + m_tracking;
        }
    }
}

void ksFont::drawTextScaled(std::string_view text, int x, int y, int align, float scale) const {
    if (scale == 1.0f) {
        drawText(text, x, y, align);
        return;
    }
    if (m_opacity == 0.0f || m_sheet == nullptr || m_canvas == nullptr || text.empty() || !(scale > 0.0f)) {
        return;
    }
    const float width = measure(text);
    float left = static_cast<float>(x);
    if (align == ALIGN_CENTER) {
        left -= width * 0.5f;
    } else if (align == ALIGN_RIGHT) {
        left -= width;
    }
    const float middleX = left + width * 0.5f;
    const float middleY = static_cast<float>(y - m_halfHeight) + static_cast<float>(m_lineHeight) * 0.5f;
    float pen = middleX - width * scale * 0.5f;
    const int top = static_cast<int>(std::floor(middleY - static_cast<float>(m_lineHeight) * scale * 0.5f));
    for (const char ch : text) {
        const int code = static_cast<unsigned char>(ch);
        if (code == ' ') {
            pen += static_cast<float>(m_spaceWidth) * scale;
        }
        if (hasGlyph(code)) {
            const ScreenRect& glyph = *m_glyphs[code];
            m_sheet->drawScaledFaded(static_cast<int>(std::floor(pen)), top,
                                     static_cast<float>(glyph.width) * scale,
                                     static_cast<float>(glyph.height) * scale, glyph.left, glyph.top,
                                     glyph.width, glyph.height, m_opacity);
            pen += (static_cast<float>(glyph.width) + m_tracking) * scale;
        }
    }
}

void ksFont::drawNumber(int32_t value, int x, int y, int align) const {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%d", value);
    drawText(digits, x, y, align);
}

std::string ksFont::formatNumber(int32_t value) {
    const int64_t magnitude = std::llabs(static_cast<int64_t>(value));
    std::string digits = std::to_string(magnitude);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return value < 0 ? "(" + grouped + ")" : grouped;
}
