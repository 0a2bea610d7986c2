// SdlGamepads.h: the game controllers SDL finds, plugged in before or during the game.
#pragma once

#include "GamepadKeys.h"

#include <array>

struct _SDL_GameController;
union SDL_Event;
class InputEventQueue;

// Opens every controller SDL reports, including those plugged in while the game runs (SDL sends
// an "added" event for each one at start too), closes those pulled out, and turns their input
// into keys through GamepadKeys. A machine without controller support simply has none.
class SdlGamepads {
public:
    static constexpr int kMaxControllers = 4;

    SdlGamepads();
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // True when the event was a controller's (and has been handled).
    bool handle(const SDL_Event& event, InputEventQueue& queue);

private:
    void open(int deviceIndex);
    void close(int instanceId, InputEventQueue& queue);

    bool m_ready = false;
    std::array<_SDL_GameController*, kMaxControllers> m_controllers{};
    GamepadKeys m_keys;
};
