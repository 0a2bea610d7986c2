// HighScoreList.cpp: one list of the best scores with the players' names, best first.
#include "HighScoreList.h"

#include "engine/core/ksLog.h"

#include <algorithm>
#include <cstring>

HighScoreList::HighScoreList(int capacity)
    : m_entries(static_cast<std::size_t>(std::max(capacity, 0))) {}

int HighScoreList::insertPosition(int32_t score) const {
    for (int i = 0; i < m_count; ++i) {
        if (m_entries[i].score < score) {
            return i;
        }
    }
    return m_count;
}

bool HighScoreList::qualifies(int32_t score) const {
    return insertPosition(score) < capacity();
}

bool HighScoreList::add(const char* name, int32_t score) {
    if (name == nullptr) {
        return false;
    }
    const int position = insertPosition(score);
    if (position >= capacity()) {
        return false;
    }
    if (m_count == capacity()) {
        --m_count;
    }
    std::move_backward(m_entries.begin() + position, m_entries.begin() + m_count,
                       m_entries.begin() + m_count + 1);
    Entry& entry = m_entries[position];
    entry.name = {};
    std::strncpy(entry.name.data(), name, kNameBytes - 1);
    entry.score = score;
    ++m_count;
    return true;
}

const char* HighScoreList::nameAt(int position) const {
    if (position < 0 || position >= capacity()) {
        return nullptr;
    }
    return m_entries[position].name.data();
}

int32_t HighScoreList::scoreAt(int position) const {
    if (position < 0 || position >= capacity()) {
        return -1;
    }
    return m_entries[position].score;
}

void HighScoreList::clear() {
    std::fill(m_entries.begin(), m_entries.end(), Entry{});
    m_count = 0;
}

void HighScoreList::appendBlock(std::vector<uint8_t>& out) const {
    appendInt32(out, m_count);
    for (const Entry& entry : m_entries) {
        out.insert(out.end(), entry.name.begin(), entry.name.end());
    }
    for (const Entry& entry : m_entries) {
        appendInt32(out, entry.score);
    }
}

void HighScoreList::readBlock(LittleEndianReader& in) {
    clear();
    int32_t count = 0;
    if (in.failed()) {
        trace("[HighScoreList::load] ... Premature end of file(1).");
    } else {
        count = in.readInt32();
    }
    if (count < 0 || count > capacity()) {
        trace("Attempted to load a high score list with %i elements into an HighScoreList object with %i "
              "elements",
              count, capacity());
        count = 0;
    }
    for (Entry& entry : m_entries) {
        if (in.failed()) {
            trace("[HighScoreList::load] ... Premature end of file(2).");
        }
        in.read(std::span(reinterpret_cast<uint8_t*>(entry.name.data()), entry.name.size()));
        // Names are drawn and copied as C strings, so a full buffer must still end in a zero.
        entry.name.back() = '\0';
    }
    if (in.failed()) {
        trace("[HighScoreList::load] ... Premature end of file(3).");
    }
    for (Entry& entry : m_entries) {
        entry.score = in.readInt32();
    }
    m_count = count;
}
