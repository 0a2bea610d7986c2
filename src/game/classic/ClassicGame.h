// ClassicGame.h: the rules of a Classic game over its board, prize shelf and undo history.
#pragma once

#include "BoardSnapshot.h"
#include "ClassicGameRecord.h"
#include "ClassicListener.h"
#include "ClassicTuning.h"
#include "ClassicUndoHistory.h"
#include "game/board/ClassicBoard.h"
#include "game/board/PrizeShelf.h"
#include "game/rules/GroupClick.h"

#include <array>
#include <cstdint>

class TuningLookup;

// The player's choices a game is dealt with (from the player profile).
struct ClassicOptions {
    int skill = 0;       // 0 to 2
    int colourCount = 5; // 3 to 6
    int theme = 0;       // prize theme, 0 to 4
};

struct ClassicPointerResult {
    // The group under the pointer (members in board().group()); 0 when the pointer is not over
    // a poppable balloon or the game has no moves left.
    int groupSize = 0;
    // The group was popped by this click. The screen spawns a pop effect at each member, flies
    // `pointsShown` from the pointer to the score and records the group size in the statistics
    // (biggest group) and saves them.
    bool popped = false;
    int32_t pointsShown = 0;
};

struct ClassicStep {
    bool breeze = false; // the breeze blew this frame (its cue is requested, the shakes started)
    // Every prize has been released (while settling). The screen runs its all-prizes
    // celebration step every frame this is set; on the first such frame (`allPrizesJustFreed`)
    // it starts that step afresh.
    bool allPrizesFreed = false;
    bool allPrizesJustFreed = false;
};

// The result of a finished game. The screen records it in the Classic statistics (games played,
// and for a win games won and the streak) and saves them; a loss counts even if the player then
// undoes and goes on to win. Only a win may enter the high-score list.
struct ClassicEnd {
    bool won = false;
    int balloonsLeft = 0;
    int32_t bonus = 0; // already added to the score; 0 when none was earned
};

// The Classic rules as plain code: dealing, popping and scoring, prizes leaving the board for the
// shelf, the moves test, the end of a game and undo. They own no picture, sound or dialog; what
// the player should see or hear is asked of the ClassicListener, and numbers the screen shows
// come back as results.
//
// A frame of play, in the order the screen's play step calls it:
//   1. setPrizeInFlight(any released prize object still moving); for each released prize object
//      that finished its fall in this frame (not a fly-off): scorePrizeLanding(i) and fly the
//      answer from the prize to the score.
//   2. advance(frameSeconds): the board moves, the breeze, pictures, prizes uncovered by the board
//      are released (listener releasePrize), columns close up, the moves test (after every pop,
//      and once after a deal, so a board dealt without a group of two ends too).
//   3. When the ClassicStep says so, the screen's all-prizes celebration step (which may call
//      setPrizeInFlight while the prizes celebrate).
//   4. If isReadyToEnd(): endGame(), then the end-of-game presentation.
//   5. pointerStep(pointer, minimum group).
// Undo: undoMove(). After the out-of-moves dialog's undo: clearNoMoves(), then undoMove().
class ClassicGame {
public:
    static constexpr int kPrizeObjects = 180;

    // `images` and `listener` may be null and must outlive the game.
    ClassicGame(const BalloonImageTable* images, ClassicListener* listener);
    ClassicGame(const ClassicGame&) = delete;
    ClassicGame& operator=(const ClassicGame&) = delete;

    // Starts a game: reads the tuning values (ClassicTuning::read), sets the score and prize
    // count to 0, clears every flag and the undo history and deals a new board. The caller seeds
    // the game's random generator beforehand (the screen uses the time in milliseconds).
    void newGame(const TuningLookup& settings, const ClassicOptions& options);
    void newGame(const ClassicTuning& tuning, const ClassicOptions& options);

