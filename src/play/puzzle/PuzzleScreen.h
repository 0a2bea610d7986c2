// PuzzleScreen.h: the Puzzle mode's screen: the catalogue's puzzles played on the play screen.
#pragma once

#include "FallingPrize.h"
#include "GoalBanner.h"
#include "PuzzleSelector.h"
#include "game/board/BalloonBoard.h"
#include "game/board/BoardCueSink.h"
#include "game/puzzle/PuzzleCatalog.h"
#include "game/puzzle/PuzzleGame.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleResume.h"
#include "play/BoardKeyboard.h"
#include "play/PlayPieces.h"
#include "play/PlayScreen.h"
#include "stage/Mascot.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

// Plays one puzzle at a time from the catalogue: the goal banner, clicks counted and undone, the
// prizes dropping onto the floor strip, the end tests, the pop-off and dialogs of a solution
// (with the unlocks it earns), the failure dialog, the side panel and the authoring keys of
// record mode. The puzzle selector is its state 6: it opens when the screen has faded in and
// from the "Puzzles" button.
//
// States: 0 fading in, 1 the goal banner is up, 2 playing, 3 puzzle over (the pop-off and the
// wait of a solution, or the pause after a failure, then their dialogs), 4 fading out, 5
// finished, 6 the selector is open.
class PuzzleScreen final : public PlayScreen, private BoardCueSink {
public:
    static constexpr int kBannerUp = 1;
    static constexpr int kPuzzleOver = 3;
    static constexpr int kSelecting = 6;
    static constexpr int kMusicOrder = 0;
    // Dialog buttons.
    static constexpr int kNextPuzzleId = 5;
    static constexpr int kResetPuzzleId = 9;
    static constexpr int kUndoMoveId = 10;
    // Menu buttons beyond the base's: 1 opens the selector, 6 starts the puzzle again.
    static constexpr int kPuzzlesButton = 1;
    static constexpr int kResetButton = 6;
    // After a solution: the pop-off while the banner opens, the wait, the theme dialog, the
    // success dialog. After a failure: the pause, the failure dialog.
    enum class End { PoppingOff, Waiting, ThemeShown, SuccessShown, Failed, FailureShown };
    static constexpr float kSuccessWaitSeconds = 4.0f;
    static constexpr float kFailureWaitSeconds = 1.0f;
    static constexpr int kClicksX = 522;
    static constexpr int kClicksY = 463;

    // The screen's design: the first act as backdrop (each puzzle shows its own) and the podium
    // buttons of the Puzzle podium.
    static PlayScreenDesign design();

    explicit PuzzleScreen(GameContext& context);

    // On the first entry and after leaving, the current puzzle's backdrop fades in and the
    // selector follows; every entry starts the Puzzle music.
    void enter() override;
    void drawPlay() override;
    BalloonBoard& getBoard() override { return m_game.board(); }
    void resetPresentation() override;
    void activate() override;
    // The undo button and key: takes back the last click (the first one reloads the puzzle).
    void undoMove() override;
    // Out of the fade-in the selector opens (after the intro, the first time).
    void startPlay() override;
    void playStep() override;
    // The "Puzzles" button: the selector, with the puzzle in progress kept.
    void askNewGame() override;
    // Without a move made the screen leaves at once.
    void askMainMenu() override;
    bool isDialogOpen() const override;
    void frameTick() override;
    // The pointer watch of keyboard play.
    void frameStarted() override;
    void modeStep(int state) override;
    void openOptions() override;
    AutoplayView autoplayView() override;

    // Builds the puzzle's boards and goal; shows its goal banner unless `quiet` and the goal
    // index is the one shown before.
    void loadPuzzle(int index, bool quiet);
    // The next puzzle of the progress rules, stored in the profile and loaded.
    void nextPuzzle(bool quiet);
    // Opens the selector (state 6); `onEntry` when no puzzle is in progress.
    void openSelector(bool onEntry);

