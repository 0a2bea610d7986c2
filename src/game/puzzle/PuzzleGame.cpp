// PuzzleGame.cpp: the Puzzle rules over a PuzzleBoard: clicks, prizes leaving the board, the end tests.
#include "PuzzleGame.h"

#include "engine/core/Numbers.h"

#include <algorithm>

PuzzleGame::PuzzleGame(const BalloonImageTable* images, BoardCueSink* cues)
    : m_board(images, cues) {
    m_targets.fill(puzzle::kNone);
}

void PuzzleGame::load(const PuzzleLevel& level) {
    m_level = level;
    m_clickCount = 0;
    m_popOffClock = 0.0f;
    m_poppedCount = 0;
    m_board.reset();
    fillBoardFromLevel(m_board, level, "a puzzle level");
    m_setup = setupOf(level);
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        m_targets[static_cast<std::size_t>(slot)] = level.target(slot);
    }
    m_prizesReleased = 0;
    m_targetsRight = true;
    m_moveMade = false;
    m_result = puzzle_result::kNone;
    m_releaseCount = 0;
}

int PuzzleGame::click(int row, int column) {
    m_releaseCount = 0;
    if (isOver() || row < 0 || row >= m_board.rows() || column < 0 || column >= m_board.columns()) {
        return 0;
    }
    const Balloon& place = m_board.selectCell(row, column);
    if (!place.isOccupied() || place.isPopping()) {
        return 0;
    }
    const int size = m_board.findGroup();
    if (size < 2) {
        return 0;
    }
    if (m_clickCount < kMaxClicks) {
        m_undo[static_cast<std::size_t>(m_clickCount++)] = snapshot();
    }
    m_moveMade = true;
    for (std::size_t i = 0; i < m_board.group().size(); ++i) {
        Balloon& member = m_board.group()[i];
        if (member.holdsPrize()) {
            release(member.row(), member.column());
        }
        member.startPopping();
        member.clearImage();
    }
    return size;
}

void PuzzleGame::advance(float seconds) {
    m_releaseCount = 0;
    m_board.update(seconds);
    m_board.raiseBalloons();
    // A prize whose place no balloon covers any more falls before its column can close up.
    for (int column = 0; column < m_board.columns(); ++column) {
        for (int row = 0; row < m_board.rows(); ++row) {
            const Balloon& place = m_board.cellAt(row, column);
            if (place.isEmpty() && place.holdsPrize()) {
                release(row, column);
            }
        }
    }
    m_board.collapseColumns();
    if (!m_moveMade || isOver()) {
        return;
    }
    if (goalMet()) {
        m_result = static_cast<int>(m_setup.goal);
    } else if (stuck()) {
        m_result = m_setup.goal == PuzzleGoal::PrizesOnTargets && !m_targetsRight
                       ? puzzle_result::kWrongTarget
                       : puzzle_result::kNoMoves;
    }
}

void PuzzleGame::settle() {
    // A pop lasts 0.1 s and a rise at most 10 rows at 200 px/s; 0.02 s steps reach rest well
    // within the bound.
    for (int step = 0; step < 1000 && !isStill(); ++step) {
        advance(0.02f);
    }
    advance(0.0f);
}

bool PuzzleGame::isStill() const {
    if (m_board.areColumnsMoving()) {
        return false;
    }
    for (int row = 0; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            const Balloon& place = m_board.cellAt(row, column);
            if (place.isPopping() || place.isRising()) {
                return false;
            }
        }
    }
    return true;
}

void PuzzleGame::release(int row, int column) {
    Balloon& place = m_board.cellAt(row, column);
    const int kind = place.prizeKind();
    place.removePrize();
    ++m_prizesReleased;
    const bool onTarget = m_targets[static_cast<std::size_t>(column)] == kind;
    if (!onTarget) {
        m_targetsRight = false;
    }
    if (m_releaseCount < m_releases.size()) {
        m_releases[m_releaseCount++] = {kind, row, column, onTarget};
    }
}

