// ksScene.h: the objects of a screen, updated each frame and drawn in depth order.
#pragma once

#include "DepthList.h"

#include <vector>

class ksDrawable;

class ksScene {
public:
    explicit ksScene(int capacity);

    // Ignored when already present or when no slot is free.
    void add(ksDrawable* object);
    void remove(ksDrawable* object);
    void clear();
    // Updates every object in slot order and drops the ones that report they have finished.
    void update();

    // True when the last update found a live object, or an object was added since.
    bool isBusy() const { return m_busy; }
    // The screens sort and draw this list, and add their buttons to it directly.
    DepthList& list() { return m_list; }
    int capacity() const { return static_cast<int>(m_slots.size()); }

private:
    bool m_busy = false;
    std::vector<ksDrawable*> m_slots; // sized once; null is a free slot
    DepthList m_list;
};
