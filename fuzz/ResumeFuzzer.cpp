// ResumeFuzzer.cpp: loads arbitrary bytes as a saved Classic game and as a saved puzzle, both as
// they come and sealed with a matching checksum (so the contents themselves are explored), and
// takes up every Classic game that loads.
#include "game/classic/ClassicGame.h"
#include "game/classic/ClassicTuning.h"
#include "game/puzzle/PuzzleResume.h"
#include "game/rules/SavedGameBytes.h"

#include <cstdlib>
#include <vector>

namespace {

ClassicTuning fuzzTuning() {
    ClassicTuning tuning;
    tuning.rows.fill(8);
    tuning.prizes.fill(3);
    tuning.minPrizeRow.fill(3);
    tuning.maxPrizeRow.fill(6);
    tuning.multiplier.fill(1.0f);
    return tuning;
}

void tryClassic(std::span<const uint8_t> bytes, const ClassicTuning& tuning, uint32_t fingerprint) {
    const std::optional<ClassicGameRecord> record = ClassicResumeFile::decode(bytes, fingerprint);
    if (!record) {
        return;
    }
    static ClassicGame game(nullptr, nullptr);
    game.restore(*record, tuning);
    // What loaded is a game the rules can hold: writing it down again reads back the same.
    const ClassicGameRecord again = game.record();
    if (again.score != record->score || again.releasedCount != record->releasedCount ||
        again.undoCount != record->undoCount) {
        std::abort();
    }
    game.advance(1.0f / 60.0f);
    game.undoMove();
}

void tryPuzzle(std::span<const uint8_t> bytes) {
    const auto record = PuzzleResumeFile::decode(bytes, puzzle::kPuzzleCount, [](int) { return 0u; });
    if (record && (record->clickCount < 0 || record->clickCount > PuzzleResumeRecord::kMaxClicks)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const ClassicTuning tuning = fuzzTuning();
    static const uint32_t fingerprint = ClassicResumeFile::fingerprint(tuning);
    const std::span<const uint8_t> bytes(data, size);
    tryClassic(bytes, tuning, fingerprint);
    tryPuzzle(bytes);

    std::vector<uint8_t> sealed(data, data + size);
    saved_game::Writer(sealed).seal();
    tryClassic(sealed, tuning, fingerprint);
    tryPuzzle(sealed);
    return 0;
}
