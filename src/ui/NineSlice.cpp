// NineSlice.cpp: drawing a small template picture as a frame of any size.
#include "NineSlice.h"

#include "engine/video/ksCanvas.h"
#include "engine/video/ksImage.h"

#include <algorithm>

namespace nineslice {

int thirdOf(const ksImage* tpl) {
    return tpl != nullptr ? tpl->getWidth() / 3 : 0;
}

int halfOf(const ksImage* tpl) {
    return tpl != nullptr ? tpl->getWidth() / 2 : 0;
}

namespace {

bool usable(const ksImage* tpl, int corner, const ScreenRect& area) {
    return tpl != nullptr && !tpl->isEmpty() && corner >= 1 && !area.isEmpty();
}

void drawCorners(const ksImage& tpl, int c, const ScreenRect& area) {
    const int rightSource = tpl.getWidth() - c, bottomSource = tpl.getHeight() - c;
    const int rightX = area.right - c + 1, bottomY = area.bottom - c + 1;
    tpl.drawPart(area.left, area.top, 0, 0, c, c);
    tpl.drawPart(rightX, area.top, rightSource, 0, c, c);
    tpl.drawPart(area.left, bottomY, 0, bottomSource, c, c);
    tpl.drawPart(rightX, bottomY, rightSource, bottomSource, c, c);
}

} // namespace

void drawTiled(const ksImage* tpl, const ScreenRect& area) {
    const int c = thirdOf(tpl);
    if (!usable(tpl, c, area)) {
        return;
    }
    const int rightSource = tpl->getWidth() - c, bottomSource = tpl->getHeight() - c;
    const int innerRight = area.right - c + 1, innerBottom = area.bottom - c + 1; // exclusive
    for (int y = area.top + c; y < innerBottom; y += c) {
        const int h = std::min(c, innerBottom - y);
        for (int x = area.left + c; x < innerRight; x += c) {
            tpl->drawPart(x, y, c, c, std::min(c, innerRight - x), h);
        }
        tpl->drawPart(area.left, y, 0, c, c, h);
        tpl->drawPart(innerRight, y, rightSource, c, c, h);
    }
    for (int x = area.left + c; x < innerRight; x += c) {
        const int w = std::min(c, innerRight - x);
        tpl->drawPart(x, area.top, c, 0, w, c);
        tpl->drawPart(x, innerBottom, c, bottomSource, w, c);
    }
    drawCorners(*tpl, c, area);
}

void drawStretched(const ksImage* tpl, int corner, const ScreenRect& area) {
    const int c = corner;
    if (!usable(tpl, c, area)) {
        return;
    }
    const int rightSource = tpl->getWidth() - c, bottomSource = tpl->getHeight() - c;
    const int innerRight = area.right - c + 1, innerBottom = area.bottom - c + 1; // exclusive
    for (int x = area.left + c; x < innerRight; ++x) {
        tpl->drawPart(x, area.top, c, 0, 1, c);
        tpl->drawPart(x, innerBottom, c, bottomSource, 1, c);
    }
    for (int y = area.top + c; y < innerBottom; ++y) {
        tpl->drawPart(area.left, y, 0, c, c, 1);
        tpl->drawPart(innerRight, y, rightSource, c, c, 1);
    }
    const uint32_t centre = tpl->pixelAt(tpl->getWidth() / 2, tpl->getHeight() / 2);
    tpl->getCanvas().fillRect(area.left + c, area.top + c, area.width - 2 * c, area.height - 2 * c, centre);
    drawCorners(*tpl, c, area);
}

} // namespace nineslice
