// PlaceholderScreen.h: a plain stand-in for a screen that does not exist yet.
#pragma once

#include "GameScreen.h"
#include "engine/input/ksInputState.h"

#include <cstdint>

struct GameContext;

// Shows a plain colour. On the title stand-in, clicks in the upper left, middle and right thirds
// open Classic, Puzzle and Action, and a click in the lower quarter (or Escape) leaves the game;
// every other stand-in goes back on a click or Escape.
class PlaceholderScreen final : public GameScreen {
public:
    PlaceholderScreen(GameContext& context, int id, uint32_t colour);

    void enter() override;
    bool update() override;
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override;

private:
    GameContext& m_context;
    int m_id;
    uint32_t m_colour;
    ksInput m_input;
};
