// ActionScreenEnd.cpp: the end of an Action round: statistics, the saved game and the dialogs.
#include "ActionScreen.h"
#include "engine/store/GameStats.h"
#include "engine/store/HighScoreTable.h"
#include "engine/store/PlayerProfile.h"
#include "engine/store/ProfileStorage.h"
#include "engine/video/ksFont.h"
#include "ui/GameContext.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

namespace {

constexpr int kDialogWidth = 520;
constexpr int kDialogHeight = 220;
constexpr int kHighScoreHeight = 320;
// A loss counts one won game per completed round; a saved round from a damaged file must not
// keep the statistics busy for ever.
constexpr int64_t kMostRoundsCounted = 1000000;

// The profile keeps the score as a 32-bit float, which rounds the largest scores up to 2^31,
// outside int32: a profile holding that is thrown away when read. The largest float below 2^31
// keeps such a game.
float savedScoreOf(int32_t score) {
    constexpr float kLargestInsideInt32 = 2147483520.0f;
    return std::min(static_cast<float>(score), kLargestInsideInt32);
}

} // namespace

void ActionScreen::clearSavedGame() {
    GameContext& game = context();
    game.profile.setSavedGame(0, game.profile.difficulty(), 0.0f, game.profile.colours());
    savePlayerProfile(game.settings, game.profile);
}

void ActionScreen::endRound() {
    stopAlarm();
    setState(kRoundOver);
    GameContext& game = context();
    if (!m_game.roundWon()) {
        GameStats& stats = *game.stats[kActionMode];
        stats.recordResult(false);
        for (int64_t round = 0; round < std::min(m_game.round(), kMostRoundsCounted); ++round) {
            stats.recordResult(true);
        }
        stats.save();
        clearSavedGame();
        return;
    }
    m_bouquet.start(true);
    scene().add(&m_bouquet);
    const int64_t next = std::min<int64_t>(m_game.round() + 1, std::numeric_limits<int32_t>::max());
    game.profile.setSavedGame(static_cast<int>(next), m_game.skill(), savedScoreOf(m_game.score()),
                              m_game.colourCount());
    savePlayerProfile(game.settings, game.profile);
}

void ActionScreen::endStep() {
    scene().update();
    const ksInput& in = input();
    if (m_game.endStep(frameSeconds(), in.anyTyped() || in.isReleased())) {
        scene().remove(&m_bouquet);
        openResultDialog();
    }
}

void ActionScreen::openResultDialog() {
    const std::string score = ksFont::formatNumber(m_game.score());
    const long long rounds = static_cast<long long>(m_game.round()) + 1;
    char title[64];
    char text[256];
    DialogBox* box = &m_gameOverDialog;
    int height = kDialogHeight;
    int buttonY = 170;
    bool nameField = false;
    if (m_game.roundWon()) {
        box = &m_roundWonDialog;
        std::snprintf(title, sizeof title, "YOU WON ROUND %lld", rounds);
        if (rounds == 1) {
            std::snprintf(text, sizeof text, "You've finished 1 round\nand earned %s points so far!",
                          score.c_str());
        } else {
            std::snprintf(text, sizeof text, "You've finished %lld rounds\nand earned %s points so far!",
                          rounds, score.c_str());
        }
    } else if (m_game.score() == 0) {
        std::snprintf(title, sizeof title, "BETTER LUCK NEXT TIME!");
        std::snprintf(text, sizeof text, "Sorry, you didn't earn any points.");
    } else if (context().highScores.qualifies(kActionMode, m_game.score())) {
        box = &m_highScoreDialog;
        nameField = true;
        height = kHighScoreHeight;
        buttonY = kHighScoreHeight - 50;
        std::snprintf(title, sizeof title, "GREAT GAME!");
        if (rounds == 1) {
            std::snprintf(
                text, sizeof text,
                "You finished 1 round\nand earned %s points so far!\n\nYou got a High Score, enter your "
                "name.",
                score.c_str());
        } else {
            std::snprintf(
                text, sizeof text,
                "You finished %lld rounds\nand earned %s points so far!\n\nYou got a High Score, enter "
                "your name.",
                rounds, score.c_str());
        }
    } else {
        std::snprintf(title, sizeof title, "GREAT GAME!");
        if (rounds == 1) {
            std::snprintf(text, sizeof text, "You've played 1 round and\nearned %s points!", score.c_str());
        } else {
            std::snprintf(text, sizeof text, "You've played %lld rounds and\nearned %s points!", rounds,
                          score.c_str());
        }
    }

    DialogSpec& layout = box->layout();
    layout = newGameDialog().layout();
    layout.title = title;
    layout.message = text;
    layout.width = kDialogWidth;
    layout.height = height;
    layout.entryCount = 0;
    layout.buttonCount = 0;
    layout.closeId = DialogSpec::kNoId;
    if (m_game.roundWon()) {
        addButton(layout, kNextRoundId, "Next Round", {kDialogWidth / 2, buttonY, 132, 40});
        layout.defaultId = kNextRoundId;
    } else {
        addButton(layout, kNewGameId, "New Game", {158, buttonY, 132, 40});
        addButton(layout, kMainMenuId, "Main Menu", {361, buttonY, 132, 40});
        layout.defaultId = kNewGameId;
    }
    if (nameField) {
        layout.entryCount = 1;
        layout.entryRects[0] = CentredRect{kDialogWidth / 2, height - 115, 180, 34};
        m_typedName.clear();
    }
    openDialog(*box);
}

