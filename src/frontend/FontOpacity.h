// FontOpacity.h: draws with a font at an opacity for the length of a scope.
#pragma once

#include "engine/video/ksFont.h"

// Fonts are shared, so whoever changes a font's opacity puts it back to 1.0 when done.
class FontOpacity {
public:
    FontOpacity(ksFont& font, float opacity)
        : m_font(font) {
        m_font.setOpacity(opacity);
    }
    ~FontOpacity() { m_font.setOpacity(1.0f); }
    FontOpacity(const FontOpacity&) = delete;
    FontOpacity& operator=(const FontOpacity&) = delete;

private:
    ksFont& m_font;
};
