// DepthList.cpp: drawables kept in depth order, lowest first; fixed capacity.
#include "DepthList.h"

#include "ksDrawable.h"

#include <algorithm>

DepthList::DepthList(int capacity)
    : m_entries(static_cast<std::size_t>(std::max(capacity, 0)), nullptr) {}

bool DepthList::contains(const ksDrawable* object) const {
    return std::find(m_entries.begin(), m_entries.begin() + m_count, object) != m_entries.begin() + m_count;
}

void DepthList::add(ksDrawable* object) {
    if (object == nullptr || m_count == capacity() || contains(object)) {
        return;
    }
    int position = 0;
    for (int i = m_count - 1; i >= 0; --i) {
        if (m_entries[i]->getDepth() > object->getDepth()) {
            position = i;
            break;
        }
    }
    std::copy_backward(m_entries.begin() + position, m_entries.begin() + m_count,
                       m_entries.begin() + m_count + 1);
    m_entries[position] = object;
    ++m_count;
}

void DepthList::remove(ksDrawable* object) {
    const auto end = m_entries.begin() + m_count;
    const auto found = std::find(m_entries.begin(), end, object);
    if (found == end) {
        return;
    }
    std::copy(found + 1, end, found);
    m_entries[--m_count] = nullptr;
}

void DepthList::sort() {
    for (int i = 1; i < m_count; ++i) {
        ksDrawable* moving = m_entries[i];
        int j = i;
        while (j > 0 && m_entries[j - 1]->getDepth() > moving->getDepth()) {
            m_entries[j] = m_entries[j - 1];
            --j;
        }
        m_entries[j] = moving;
    }
}

void DepthList::clear() {
    std::fill(m_entries.begin(), m_entries.end(), nullptr);
    m_count = 0;
}

void DepthList::drawAll() const {
    for (int i = 0; i < m_count; ++i) {
        m_entries[i]->draw();
    }
}
