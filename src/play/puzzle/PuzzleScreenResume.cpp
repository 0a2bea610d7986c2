// PuzzleScreenResume.cpp: a puzzle left in the middle waits in the data directory until the
// player comes back, and keyboard play's pointer watch.
#include "PuzzleScreen.h"
#include "engine/core/FileIo.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"
#include "ui/GameContext.h"

#include <system_error>

namespace {

constexpr std::size_t kLargestSavedPuzzle = 4096;

} // namespace

void PuzzleScreen::frameStarted() {
    m_keys.watchPointer(input());
}

std::filesystem::path PuzzleScreen::savedPuzzlePath() const {
    return context().paths.dataDir / PuzzleResumeFile::kFileName;
}

void PuzzleScreen::lookForSavedPuzzle() {
    m_resumeOffer = false;
    m_savedPuzzle.clickCount = 0;
    m_replayed = 0;
    const std::optional<std::vector<uint8_t>> bytes = readFileBytes(savedPuzzlePath(), kLargestSavedPuzzle);
    if (!bytes) {
        return;
    }
    const std::optional<PuzzleResumeRecord> record =
        PuzzleResumeFile::decode(*bytes, puzzle::kPuzzleCount, [this](int index) {
            return PuzzleResumeFile::fingerprint(m_catalog.level(index));
        });
    if (!record || record->clickCount == 0) {
        return;
    }
    m_savedPuzzle = *record;
    m_resumeOffer = true;
}

// CONTINUE loads the puzzle and replays its clicks; PUZZLES opens the selector as usual.
void PuzzleScreen::runResumeDialog() {
    if (!m_resumeDialog.isOpen()) {
        return;
    }
    const int32_t result = m_resumeDialog.runFrame(input(), kYesId);
    if (result == kYesId) {
        closeDialog(m_resumeDialog);
        m_selectorPending = false;
        const PuzzleResumeRecord saved = m_savedPuzzle;
        loadPuzzle(saved.puzzle, false);
        m_savedPuzzle = saved; // loadPuzzle forgot the file; the clicks are still to come
        m_replayed = 0;
    } else if (result == kNoId) {
        closeDialog(m_resumeDialog);
        m_savedPuzzle.clickCount = 0;
    }
    ksInput::clearAll();
}

// The saved clicks go in one at a time, each once the board has come to rest after the last,
// exactly as the player made them.
void PuzzleScreen::replayStep() {
    if (!m_game.isStill() || isPrizeFalling() || m_game.isOver()) {
        return;
    }
    const PuzzleResumeRecord::Click click = m_savedPuzzle.clicks[static_cast<std::size_t>(m_replayed++)];
    playMove(click.row, click.column, false);
    if (m_game.clicks() != m_replayed) {
        trace("PuzzleScreen - saved click %d of puzzle %d pops nothing, the rest is not replayed", m_replayed,
              m_current + 1);
        m_savedPuzzle.clickCount = 0;
        keepPuzzleInProgress();
    }
    WakeRequests::nextFrame();
}

void PuzzleScreen::keepPuzzleInProgress() {
    if (isReplaying()) {
        return; // the file still holds every click; it is written again after the last
    }
    if (m_clicksMade.clickCount == 0 || m_game.isOver()) {
        forgetSavedPuzzle();
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(savedPuzzlePath().parent_path(), error);
    writeFileAtomically(
        savedPuzzlePath(),
        PuzzleResumeFile::encode(m_clicksMade, PuzzleResumeFile::fingerprint(m_catalog.level(m_current))));
}

void PuzzleScreen::forgetSavedPuzzle() {
    std::error_code error;
    std::filesystem::remove(savedPuzzlePath(), error);
}
