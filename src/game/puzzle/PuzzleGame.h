// PuzzleGame.h: the Puzzle rules over a PuzzleBoard: clicks, prizes leaving the board, the end tests.
#pragma once

#include "PuzzleGoal.h"
#include "PuzzleLevel.h"
#include "game/board/PuzzleBoard.h"
#include "game/rules/PopOff.h"

#include <array>
#include <span>

// A prize that has left the board in this step: the screen drops its picture from the place
// (row, column) to the floor slot of that column.
struct PuzzleRelease {
    int kind = 0;
    int row = 0;
    int column = 0;
    bool onTarget = false; // the floor slot of the column has this prize's number
};

// Each prize marker sits at its place in the grid, behind whichever balloon is there (balloons
// rise past it; a column closing up carries it sideways with the balloon in front of it). It
// leaves the board straight down, in the column it is in, when the balloon in front of it is
// popped, or when the column has become too short to cover it.
//
// The screen calls click() for a click on a place and advance() once a frame; the board it
// draws is board(). The end tests run in advance() once a move has been made.
class PuzzleGame {
public:
    static constexpr int kMaxReleasesPerStep = puzzle::kRows * puzzle::kColumns;
    // Every accepted click pops at least two balloons.
    static constexpr int kMaxClicks = puzzle::kRows * puzzle::kColumns / 2;
    // The pop-off of a solved board: one balloon every 0.006 s of the clock, more as it builds up.
    static constexpr float kPopOffStepSeconds = 0.006f;
    static constexpr float kPopOffRate = 166.66667f; // the float nearest 1 / 0.006

    enum class Undo { Nothing, Reloaded, Restored };

    // `images` and `cues` may be null and must outlive the game.
    explicit PuzzleGame(const BalloonImageTable* images = nullptr, BoardCueSink* cues = nullptr);

    // A fresh board from the level, the goal and counts from its cells, nothing released.
    void load(const PuzzleLevel& level);

    // A click on the place (row, column). A group of two or more (not popping, not over) pops:
    // the answer is its size, and the prizes of its balloons are released (see releases()).
    // Anything else answers 0 and changes nothing.
    int click(int row, int column);
    // Takes back the last accepted click: with one click the level is loaded afresh; with more
    // the board is filled from the snapshot taken before it, and the prizes counted as released
    // are those no longer on the board. Targets count as right again. Nothing once the puzzle is
    // over or before the first click.
    Undo undo();
    // Accepted clicks so far: the snapshots held for undo.
    int clicks() const { return m_clickCount; }
    // Lets play go on after a failure that the player answers with an undo.
    void clearOver() { m_result = puzzle_result::kNone; }

    // One frame of the pop-off after a solution: the clock grows by `seconds`; once it is above
    // the step, up to trunc(clock x rate) balloons pop in random places (never more than can
    // still pop) and the clock drops by one step. With no balloon left the clock is 0. The
    // places popped are popped().
    void popOffStep(float seconds);
    std::span<const BoardPlace> popped() const { return {m_popped.data(), m_poppedCount}; }
    float popOffClock() const { return m_popOffClock; }
    // The board moves by `seconds`; balloons rise, uncovered prizes are released, columns close
    // up; then, once a move has been made, the end tests.
    void advance(float seconds);
    // advance() in small steps until nothing pops or rises any more.
    void settle();
    // Nothing pops, rises or slides.
    bool isStill() const;

    // The prizes released by the last click() or advance().
    std::span<const PuzzleRelease> releases() const { return {m_releases.data(), m_releaseCount}; }

    PuzzleBoard& board() { return m_board; }
    const PuzzleBoard& board() const { return m_board; }
    const PuzzleSetup& setup() const { return m_setup; }
    PuzzleGoal goal() const { return m_setup.goal; }
    int target(int slot) const { return m_targets[static_cast<std::size_t>(slot)]; }
    int prizesReleased() const { return m_prizesReleased; }
    bool targetsRight() const { return m_targetsRight; }
    bool moveMade() const { return m_moveMade; }
    bool isOver() const { return m_result != puzzle_result::kNone; }
    // 0 while playing, the goal when met, 32 no move left, 128 a prize on a wrong target.
    int result() const { return m_result; }
    bool solved() const { return isOver() && m_result < puzzle_result::kFirstFailure; }

private:
    void release(int row, int column);
    // The board in the level layout: colour (255 when empty or popping) and prize (255 when
    // none) of every place; the floor stays blank.
    PuzzleLevel snapshot() const;
    bool goalMet() const;
    bool stuck();

    PuzzleBoard m_board;
    PuzzleSetup m_setup;
    std::array<int, puzzle::kFloorSlots> m_targets{};
    int m_prizesReleased = 0;
    bool m_targetsRight = true;
    bool m_moveMade = false;
    int m_result = puzzle_result::kNone;
    std::array<PuzzleRelease, kMaxReleasesPerStep> m_releases{};
    std::size_t m_releaseCount = 0;
    PuzzleLevel m_level;
    std::array<PuzzleLevel, kMaxClicks> m_undo{};
    int m_clickCount = 0;
    float m_popOffClock = 0.0f;
    std::array<BoardPlace, puzzle::kRows * puzzle::kColumns> m_popped{};
    std::size_t m_poppedCount = 0;
};
