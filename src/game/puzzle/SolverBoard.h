// SolverBoard.h: a compact copy of the Puzzle rules for searching: the board at rest after each click.
#pragma once

#include "PuzzleGoal.h"
#include "PuzzleLevel.h"

#include <array>
#include <cstdint>

// The same rules as PuzzleGame on a PuzzleBoard, without animation: a click pops its group,
// releases the prizes of its balloons, lets the balloons rise, releases the prizes left
// uncovered and closes the emptied columns toward the seam between columns 7 and 8; then the
// end tests. A differential test keeps the two in step.
class SolverBoard {
public:
    static constexpr int kCells = puzzle::kRows * puzzle::kColumns;

    enum class Outcome : uint8_t { Ignored, Playing, Solved, Failed };

    explicit SolverBoard(const PuzzleLevel& level);

    // Plays on whatever happens (for exploring a layout): the end tests no longer run.
    void ignoreEndTests() { m_endTests = false; }

    // One click on (row, column), the board then brought to rest.
    Outcome click(int row, int column);

    // Every group of two or more at rest, as one place of each (the top-left-most in scan
    // order), with its size. Answers the number of groups written (at most kCells / 2).
    struct Group {
        uint8_t row;
        uint8_t column;
        uint8_t size;
        int8_t colour;
    };
    int groups(std::array<Group, kCells / 2>& out) const;

    int colour(int row, int column) const { return m_colour[index(row, column)]; }
    // The prize marker at the place (it may stand behind any balloon), or -1.
    int prize(int row, int column) const { return m_prize[index(row, column)]; }
    PuzzleGoal goal() const { return m_goal; }
    int balloons() const;
    int goldLeft() const;
    int prizesReleased() const { return m_released; }
    int prizeCount() const { return m_prizeCount; }
    bool targetsRight() const { return m_targetsRight; }
    bool isOver() const { return m_outcome == Outcome::Solved || m_outcome == Outcome::Failed; }
    Outcome outcome() const { return m_outcome; }
    int target(int slot) const { return m_targets[static_cast<std::size_t>(slot)]; }

    // A hash of the cells and markers, for the search's table of states seen.
    uint64_t hash() const;
    bool sameCells(const SolverBoard& other) const {
        return m_colour == other.m_colour && m_prize == other.m_prize;
    }

private:
    static std::size_t index(int row, int column) {
        return static_cast<std::size_t>(row * puzzle::kColumns + column);
    }
    void release(std::size_t at, int column);
    void raise();
    void closeColumns();
    void moveColumn(int from, int to);
    bool columnEmpty(int column) const;
    bool goalMet() const;
    bool anyGroup() const;

    std::array<int8_t, kCells> m_colour;
    std::array<int8_t, kCells> m_prize;
    std::array<int8_t, puzzle::kFloorSlots> m_targets;
    PuzzleGoal m_goal;
    int m_prizeCount;
    int m_released = 0;
    bool m_targetsRight = true;
    bool m_endTests = true;
    Outcome m_outcome = Outcome::Playing;
};
