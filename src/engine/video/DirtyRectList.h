// DirtyRectList.h: a fixed list of screen rectangles merged by the first-overlap rule.
#pragma once

#include "engine/core/FixedList.h"
#include "engine/core/ScreenRect.h"

class DirtyRectList {
public:
    static constexpr int kCapacity = 2048;

    // Grows the first rectangle that overlaps `rect` (edges inclusive) to their union; no further
    // merging happens, so a grown rectangle may overlap others. Otherwise appends `rect`.
    // A full list collapses into the single rectangle `whole` (the whole canvas), which every
    // later rectangle then merges into; answers false in that case.
    bool merge(const ScreenRect& rect, const ScreenRect& whole);

    void clear() { m_rects.clear(); }
    void setSingle(const ScreenRect& rect) {
        m_rects.clear();
        m_rects.push(rect);
    }
    std::size_t size() const { return m_rects.size(); }
    bool full() const { return m_rects.full(); }
    const ScreenRect& operator[](std::size_t i) const { return m_rects[i]; }
    const ScreenRect* begin() const { return m_rects.begin(); }
    const ScreenRect* end() const { return m_rects.end(); }
    std::span<const ScreenRect> items() const { return m_rects.items(); }

private:
    FixedList<ScreenRect, kCapacity> m_rects;
};
