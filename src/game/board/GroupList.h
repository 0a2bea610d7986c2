// GroupList.h: the members of the last group found on a board, in the order the search met them.
#pragma once

#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

class Balloon;

// Room for every place of its board is reserved at construction, so a search can never outgrow
// the list and never allocates. The selected place is always the first member.
class GroupList {
public:
    explicit GroupList(std::size_t capacity) { m_members.reserve(capacity); }

    std::size_t size() const { return m_members.size(); }
    bool empty() const { return m_members.empty(); }
    Balloon& operator[](std::size_t i) const { return *m_members[i]; }
    std::span<Balloon* const> members() const { return m_members; }
    auto begin() const { return m_members.begin(); }
    auto end() const { return m_members.end(); }

private:
    friend class BalloonBoard;

    void rewind() { m_members.clear(); }
    void append(Balloon& balloon) {
        assert(m_members.size() < m_members.capacity());
        m_members.push_back(&balloon);
    }

    std::vector<Balloon*> m_members;
};
