// PlaceholderScreen.h: the screen shown for a mode this version does not have yet.
#pragma once

#include "engine/input/ksInputState.h"
#include "ui/GameScreen.h"

struct GameContext;

// Over the dimmed title picture, a card names the mode and says it is not here yet. A click or
// Escape goes back to where the player came from.
class PlaceholderScreen final : public GameScreen {
public:
    PlaceholderScreen(GameContext& context, int id);

    void enter() override;
    bool update() override;
    void setFocusLost(bool) override {}
    void draw() override {}
    void redraw() override;

private:
    GameContext& m_context;
    int m_id;
    ksInput m_input;
};
