// BalloonBoard.h: the grid of balloon places every mode plays on, and what makes it move.
#pragma once

#include "Balloon.h"
#include "GroupList.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class BoardCueSink;
struct BalloonImageTable;

// Row 0 is the top row and balloons float upward: popped places fill from below, and emptied
// columns close up. A prize marker belongs to its grid position, not to the balloon in front of
// it. The board keeps no score and decides no rules; the modes fill it, pop balloons and ask it
// to settle.
//
// All places and group-list nodes are allocated at construction; nothing allocates afterwards.
// Records trade places in the grid table and are never created or destroyed, so references to
// them stay valid for the board's lifetime (their row() and column() follow them).
//
// The variants override the virtual operations (in this slot order): layoutColumns,
// columnOffsetY, raiseBalloons, collapseColumns, settle, sameColour, update.
class BalloonBoard {
public:
    static constexpr int kColumnPitch = 28;
    static constexpr int kRowPitch = 37;
    static constexpr float kColumnSpeedX = 210.0f; // px/s
    static constexpr float kColumnSpeedY = 200.0f; // px/s
    // The centre-collapsing variants close up toward the seam between this column and the next.
    static constexpr int kSeamLeftColumn = 7;
    static constexpr std::size_t kTitleCapacity = 128;
    // The play field the three modes share.
    static constexpr int kPlayRows = 10;
    static constexpr int kPlayColumns = 15;
    static constexpr int kPlayOriginX = 174;
    static constexpr int kPlayOriginY = 16;

    struct ColumnPosition {
        float x = 0.0f;
        float y = 0.0f;
    };

    // Builds rows x columns Empty places with the grid origin (the top-left corner on screen) at
    // (originX, originY). Column slot i starts at (28 i, 0); the variants place them their way.
    // `images` and `cues` may be null and must outlive the board.
    BalloonBoard(int rows, int columns, int originX, int originY, const BalloonImageTable* images = nullptr,
                 BoardCueSink* cues = nullptr);
    virtual ~BalloonBoard() = default;
    BalloonBoard(const BalloonBoard&) = delete;
    BalloonBoard& operator=(const BalloonBoard&) = delete;

    // Sets the target position of the column slots: centres the first n slots (n the non-empty
    // column count) with the shallow arch of columnOffsetY.
    virtual void layoutColumns();
    // The vertical offset of column slot `slot`: 0 here.
    virtual float columnOffsetY(int slot) const;
    // Lets every balloon float up into the empty places above it. Prize markers stay at their
    // grid positions. Moving balloons slide up at 200 px/s; popping ones move without sliding.
    // Requests "pop_golden" (once per pass) when a gold balloon comes to rest beside another.
    virtual void raiseBalloons();
    // Closes up empty columns toward column 0, then lays out the columns. Does nothing while any
    // balloon is popping; the next call after the last pop does the work.
    virtual void collapseColumns();
    // raiseBalloons, then collapseColumns.
    virtual void settle();
    // Whether two neighbours join one group: equal colours here.
    virtual bool sameColour(const Balloon& a, const Balloon& b) const;
    // Advances every balloon's animation and slides each column slot toward its target.
    virtual void update(float seconds);

    // Back to the state of a freshly built board of the same variant: every place a new Empty
    // balloon (with a newly drawn jiggle speed), columns at their start positions, nothing
    // selected, every column counted, the title reset. Equivalent to replacing the board.
    void reset();

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }

    // No range check: callers keep indices inside the board.
    Balloon& cellAt(int row, int column);
    const Balloon& cellAt(int row, int column) const;

    // Screen position of a column's left edge and of a row's top edge within a column, following
    // the column's animated slot position.
    int columnX(int column) const;
    int rowY(int row, int column) const;
    ColumnPosition currentColumnPosition(int slot) const { return m_current[slot]; }
    ColumnPosition targetColumnPosition(int slot) const { return m_target[slot]; }

    // The first occupied place whose box (columnX..+28, rowY..+37, edges included) holds the
    // point, scanning rows from the top and each row from the left, so a shared edge belongs to
    // the earlier place. Rise offsets and jiggle are ignored. Selects it; null and nothing
    // selected when no place matches.
    Balloon* cellAtPoint(int x, int y);
    Balloon& selectCell(int row, int column);
    Balloon* selectedRecord() const { return m_selected; }
    int selectedRow() const { return m_selectedRow; }
    int selectedColumn() const { return m_selectedColumn; }

    // Collects the group of the selected place into group(): 4-neighbour connectivity, corners
    // never join, neighbours admitted by sameColour. Answers the group size with the selected
    // place counted, or 0 (and an empty group) when nothing or an Empty place is selected.
    int findGroup();
    const GroupList& group() const { return m_group; }

    bool isColumnEmpty(int column) const;
    // Some column slot is still sliding toward its target (update asks for frames meanwhile).
    bool areColumnsMoving() const;
    int nonEmptyColumns() const { return m_nonEmptyColumns; }
    // Counts the non-empty columns again, lays out and snaps those slots to their targets.
    void recountColumns();
    // Ends every running rise at once.
    void finishRising();
    // Slides column `column` down one row (the bottom balloon falls off the board) and drops a
    // copy of `model` in at the top.
    void insertAtTop(int column, const Balloon& model);

    // Fills every place from stored cells: (colour, prize) byte pairs in row-major order, as in
    // level data and snapshots. Out-of-range values are made safe (CellContent::normalise) and
    // reported once, naming `source`; places beyond the data are left Empty. Answers the number
    // of cells that had to be corrected.
    int fillFromCells(std::span<const int8_t> cellPairs, const char* source);

    const char* title() const { return m_title.data(); }
    void setTitle(std::string_view title);

protected:
    // Gives every column slot its start position (current and target alike), kept for reset().
    template <typename StartPosition>
    void placeColumnsAtStart(StartPosition&& startPosition) {
        for (int slot = 0; slot < m_columns; ++slot) {
            m_start[slot] = startPosition(slot);
        }
        m_current = m_start;
        m_target = m_start;
    }

    // The variants' building blocks.
    void layoutCentred();
    void layoutInPlace();
    void collapseTowardColumnZero();
    void collapseTowardSeam();
    bool anyPopping() const;
    // The joining rule of the play-field variants: equal colours, and neither balloon popping.
    static bool sameColourUnlessPopping(const Balloon& a, const Balloon& b) {
        return a.colour() == b.colour() && !a.isPopping() && !b.isPopping();
    }
    void setTarget(int slot, float x, float y) { m_target[slot] = {x, y}; }

private:
    Balloon*& slotAt(int row, int column) {
        return m_cells[static_cast<std::size_t>(row * m_columns + column)];
    }
    void seatRecords();
    void tradePlaces(int rowA, int columnA, int rowB, int columnB);
    void moveColumn(int from, int to);
    bool isGoldAt(int row, int column) const;
    void requestCue(const char* name);

    int m_rows;
    int m_columns;
    int m_selectedRow = 0;
    int m_selectedColumn = 0;
    int m_originX;
    int m_originY;
    std::vector<ColumnPosition> m_current;
    std::vector<ColumnPosition> m_target;
    std::vector<ColumnPosition> m_start;
    int m_nonEmptyColumns;
    Balloon* m_selected = nullptr;
    // The records themselves never move; the grid table below says which sits where.
    std::vector<Balloon> m_records;
    std::vector<Balloon*> m_cells;
    GroupList m_group;
    std::array<char, kTitleCapacity> m_title{};
    const BalloonImageTable* m_images;
    BoardCueSink* m_cues;
};
