// PuzzleCatalog.cpp: the 102 puzzles: layouts, titles, backgrounds, values and stored solutions.
#include "PuzzleCatalog.h"

#include "MoveRecordFile.h"
#include "engine/core/ksLog.h"
#include "engine/resources/ksResources.h"

#include <algorithm>

PuzzleCatalog::PuzzleCatalog(std::string_view names, std::span<const uint8_t> levels,
                             std::span<const uint8_t> records)
    : m_names(parsePuzzleNames(names, puzzle::kPuzzleCount)) {
    if (levels.size() < puzzle::kLevelsBytes) {
        trace("PuzzleCatalog - %s holds %zu bytes, not %zu; the puzzles past its end are blank",
              kLevelsResource, levels.size(), puzzle::kLevelsBytes);
    }
    std::vector<uint8_t> blank;
    if (records.size() < puzzle::kMoveRecordFileBytes) {
        blank = blankMoveRecordBytes();
        std::copy(records.begin(), records.end(), blank.begin());
        records = blank;
    }
    for (int i = 0; i < puzzle::kPuzzleCount; ++i) {
        m_levels[static_cast<std::size_t>(i)] = PuzzleLevel::fromResource(levels, i);
        m_records[static_cast<std::size_t>(i)].loadFrom(
            records.subspan(static_cast<std::size_t>(i) * MoveRecord::kBytes).first<MoveRecord::kBytes>());
    }
}

PuzzleCatalog PuzzleCatalog::load(ksResources& resources, const std::filesystem::path& dataDir) {
    const std::string names = resources.getText(kNamesResource);
    const std::span<const uint8_t> levels = resources.getCustom(kLevelsResource);
    const std::vector<uint8_t> records =
        loadMoveRecordFile(dataDir, resources.fileSource().dataDir() / puzzle::kMoveRecordFileName);
    PuzzleCatalog catalog(names, levels, records);
    for (int i = 0; i < puzzle::kPuzzleCount; ++i) {
        catalog.m_backgrounds[static_cast<std::size_t>(i)] = resources.getImage(catalog.backgroundName(i));
    }
    return catalog;
}

std::vector<uint8_t> PuzzleCatalog::recordBytes() const {
    std::vector<uint8_t> bytes(puzzle::kMoveRecordFileBytes);
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        m_records[i].copyTo(std::span(bytes).subspan(i * MoveRecord::kBytes).first<MoveRecord::kBytes>());
    }
    return bytes;
}

bool PuzzleCatalog::saveRecords(const std::filesystem::path& dataDir) const {
    return saveMoveRecordFile(dataDir, recordBytes());
}

std::size_t PuzzleCatalog::clamped(int index) {
    return static_cast<std::size_t>(std::clamp(index, 0, puzzle::kPuzzleCount - 1));
}
