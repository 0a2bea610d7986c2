// InputEventQueue.h: events waiting for the main loop, handed out one pass at a time.
#pragma once

#include "InputEvent.h"

#include <array>
#include <cstddef>

// Each main-loop pass takes every waiting event, except that a button release whose press was
// taken in the same pass is left for the next pass: a press and its release always fall on
// different input commits, so no click is ever lost. Consecutive pointer moves are coalesced
// into the last position, so a fast mouse cannot flood the queue.
class InputEventQueue {
public:
    static constexpr std::size_t kCapacity = 4096;

    // False when the queue is full (the event is not taken; leave it with the window system).
    bool push(const InputEvent& event);
    std::size_t size() const { return m_count; }
    std::size_t freeSpace() const { return kCapacity - m_count; }
    bool empty() const { return m_count == 0; }
    // True when anything but pointer moves waits: a button, a key, a character, a window event.
    bool holdsMoreThanMoves() const {
        for (std::size_t i = 0; i < m_count; ++i) {
            if (m_items[(m_head + i) % kCapacity].kind != InputEvent::Kind::PointerMove) {
                return true;
            }
        }
        return false;
    }
    void clear() { m_head = m_count = 0; }

    // Hands this pass's events to `handle` in order.
    template <typename Handler>
    void drainPass(Handler&& handle) {
        bool pressed[3] = {false, false, false};
        while (m_count > 0) {
            const InputEvent& next = m_items[m_head];
            const bool isButton =
                next.kind == InputEvent::Kind::ButtonDown || next.kind == InputEvent::Kind::ButtonUp;
            const int button = isButton && next.code >= 0 && next.code < 3 ? next.code : -1;
            if (next.kind == InputEvent::Kind::ButtonUp && button >= 0 && pressed[button]) {
                return;
            }
            if (next.kind == InputEvent::Kind::ButtonDown && button >= 0) {
                pressed[button] = true;
            }
            const InputEvent event = next;
            m_head = (m_head + 1) % kCapacity;
            --m_count;
            handle(event);
        }
    }

private:
    std::array<InputEvent, kCapacity> m_items{};
    std::size_t m_head = 0;
    std::size_t m_count = 0;
};
