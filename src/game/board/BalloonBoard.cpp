// BalloonBoard.cpp: the grid of balloon places every mode plays on, and what makes it move.
#include "BalloonBoard.h"

#include "BoardCueSink.h"
#include "CellContent.h"
#include "engine/core/WakeRequests.h"
#include "engine/core/ksLog.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace {

constexpr char kDefaultTitle[] = "(puzzle title)";

// Moves `value` toward `target` by at most `step`, never past it.
float approach(float value, float target, float step) {
    if (value < target) {
        return std::min(value + step, target);
    }
    if (value > target) {
        return std::max(value - step, target);
    }
    return value;
}

} // namespace

BalloonBoard::BalloonBoard(int rows, int columns, int originX, int originY, const BalloonImageTable* images,
                           BoardCueSink* cues)
    : m_rows(rows)
    , m_columns(columns)
    , m_originX(originX)
    , m_originY(originY)
    , m_current(static_cast<std::size_t>(columns))
    , m_target(static_cast<std::size_t>(columns))
    , m_start(static_cast<std::size_t>(columns))
    , m_nonEmptyColumns(columns)
    , m_cells(static_cast<std::size_t>(rows * columns))
    , m_group(static_cast<std::size_t>(rows * columns))
    , m_images(images)
    , m_cues(cues) {
    assert(rows > 0 && columns > 0);
    m_records.reserve(static_cast<std::size_t>(rows * columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            m_records.emplace_back(row, column, images);
        }
    }
    seatRecords();
    placeColumnsAtStart([](int slot) {
        return ColumnPosition{static_cast<float>(kColumnPitch * slot), 0.0f};
    });
    setTitle(kDefaultTitle);
}

void BalloonBoard::reset() {
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            m_records[static_cast<std::size_t>(row * m_columns + column)] = Balloon(row, column, m_images);
        }
    }
    seatRecords();
    m_current = m_start;
    m_target = m_start;
    m_nonEmptyColumns = m_columns;
    m_selected = nullptr;
    m_selectedRow = 0;
    m_selectedColumn = 0;
    m_group.rewind();
    setTitle(kDefaultTitle);
}

Balloon& BalloonBoard::cellAt(int row, int column) {
    assert(row >= 0 && row < m_rows && column >= 0 && column < m_columns);
    return *slotAt(row, column);
}

const Balloon& BalloonBoard::cellAt(int row, int column) const {
    assert(row >= 0 && row < m_rows && column >= 0 && column < m_columns);
    return *m_cells[static_cast<std::size_t>(row * m_columns + column)];
}

int BalloonBoard::columnX(int column) const {
    return static_cast<int>(m_current[static_cast<std::size_t>(column)].x) + m_originX;
}

int BalloonBoard::rowY(int row, int column) const {
    return static_cast<int>(m_current[static_cast<std::size_t>(column)].y) + row * kRowPitch + m_originY;
}

void BalloonBoard::layoutColumns() {
    layoutCentred();
}

float BalloonBoard::columnOffsetY(int) const {
    return 0.0f;
}

void BalloonBoard::collapseColumns() {
    collapseTowardColumnZero();
}

void BalloonBoard::settle() {
    raiseBalloons();
    collapseColumns();
}

bool BalloonBoard::sameColour(const Balloon& a, const Balloon& b) const {
    return a.colour() == b.colour();
}

void BalloonBoard::raiseBalloons() {
    bool goldCued = false;
    for (int column = 0; column < m_columns; ++column) {
        int gap = 0;
        for (int row = 0; row < m_rows; ++row) {
            Balloon& moving = cellAt(row, column);
            if (moving.isEmpty()) {
                ++gap;
                continue;
            }
            if (gap == 0) {
                continue;
            }
            const int destination = row - gap;
            Balloon& hole = cellAt(destination, column);
            // The prize markers stay where they are: each record takes the other's marker
            // before the two trade places.
            std::swap(moving.m_holdsPrize, hole.m_holdsPrize);
            std::swap(moving.m_prizeKind, hole.m_prizeKind);
            tradePlaces(row, column, destination, column);
            moving.startRise(static_cast<float>(-gap * kRowPitch));
            if (!goldCued && moving.colour() == Balloon::kGoldColour &&
                (isGoldAt(destination - 1, column) || isGoldAt(destination, column - 1) ||
                 isGoldAt(destination, column + 1))) {
                requestCue("pop_golden");
                goldCued = true;
            }
        }
    }
}

