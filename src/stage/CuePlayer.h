// CuePlayer.h: how effects start sound cues and stop the ones they started.
#pragma once

#include <string_view>

// Implemented by the play screen over the sound system. Channels are reused once a sound has
// finished, so an effect that wants to silence its own cue hands back both the channel and the
// cue: the player stops that channel only while it still plays that cue, never someone else's
// sound. A missing cue plays nothing.
class CuePlayer {
public:
    // Starts the cue; answers the channel it plays on, or -1 when nothing plays.
    virtual int play(std::string_view cue) = 0;
    // Stops `channel` only while it still plays `cue`; a channel of -1 is ignored.
    virtual void stop(int channel, std::string_view cue) = 0;

protected:
    ~CuePlayer() = default;
};
