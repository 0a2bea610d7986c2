// InputEventQueue.cpp: events waiting for the main loop, handed out one pass at a time.
#include "InputEventQueue.h"

bool InputEventQueue::push(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::PointerMove && m_count > 0) {
        InputEvent& last = m_items[(m_head + m_count - 1) % kCapacity];
        if (last.kind == InputEvent::Kind::PointerMove) {
            last = event;
            return true;
        }
    }
    if (m_count == kCapacity) {
        return false;
    }
    m_items[(m_head + m_count) % kCapacity] = event;
    ++m_count;
    return true;
}