    PuzzleGame& game() { return m_game; }
    const PuzzleGame& game() const { return m_game; }
    const PuzzleCatalog& catalog() const { return m_catalog; }
    PuzzleSelector& selector() { return m_selector; }
    const GoalBanner& banner() const { return m_banner; }
    Mascot& mascot() { return m_mascot; }
    const FallingPrize& fallingPrize(int column) const { return m_falling[static_cast<std::size_t>(column)]; }
    DialogBox& successDialog() { return m_successDialog; }
    DialogBox& failureDialog() { return m_failureDialog; }
    DialogBox& themeDialog() { return m_themeDialog; }
    DialogBox& resumeDialog() { return m_resumeDialog; }
    const BoardKeyboard& boardKeys() const { return m_keys; }
    // The clicks made on the current puzzle since it was loaded, as they are kept.
    const PuzzleResumeRecord& clicksMade() const { return m_clicksMade; }
    // Clicks of a continued puzzle still to be replayed.
    bool isReplaying() const { return m_replayed < m_savedPuzzle.clickCount; }
    int currentPuzzle() const { return m_current; }
    End endStep() const { return m_end; }
    const PuzzleSolution& lastSolution() const { return m_solution; }
    // Any prize still in the air.
    bool isPrizeFalling() const;

protected:
    std::optional<AutoplayPoint> autoplayClick() override;
    void menuButtonClicked(int id) override;

private:
    // The board's own cues (gold balloons meeting).
    void requestCue(const char* name) override;
    void clickStep(const BoardPointer& pointer);
    void authoringKeys();
    // A click on the place; `byPlayer` records it in record mode.
    void playMove(int row, int column, bool byPlayer);
    void dropReleases();
    void hidePrizes();
    void showReleasedPrizes();
    void finishPuzzle();
    void endStepFrame();
    void popOffFrame();
    void handleSelector();
    void handleEndDialogs();
    void resetPuzzle();
    void saveProfile();
    std::optional<AutoplayPoint> autoplaySelectorClick();
    void drawSidePanel();
    void drawFloor();
    // A puzzle left in the middle (PuzzleScreenResume.cpp): kept at every accepted click and
    // undo, offered before the selector on the next entry, continued by replaying its clicks one
    // at a time as the board comes to rest, removed when the puzzle ends or another is loaded.
    std::filesystem::path savedPuzzlePath() const;
    void lookForSavedPuzzle();
    void runResumeDialog();
    void replayStep();
    void keepPuzzleInProgress();
    void forgetSavedPuzzle();

    PuzzleCatalog m_catalog;
    PuzzleGame m_game;
    BalloonBoard m_floor;
    std::array<const ksImage*, puzzle::kPrizeKinds> m_targets{};
    std::array<const ksImage*, puzzle::kPrizeKinds> m_prizePictures{};
    std::array<FallingPrize, puzzle::kColumns> m_falling;
    // Which columns' prizes have been dropped since the puzzle was loaded or last undone, the
    // kind each column shows, and that for the moment before every click (for undo).
    std::array<bool, puzzle::kColumns> m_dropped{};
    using ShownKinds = std::array<int8_t, puzzle::kColumns>;
    ShownKinds m_shownKind{};
    std::array<ShownKinds, PuzzleGame::kMaxClicks> m_shownHistory{};
    GoalBanner m_banner;
    Mascot m_mascot;
    PuzzleSelector m_selector;
    DialogBox m_successDialog;
    DialogBox m_failureDialog;
    DialogBox m_themeDialog;
    DialogBox m_resumeDialog;
    BoardKeyboard m_keys;
    PuzzleResumeRecord m_clicksMade;
    PuzzleResumeRecord m_savedPuzzle;
    int m_replayed = 0;
    bool m_resumeOffer = false;
    ksFont* m_panelFont;
    ksFont* m_clicksFont;
    NumberText m_clicksText;
    PuzzleSolution m_solution;
    End m_end = End::PoppingOff;
    float m_endClock = 0.0f;
    int m_current = 0;
    int m_shownGoal = -1;
    bool m_themeUnlockedNow = false;
    bool m_selectorPending = false;
    bool m_selectorOnEntry = false;
    std::string m_successText;
};
