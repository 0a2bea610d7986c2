// PuzzleScreenEnd.cpp: the end of a puzzle (solution or failure), its dialogs, and the selector's.
#include "PuzzleScreen.h"
#include "engine/core/GameRandom.h"
#include "engine/core/WakeRequests.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ksRegistry.h"
#include "ui/GameContext.h"

namespace {

constexpr float kFirstDisappointment = 0.33f;

PuzzleUnlockSettings unlockSettings(const ksRegistry& settings) {
    return PuzzleUnlockSettings{settings.getInt("puzzlesUnlockAfter"), settings.getInt("themesUnlockedAfter"),
                                settings.getInt("puzzlesUnlocked")};
}

} // namespace

void PuzzleScreen::finishPuzzle() {
    // Solved or failed, the puzzle is no longer left in the middle.
    forgetSavedPuzzle();
    m_endClock = 0.0f;
    setState(kPuzzleOver);
    if (!m_game.solved()) {
        const float draw = static_cast<float>(gameRandom()) / kGameRandomMax;
        m_mascot.setCue(draw < kFirstDisappointment ? MascotCue::kSlump : MascotCue::kSigh);
        cues().play("loosetrumpet");
        m_end = End::Failed;
        return;
    }
    m_mascot.setCue(MascotCue::kPuzzle);
    cues().play("tada");
    cues().play("cheer_all_clear");
    m_banner.finish(scene());

    PlayerProfile& profile = context().profile;
    m_solution = recordSolution(profile, m_current, m_game.clicks(), m_catalog.name(m_current),
                                unlockSettings(context().settings));
    m_themeUnlockedNow = m_solution.themeUnlocked;
    m_successText = m_solution.message;
    m_successDialog.layout().title = "GREAT JOB!!!";
    m_successDialog.layout().message = m_successText;
    saveProfile();
    m_end = End::PoppingOff;
}

void PuzzleScreen::popOffFrame() {
    m_game.popOffStep(frameSeconds());
    const PuzzleBoard& board = m_game.board();
    for (const BoardPlace& place : m_game.popped()) {
        const Balloon& balloon = board.cellAt(place.row, place.column);
        spawnBalloonPop(board, place.row, place.column, balloon.colour());
        if (place.row % 2 == 0 && place.column % 2 == 0) {
            cues().play("pop23");
        }
    }
    dropReleases();
    m_game.advance(frameSeconds());
    if (!m_game.isStill() || countPoppable(board) > 0) {
        WakeRequests::nextFrame();
    }
}

void PuzzleScreen::endStepFrame() {
    if (isDialogOpen()) {
        return;
    }
    scene().update();
    m_banner.step(scene(), frameSeconds());
    m_endClock += frameSeconds();
    const ksInput& in = input();
    const bool answered = in.anyTyped() || in.isReleased();
    switch (m_end) {
    case End::PoppingOff:
        popOffFrame();
        if (m_banner.isFinished()) {
            cues().play("yeah");
            m_endClock = 0.0f;
            m_end = End::Waiting;
        }
        break;
    case End::Waiting:
        popOffFrame();
        if (m_endClock > kSuccessWaitSeconds || answered) {
            if (m_themeUnlockedNow) {
                m_themeUnlockedNow = false;
                openDialog(m_themeDialog);
                m_end = End::ThemeShown;
            } else {
                m_banner.takeDown(scene());
                openDialog(m_successDialog);
                m_end = End::SuccessShown;
            }
        } else {
            WakeRequests::after(kSuccessWaitSeconds - m_endClock);
        }
        break;
    case End::ThemeShown:
        // The theme dialog has closed (handleEndDialogs): the success dialog follows.
        m_banner.takeDown(scene());
        openDialog(m_successDialog);
        m_end = End::SuccessShown;
        break;
    case End::Failed:
        m_game.advance(frameSeconds());
        if (m_endClock > kFailureWaitSeconds) {
            openDialog(m_failureDialog);
            m_end = End::FailureShown;
        } else {
            WakeRequests::after(kFailureWaitSeconds - m_endClock);
        }
        break;
    default:
        break;
    }
}

void PuzzleScreen::frameTick() {
    PlayScreen::frameTick();
    handleSelector();
    handleEndDialogs();
    runResumeDialog();
}

void PuzzleScreen::handleSelector() {
    if (!m_selector.dialog().isOpen()) {
        return;
    }
    PlayerProfile& profile = context().profile;
    switch (m_selector.step(input(), profile)) {
    case PuzzleSelector::Outcome::Chosen:
        closeDialog(m_selector.dialog());
        saveProfile();
        m_shownGoal = -1;
        loadPuzzle(m_selector.chosenPuzzle(), false);
        break;
    case PuzzleSelector::Outcome::Cancelled:
        closeDialog(m_selector.dialog());
        if (m_selector.wasOpenedOnEntry()) {
            startFadeOut();
        } else {
            setState(kPlaying);
        }
        break;
    case PuzzleSelector::Outcome::Open:
        break;
    }
    ksInput::clearAll();
}

void PuzzleScreen::handleEndDialogs() {
    if (m_themeDialog.isOpen()) {
        if (m_themeDialog.runFrame(input(), kOkId) == kOkId) {
            closeDialog(m_themeDialog);
        }
        ksInput::clearAll();
    }

    if (m_successDialog.isOpen()) {
        if (m_successDialog.runFrame(input(), kNextPuzzleId) == kNextPuzzleId) {
            closeDialog(m_successDialog);
            nextPuzzle(false);
        }
        ksInput::clearAll();
    }

    if (m_failureDialog.isOpen()) {
        const int32_t result = m_failureDialog.runFrame(input(), kResetPuzzleId);
        if (result == kResetPuzzleId) {
            closeDialog(m_failureDialog);
            resetPuzzle();
        } else if (result == kUndoMoveId) {
            closeDialog(m_failureDialog);
            m_game.clearOver();
            setState(kPlaying);
            undoMove();
        } else if (result == kNextPuzzleId) {
            closeDialog(m_failureDialog);
            nextPuzzle(true);
        }
        ksInput::clearAll();
    }
}

AutoplayView PuzzleScreen::autoplayView() {
    if (m_selector.dialog().isOpen() && !isPaused()) {
        AutoplayView view;
        view.click = autoplaySelectorClick();
        return view;
    }
    if (state() == kPuzzleOver && m_end == End::Waiting && !isDialogOpen() && !isPaused()) {
        AutoplayView view;
        view.click = AutoplayPoint{320, 240}; // ends the wait early
        return view;
    }
    return PlayScreen::autoplayView();
}

// The first unlocked puzzle not yet solved from the current one on (else the current one): its
// picture when its page shows, else the page button toward it.
std::optional<AutoplayPoint> PuzzleScreen::autoplaySelectorClick() {
    if (m_selector.dialog().getOpacity() < 1.0f) {
        return std::nullopt;
    }
    const PlayerProfile& profile = context().profile;
    int wanted = m_current;
    for (int step = 0; step < puzzle::kPuzzleCount; ++step) {
        const int candidate = (m_current + step) % puzzle::kPuzzleCount;
        if (profile.isPuzzleUnlocked(candidate) && profile.best(candidate) <= 0) {
            wanted = candidate;
            break;
        }
    }
    return m_selector.clickToChoose(wanted);
}
