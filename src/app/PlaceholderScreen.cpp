// PlaceholderScreen.cpp: a plain stand-in for a screen that does not exist yet.
#include "PlaceholderScreen.h"

#include "GameApp.h"
#include "engine/video/ksCanvas.h"

PlaceholderScreen::PlaceholderScreen(GameContext& context, int id, uint32_t colour)
    : m_context(context)
    , m_id(id)
    , m_colour(colour) {}

void PlaceholderScreen::enter() {
    m_input.poll();
    redraw();
}

void PlaceholderScreen::redraw() {
    ksCanvas& canvas = m_context.canvas;
    canvas.selectBackground();
    canvas.fillRect(0, 0, canvas.width(), canvas.height(), m_colour);
    canvas.selectFrame();
    canvas.copyBackgroundToFrame();
    canvas.addDirty(0, 0, canvas.width(), canvas.height());
}

bool PlaceholderScreen::update() {
    m_input.poll();
    if (m_input.wasTyped(27)) {
        return true;
    }
    if (!m_input.isReleased()) {
        return false;
    }
    if (m_id != kTitleScreen) {
        return true;
    }
    const int x = m_input.getX(), y = m_input.getY();
    if (y >= 360) {
        return true; // going back from the title ends the game
    }
    m_context.screens.requestSwitch(x < 213 ? kClassicScreen : x < 426 ? kPuzzleScreen : kActionScreen);
    return true;
}
