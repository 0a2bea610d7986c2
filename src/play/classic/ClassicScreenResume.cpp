// ClassicScreenResume.cpp: a Classic game left unfinished waits in the data directory until the
// player comes back.
#include "ClassicScreen.h"
#include "engine/core/FileIo.h"
#include "engine/core/ksLog.h"
#include "engine/video/ksImage.h"
#include "ui/GameContext.h"

#include <system_error>

namespace {

constexpr std::size_t kLargestSavedGame = 64 * 1024;

} // namespace

std::filesystem::path ClassicScreen::savedGamePath() const {
    return context().paths.dataDir / ClassicResumeFile::kFileName;
}

void ClassicScreen::lookForSavedGame() {
    m_resumeOffer = false;
    const std::optional<std::vector<uint8_t>> bytes = readFileBytes(savedGamePath(), kLargestSavedGame);
    if (!bytes) {
        return;
    }
    std::optional<ClassicGameRecord> record =
        ClassicResumeFile::decode(*bytes, ClassicResumeFile::fingerprint(ClassicTuning::read(m_tuning)));
    if (!record) {
        return;
    }
    m_savedGame = *record;
    m_resumeOffer = true;
}

// Asked once play has begun (after the intro picture on a first visit), in the dialog every
// other question of the mode uses; Enter or Space continue.
void ClassicScreen::runResumeDialog() {
    if (m_resumeOffer && !isDialogOpen() && state() == kPlaying) {
        m_resumeOffer = false;
        openDialog(m_resumeDialog);
    }
    if (!m_resumeDialog.isOpen()) {
        return;
    }
    const int32_t result = m_resumeDialog.runFrame(input(), kYesId);
    if (result == kYesId) {
        closeDialog(m_resumeDialog);
        continueSavedGame();
    } else if (result == kNoId) {
        closeDialog(m_resumeDialog);
        forgetSavedGame();
    }
    ksInput::clearAll();
}

void ClassicScreen::continueSavedGame() {
    for (int i = 0; i < m_game.releasedCount(); ++i) {
        scene().list().remove(&prize(i));
    }
    m_game.restore(m_savedGame, ClassicTuning::read(m_tuning));
    // Prizes freed before are shown resting on their slots; once every prize was out they had
    // already hopped off the shelf.
    if (!m_game.allPrizesFreed()) {
        for (int i = 0; i < m_game.releasedCount(); ++i) {
            const ClassicPrizeRelease& release = m_game.release(i);
            if (m_savedGame.inFlight[static_cast<std::size_t>(i)]) {
                releasePrize(release); // falls again, and scores as it lands
                continue;
            }
            const ksImage* picture = presentPicture(release.theme, release.kind);
            const float width = picture != nullptr ? static_cast<float>(picture->getWidth()) : 0.0f;
            const float height = picture != nullptr ? static_cast<float>(picture->getHeight()) : 0.0f;
            prize(i).placeLanded(
                release.kind, release.theme, picture, static_cast<float>(release.slotX) - width / 2.0f,
                static_cast<float>(release.slotY) - height / 2.0f, release.sourceRow, release.shelfSlot);
            scene().list().add(&prize(i));
        }
    }
    m_allPrizesStep = kCelebrationDone;
    m_keys.reset();
    m_progressToKeep = false;
}

// Called every frame of play: once the board is at rest after a pop or an undo, the game as it
// stands is written (or, with every pop taken back, forgotten). Leaving the screen (the main
// menu, the window closed, the session ending) writes it at once, whatever still moves. A game
// without moves is about to be decided and is not kept.
void ClassicScreen::keepGameInProgress(bool leaving) {
    if (!m_progressToKeep || m_game.noMoves()) {
        return;
    }
    if (!leaving && (!m_game.isAtRest() || !allReleasedPrizesFinished())) {
        return;
    }
    m_progressToKeep = false;
    if (m_game.isUntouched()) {
        forgetSavedGame();
        return;
    }
    ClassicGameRecord& record = m_savedGame;
    record = m_game.record();
    for (int i = 0; i < record.releasedCount; ++i) {
        record.inFlight[static_cast<std::size_t>(i)] = prize(i).isActive() && !prize(i).isFlyingOff();
    }
    const std::vector<uint8_t> bytes =
        ClassicResumeFile::encode(record, ClassicResumeFile::fingerprint(ClassicTuning::read(m_tuning)));
    // The data directory is made at start; it may have gone since (a player tidying up).
    std::error_code error;
    std::filesystem::create_directories(savedGamePath().parent_path(), error);
    writeFileAtomically(savedGamePath(), bytes);
}

void ClassicScreen::forgetSavedGame() {
    m_resumeOffer = false;
    std::error_code error;
    std::filesystem::remove(savedGamePath(), error);
}
