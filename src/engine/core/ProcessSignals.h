// ProcessSignals.h: how the game answers the signals a desktop session sends it.
#pragma once

// A hang-up (the terminal closed, the session ended) ends the game the way a termination
// request does, so it leaves through the normal exit save rather than dying on the spot.
// The file-size-limit signal is ignored: a write beyond the limit then fails like any other
// refused write (it is logged and the game goes on) instead of killing the game.
void installProcessSignalHandlers();
