// FocusRing.cpp: the ring that shows what the keyboard or a gamepad points at, and the keys that move it.
#include "FocusRing.h"

#include "engine/input/ksInputState.h"
#include "engine/video/ksCanvas.h"

namespace {

constexpr uint32_t kDark = 0xFF1C1440u;
constexpr uint32_t kBright = 0xFFFFF3A8u;

// A one-pixel rectangle outline with its four corner pixels left out, `inset` pixels outside
// `rect`.
void outline(ksCanvas& canvas, const ScreenRect& rect, int inset, uint32_t colour) {
    const int left = rect.left - inset;
    const int top = rect.top - inset;
    const int width = rect.width + 2 * inset;
    const int height = rect.height + 2 * inset;
    canvas.fillRect(left + 1, top, width - 2, 1, colour);
    canvas.fillRect(left + 1, top + height - 1, width - 2, 1, colour);
    canvas.fillRect(left, top + 1, 1, height - 2, colour);
    canvas.fillRect(left + width - 1, top + 1, 1, height - 2, colour);
}

bool wentDown(const ksInput& now, const ksInput& before, int code) {
    return now.isKeyDown(code) && !before.isKeyDown(code);
}

} // namespace

void drawFocusRing(ksCanvas& canvas, const ScreenRect& rect) {
    outline(canvas, rect, 0, kDark);
    outline(canvas, rect, 1, kBright);
    outline(canvas, rect, 2, kBright);
    outline(canvas, rect, 3, kDark);
}

NavigationKeys readNavigationKeys(const ksInput& now, const ksInput& before) {
    NavigationKeys keys;
    keys.left = wentDown(now, before, kLeftArrowKey);
    keys.right = wentDown(now, before, kRightArrowKey);
    keys.up = wentDown(now, before, kUpArrowKey);
    keys.down = wentDown(now, before, kDownArrowKey);
    if (now.wasTyped(kTabKey)) {
        (now.isKeyDown(kShiftKey) ? keys.previous : keys.next) = true;
    }
    return keys;
}

bool PointerWatch::moved(const ksInput& now) {
    const bool moved = m_seen && (now.x != m_x || now.y != m_y);
    m_x = now.x;
    m_y = now.y;
    m_seen = true;
    return moved;
}
