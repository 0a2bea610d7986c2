// PuzzleResume.h: a puzzle left in the middle, as the clicks made on it, and its file.
#pragma once

#include "PuzzleLevel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A puzzle is taken up again by loading it and replaying its clicks, which gives back the board,
// the prizes, the click count and the undo history exactly as the rules made them.
struct PuzzleResumeRecord {
    // Every accepted click pops at least two balloons.
    static constexpr int kMaxClicks = puzzle::kRows * puzzle::kColumns / 2;

    struct Click {
        uint8_t row = 0;
        uint8_t column = 0;
    };

    int puzzle = 0;
    int clickCount = 0;
    std::array<Click, kMaxClicks> clicks{};

    // False (nothing kept) when full.
    bool push(int row, int column) {
        if (clickCount == kMaxClicks) {
            return false;
        }
        clicks[static_cast<std::size_t>(clickCount++)] = {static_cast<uint8_t>(row),
                                                          static_cast<uint8_t>(column)};
        return true;
    }
    void pop() { clickCount = clickCount > 0 ? clickCount - 1 : 0; }
};

// The file "puzzle.resume" in the data directory: "ZBPR", a format version, a fingerprint of the
// puzzle's layout, the puzzle's index, the clicks, and a checksum. All numbers little-endian.
namespace PuzzleResumeFile {

inline constexpr char kFileName[] = "puzzle.resume";
inline constexpr uint16_t kVersion = 1;

// A fingerprint of a puzzle's layout: clicks made on another layout would mean nothing.
uint32_t fingerprint(const PuzzleLevel& level);

std::vector<uint8_t> encode(const PuzzleResumeRecord& record, uint32_t levelFingerprint);

// Nothing, with one trace line naming the reason, when the bytes are short, damaged, of another
// version, name a puzzle outside `puzzleCount`, clicks off the board, or a layout whose
// fingerprint (asked of `fingerprintOf` for the puzzle named) is not the one stored.
template <typename FingerprintOf>
std::optional<PuzzleResumeRecord> decode(std::span<const uint8_t> bytes, int puzzleCount,
                                         FingerprintOf&& fingerprintOf);

// The part of decode that does not need the catalogue: the record and the stored fingerprint.
struct Decoded {
    PuzzleResumeRecord record;
    uint32_t levelFingerprint = 0;
};
std::optional<Decoded> decodeRecord(std::span<const uint8_t> bytes, int puzzleCount);
// One trace line: the puzzle's layout changed since the clicks were made.
void reportOtherLayout(int puzzle);

template <typename FingerprintOf>
std::optional<PuzzleResumeRecord> decode(std::span<const uint8_t> bytes, int puzzleCount,
                                         FingerprintOf&& fingerprintOf) {
    std::optional<Decoded> decoded = decodeRecord(bytes, puzzleCount);
    if (!decoded) {
        return std::nullopt;
    }
    if (fingerprintOf(decoded->record.puzzle) != decoded->levelFingerprint) {
        reportOtherLayout(decoded->record.puzzle);
        return std::nullopt;
    }
    return decoded->record;
}

} // namespace PuzzleResumeFile
