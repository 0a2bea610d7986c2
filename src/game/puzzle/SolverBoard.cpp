// SolverBoard.cpp: a compact copy of the Puzzle rules for searching: the board at rest after each click.
#include "SolverBoard.h"

SolverBoard::SolverBoard(const PuzzleLevel& level) {
    const PuzzleSetup setup = setupOf(level);
    m_goal = setup.goal;
    m_prizeCount = setup.prizeCount;
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const CellContent cell = level.cell(row, column);
            m_colour[index(row, column)] = static_cast<int8_t>(cell.colour);
            m_prize[index(row, column)] = static_cast<int8_t>(cell.prizeKind);
        }
    }
    for (int slot = 0; slot < puzzle::kFloorSlots; ++slot) {
        m_targets[static_cast<std::size_t>(slot)] = static_cast<int8_t>(level.target(slot));
    }
}

SolverBoard::Outcome SolverBoard::click(int row, int column) {
    if (isOver() || row < 0 || row >= puzzle::kRows || column < 0 || column >= puzzle::kColumns) {
        return Outcome::Ignored;
    }
    const int8_t colour = m_colour[index(row, column)];
    if (colour < 0) {
        return Outcome::Ignored;
    }
    // Flood fill over the four neighbours.
    std::array<uint8_t, kCells> stack;
    std::array<bool, kCells> seen{};
    std::size_t top = 0;
    std::size_t count = 0;
    std::array<uint8_t, kCells> members;
    stack[top++] = static_cast<uint8_t>(index(row, column));
    seen[index(row, column)] = true;
    while (top > 0) {
        const int at = stack[--top];
        members[count++] = static_cast<uint8_t>(at);
        const int r = at / puzzle::kColumns;
        const int c = at % puzzle::kColumns;
        const int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
        for (const auto& [nr, nc] : next) {
            if (nr < 0 || nr >= puzzle::kRows || nc < 0 || nc >= puzzle::kColumns) {
                continue;
            }
            const std::size_t n = index(nr, nc);
            if (!seen[n] && m_colour[n] == colour) {
                seen[n] = true;
                stack[top++] = static_cast<uint8_t>(n);
            }
        }
    }
    if (count < 2) {
        return Outcome::Ignored;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = members[i];
        if (m_prize[at] >= 0) {
            release(at, static_cast<int>(at % puzzle::kColumns));
        }
        m_colour[at] = puzzle::kNone;
    }
    raise();
    for (std::size_t at = 0; at < kCells; ++at) {
        if (m_colour[at] < 0 && m_prize[at] >= 0) {
            release(at, static_cast<int>(at % puzzle::kColumns));
        }
    }
    closeColumns();
    if (!m_endTests) {
        return m_outcome;
    }
    if (goalMet()) {
        m_outcome = Outcome::Solved;
    } else if ((m_goal == PuzzleGoal::PrizesOnTargets && !m_targetsRight) || !anyGroup()) {
        m_outcome = Outcome::Failed;
    }
    return m_outcome;
}

void SolverBoard::release(std::size_t at, int column) {
    if (m_targets[static_cast<std::size_t>(column)] != m_prize[at]) {
        m_targetsRight = false;
    }
    m_prize[at] = puzzle::kNone;
    ++m_released;
}

void SolverBoard::raise() {
    // Balloons float up; the prize markers keep their places.
    for (int column = 0; column < puzzle::kColumns; ++column) {
        int to = 0;
        for (int row = 0; row < puzzle::kRows; ++row) {
            const int8_t colour = m_colour[index(row, column)];
            if (colour >= 0) {
                m_colour[index(row, column)] = puzzle::kNone;
                m_colour[index(to++, column)] = colour;
            }
        }
    }
}

bool SolverBoard::columnEmpty(int column) const {
    // Balloons rise, so a column is empty when its top place is.
    return m_colour[index(0, column)] < 0;
}

