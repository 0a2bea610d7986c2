// BoardKeyboard.cpp: playing a board from the keyboard (and a gamepad, which arrives as keys).
#include "BoardKeyboard.h"

#include "engine/core/Numbers.h"
#include "engine/core/WakeRequests.h"
#include "engine/input/TypedKeys.h"
#include "engine/input/ksInputState.h"
#include "game/board/BalloonBoard.h"

void BoardKeyboard::watchPointer(const ksInput& now) {
    if (m_pointer.moved(now) || now.isHeld() || now.isReleased()) {
        m_active = false;
    }
}

BoardKeyboard::Step BoardKeyboard::step(const BalloonBoard& board, const ksInput& now, const ksInput& before,
                                        bool menuHasFocus) {
    Step result;
    result.pointer = BoardPointer{now.getX(), now.getY(), now.isHeld(), now.isReleased()};
    const NavigationKeys keys = readNavigationKeys(now, before);
    const bool arrows = keys.left || keys.right || keys.up || keys.down;
    bool press = now.wasTyped(kEnterKey) || now.wasTyped(kSpaceKey);
    result.undo = now.wasTyped(kBackspaceKey) || now.wasTyped('u') || now.wasTyped('U');
    if (menuHasFocus) {
        if (!arrows) {
            m_active = false;
            return result;
        }
        result.tookFocus = true;
        press = false;
    }
    const bool firstKey = !m_active && (arrows || press || result.undo);
    if (firstKey) {
        m_active = true;
    }
    if (!m_active) {
        return result;
    }
    // A new deal starts the focus at the top of the middle column.
    if (!m_focus.hasFocus() || !m_focus.follow(board)) {
        m_focus.placeNear(board, 0, board.columns() / 2);
    }
    // The first key only shows the ring, so the player sees what a press would pop.
    if (!firstKey) {
        if (keys.left) {
            m_focus.move(board, BoardFocus::Direction::Left);
        } else if (keys.right) {
            m_focus.move(board, BoardFocus::Direction::Right);
        } else if (keys.up) {
            m_focus.move(board, BoardFocus::Direction::Up);
        } else if (keys.down) {
            m_focus.move(board, BoardFocus::Direction::Down);
        }
    }
    if (!m_focus.hasFocus()) {
        // Nothing to point at: a pointer off the board that clicks nothing.
        result.pointer = BoardPointer{-1, -1, false, false};
        return result;
    }
    result.pointer = m_focus.pointer(board, false, press && !firstKey);
    return result;
}

void BoardKeyboard::draw(ksCanvas& canvas, const BalloonBoard& board) {
    ScreenRect ring;
    if (m_active && m_focus.follow(board)) {
        const Balloon& place = board.cellAt(m_focus.row(), m_focus.column());
        ring = ScreenRect::fromPositionSize(board.columnX(m_focus.column()) + truncSat(place.offsetX()),
                                            board.rowY(m_focus.row(), m_focus.column()) +
                                                truncSat(place.offsetY()),
                                            BalloonBoard::kColumnPitch, BalloonBoard::kRowPitch);
        drawFocusRing(canvas, ring);
    }
    // A ring that moved or vanished changes the picture: the frame after it must run too.
    if (ring.left != m_drawn.left || ring.top != m_drawn.top || ring.width != m_drawn.width) {
        WakeRequests::nextFrame();
    }
    m_drawn = ring;
}

void BoardKeyboard::reset() {
    m_focus.clear();
    // The ring of the last board would otherwise appear on the new one in a frame nobody asked
    // for; the next key shows it again.
    m_active = false;
}

void BoardKeyboard::keepPlace(const BalloonBoard& board) {
    if (m_focus.hasFocus()) {
        m_focus.placeNear(board, m_focus.row(), m_focus.column());
    }
}
