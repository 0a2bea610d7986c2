// GameScreen.h: the interface every screen of the game implements.
#pragma once

// Screens are created once at start-up and live until the program ends; entering a screen again
// reuses the same object.
class GameScreen {
public:
    virtual ~GameScreen() = default;
    // The screen becomes current.
    virtual void enter() = 0;
    // Advances one frame; true when the screen is done and the manager must switch.
    virtual bool update() = 0;
    virtual void setFocusLost(bool lost) = 0;
    // Draws the frame (after an update that answered false).
    virtual void draw() = 0;
    // Paints the complete screen into the frame buffer.
    virtual void redraw() = 0;
};

// The index of each screen in the screen table.
enum ScreenId : int {
    kTitleScreen = 0,
    kClassicScreen = 1,
    kPuzzleScreen = 2,
    kActionScreen = 3,
    kOptionsScreen = 4,
    kPuzzleOptionsScreen = 5,
    kActionOptionsScreen = 6,
    kHighScoreScreen = 7,
    kScreenCount = 8,
};