void SolverBoard::moveColumn(int from, int to) {
    for (int row = 0; row < puzzle::kRows; ++row) {
        const std::size_t a = index(row, from);
        if (m_colour[a] >= 0) {
            m_colour[index(row, to)] = m_colour[a];
            m_prize[index(row, to)] = m_prize[a];
            m_colour[a] = puzzle::kNone;
            m_prize[a] = puzzle::kNone;
        }
    }
}

void SolverBoard::closeColumns() {
    constexpr int kSeam = 7;
    int emptyLeft = 0;
    for (int column = kSeam; column >= 0; --column) {
        if (columnEmpty(column)) {
            ++emptyLeft;
        } else if (emptyLeft > 0) {
            moveColumn(column, column + emptyLeft);
        }
    }
    int emptyRight = 0;
    for (int column = kSeam + 1; column < puzzle::kColumns; ++column) {
        if (columnEmpty(column)) {
            ++emptyRight;
        } else if (emptyRight > 0) {
            moveColumn(column, column - emptyRight);
        }
    }
}

bool SolverBoard::goalMet() const {
    switch (m_goal) {
    case PuzzleGoal::PopAll:
        return balloons() == 0;
    case PuzzleGoal::PopGold:
        return goldLeft() == 0;
    case PuzzleGoal::PrizesOnTargets:
        return m_released == m_prizeCount && m_targetsRight;
    }
    return false;
}

bool SolverBoard::anyGroup() const {
    for (int row = 0; row < puzzle::kRows; ++row) {
        for (int column = 0; column < puzzle::kColumns; ++column) {
            const int8_t colour = m_colour[index(row, column)];
            if (colour < 0) {
                continue;
            }
            if ((column + 1 < puzzle::kColumns && m_colour[index(row, column + 1)] == colour) ||
                (row + 1 < puzzle::kRows && m_colour[index(row + 1, column)] == colour)) {
                return true;
            }
        }
    }
    return false;
}

int SolverBoard::groups(std::array<Group, kCells / 2>& out) const {
    std::array<bool, kCells> seen{};
    std::array<uint8_t, kCells> stack;
    int written = 0;
    for (std::size_t start = 0; start < kCells; ++start) {
        const int8_t colour = m_colour[start];
        if (colour < 0 || seen[start]) {
            continue;
        }
        std::size_t top = 0;
        int size = 0;
        stack[top++] = static_cast<uint8_t>(start);
        seen[start] = true;
        while (top > 0) {
            const int at = stack[--top];
            ++size;
            const int r = at / puzzle::kColumns;
            const int c = at % puzzle::kColumns;
            const int next[4][2] = {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}};
            for (const auto& [nr, nc] : next) {
                if (nr < 0 || nr >= puzzle::kRows || nc < 0 || nc >= puzzle::kColumns) {
                    continue;
                }
                const std::size_t n = index(nr, nc);
                if (!seen[n] && m_colour[n] == colour) {
                    seen[n] = true;
                    stack[top++] = static_cast<uint8_t>(n);
                }
            }
        }
        if (size >= 2) {
            out[static_cast<std::size_t>(written++)] = {static_cast<uint8_t>(start / puzzle::kColumns),
                                                        static_cast<uint8_t>(start % puzzle::kColumns),
                                                        static_cast<uint8_t>(size), colour};
        }
    }
    return written;
}

int SolverBoard::balloons() const {
    int count = 0;
    for (int8_t colour : m_colour) {
        count += colour >= 0 ? 1 : 0;
    }
    return count;
}

int SolverBoard::goldLeft() const {
    int count = 0;
    for (int8_t colour : m_colour) {
        count += colour == puzzle::kGold ? 1 : 0;
    }
    return count;
}

uint64_t SolverBoard::hash() const {
    // FNV-1a over the cells and markers.
    uint64_t h = 1469598103934665603ull;
    for (std::size_t i = 0; i < kCells; ++i) {
        h = (h ^ static_cast<uint8_t>(m_colour[i])) * 1099511628211ull;
        h = (h ^ static_cast<uint8_t>(m_prize[i])) * 1099511628211ull;
    }
    return h;
}
