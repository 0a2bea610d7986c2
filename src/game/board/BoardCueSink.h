// BoardCueSink.h: where the board and the mode rules send their sound cue requests.
#pragma once

// Implemented by the play screen, which plays the cue by name through the sound system. The
// rules only ask; a null sink (as in the tests) means silence.
class BoardCueSink {
public:
    // `name` is only valid during the call.
    virtual void requestCue(const char* name) = 0;

protected:
    ~BoardCueSink() = default;
};
