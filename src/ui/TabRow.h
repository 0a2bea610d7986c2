// TabRow.h: a dialog's row of tabs over a framed panel, one of them selected.
#pragma once

#include "DialogDescription.h"
#include "engine/core/ScreenRect.h"
#include "engine/video/ksImage.h"

#include <optional>

struct DialogTemplates;

// Tabs stand side by side on the panel's top edge, from its left end. Each is the tab template
// with its corners at the top only and its sides running down to the panel; the selected tab
// reaches over the panel's top border, so it joins the panel, and the others are darker.
class TabRow {
public:
    // Height of a tab without a tab font.
    static constexpr int kPlainTabHeight = 22;
    // How much each colour channel of an unselected tab keeps...
    static constexpr float kUnselectedShade = 0.7f;
    // ...where it lies within this distance of the template's centre colour in every channel.
    static constexpr int kShadeReach = 60;

    // Nothing to draw and no tab to hit while the layout has no tabs.
    void build(const DialogSpec& layout, const DialogTemplates& templates);

    int count() const { return m_count; }
    int tabWidth() const { return m_tabWidth; }
    int tabHeight() const { return m_tabHeight; }
    // Tab i's rectangle, relative to the dialog.
    ScreenRect tabRect(int index) const;
    // The tab under the dialog-relative point, or -1.
    int tabAt(int x, int y) const;
    // Draws the panel frame, the tabs with `selected` in front, and the captions, relative to the
    // dialog's corner at (x, y), into the canvas's current target.
    void draw(const DialogSpec& layout, int x, int y, int selected) const;

private:
    int m_count = 0;
    int m_tabWidth = 0;
    int m_tabHeight = 0;
    int m_joinDepth = 0;
    ScreenRect m_panel;
    const ksImage* m_template = nullptr;
    std::optional<ksImage> m_selected;
    std::optional<ksImage> m_unselected;
};

// A tab picture of the given size from the tab template (corner size = template width / 2):
// the top corners copied, the top edge and the two sides repeated one pixel at a time, the inside
// filled with the template's centre pixel. Alpha comes along, so the tab keeps the template's
// outline.
ksImage makeTabPicture(const ksImage& tpl, int width, int height);
// Multiplies every colour channel of each pixel that lies within `reach` of `centre` in red,
// green and blue by `shade`; alpha is kept.
void shadeNear(ksImage& image, uint32_t centre, int reach, float shade);
