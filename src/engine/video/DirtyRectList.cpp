// DirtyRectList.cpp: a fixed list of screen rectangles merged by the first-overlap rule.
#include "DirtyRectList.h"

bool DirtyRectList::merge(const ScreenRect& rect, const ScreenRect& whole) {
    for (ScreenRect& existing : m_rects) {
        if (existing.overlaps(rect)) {
            existing.unite(rect);
            return true;
        }
    }
    if (m_rects.push(rect)) {
        return true;
    }
    setSingle(whole);
    return false;
}
