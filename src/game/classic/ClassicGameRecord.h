// ClassicGameRecord.h: a Classic game in progress as plain data, and its file.
#pragma once

#include "BoardSnapshot.h"
#include "ClassicListener.h"
#include "ClassicUndoHistory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct ClassicTuning;

// What it takes to go on with a game exactly where it was left: its options, the board and the
// shelf, the score, the prizes freed so far and the whole undo history. Balloons still popping
// count as gone and rising ones as arrived (the board keeps grid positions, not pictures); a
// freed prize still in the air is marked, and falls again from where it was freed when the game
// goes on, to be scored as it lands.
struct ClassicGameRecord {
    static constexpr int kMaxReleases = 180;

    int skill = 0;
    int colourCount = 5;
    int theme = 0;
    int32_t score = 0;
    int prizeTotal = 0;
    int releasedCount = 0;
    bool allPrizesFreed = false;
    int32_t superPopRun = 0;
    std::array<ClassicPrizeRelease, kMaxReleases> releases{};
    // Set by the screen, which knows which prizes have landed.
    std::array<bool, kMaxReleases> inFlight{};
    BoardSnapshot board;
    int undoCount = 0;
    std::array<BoardSnapshot, ClassicUndoHistory::kCapacity> undo{};
    std::array<int32_t, ClassicUndoHistory::kCapacity> undoScores{};
};

// The file "classic.resume" in the data directory: the four bytes "ZBCR", a format version,
// a fingerprint of the tuning values the game was dealt under, the record, and a checksum of
// everything before it. All numbers little-endian.
namespace ClassicResumeFile {

inline constexpr char kFileName[] = "classic.resume";
inline constexpr uint16_t kVersion = 1;

// A fingerprint of every Classic tuning value: a game saved under other values is not continued,
// since its points and prizes were counted by other rules.
uint32_t fingerprint(const ClassicTuning& tuning);

std::vector<uint8_t> encode(const ClassicGameRecord& record, uint32_t tuningFingerprint);

// Nothing, with one trace line naming the reason, when the bytes are short, damaged, of another
// version, from other tuning values, or describe a game the rules could not have produced.
std::optional<ClassicGameRecord> decode(std::span<const uint8_t> bytes, uint32_t tuningFingerprint);

} // namespace ClassicResumeFile
