// MoveRecordFile.h: "puzzle.rec", the best click sequence of every puzzle, 102 blocks of 360 bytes.
#pragma once

#include "MoveRecord.h"
#include "PuzzleLevel.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace puzzle {
inline constexpr const char* kMoveRecordFileName = "puzzle.rec";
inline constexpr std::size_t kMoveRecordFileBytes = MoveRecord::kBytes * kPuzzleCount; // 36,720
} // namespace puzzle

// 36,720 bytes of 255: no puzzle has a stored sequence.
std::vector<uint8_t> blankMoveRecordBytes();

// The player's "puzzle.rec" in `dataDir`, always 36,720 bytes. A short file reads as blank past
// its end and a longer one is cut. When there is none, the one shipped beside the resources
// (`shippedFile`, may be empty) is copied in (trace "Copied the shipped move data"); without
// that, a blank file is written (trace "Saved blank move data"). A failed write is traced as
// "Could not save move data" and the answer is what would have been written.
std::vector<uint8_t> loadMoveRecordFile(const std::filesystem::path& dataDir,
                                        const std::filesystem::path& shippedFile);

// Writes the 36,720 bytes atomically to `dataDir`/"puzzle.rec"; false (traced "Could not save
// move data") when that fails.
bool saveMoveRecordFile(const std::filesystem::path& dataDir, std::span<const uint8_t> bytes);
