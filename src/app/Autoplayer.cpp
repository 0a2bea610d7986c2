// Autoplayer.cpp: the built-in player, feeding clicks and keys into the main loop like a player.
#include "Autoplayer.h"

#include "engine/input/InputEventQueue.h"
#include "engine/input/TypedKeys.h"
#include "ui/AutoplayTarget.h"
#include "ui/ScreenManager.h"

namespace {

constexpr int kLeftButton = 0;

// A press and its release; the queue hands the release to the next pass, so the game sees the
// button held for a frame and then released over the same point.
bool click(InputEventQueue& queue, int x, int y) {
    if (queue.freeSpace() < 3) {
        return false;
    }
    queue.push(InputEvent::pointerMove(static_cast<float>(x), static_cast<float>(y)));
    queue.push(InputEvent::button(kLeftButton, true));
    queue.push(InputEvent::button(kLeftButton, false));
    return true;
}

} // namespace

void Autoplayer::feed(int64_t, InputEventQueue& queue) {
    if (m_wait > 0) {
        --m_wait;
        return;
    }
    auto* target = dynamic_cast<AutoplayTarget*>(m_screens.currentScreen());
    if (target == nullptr) {
        return;
    }
    const AutoplayView view = target->autoplayView();
    switch (view.dialog) {
    case AutoplayView::Dialog::Enter:
        if (view.hasEntry && view.entryText != kName) {
            // One character a frame: a field takes the characters of one frame in code order.
            const bool onTheWay = kName.starts_with(view.entryText);
            if (queue.push(InputEvent::character(onTheWay ? kName[view.entryText.size()] : kBackspaceKey))) {
                m_wait = kPassesBetweenKeys;
            }
        } else if (queue.push(InputEvent::character(kEnterKey))) {
            m_wait = kPassesAfterAnswer;
        }
        return;
    case AutoplayView::Dialog::Click:
        if (click(queue, 320, 240)) {
            m_wait = kPassesAfterAnswer;
        }
        return;
    case AutoplayView::Dialog::None:
        if (view.click && click(queue, view.click->x, view.click->y)) {
            m_wait = kPassesBetweenMoves;
        }
        return;
    }
}
