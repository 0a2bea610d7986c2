// TabRow.cpp: a dialog's row of tabs over a framed panel, one of them selected.
#include "TabRow.h"

#include "DialogLayout.h"
#include "DialogTemplates.h"
#include "NineSlice.h"
#include "engine/video/ksFont.h"

#include <algorithm>
#include <cstdlib>

ksImage makeTabPicture(const ksImage& tpl, int width, int height) {
    ksImage tab(tpl.getCanvas(), width, height);
    const int c = tpl.getWidth() / 2;
    if (tab.isEmpty() || tpl.isEmpty() || c < 1) {
        return tab;
    }
    const int rightSource = tpl.getWidth() - c;
    tab.copyPixelsFrom(tpl, 0, 0, c, c, 0, 0);
    tab.copyPixelsFrom(tpl, rightSource, 0, c, c, width - c, 0);
    for (int x = c; x < width - c; ++x) {
        tab.copyPixelsFrom(tpl, c, 0, 1, c, x, 0);
    }
    for (int y = c; y < height; ++y) {
        tab.copyPixelsFrom(tpl, 0, c, c, 1, 0, y);
        tab.copyPixelsFrom(tpl, rightSource, c, c, 1, width - c, y);
    }
    const uint32_t centre = tpl.pixelAt(tpl.getWidth() / 2, tpl.getHeight() / 2);
    const int insideWidth = width - 2 * c, insideHeight = height - c;
    tab.fillColour(c, c, insideWidth, insideHeight, (centre >> 16) & 0xFF, (centre >> 8) & 0xFF,
                   centre & 0xFF);
    tab.setAlphaRect(c, c, insideWidth, insideHeight, static_cast<int>(centre >> 24));
    return tab;
}

void shadeNear(ksImage& image, uint32_t centre, int reach, float shade) {
    const std::size_t count = static_cast<std::size_t>(image.getWidth()) * image.getHeight();
    uint32_t* pixels = image.getPixels();
    auto near = [reach](uint32_t a, uint32_t b, int shift) {
        return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) <=
               reach;
    };
    auto scaled = [shade](uint32_t p, int shift) {
        return static_cast<uint32_t>(static_cast<float>((p >> shift) & 0xFF) * shade) << shift;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t p = pixels[i];
        if (near(p, centre, 16) && near(p, centre, 8) && near(p, centre, 0)) {
            pixels[i] = (p & 0xFF000000u) | scaled(p, 16) | scaled(p, 8) | scaled(p, 0);
        }
    }
}

void TabRow::build(const DialogSpec& layout, const DialogTemplates& templates) {
    m_count = layout.tabCount;
    if (m_count <= 0) {
        return;
    }
    m_template = templates.tab;
    const int half = nineslice::halfOf(m_template);
    int widest = 0;
    for (int i = 0; i < m_count; ++i) {
        const std::string& caption = layout.tabCaptions[static_cast<std::size_t>(i)];
        widest = std::max(widest, layout.tabFont != nullptr ? layout.tabFont->getTextWidth(caption) : 0);
    }
    m_tabWidth = widest + half + half;
    m_tabHeight = layout.tabFont != nullptr ? layout.tabFont->getLineHeight() + 10 : kPlainTabHeight;
    m_joinDepth = half;
    m_panel = dialoglayout::fromCentre(layout.tabPanel);
    if (m_template == nullptr || m_template->isEmpty() || m_tabWidth < 1) {
        return;
    }
    m_selected = makeTabPicture(*m_template, m_tabWidth, m_tabHeight + m_joinDepth);
    m_unselected = makeTabPicture(*m_template, m_tabWidth, m_tabHeight);
    const uint32_t centre = m_template->pixelAt(m_template->getWidth() / 2, m_template->getHeight() / 2);
    shadeNear(*m_unselected, centre, kShadeReach, kUnselectedShade);
}

ScreenRect TabRow::tabRect(int index) const {
    return ScreenRect::fromPositionSize(m_panel.left + index * m_tabWidth, m_panel.top - m_tabHeight,
                                        m_tabWidth, m_tabHeight);
}

int TabRow::tabAt(int x, int y) const {
    for (int i = 0; i < m_count; ++i) {
        if (tabRect(i).contains(x, y)) {
            return i;
        }
    }
    return -1;
}

void TabRow::draw(const DialogSpec& layout, int x, int y, int selected) const {
    if (m_count <= 0) {
        return;
    }
    ScreenRect panel = m_panel;
    panel.setPosition(x + panel.left, y + panel.top);
    nineslice::drawStretched(m_template, nineslice::halfOf(m_template), panel);
    for (int i = 0; i < m_count; ++i) {
        const ScreenRect r = tabRect(i);
        if (i != selected && m_unselected) {
            m_unselected->draw(x + r.left, y + r.top);
        }
    }
    if (selected >= 0 && selected < m_count && m_selected) {
        const ScreenRect r = tabRect(selected);
        m_selected->draw(x + r.left, y + r.top);
    }
    if (layout.tabFont == nullptr) {
        return;
    }
    for (int i = 0; i < m_count; ++i) {
        const ScreenRect r = tabRect(i);
        layout.tabFont->drawText(layout.tabCaptions[static_cast<std::size_t>(i)], x + r.left + r.width / 2,
                                 y + r.top + r.height / 2, ALIGN_CENTER);
    }
}
