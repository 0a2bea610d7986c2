// FixedList.h: a list with a capacity fixed at compile time that never allocates.
#pragma once

#include <array>
#include <cstddef>
#include <span>

// Reaching the capacity is a normal outcome here: push answers false and the caller decides
// whether to log it or ignore it.
template <typename T, std::size_t Capacity>
class FixedList {
public:
    static constexpr std::size_t capacity() { return Capacity; }

    bool push(const T& value) {
        if (m_count == Capacity) {
            return false;
        }
        m_items[m_count++] = value;
        return true;
    }
    void clear() { m_count = 0; }
    std::size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    bool full() const { return m_count == Capacity; }

    T& operator[](std::size_t i) { return m_items[i]; }
    const T& operator[](std::size_t i) const { return m_items[i]; }
    T* begin() { return m_items.data(); }
    T* end() { return m_items.data() + m_count; }
    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + m_count; }
    std::span<const T> items() const { return {m_items.data(), m_count}; }

private:
    std::array<T, Capacity> m_items{};
    std::size_t m_count = 0;
};
