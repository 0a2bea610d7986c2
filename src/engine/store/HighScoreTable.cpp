// HighScoreTable.cpp: the game's high-score lists and the file "hsinfo.bin" that keeps them.
#include "HighScoreTable.h"

#include "engine/core/FileIo.h"
#include "engine/core/ReadOnlyFile.h"
#include "engine/core/ksLog.h"

#include <algorithm>

HighScoreTable::HighScoreTable(int listCount, int capacity, std::filesystem::path file)
    : m_lists(static_cast<std::size_t>(std::max(listCount, 0)), HighScoreList(capacity))
    , m_file(std::move(file)) {}

HighScoreTable HighScoreTable::forGame(const std::filesystem::path& dataDir) {
    return HighScoreTable(kGameListCount, kGameListCapacity, dataDir / kFileName);
}

bool HighScoreTable::hasList(int list, const char* operation) const {
    if (list < 0 || list >= listCount()) {
        trace("HighScoreTable::%s - list %i does not exist", operation, list);
        return false;
    }
    return true;
}

bool HighScoreTable::qualifies(int list, int32_t score) const {
    return hasList(list, "qualifies") && m_lists[list].qualifies(score);
}

bool HighScoreTable::add(int list, const char* name, int32_t score) {
    return hasList(list, "add") && m_lists[list].add(name, score);
}

int HighScoreTable::count(int list) const {
    return hasList(list, "count") ? m_lists[list].count() : 0;
}

const char* HighScoreTable::nameAt(int list, int position) const {
    return hasList(list, "nameAt") ? m_lists[list].nameAt(position) : nullptr;
}

int32_t HighScoreTable::scoreAt(int list, int position) const {
    return hasList(list, "scoreAt") ? m_lists[list].scoreAt(position) : -1;
}

void HighScoreTable::clearList(int list) {
    if (hasList(list, "clearList")) {
        m_lists[list].clear();
    }
}

std::vector<uint8_t> HighScoreTable::toBytes() const {
    std::vector<uint8_t> bytes;
    for (const HighScoreList& scores : m_lists) {
        scores.appendBlock(bytes);
    }
    return bytes;
}

void HighScoreTable::loadFromBytes(std::span<const uint8_t> bytes) {
    LittleEndianReader in(bytes);
    for (HighScoreList& scores : m_lists) {
        scores.readBlock(in);
    }
}

void HighScoreTable::load() {
    if (m_file.empty()) {
        return;
    }
    std::optional<ReadOnlyFile> file = ReadOnlyFile::open(m_file);
    if (!file) {
        for (HighScoreList& scores : m_lists) {
            scores.clear();
        }
        return;
    }
    // Anything after the lists is never looked at, so only their size is read.
    const std::size_t expected = toBytes().size();
    loadFromBytes(file->readLeading(expected));
}

bool HighScoreTable::save() const {
    if (m_file.empty()) {
        return false;
    }
    return writeFileAtomically(m_file, toBytes());
}
