// PuzzleCatalog.h: the 102 puzzles: layouts, titles, backgrounds, values and stored solutions.
#pragma once

#include "MoveRecord.h"
#include "PuzzleLevel.h"
#include "PuzzleNames.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class ksImage;
class ksResources;

// Built once by the Puzzle screen and kept for the whole run. Every index is clamped to 0..101,
// so a damaged profile can never reach past the catalogue.
class PuzzleCatalog {
public:
    static constexpr const char* kNamesResource = "puzzle_names";
    static constexpr const char* kLevelsResource = "zibbet_levels";

    // From plain data: the `puzzle_names` text, the `zibbet_levels` bytes and the 36,720 bytes of
    // "puzzle.rec". Levels past the end of a short resource are blank (one trace line); no
    // background pictures are looked up.
    PuzzleCatalog(std::string_view names, std::span<const uint8_t> levels, std::span<const uint8_t> records);

    // From the game's resources and the player's "puzzle.rec" in `dataDir` (see
    // loadMoveRecordFile; the shipped copy is the "puzzle.rec" beside the resource pack). The
    // background pictures are looked up by name.
    static PuzzleCatalog load(ksResources& resources, const std::filesystem::path& dataDir);

    MoveRecord& record(int index) { return m_records[clamped(index)]; }
    const MoveRecord& record(int index) const { return m_records[clamped(index)]; }
    const PuzzleLevel& level(int index) const { return m_levels[clamped(index)]; }
    const std::string& name(int index) const { return m_names[clamped(index)].title; }
    int backgroundNumber(int index) const { return m_names[clamped(index)].background; }
    std::string backgroundName(int index) const { return backgroundImageName(backgroundNumber(index)); }
    // Null when the catalogue was built without resources.
    ksImage* background(int index) const { return m_backgrounds[clamped(index)]; }
    int value(int index) const { return m_names[clamped(index)].value; }

    // The 36,720 bytes of every record in index order.
    std::vector<uint8_t> recordBytes() const;
    // Writes every record to `dataDir`/"puzzle.rec"; false (traced) when that fails.
    bool saveRecords(const std::filesystem::path& dataDir) const;

private:
    static std::size_t clamped(int index);

    std::array<MoveRecord, puzzle::kPuzzleCount> m_records;
    std::array<PuzzleLevel, puzzle::kPuzzleCount> m_levels;
    std::vector<PuzzleName> m_names;
    std::array<ksImage*, puzzle::kPuzzleCount> m_backgrounds{};
};