bool PuzzleGame::goalMet() const {
    switch (m_setup.goal) {
    case PuzzleGoal::PopAll:
        // Balloons rise, so an empty top row is an empty board.
        for (int column = 0; column < m_board.columns(); ++column) {
            if (m_board.cellAt(0, column).isOccupied()) {
                return false;
            }
        }
        return true;
    case PuzzleGoal::PopGold:
        for (int row = 0; row < m_board.rows(); ++row) {
            for (int column = 0; column < m_board.columns(); ++column) {
                const Balloon& place = m_board.cellAt(row, column);
                if (place.isOccupied() && !place.isPopping() && place.colour() == puzzle::kGold) {
                    return false;
                }
            }
        }
        return true;
    case PuzzleGoal::PrizesOnTargets:
        return m_prizesReleased == m_setup.prizeCount && m_targetsRight;
    }
    return false;
}

bool PuzzleGame::stuck() {
    if (m_setup.goal == PuzzleGoal::PrizesOnTargets && !m_targetsRight) {
        return true;
    }
    for (int row = 0; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            const Balloon& place = m_board.cellAt(row, column);
            if (place.isPopping() || (m_setup.goal == PuzzleGoal::PopAll && place.isRising())) {
                return false; // the board is still moving: ask again later
            }
        }
    }
    for (int row = 0; row < m_board.rows(); ++row) {
        for (int column = 0; column < m_board.columns(); ++column) {
            if (!m_board.cellAt(row, column).isOccupied()) {
                continue;
            }
            m_board.selectCell(row, column);
            if (m_board.findGroup() >= 2) {
                return false;
            }
        }
    }
    return m_setup.goal != PuzzleGoal::PrizesOnTargets || m_prizesReleased != m_setup.prizeCount;
}

PuzzleLevel PuzzleGame::snapshot() const {
    PuzzleLevel layout;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const Balloon& place = m_board.cellAt(row, column);
            const bool shown = place.isOccupied() && !place.isPopping();
            layout.setCell(row, column, shown ? place.colour() : puzzle::kNone,
                           place.holdsPrize() ? place.prizeKind() : puzzle::kNone);
        }
    }
    return layout;
}

PuzzleGame::Undo PuzzleGame::undo() {
    m_releaseCount = 0;
    if (isOver() || m_clickCount == 0) {
        return Undo::Nothing;
    }
    if (m_clickCount == 1) {
        load(m_level);
        return Undo::Reloaded;
    }
    const PuzzleLevel& before = m_undo[static_cast<std::size_t>(--m_clickCount)];
    m_board.reset();
    fillBoardFromLevel(m_board, before, "an undo snapshot");
    int onBoard = 0;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            onBoard += m_board.cellAt(row, column).holdsPrize() ? 1 : 0;
        }
    }
    m_prizesReleased = m_setup.prizeCount - onBoard;
    m_targetsRight = true;
    return Undo::Restored;
}

void PuzzleGame::popOffStep(float seconds) {
    m_poppedCount = 0;
    m_releaseCount = 0;
    m_popOffClock += seconds;
    const int poppable = countPoppable(m_board);
    if (poppable == 0) {
        m_popOffClock = 0.0f;
        return;
    }
    if (m_popOffClock <= kPopOffStepSeconds) {
        return;
    }
    const int wanted = std::min(truncSat(m_popOffClock * kPopOffRate), poppable);
    m_popOffClock -= kPopOffStepSeconds;
    for (int n = 0; n < wanted; ++n) {
        const std::optional<BoardPlace> place = findRandomPoppable(m_board);
        if (!place) {
            break;
        }
        Balloon& member = m_board.cellAt(place->row, place->column);
        if (member.holdsPrize()) {
            release(place->row, place->column);
        }
        member.startPopping();
        member.clearImage();
        m_popped[m_poppedCount++] = *place;
    }
}