    // Whether a released prize object is still on its way; set by the screen each frame. A prize
    // released by advance counts as in flight until the screen says otherwise.
    void setPrizeInFlight(bool inFlight) { m_prizeInFlight = inFlight; }
    // Scores release `releaseIndex` landing on the shelf by the row it left, or as the last prize
    // of the game; adds the points and answers the number to show.
    int32_t scorePrizeLanding(int releaseIndex);
    // Advances the board by `seconds` and applies the rules that follow from it (see above).
    ClassicStep advance(float seconds);
    // Hover and click: highlights and jiggles the group under the pointer, presses it while the
    // left button is held and pops it on release when it has at least `minimumGroup` balloons
    // (2, or 1 in the hidden mode). A click on a smaller group requests "pop0" and changes
    // nothing.
    ClassicPointerResult pointerStep(const BoardPointer& pointer, int minimumGroup);
    // No group of two is left and no prize is in flight.
    bool isReadyToEnd() const { return m_noMoves && !m_prizeInFlight && !m_ended; }
    // Decides the game: won when every prize was freed, with the bonus for the balloons left
    // added to the score; banner and mascot through the listener.
    ClassicEnd endGame();
    // Takes back the last pop: the board, shelf and score return to what they were before it,
    // and prizes freed since then go back onto the board. Requests "undo". The first pop of a
    // game restores the dealt board. False (and nothing happens) when there is nothing to undo.
    // Afterwards the screen shows exactly the released prize objects below releasedCount() and
    // gives each shelf slot the picture of its prize kind.
    bool undoMove();
    // Lets the moves test decide again (the out-of-moves dialog's undo).
    void clearNoMoves();
    // The game as plain data, to be continued later (the caller marks the prizes in flight).
    ClassicGameRecord record() const;
    // Goes on with a recorded game under `tuning` (the values it was dealt under): board, shelf,
    // score, freed prizes and undo history as they were. The screen shows the landed prizes
    // resting on their shelf slots and starts the fall of those that were in flight.
    void restore(const ClassicGameRecord& record, const ClassicTuning& tuning);
    // Nothing on the board pops, rises or slides.
    bool isAtRest() const;

    ClassicBoard& board() { return m_board; }
    const ClassicBoard& board() const { return m_board; }
    PrizeShelf& shelf() { return m_shelf; }
    const PrizeShelf& shelf() const { return m_shelf; }

    int32_t score() const { return m_score; }
    int prizeTotal() const { return m_prizeTotal; }
    int releasedCount() const { return m_releasedCount; }
    const ClassicPrizeRelease& release(int index) const {
        return m_releases[static_cast<std::size_t>(index)];
    }
    int balloonsLeft() const { return m_balloonsLeft; }
    bool isSettling() const { return m_settling; }
    bool noMoves() const { return m_noMoves; }
    bool allPrizesFreed() const { return m_allPrizesFreed; }
    bool allBalloonsPopped() const { return m_allBalloonsPopped; }
    int32_t superPopRun() const { return m_superPopRun; }
    int32_t superPopThreshold() const { return m_superPopThreshold; }
    float multiplier() const { return m_multiplier; }
    const ClassicOptions& options() const { return m_options; }
    int undoDepth() const { return m_undo.size(); }
    // No pop has been made (or all were undone) and the prizes are not all out: leaving now
    // loses nothing, so NEW GAME and MAIN MENU need no confirmation.
    bool isUntouched() const { return m_undo.empty() && !m_allPrizesFreed; }

private:
    void deal();
    void releasePrize(int row, int column);
    void popGroup(int groupSize, ClassicPointerResult& result);
    // False when no group of two is left; counts the balloons on the way.
    bool movesRemain();
    void cue(const char* name);
    void mascot(int cueNumber);
    void banner(const GameBanner& banner);

    ClassicBoard m_board;
    PrizeShelf m_shelf;
    ClassicListener* m_listener;
    ClassicTuning m_tuning;
    ClassicOptions m_options;
    int m_prizeTotal = 0;
    int m_releasedCount = 0;
    std::array<ClassicPrizeRelease, kPrizeObjects> m_releases{};
    bool m_settling = false;
    bool m_noMoves = false;
    bool m_allPrizesFreed = false;
    bool m_allBalloonsPopped = false;
    bool m_prizeInFlight = false;
    bool m_ended = false;
    // The next advance runs the moves test even without a pop (after a deal, after clearNoMoves).
    bool m_movesTestDue = false;
    int m_balloonsLeft = 0;
    int32_t m_score = 0;
    int32_t m_superPopThreshold = 0;
    int32_t m_superPopRun = 0;
    float m_multiplier = 0.0f;
    // Shared by every game on this screen and first due at once.
    float m_breezeCountdown = 0.0f;
    ClassicUndoHistory m_undo;
};