void BalloonBoard::update(float seconds) {
    for (int column = 0; column < m_columns; ++column) {
        for (int row = 0; row < m_rows; ++row) {
            cellAt(row, column).update(seconds);
        }
        ColumnPosition& current = m_current[static_cast<std::size_t>(column)];
        const ColumnPosition& target = m_target[static_cast<std::size_t>(column)];
        current.x = approach(current.x, target.x, kColumnSpeedX * seconds);
        current.y = approach(current.y, target.y, kColumnSpeedY * seconds);
    }
    if (areColumnsMoving()) {
        WakeRequests::nextFrame();
    }
}

bool BalloonBoard::areColumnsMoving() const {
    for (int column = 0; column < m_columns; ++column) {
        const ColumnPosition& current = m_current[static_cast<std::size_t>(column)];
        const ColumnPosition& target = m_target[static_cast<std::size_t>(column)];
        if (current.x != target.x || current.y != target.y) {
            return true;
        }
    }
    return false;
}

Balloon* BalloonBoard::cellAtPoint(int x, int y) {
    m_selected = nullptr;
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            if (!cellAt(row, column).isOccupied()) {
                continue;
            }
            const int left = columnX(column);
            const int top = rowY(row, column);
            if (left <= x && x <= left + kColumnPitch && top <= y && y <= top + kRowPitch) {
                return &selectCell(row, column);
            }
        }
    }
    return nullptr;
}

Balloon& BalloonBoard::selectCell(int row, int column) {
    m_selectedRow = row;
    m_selectedColumn = column;
    m_selected = &cellAt(row, column);
    return *m_selected;
}

int BalloonBoard::findGroup() {
    m_group.rewind();
    if (m_selected == nullptr || m_selected->isEmpty()) {
        return 0;
    }
    for (Balloon& record : m_records) {
        record.m_visited = false;
    }
    // A record is marked as it joins the list, so the list never holds it twice and every
    // member is walked exactly once.
    m_selected->m_visited = true;
    m_group.append(*m_selected);
    static constexpr std::array<std::pair<int, int>, 4> kNeighbours{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    for (std::size_t walk = 0; walk < m_group.size(); ++walk) {
        const Balloon& current = m_group[walk];
        for (const auto& [rowStep, columnStep] : kNeighbours) {
            const int row = current.row() + rowStep;
            const int column = current.column() + columnStep;
            if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) {
                continue;
            }
            Balloon& neighbour = cellAt(row, column);
            if (neighbour.isOccupied() && !neighbour.m_visited && sameColour(current, neighbour)) {
                neighbour.m_visited = true;
                m_group.append(neighbour);
            }
        }
    }
    return static_cast<int>(m_group.size());
}

bool BalloonBoard::isColumnEmpty(int column) const {
    for (int row = 0; row < m_rows; ++row) {
        if (cellAt(row, column).isOccupied()) {
            return false;
        }
    }
    return true;
}

void BalloonBoard::recountColumns() {
    m_nonEmptyColumns = 0;
    for (int column = 0; column < m_columns; ++column) {
        if (!isColumnEmpty(column)) {
            ++m_nonEmptyColumns;
        }
    }
    layoutColumns();
    for (int slot = 0; slot < m_nonEmptyColumns; ++slot) {
        m_current[static_cast<std::size_t>(slot)] = m_target[static_cast<std::size_t>(slot)];
    }
}

void BalloonBoard::finishRising() {
    for (Balloon& record : m_records) {
        record.finishRise();
    }
}

void BalloonBoard::insertAtTop(int column, const Balloon& model) {
    // The bottom record bubbles up to row 0 while every other record moves down one row.
    for (int row = m_rows - 1; row >= 1; --row) {
        cellAt(row - 1, column).startRise(static_cast<float>(kRowPitch));
        tradePlaces(row, column, row - 1, column);
    }
    Balloon& top = cellAt(0, column);
    top.copyFrom(model);
    top.m_row = 0;
    top.m_column = column;
    top.startRise(static_cast<float>(kRowPitch));
}

int BalloonBoard::fillFromCells(std::span<const int8_t> cellPairs, const char* source) {
    int corrected = 0;
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const std::size_t at = static_cast<std::size_t>(row * m_columns + column) * 2;
            CellContent cell;
            if (at + 1 < cellPairs.size()) {
                cell = {cellPairs[at], cellPairs[at + 1]};
                corrected += cell.normalise() ? 1 : 0;
            }
            cellAt(row, column).setContent(cell.colour, cell.prizeKind);
        }
    }
    if (corrected > 0) {
        trace("BalloonBoard::fillFromCells - %d bad cells in %s were emptied", corrected, source);
    }
    return corrected;
}

