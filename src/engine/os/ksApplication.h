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
};
