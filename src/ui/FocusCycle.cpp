// FocusCycle.cpp: one keyboard focus stepping through a screen's or a dialog's controls.
#include "FocusCycle.h"

#include "MenuButton.h"
#include "engine/core/WakeRequests.h"
#include "engine/input/TypedKeys.h"
#include "engine/input/ksInputState.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

} // namespace

bool FocusCycle::step(const ksInput& now, int count, int start, bool arrowsMove) {
    const int before = m_index;
    static constexpr std::array<int, 4> kArrows{kLeftArrowKey, kUpArrowKey, kRightArrowKey, kDownArrowKey};
    std::array<bool, 4> pressed{};
    for (std::size_t i = 0; i < kArrows.size(); ++i) {
        const bool held = now.isKeyDown(kArrows[i]);
        pressed[i] = held && m_arrowsHeld[i] == 0;
        m_arrowsHeld[i] = held ? 1 : 0;
    }
    if (m_pointer.moved(now) || now.isHeld() || now.isReleased() || count <= 0) {
        m_index = -1;
        return before != m_index;
    }
    int delta = 0;
    if (now.wasTyped(kTabKey)) {
        delta = now.isKeyDown(kShiftKey) ? -1 : 1;
    } else if (arrowsMove && (pressed[2] || pressed[3])) {
        delta = 1;
    } else if (arrowsMove && (pressed[0] || pressed[1])) {
        delta = -1;
    }
    if (delta != 0) {
        m_index = m_index < 0 ? (start >= 0 && start < count ? start : 0) : (m_index + delta + count) % count;
    } else if (m_index >= count) {
        m_index = -1;
    }
    return before != m_index;
}

int32_t MenuFocus::step(const ksInput& now, std::span<MenuButton> buttons, bool arrowsMove) {
    m_count = 0;
    for (std::size_t i = 0; i < buttons.size() && m_count < static_cast<int>(m_order.size()); ++i) {
        const ScreenRect& rect = buttons[i].rect();
        if (rect.left < kScreenWidth && rect.top < kScreenHeight && rect.right >= 0 && rect.bottom >= 0) {
            m_order[static_cast<std::size_t>(m_count++)] = static_cast<int>(i);
        }
    }
    const bool wasShown = m_cycle.isShown();
    if (m_cycle.step(now, m_count, 0, arrowsMove)) {
        WakeRequests::nextFrame();
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].setKeyFocus(m_cycle.isShown() &&
                               static_cast<int>(i) == m_order[static_cast<std::size_t>(m_cycle.focused())]);
    }
    // A press counts only on a focus that was already on show.
    if (!wasShown || !m_cycle.isShown() || !(now.wasTyped(kEnterKey) || now.wasTyped(kSpaceKey))) {
        return -1;
    }
    return buttons[static_cast<std::size_t>(m_order[static_cast<std::size_t>(m_cycle.focused())])].getId();
}

void MenuFocus::draw(ksCanvas& canvas, std::span<const MenuButton> buttons) const {
    if (!m_cycle.isShown()) {
        return;
    }
    drawFocusRing(
        canvas,
        buttons[static_cast<std::size_t>(m_order[static_cast<std::size_t>(m_cycle.focused())])].rect());
}

void MenuFocus::hide(std::span<MenuButton> buttons) {
    if (m_cycle.isShown()) {
        WakeRequests::nextFrame();
    }
    m_cycle.hide();
    for (MenuButton& button : buttons) {
        button.setKeyFocus(false);
    }
}