void BalloonBoard::setTitle(std::string_view title) {
    const std::size_t length = std::min(title.size(), kTitleCapacity - 1);
    std::copy_n(title.data(), length, m_title.data());
    m_title[length] = '\0';
}

void BalloonBoard::layoutCentred() {
    const float width = static_cast<float>(m_columns * kColumnPitch);
    const float used = static_cast<float>(m_nonEmptyColumns * kColumnPitch);
    for (int slot = 0; slot < m_nonEmptyColumns; ++slot) {
        setTarget(slot, 0.5f * width - 0.5f * used + static_cast<float>(kColumnPitch * slot),
                  columnOffsetY(slot));
    }
}

void BalloonBoard::layoutInPlace() {
    for (int slot = 0; slot < m_columns; ++slot) {
        setTarget(slot, static_cast<float>(kColumnPitch * slot), columnOffsetY(slot));
    }
}

void BalloonBoard::collapseTowardColumnZero() {
    if (anyPopping()) {
        return;
    }
    int emptyColumns = 0;
    for (int column = 0; column < m_columns; ++column) {
        if (isColumnEmpty(column)) {
            ++emptyColumns;
        } else if (emptyColumns > 0) {
            moveColumn(column, column - emptyColumns);
        }
    }
    m_nonEmptyColumns = m_columns - emptyColumns;
    layoutColumns();
}

void BalloonBoard::collapseTowardSeam() {
    if (anyPopping()) {
        return;
    }
    const int seam = std::min(kSeamLeftColumn, m_columns - 1);
    bool goldCued = false;
    // Checks a moved column's balloons against the already settled column on its seam side.
    auto cueGoldJoin = [&](int column, int seamSideColumn) {
        for (int row = 0; row < m_rows && !goldCued; ++row) {
            if (isGoldAt(row, column) && isGoldAt(row, seamSideColumn)) {
                requestCue("pop_golden");
                goldCued = true;
            }
        }
    };
    int emptyLeft = 0;
    for (int column = seam; column >= 0; --column) {
        if (isColumnEmpty(column)) {
            ++emptyLeft;
        } else if (emptyLeft > 0) {
            moveColumn(column, column + emptyLeft);
            cueGoldJoin(column + emptyLeft, column + emptyLeft + 1);
        }
    }
    int emptyRight = 0;
    for (int column = seam + 1; column < m_columns; ++column) {
        if (isColumnEmpty(column)) {
            ++emptyRight;
        } else if (emptyRight > 0) {
            moveColumn(column, column - emptyRight);
            cueGoldJoin(column - emptyRight, column - emptyRight - 1);
        }
    }
    m_nonEmptyColumns = m_columns - emptyLeft - emptyRight;
    layoutColumns();
}

bool BalloonBoard::anyPopping() const {
    return std::any_of(m_records.begin(), m_records.end(), [](const Balloon& b) { return b.isPopping(); });
}

void BalloonBoard::seatRecords() {
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            slotAt(row, column) = &m_records[static_cast<std::size_t>(row * m_columns + column)];
        }
    }
}

void BalloonBoard::tradePlaces(int rowA, int columnA, int rowB, int columnB) {
    Balloon*& a = slotAt(rowA, columnA);
    Balloon*& b = slotAt(rowB, columnB);
    std::swap(a, b);
    a->m_row = rowA;
    a->m_column = columnA;
    b->m_row = rowB;
    b->m_column = columnB;
}

void BalloonBoard::moveColumn(int from, int to) {
    // Only the balloons travel; the destination column is empty, so its places simply take the
    // source column's spots. The slot keeps its on-screen position and slides from there.
    for (int row = 0; row < m_rows; ++row) {
        if (cellAt(row, from).isOccupied()) {
            tradePlaces(row, from, row, to);
        }
    }
    m_current[static_cast<std::size_t>(to)] = m_current[static_cast<std::size_t>(from)];
}

bool BalloonBoard::isGoldAt(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) {
        return false;
    }
    const Balloon& balloon = cellAt(row, column);
    return balloon.isOccupied() && balloon.colour() == Balloon::kGoldColour;
}

void BalloonBoard::requestCue(const char* name) {
    if (m_cues != nullptr) {
        m_cues->requestCue(name);
    }
}
