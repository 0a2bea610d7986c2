// ClassicScreenEnd.cpp: the end of a Classic game: statistics, the end step and its dialogs.
#include "ClassicScreen.h"
#include "engine/core/WakeRequests.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/video/ksFont.h"
#include "play/PlayPieces.h"
#include "ui/GameContext.h"

#include <cstdio>

namespace {

constexpr int kFewestForBonus = 10;
constexpr float kWonWaitSeconds = 7.0f;
constexpr float kWonShortestWait = 1.5f;
constexpr float kLostWaitSeconds = 3.0f;
constexpr int kEndDialogWidth = 520;
constexpr int kHighScoreExtraHeight = 60;

} // namespace

void ClassicScreen::endGame() {
    m_stateClock = 0.0f;
    setState(kGameOver);
    // A decided game is not offered again; an undo out of the loss keeps it anew.
    forgetSavedGame();
    m_progressToKeep = false;
    const ClassicEnd end = m_game.endGame();
    // A loss counts as soon as it happens, even if the player then undoes and plays on.
    GameStats& stats = *context().stats[kClassicMode];
    stats.recordResult(end.won);
    stats.save();
    if (end.won) {
        m_endState = kEndWon;
        m_bouquet.start(false);
        scene().add(&m_bouquet);
    } else {
        m_endState = kEndLost;
    }
}

void ClassicScreen::endStep() {
    scene().update();
    // Released prizes go on falling to the shelf whatever the state; none is left hanging.
    updatePrizes();
    m_game.advance(frameSeconds());
    const ksInput& in = input();
    const bool answered = in.anyTyped() || in.isReleased();
    switch (m_endState) {
    case kEndWon:
        if (m_stateClock > kWonWaitSeconds || (answered && m_stateClock > kWonShortestWait)) {
            scene().remove(&m_bouquet);
            m_endState = kEndBuildDialog;
            WakeRequests::nextFrame();
        } else {
            WakeRequests::after(kWonWaitSeconds - m_stateClock);
        }
        break;
    case kEndBuildDialog:
        openEndDialog();
        m_typedName.clear();
        m_endState = kEndDialogShown;
        break;
    case kEndLost:
        if (m_stateClock > kLostWaitSeconds || answered) {
            openDialog(m_outOfMovesDialog);
        } else {
            WakeRequests::after(kLostWaitSeconds - m_stateClock);
        }
        break;
    default:
        break;
    }
}

void ClassicScreen::openEndDialog() {
    const std::string score = ksFont::formatNumber(m_game.score());
    const int left = m_game.balloonsLeft();
    const char* title = "GREAT POPPING!";
    char text[256];
    int height = 240;
    if (left > kFewestForBonus) {
        title = "NICE POPPING!";
        height = 290;
        std::snprintf(
            text, sizeof text,
            "You freed all the prizes\nand got %s points!\n\nLeave 10 balloons or fewer\nfor a big bonus!",
            score.c_str());
    } else if (left >= 2) {
        std::snprintf(text, sizeof text,
                      "You freed all the prizes\nand left only %d balloons!\nYou got %s points!", left,
                      score.c_str());
    } else if (left == 1) {
        std::snprintf(text, sizeof text,
                      "You freed all the prizes\nand left only 1 balloon!\nYou got %s points!",
                      score.c_str());
    } else {
        title = "AMAZING POPPING!";
        std::snprintf(text, sizeof text, "You popped every balloon!\nYou got %s points!", score.c_str());
    }

    DialogSpec& layout = m_endDialog.layout();
    layout = newGameDialog().layout();
    layout.title = title;
    layout.message = text;
    layout.entryCount = 0;
    if (context().highScores.qualifies(kClassicMode, m_game.score())) {
        layout.message += "\n\nYou got a High Score, enter your name.";
        height += kHighScoreExtraHeight;
        layout.entryCount = 1;
        layout.entryRects[0] = CentredRect{kEndDialogWidth / 2, height - 115, 180, 34};
    }
    layout.width = kEndDialogWidth;
    layout.height = height;
    layout.buttonCount = 1;
    layout.buttonIds[0] = kPlayAgainId;
    layout.buttonCaptions[0] = "Play Again";
    layout.buttonRects[0] = CentredRect{kEndDialogWidth / 2, height - 50, 132, 40};
    layout.closeId = DialogSpec::kNoId;
    layout.defaultId = kPlayAgainId;
    openDialog(m_endDialog);
}

void ClassicScreen::frameTick() {
    PlayScreen::frameTick();
    handleEndDialogs();
    runResumeDialog();
}

void ClassicScreen::handleEndDialogs() {
    if (newGameDialog().isOpen()) {
        const int32_t result = newGameDialog().runFrame(input(), kYesId);
        if (result == kYesId) {
            closeDialog(newGameDialog());
            startNewGame();
        } else if (result == kNoId) {
            closeDialog(newGameDialog());
        }
        ksInput::clearAll();
    }

    if (m_endDialog.isOpen()) {
        const bool hasName = m_endDialog.layout().entryCount > 0;
        if (hasName && dialogs().top() != nullptr) {
            // Read before the frame runs: the frame that ends the dialog also removes it.
            m_typedName.assign(dialogs().getEntryText());
        }
        // With a name field, Enter confirms the name itself.
        if (m_endDialog.runFrame(input(), hasName ? DialogSpec::kNoId : kPlayAgainId) == kPlayAgainId) {
            if (hasName) {
                recordHighScore(context(), kClassicMode, m_typedName, m_game.score());
            }
            closeDialog(m_endDialog);
            resetPresentation();
            startPlay();
        }
        ksInput::clearAll();
    }

    if (m_outOfMovesDialog.isOpen()) {
        const int32_t result = m_outOfMovesDialog.runFrame(input(), kNewGameId);
        if (result == kUndoLastMoveId) {
            closeDialog(m_outOfMovesDialog);
            m_game.clearNoMoves();
            setState(kPlaying);
            undoMove();
        } else if (result == kNewGameId) {
            closeDialog(m_outOfMovesDialog);
            resetPresentation();
            startPlay();
        }
        ksInput::clearAll();
    }
}
