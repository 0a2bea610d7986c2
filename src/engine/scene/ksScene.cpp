// ksScene.cpp: the objects of a screen, updated each frame and drawn in depth order.
#include "ksScene.h"

#include "engine/core/WakeRequests.h"
#include "ksDrawable.h"

#include <algorithm>

ksScene::ksScene(int capacity)
    : m_slots(static_cast<std::size_t>(std::max(capacity, 0)), nullptr)
    , m_list(capacity) {}

void ksScene::add(ksDrawable* object) {
    if (object == nullptr || std::find(m_slots.begin(), m_slots.end(), object) != m_slots.end()) {
        return;
    }
    for (auto slot = m_slots.rbegin(); slot != m_slots.rend(); ++slot) {
        if (*slot == nullptr) {
            *slot = object;
            m_list.add(object);
            m_busy = true;
            return;
        }
    }
}

void ksScene::remove(ksDrawable* object) {
    const auto found = std::find(m_slots.begin(), m_slots.end(), object);
    if (object == nullptr || found == m_slots.end()) {
        return;
    }
    m_list.remove(object);
    *found = nullptr;
}

void ksScene::clear() {
    m_list.clear();
    std::fill(m_slots.begin(), m_slots.end(), nullptr);
    m_busy = false;
}

void ksScene::update() {
    m_busy = false;
    for (ksDrawable*& slot : m_slots) {
        if (slot == nullptr) {
            continue;
        }
        slot->update();
        if (!slot->isActive()) {
            m_list.remove(slot);
            slot = nullptr;
            continue;
        }
        m_busy = true;
        if (slot->isMoving()) {
            WakeRequests::nextFrame();
        }
    }
}