void ActionScreen::frameTick() {
    PlayScreen::frameTick();
    handleDialogs();
}

void ActionScreen::handleDialogs() {
    if (newGameDialog().isOpen()) {
        const int32_t result = newGameDialog().runFrame(input(), kYesId);
        if (result == kYesId) {
            closeDialog(newGameDialog());
            if (context().highScores.qualifies(kActionMode, m_game.score())) {
                const std::string score = ksFont::formatNumber(m_game.score());
                const long long rounds = static_cast<long long>(m_game.round()) + 1;
                char text[256];
                std::snprintf(text, sizeof text,
                              rounds == 1
                                  ? "You played %lld round and\nearned %s points!\n\nYou got a High Score, "
                                    "enter your name."
                                  : "You played %lld rounds and\nearned %s points!\n\nYou got a High Score, "
                                    "enter your name.",
                              rounds, score.c_str());
                DialogSpec& layout = m_highScoreDialog.layout();
                layout = newGameDialog().layout();
                layout.title = "GREAT GAME!";
                layout.message = text;
                layout.width = kDialogWidth;
                layout.height = kHighScoreHeight;
                layout.buttonCount = 0;
                layout.closeId = DialogSpec::kNoId;
                addButton(layout, kNewGameId, "New Game", {158, kHighScoreHeight - 50, 132, 40});
                addButton(layout, kMainMenuId, "Main Menu", {361, kHighScoreHeight - 50, 132, 40});
                layout.defaultId = kNewGameId;
                layout.entryCount = 1;
                layout.entryRects[0] = CentredRect{kDialogWidth / 2, kHighScoreHeight - 115, 180, 34};
                m_typedName.clear();
                openDialog(m_highScoreDialog);
            } else {
                // The question said the game ends: the saved game goes as well, so the next
                // game really starts over.
                clearSavedGame();
                newGame();
            }
        } else if (result == kNoId) {
            closeDialog(newGameDialog());
        }
        ksInput::clearAll();
    }

    if (m_highScoreDialog.isOpen()) {
        if (dialogs().top() != nullptr) {
            // Read before the frame runs: the frame that ends the dialog also removes it.
            m_typedName.assign(dialogs().getEntryText());
        }
        // Enter confirms the name through the dialog itself; Space belongs to the name.
        const int32_t result = m_highScoreDialog.runFrame(input(), DialogSpec::kNoId);
        if (result == kNewGameId || result == kMainMenuId) {
            recordHighScore(context(), kActionMode, m_typedName, m_game.score());
            clearSavedGame();
            closeDialog(m_highScoreDialog);
            if (result == kNewGameId) {
                newGame();
            } else {
                startFadeOut();
            }
        }
        ksInput::clearAll();
    }

    if (m_gameOverDialog.isOpen()) {
        const int32_t result = m_gameOverDialog.runFrame(input(), kNewGameId);
        if (result == kNewGameId) {
            closeDialog(m_gameOverDialog);
            newGame();
        } else if (result == kMainMenuId) {
            closeDialog(m_gameOverDialog);
            startFadeOut();
        }
        ksInput::clearAll();
    }

    if (m_roundWonDialog.isOpen()) {
        const int32_t result = m_roundWonDialog.runFrame(input(), kNextRoundId);
        if (result == kNextRoundId) {
            closeDialog(m_roundWonDialog);
            const int coloursBefore = m_game.colourCount();
            startRound(m_game.round() + 1);
            startPlay();
            if (m_game.colourCount() != coloursBefore && m_game.round() > 0) {
                GameBanner banner;
                std::snprintf(banner.line1.data(), banner.line1.size(), "%d balloon colors!",
                              m_game.colourCount());
                banner.font1 = "font_dlg_head";
                showRulesBanner(banner);
            }
        }
        ksInput::clearAll();
    }
}
