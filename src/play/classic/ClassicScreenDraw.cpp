// ClassicScreenDraw.cpp: the Classic play area: the score, the balloons and their prize markers.
#include "ClassicScreen.h"
#include "engine/core/Numbers.h"
#include "engine/video/ksCanvas.h"
#include "engine/video/ksFont.h"
#include "engine/video/ksImage.h"
#include "play/PlayPieces.h"
#include "ui/GameContext.h"

#include <cstdio>

namespace {

// The marker sits this far into its place, and shows through the balloon in front of it.
constexpr int kMarkerInset = 4;
constexpr float kMarkerOpacity = 0.7f;
constexpr float kBalloonOverMarkerOpacity = 0.1f;

} // namespace

void ClassicScreen::drawPlay() {
    context().canvas.selectFrame();
    drawScore();
    drawPlayArea();
    m_keys.draw(context().canvas, m_game.board());
    scene().list().sort();
    scene().list().drawAll();
    drawMenuFocus();
}

void ClassicScreen::drawScore() {
    m_scoreFont->drawTextScaled(m_scoreText.text(m_game.score()), kScoreX, kScoreY, ALIGN_LEFT,
                                m_scorePulse.scale());
}

void ClassicScreen::drawPlayArea() {
    const ClassicBoard& board = m_game.board();
    for (int column = 0; column < board.columns(); ++column) {
        const int left = board.columnX(column);
        for (int row = 0; row < board.rows(); ++row) {
            const Balloon& place = board.cellAt(row, column);
            const int top = board.rowY(row, column);
            const ksImage* picture = place.isOccupied() ? place.image() : nullptr;
            const int x = truncSat(static_cast<double>(left) + place.offsetX() + place.jiggleX());
            const int y = truncSat(static_cast<double>(top) + place.offsetY() + place.jiggleY());
            if (picture != nullptr) {
                drawBalloonPicture(*picture, x, y, place.highlight());
            }
            if (!place.holdsPrize()) {
                continue;
            }
            // The marker belongs to the place: it follows the jiggle but not a rise.
            const int markerX = left + truncSat(place.jiggleX()) + kMarkerInset;
            const int markerY = top + truncSat(place.jiggleY()) + kMarkerInset;
            if (picture != nullptr) {
                m_marker->drawFaded(markerX, markerY, kMarkerOpacity);
                picture->drawFaded(x, y, kBalloonOverMarkerOpacity);
            } else {
                m_marker->draw(markerX, markerY);
            }
        }
    }
}
