// ksApplication.h: what the OS layer's main loop drives.
#pragma once

class ksApplication {
public:
    virtual ~ksApplication() = default;
    // Runs one frame: update, draw, present.
    virtual void frame() = 0;
    // Repaints the whole screen from scratch (window uncovered, re-activated, display re-created).
    virtual void redraw() = 0;
    // Asked after every frame; true ends the main loop.
    virtual bool isFinished() = 0;
    // True when the game loses the focus, false when it gets it back.
    virtual void setFocusLost(bool lost) = 0;
    // Asked after every frame: how long the game may rest before it needs another frame when no
    // input arrives. 0 while anything moves; infinity when only input can change the picture.
    virtual double restSeconds() { return 0.0; }
    // The loop rested before the frame about to run: the frame counts the rest as its length.
    virtual void resumeAfterRest() {}
};
