// Autoplayer.h: the built-in player, feeding clicks and keys into the main loop like a player.
#pragma once

#include "InputSource.h"

#include <string_view>

class ScreenManager;

// Each pass it asks the current screen (when that screen can be played this way) what a player
// would do now, and does it through the main loop's input queue: a click on the group the screen
// chooses, every few frames; Enter on a dialog waiting for its default button, after typing its
// name into a name field; a click on the pause box. Screens that cannot be played are left alone.
class Autoplayer final : public InputSource {
public:
    static constexpr int kPassesBetweenMoves = 12;
    static constexpr int kPassesBetweenKeys = 2;
    static constexpr int kPassesAfterAnswer = 6;
    static constexpr std::string_view kName = "Autoplay";

    explicit Autoplayer(ScreenManager& screens)
        : m_screens(screens) {}

    void feed(int64_t pass, InputEventQueue& queue) override;

private:
    ScreenManager& m_screens;
    int m_wait = 0;
};
