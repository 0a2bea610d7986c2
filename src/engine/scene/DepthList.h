// DepthList.h: drawables kept in depth order, lowest first; fixed capacity.
#pragma once

#include <span>
#include <vector>

class ksDrawable;

class DepthList {
public:
    explicit DepthList(int capacity);

    // Ignored for null, when full, or when already listed. The object goes before the last entry
    // that is deeper than it, or to the front when none is.
    void add(ksDrawable* object);
    void remove(ksDrawable* object);
    // Stable insertion sort by depth: equal depths keep their order.
    void sort();
    void clear();
    void drawAll() const;

    int count() const { return m_count; }
    int capacity() const { return static_cast<int>(m_entries.size()); }
    bool contains(const ksDrawable* object) const;
    std::span<ksDrawable* const> entries() const {
        return {m_entries.data(), static_cast<std::size_t>(m_count)};
    }

private:
    std::vector<ksDrawable*> m_entries; // sized once at construction
    int m_count = 0;
};
